// The panel page of the chart editor.
#include "chartui/editor/chart_panel_page.h"

#include <stdexcept>

#include "chart/chart_units.h"
#include "chartui/dialogs/chart_editors.h"
#include "platform/ui/label.h"

namespace fv {

namespace {
const std::vector<std::string> BevelItems = {"None", "Lowered", "Raised"};
}  // namespace

TFormChartPanel::TFormChartPanel(Component* owner, Program& program, TCustomChart& chart)
    : TChartPageForm(owner, program, "FormChartPanel", 420, 262), chart_(chart) {
    RGBevelIn = Add<RadioGroup>(this, "RGBevelIn", 8, 4, 100, 80, "Bevel &Inner:");
    RGBevelIn->SetItems(BevelItems);
    RGBevelOut = Add<RadioGroup>(this, "RGBevelOut", 116, 4, 100, 80, "Bevel &Outer:");
    RGBevelOut->SetItems(BevelItems);
    const NumberField bevelWidth =
        AddNumberField(this, "LPanelWi", "SEPanelWi", "UDPanelWi", "&Width:", 8, 92, 50, 2, 40, 0, 100, 1);
    SEPanelWi = bevelWidth.edit;
    UDPanelWi = bevelWidth.updown;
    const NumberField borderWidth =
        AddNumberField(this, "LPanelBor", "SEPanelBor", "UDPanelBor", "Widt&h:", 8, 122, 50, 2, 40, 0, 100, 1);
    SEPanelBor = borderWidth.edit;
    UDPanelBor = borderWidth.updown;
    CBPanelBorder = Add<CheckBox>(this, "CBPanelBorder", 124, 124, 90, 17, "&Border");
    BPanelColor = Add<Button>(this, "BPanelColor", 8, 156, 100, 25, "&Panel Color...");

    GB4 = Add<GroupBox>(this, "GB4", 224, 4, 190, 148, "Gradient");
    CBGradVisible = Add<CheckBox>(GB4, "CBGradVisible", 10, 18, 100, 17, "&Visible");
    BGradientStart = Add<Button>(GB4, "BGradientStart", 10, 40, 100, 25, "&Start Color...");
    Shape1 = Add<Shape>(GB4, "Shape1", 118, 40, 26, 25);
    BGradientEnd = Add<Button>(GB4, "BGradientEnd", 10, 70, 100, 25, "&End Color...");
    Shape2 = Add<Shape>(GB4, "Shape2", 118, 70, 26, 25);
    Add<Label>(GB4, "LDirection", 10, 102, 70, 13, "&Direction:");
    ComboBox1 = Add<ComboBox>(GB4, "ComboBox1", 10, 118, 170, 21);
    ComboBox1->Style = ComboBox::ComboStyle::DropDownList;
    ComboBox1->SetItems({"Top Bottom", "Bottom Top", "Left Right", "Right Left", "From Center", "From Top Left",
                         "From Bottom Left"});

    GB6 = Add<GroupBox>(this, "GB6", 224, 158, 190, 98, "Back Image");
    RGBitmap = Add<RadioGroup>(GB6, "RGBitmap", 10, 16, 80, 76, "St&yle");
    RGBitmap->SetItems({"Stretch", "Tile", "Center"});
    CBImageInside = Add<CheckBox>(GB6, "CBImageInside", 100, 24, 80, 17, "I&nside");
    BBrowseImage = Add<Button>(GB6, "BBrowseImage", 100, 56, 80, 25, "B&rowse...");

    for (Shape* swatch : {Shape1, Shape2}) swatch->SetCursor(Cursor::HandPoint);  // the chart's hand

    OnShow = [this](Component* s) { FormShow(s); };
    RGBevelIn->OnClick = [this](Component*) {
        if (!loading_ && RGBevelIn->ItemIndex() >= 0) SetPanel(chart_.BevelInner, BevelKind(RGBevelIn->ItemIndex()));
    };
    RGBevelOut->OnClick = [this](Component*) {
        if (!loading_ && RGBevelOut->ItemIndex() >= 0) SetPanel(chart_.BevelOuter, BevelKind(RGBevelOut->ItemIndex()));
    };
    SEPanelWi->OnChange = [this](Component*) {
        if (!loading_) SetPanel(chart_.BevelWidth, UDPanelWi->Position());
    };
    SEPanelBor->OnChange = [this](Component*) {
        if (!loading_) SetPanel(chart_.BorderWidth, UDPanelBor->Position());
    };
    CBPanelBorder->OnClick = [this](Component*) {
        if (!loading_) chart_.SetBorderStyle(CBPanelBorder->Checked() ? BorderStyle::Single : BorderStyle::None);
    };
    BPanelColor->OnClick = [this](Component*) {
        chart_.SetColor(EditColor(*this, chart_.GetColor()));
        chart_.Invalidate();
    };
    CBGradVisible->OnClick = [this](Component*) {
        if (loading_) return;
        chart_.Gradient().SetVisible(CBGradVisible->Checked());
        ShowGradient();
    };
    BGradientStart->OnClick = [this](Component* s) { BGradientStartClick(s); };
    BGradientEnd->OnClick = [this](Component* s) { BGradientEndClick(s); };
    Shape1->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) {
        if (Shape1->Enabled()) BGradientStartClick(s);
    };
    Shape2->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) {
        if (Shape2->Enabled()) BGradientEndClick(s);
    };
    ComboBox1->OnChange = [this](Component*) {
        if (!loading_ && ComboBox1->ItemIndex() >= 0)
            chart_.Gradient().SetDirection(TGradientDirection(ComboBox1->ItemIndex()));
    };
    RGBitmap->OnClick = [this](Component*) {
        if (!loading_ && RGBitmap->ItemIndex() >= 0) chart_.SetBackImageMode(TChartBackImageMode(RGBitmap->ItemIndex()));
    };
    CBImageInside->OnClick = [this](Component*) {
        if (!loading_) chart_.SetBackImageInside(CBImageInside->Checked());
    };
    BBrowseImage->OnClick = [this](Component* s) { BBrowseImageClick(s); };
}

