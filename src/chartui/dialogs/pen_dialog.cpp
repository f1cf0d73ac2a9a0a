// The pen dialog: width, style, visibility and colour of a chart pen.
#include "chartui/dialogs/pen_dialog.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

namespace {
// The pen styles the dialog offers, in the order of their numbers.
const std::vector<std::string> PenStyleItems = {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"};
constexpr int OfferedStyles = 5;
}  // namespace

TPenDialog::TPenDialog(Component* owner, Program& program, TChartPen& pen, bool plain)
    : ProgramForm(owner, program, "PenDialog"), pen_(pen), plain_(plain) {
    SetUpChartDialog(*this, "Border Color Editor", 250, 176);

    CBVisible = Add<CheckBox>(this, "CBVisible", 8, 8, 97, 17, "&Visible");
    LWidth = Add<Label>(this, "LWidth", 8, 36, 44, 13, "&Width:");
    SEWidth = Add<Edit>(this, "SEWidth", 56, 32, 34, 21, "1");
    UDWidth = Add<UpDown>(this, "UDWidth", 90, 32, 15, 21);
    UDWidth->SetRange(1, 100);
    UDWidth->SetPosition(1);
    UDWidth->SetAssociate(SEWidth);
    RGStyle = Add<RadioGroup>(this, "RGStyle", 8, 60, 113, 108, "&Style:");
    RGStyle->SetItems(PenStyleItems);
    GroupBox1 = Add<GroupBox>(this, "GroupBox1", 130, 8, 112, 60);
    SHColor = Add<Shape>(GroupBox1, "SHColor", 10, 18, 26, 26);
    BColor = Add<Button>(GroupBox1, "BColor", 42, 19, 62, 25, "&Color...");
    Button1 = AddOkButton(this, "Button1", 150, 108, 80, 25);
    Button3 = AddCancelButton(this, "Button3", 150, 140, 80, 25, {.closes = false});

    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    RGStyle->OnClick = [this](Component* s) { RGStyleClick(s); };
    SEWidth->OnChange = [this](Component* s) { SEWidthChange(s); };
    CBVisible->OnClick = [this](Component* s) { CBVisibleClick(s); };
    BColor->OnClick = [this](Component* s) { BColorClick(s); };
    SHColor->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) { BColorClick(s); };
    Button3->OnClick = [this](Component* s) { Button3Click(s); };
}

void TPenDialog::FormShow(Component*) {
    loading_ = true;
    P.App.SetScreenCursor(Cursor::Default);
    backup_ = std::make_unique<TChartPen>();
    backup_->Assign(pen_);
    CBVisible->SetVisible(!plain_);
    std::vector<std::string> items = PenStyleItems;
    if (!plain_) items.push_back("Small Dots");
    RGStyle->SetItems(items);
    CBVisible->SetChecked(pen_.Visible());
    // Styles the dialog does not offer (clear, inside frame) choose no item.
    const int style = int(pen_.Style());
    RGStyle->SetItemIndex(!plain_ && pen_.SmallDots() ? SmallDotsItem() : style < OfferedStyles ? style : -1);
    UDWidth->SetPosition(pen_.Width());
    RGStyle->SetEnabled(pen_.Width() == 1);
    SHColor->SetCursor(Cursor::HandPoint);  // the chart's hand over clickable swatches
    SHColor->SetBrushColor(pen_.GetColor());
    BColor->SetEnabled(SHColor->Visible());
    loading_ = false;
}

void TPenDialog::RGStyleClick(Component*) {
    const int item = RGStyle->ItemIndex();
    if (loading_ || item < 0) return;
    if (item == SmallDotsItem()) {
        pen_.SetSmallDots(true);
        return;
    }
    pen_.SetStyle(PenStyle(item));
    pen_.SetSmallDots(false);
}

void TPenDialog::SEWidthChange(Component*) {
    if (loading_) return;
    pen_.SetWidth(UDWidth->Position());
    // Dashes and dots are drawn only by pens one pixel wide.
    RGStyle->SetEnabled(pen_.Width() == 1);
}

void TPenDialog::CBVisibleClick(Component*) {
    if (loading_) return;
    pen_.SetVisible(CBVisible->Checked());
}

void TPenDialog::BColorClick(Component*) {
    pen_.SetColor(EditColor(*this, pen_.GetColor()));
    SHColor->SetBrushColor(pen_.GetColor());
}

void TPenDialog::Button3Click(Component*) {
    Restore();
    SetModalResult(MrCancel);
}

void TPenDialog::FormClose(Component*, CloseAction&) {
    // Closed from the frame or with Escape: the run ends as a cancel, so the pen goes back too.
    if (ModalResult() != MrOk) Restore();
    backup_.reset();
}

void TPenDialog::Restore() {
    if (!backup_) return;
    pen_.Assign(*backup_);
    // The owner hears of it even when nothing changed, as after any edit in the dialog.
    if (pen_.OnChange) pen_.OnChange();
    backup_.reset();
}

}  // namespace fv
