// The legend page of the chart editor.
#include "chartui/editor/chart_legend_page.h"

#include "chartui/dialogs/chart_editors.h"
#include "platform/ui/label.h"

namespace fv {

TFormChartLegend::TFormChartLegend(Component* owner, Program& program, TCustomChart& chart)
    : TChartPageForm(owner, program, "FormChartLegend", 420, 262), chart_(chart) {
    CBShow = Add<CheckBox>(this, "CBShow", 8, 8, 100, 17, "&Visible");
    CBResizeChart = Add<CheckBox>(this, "CBResizeChart", 8, 30, 100, 17, "Resi&ze Chart");
    CBInverted = Add<CheckBox>(this, "CBInverted", 8, 52, 100, 17, "&Inverted");
    Add<Label>(this, "LLegendStyle", 116, 10, 86, 13, "Legend &Style:");
    CBLegendStyle = Add<ComboBox>(this, "CBLegendStyle", 204, 6, 92, 21);
    CBLegendStyle->Style = ComboBox::ComboStyle::DropDownList;
    CBLegendStyle->SetItems({"Automatic", "Series Names", "Series Values", "Last Values"});
    Add<Label>(this, "LLegStyle", 116, 38, 86, 13, "Text St&yle:");
    CBLegStyle = Add<ComboBox>(this, "CBLegStyle", 204, 34, 92, 21);
    CBLegStyle->Style = ComboBox::ComboStyle::DropDownList;
    CBLegStyle->SetItems({"Plain", "Left Value", "Right Value", "Left Percent", "Right Percent", "X Value"});
    BColor = Add<Button>(this, "BColor", 300, 6, 116, 25, "Bac&k Color...");
    BFont = Add<Button>(this, "BFont", 300, 36, 116, 25, "F&ont...");
    BFrame = Add<Button>(this, "BFrame", 300, 66, 116, 25, "&Frame...");
    BDivLines = Add<Button>(this, "BDivLines", 300, 96, 116, 25, "&Dividing Lines...");
    SETopPos = AddNumber(this, "SETopPos", "UDTopPos", "% Top &Pos:", 116, 66, 90, 100, 1, UDTopPos);
    SEColWi = AddNumber(this, "SEColWi", "UDColWi", "% Color &Width:", 116, 96, 90, 100, 5, UDColWi);

    GB7 = Add<GroupBox>(this, "GB7", 8, 130, 208, 124, "Position:");
    RBLeft = Add<RadioButton>(GB7, "RBLeft", 12, 20, 80, 17, "&Left");
    RBRight = Add<RadioButton>(GB7, "RBRight", 12, 42, 80, 17, "&Right");
    RBTop = Add<RadioButton>(GB7, "RBTop", 12, 64, 80, 17, "&Top");
    RBBottom = Add<RadioButton>(GB7, "RBBottom", 12, 86, 80, 17, "&Bottom");
    SEMargin = AddNumber(GB7, "SEMargin", "UDMargin", "&Margin:", 96, 20, 48, 1000, 1, UDMargin);

    GB1 = Add<GroupBox>(this, "GB1", 222, 130, 192, 124, "Shadow:");
    BShadow = Add<Button>(GB1, "BShadow", 12, 20, 80, 25, "&Color...");
    SEShadowSize = AddNumber(GB1, "SEShadowSize", "UDShadowSize", "Siz&e:", 12, 56, 40, 100, 1, UDShadowSize);

    TChartLegend& legend = chart_.Legend();
    OnShow = [this](Component* s) { FormShow(s); };
    CBShow->OnClick = [this, &legend](Component*) {
        if (!loading_) legend.SetVisible(CBShow->Checked());
    };
    BColor->OnClick = [this, &legend](Component*) { legend.SetColor(EditColor(*this, legend.GetColor())); };
    BFont->OnClick = [this, &legend](Component*) { legend.SetFont(EditChartFont(*this, legend.GetFont())); };
    BFrame->OnClick = [this, &legend](Component*) { EditChartPen(*this, legend.Frame()); };
    BDivLines->OnClick = [this, &legend](Component*) { EditChartPen(*this, legend.DividingLines()); };
    CBResizeChart->OnClick = [this, &legend](Component*) {
        if (!loading_) legend.SetResizeChart(CBResizeChart->Checked());
    };
    CBInverted->OnClick = [this, &legend](Component*) {
        if (!loading_) legend.SetInverted(CBInverted->Checked());
    };
    CBLegendStyle->OnChange = [this, &legend](Component*) {
        if (!loading_ && CBLegendStyle->ItemIndex() >= 0) legend.SetLegendStyle(TLegendStyle(CBLegendStyle->ItemIndex()));
    };
    CBLegStyle->OnChange = [this, &legend](Component*) {
        if (!loading_ && CBLegStyle->ItemIndex() >= 0) legend.SetTextStyle(TLegendTextStyle(CBLegStyle->ItemIndex()));
    };
    SETopPos->OnChange = [this, &legend](Component*) {
        if (!loading_) legend.SetTopPos(UDTopPos->Position());
    };
    SEColWi->OnChange = [this, &legend](Component*) {
        if (!loading_) legend.SetColorWidth(UDColWi->Position());
    };
    BShadow->OnClick = [this, &legend](Component*) { legend.SetShadowColor(EditColor(*this, legend.ShadowColor())); };
    SEShadowSize->OnChange = [this, &legend](Component*) {
        if (!loading_) legend.SetShadowSize(UDShadowSize->Position());
    };
    BindSide(RBLeft, TLegendAlignment::laLeft);
    BindSide(RBRight, TLegendAlignment::laRight);
    BindSide(RBTop, TLegendAlignment::laTop);
    BindSide(RBBottom, TLegendAlignment::laBottom);
    SEMargin->OnChange = [this](Component* s) { SEMarginChange(s); };
}

Edit* TFormChartLegend::AddNumber(Control* parent, const std::string& editName, const std::string& upDownName,
                                  const std::string& caption, int left, int top, int labelWidth, int max, int step,
                                  UpDown*& updown) {
    const NumberField f =
        AddNumberField(parent, "L" + editName, editName, upDownName, caption, left, top, labelWidth, 4, 40, 0, max, step);
    updown = f.updown;
    return f.edit;
}

void TFormChartLegend::BindSide(RadioButton* button, TLegendAlignment side) {
    button->OnClick = [this, button, side](Component*) {
        if (loading_ || !button->Checked()) return;
        chart_.Legend().SetAlignment(side);
        LoadMargin();
    };
}

void TFormChartLegend::FormShow(Component*) {
    loading_ = true;
    TChartLegend& legend = chart_.Legend();
    CBShow->SetChecked(legend.Visible());
    CBResizeChart->SetChecked(legend.ResizeChart());
    CBInverted->SetChecked(legend.Inverted());
    CBLegendStyle->SetItemIndex(int(legend.LegendStyle()));
    CBLegStyle->SetItemIndex(int(legend.TextStyle()));
    UDTopPos->SetPosition(legend.TopPos());
    UDColWi->SetPosition(legend.ColorWidth());
    UDShadowSize->SetPosition(legend.ShadowSize());
    switch (legend.Alignment()) {
        case TLegendAlignment::laLeft: RBLeft->SetChecked(true); break;
        case TLegendAlignment::laRight: RBRight->SetChecked(true); break;
        case TLegendAlignment::laTop: RBTop->SetChecked(true); break;
        case TLegendAlignment::laBottom: RBBottom->SetChecked(true); break;
    }
    LoadMargin();
}

void TFormChartLegend::LoadMargin() {
    loading_ = true;
    const TChartLegend& legend = chart_.Legend();
    UDMargin->SetPosition(legend.IsVertical() ? legend.HorizMargin() : legend.VertMargin());
    loading_ = false;
}

void TFormChartLegend::SEMarginChange(Component*) {
    if (loading_) return;
    TChartLegend& legend = chart_.Legend();
    if (legend.IsVertical()) legend.SetHorizMargin(UDMargin->Position());
    else legend.SetVertMargin(UDMargin->Position());
}

}  // namespace fv