void TFormChartPanel::FormShow(Component*) {
    loading_ = true;
    RGBevelIn->SetItemIndex(int(chart_.BevelInner));
    RGBevelOut->SetItemIndex(int(chart_.BevelOuter));
    UDPanelWi->SetPosition(chart_.BevelWidth);
    UDPanelBor->SetPosition(chart_.BorderWidth);
    CBPanelBorder->SetChecked(chart_.GetBorderStyle() == BorderStyle::Single);
    CBGradVisible->SetChecked(chart_.Gradient().Visible());
    RGBitmap->SetItemIndex(int(chart_.BackImageMode()));
    CBImageInside->SetChecked(chart_.BackImageInside());
    ShowGradient();
    ShowImage();
    loading_ = false;
}

void TFormChartPanel::ShowGradient() {
    TChartGradient& gradient = chart_.Gradient();
    ComboBox1->SetItemIndex(int(gradient.Direction()));
    EnableControls(gradient.Visible(), {ComboBox1, BGradientStart, BGradientEnd, Shape1, Shape2});
    Shape1->SetPenColor(ClBlack);
    Shape1->SetBrushColor(gradient.StartColor());
    Shape2->SetPenColor(ClBlack);
    Shape2->SetBrushColor(gradient.EndColor());
}

void TFormChartPanel::ShowImage() {
    const bool hasImage = chart_.BackImage() != nullptr;
    EnableControls(hasImage, {RGBitmap, CBImageInside});
    BBrowseImage->SetCaption(hasImage ? "Clea&r" : "B&rowse...");
}

void TFormChartPanel::BGradientStartClick(Component*) {
    chart_.Gradient().SetStartColor(EditColor(*this, chart_.Gradient().StartColor()));
    ShowGradient();
}

void TFormChartPanel::BGradientEndClick(Component*) {
    chart_.Gradient().SetEndColor(EditColor(*this, chart_.Gradient().EndColor()));
    ShowGradient();
}

void TFormChartPanel::BBrowseImageClick(Component*) {
    if (chart_.BackImage()) {
        chart_.SetBackImage(nullptr);
    } else {
        FileDialogOptions options;
        options.DefaultExtension = "BMP";
        options.Filters = {{"Bitmaps (*.bmp)", "*.bmp"}};
        if (std::optional<std::string> file = P.App.Dialogs().OpenFile(options)) {
            BitmapPtr image = P.App.Images().LoadImage(*file);
            if (!image) throw std::runtime_error("Bitmap image is not valid");
            chart_.SetBackImage(std::move(image));
        }
    }
    ShowImage();
}

}  // namespace fv
