// The axis page of the chart editor.
#include "chartui/editor/chart_axis_page.h"

#include <cmath>
#include <functional>

#include "chart/chart_units.h"
#include "chart/date_steps.h"
#include "chart/value_format.h"
#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/axis_max_min_form.h"
#include "chartui/dialogs/chart_editors.h"
#include "platform/ui/group_box.h"

namespace fv {

namespace {

const char* const DefaultValuesFormat = "#,##0.###";

// An angle the up-downs reach at their top: a full turn is no turn.
int WrapAngle(int angle) { return angle == 360 ? 0 : angle; }

// A limit as the scales tab shows it.
std::string LimitText(const TCustomChartAxis& axis, double value) {
    if (!axis.IsDateTimeAxis()) return FormatNumber(value, axis.AxisValuesFormat());
    if (value >= 1) return FormatDateTime(value, ChartLocale().ShortDateFormat + " " + IncrementTimeFormat);
    return FormatDateTime(value, IncrementTimeFormat);
}

}  // namespace

TFormChartAxis::TFormChartAxis(Component* owner, Program& program, TCustomChart& chart, TCustomChartAxis& axis)
    : TChartPageForm(owner, program, "FormChartAxis", 420, 262), chart_(chart), axis_(&axis) {
    CBShow = Add<CheckBox>(this, "CBShow", 8, 6, 100, 17, "&Show Axis");
    RGWhich = Add<RadioGroup>(this, "RGWhich", 8, 30, 100, 122, "Axis:");
    RGWhich->SetItems({"&Left", "&Right", "&Top", "&Bottom", "&Depth"});
    CBVisible = Add<CheckBox>(this, "CBVisible", 8, 160, 100, 17, "&Visible");
    PageAxis = Add<PageControl>(this, "PageAxis", 116, 4, 298, 252);
    TabScales = Add<TabSheet>(PageAxis, "TabScales", 0, 0, 290, 224, "Scales");
    TabTitle = Add<TabSheet>(PageAxis, "TabTitle", 0, 0, 290, 224, "Title");
    TabLabels = Add<TabSheet>(PageAxis, "TabLabels", 0, 0, 290, 224, "Labels");
    TabTicks = Add<TabSheet>(PageAxis, "TabTicks", 0, 0, 290, 224, "Ticks");
    TabPositions = Add<TabSheet>(PageAxis, "TabPositions", 0, 0, 290, 224, "Position");

    // Scales.
    CBAutomatic = Add<CheckBox>(TabScales, "CBAutomatic", 8, 8, 120, 17, "&Automatic");
    auto* gbMax = Add<GroupBox>(TabScales, "GBMaximum", 8, 30, 272, 48, "Maximum");
    CBAutoMax = Add<CheckBox>(gbMax, "CBAutoMax", 8, 19, 52, 17, "A&uto");
    LAxisMax = Add<Label>(gbMax, "LAxisMax", 64, 21, 116, 13);
    BAxisMax = Add<Button>(gbMax, "BAxisMax", 188, 16, 76, 25, "C&hange...");
    auto* gbMin = Add<GroupBox>(TabScales, "GBMinimum", 8, 82, 272, 48, "Minimum");
    CBAutoMin = Add<CheckBox>(gbMin, "CBAutoMin", 8, 19, 52, 17, "Aut&o");
    LAxisMin = Add<Label>(gbMin, "LAxisMin", 64, 21, 116, 13);
    BAxisMin = Add<Button>(gbMin, "BAxisMin", 188, 16, 76, 25, "Chan&ge...");
    auto* gbIncre = Add<GroupBox>(TabScales, "GBIncrement", 8, 134, 272, 48, "Desired Increment");
    LAxisIncre = Add<Label>(gbIncre, "LAxisIncre", 8, 21, 172, 13);
    BIncre = Add<Button>(gbIncre, "BIncre", 188, 16, 76, 25, "&Change...");
    CBLogarithmic = Add<CheckBox>(TabScales, "CBLogarithmic", 8, 192, 120, 17, "Logarith&mic");
    CBInverted = Add<CheckBox>(TabScales, "CBInverted", 140, 192, 120, 17, "&Inverted");

    // Title.
    Add<Label>(TabTitle, "LTitle", 8, 12, 60, 13, "&Title:");
    ETitle = Add<Edit>(TabTitle, "ETitle", 72, 8, 204, 21);
    SETitleAngle = AddNumber(TabTitle, "SETitleAngle", "UDTitleAngle", "&Angle:", 8, 40, 0, 360, 90, UDTitleAngle);
    SETitleSize = AddNumber(TabTitle, "SETitleSize", "UDTitleSize", "&Size:", 8, 72, 0, 1000, 1, UDTitleSize);
    BTitleFont = Add<Button>(TabTitle, "BTitleFont", 8, 108, 76, 25, "F&ont...");

    // Labels.
    CBLabels = Add<CheckBox>(TabLabels, "CBLabels", 8, 8, 120, 17, "V&isible");
    CBOnAxis = Add<CheckBox>(TabLabels, "CBOnAxis", 8, 30, 120, 17, "Label On A&xis");
    CBRoundFirst = Add<CheckBox>(TabLabels, "CBRoundFirst", 8, 52, 120, 17, "Ro&und First");
    CBMultiline = Add<CheckBox>(TabLabels, "CBMultiline", 8, 74, 120, 17, "Multi-lin&e");
    RGLabelStyle = Add<RadioGroup>(TabLabels, "RGLabelStyle", 150, 4, 130, 104, "St&yle:");
    RGLabelStyle->SetItems({"Auto", "None", "Value", "Mark", "Text"});
    SESepar = AddNumber(TabLabels, "SESepar", "UDSepar", "Se&paration %:", 8, 116, 0, 100, 10, UDSepar);
    SELabelsSize = AddNumber(TabLabels, "SELabelsSize", "UDLabelsSize", "Si&ze:", 8, 144, 0, 1000, 1, UDLabelsSize);
    SELabelsAngle = AddNumber(TabLabels, "SELabelsAngle", "UDLabelsAngle", "A&ngle:", 8, 172, 0, 360, 90, UDLabelsAngle);
    LabelAxisFormat = Add<Label>(TabLabels, "LabelAxisFormat", 162, 118, 118, 13, "Values For&mat:");
    EValuesFormat = Add<Edit>(TabLabels, "EValuesFormat", 162, 134, 118, 21);
    BLabelsFont = Add<Button>(TabLabels, "BLabelsFont", 162, 168, 76, 25, "F&ont...");

    // Ticks.
    BAxisPen = Add<Button>(TabTicks, "BAxisPen", 8, 8, 104, 25, "&Axis Border...");
    BTickPen = Add<Button>(TabTicks, "BTickPen", 8, 40, 104, 25, "T&icks...");
    BTickInner = Add<Button>(TabTicks, "BTickInner", 8, 72, 104, 25, "I&nner...");
    BTickMinor = Add<Button>(TabTicks, "BTickMinor", 8, 104, 104, 25, "&Minor...");
    BAxisGrid = Add<Button>(TabTicks, "BAxisGrid", 8, 168, 104, 25, "&Grid Border...");
    SEAxisTickLength = AddNumber(TabTicks, "SEAxisTickLength", "UDAxisTickLength", "&Length:", 120, 42, 0, 1000, 1, UDAxisTickLength);
    SEInnerTicksLength = AddNumber(TabTicks, "SEInnerTicksLength", "UDInnerTicksLength", "L&ength:", 120, 74, 0, 1000, 1, UDInnerTicksLength);
    SEAxisMinorTickLen = AddNumber(TabTicks, "SEAxisMinorTickLen", "UDAxisMinorTickLen", "Leng&th:", 120, 106, 0, 1000, 1, UDAxisMinorTickLen);
    SEMinorCount = AddNumber(TabTicks, "SEMinorCount", "UDMinorCount", "&Count:", 120, 136, 0, 1000, 1, UDMinorCount);
    CBGridCentered = Add<CheckBox>(TabTicks, "CBGridCentered", 120, 172, 120, 17, "C&entered");
    CBTickOnLabels = Add<CheckBox>(TabTicks, "CBTickOnLabels", 8, 200, 160, 17, "At Labels Onl&y");

    // Position.
    EPos = AddNumber(TabPositions, "EPos", "UDPos", "&Position %:", 8, 12, -100, 100, 1, UDPos);
    EStart = AddNumber(TabPositions, "EStart", "UDStart", "St&art %:", 8, 44, 0, 100, 1, UDStart);
    EEnd = AddNumber(TabPositions, "EEnd", "UDEnd", "&End %:", 8, 76, 0, 100, 1, UDEnd);

    OnShow = [this](Component* s) { FormShow(s); };
    RGWhich->OnClick = [this](Component* s) { RGWhichClick(s); };
    CBShow->OnClick = [this](Component* s) { CBShowClick(s); };
    CBVisible->OnClick = [this](Component* s) { CBVisibleClick(s); };
    PageAxis->OnChange = [this](Component* s) { PageAxisChange(s); };
    CBAutomatic->OnClick = [this](Component* s) { CBAutomaticClick(s); };
    CBAutoMax->OnClick = [this](Component* s) { CBAutoMaxClick(s); };
    CBAutoMin->OnClick = [this](Component* s) { CBAutoMaxClick(s); };
    BAxisMax->OnClick = [this](Component* s) { BAxisMaxClick(s); };
    BAxisMin->OnClick = [this](Component* s) { BAxisMinClick(s); };
    BIncre->OnClick = [this](Component* s) { BIncreClick(s); };
    CBLogarithmic->OnClick = [this](Component* s) { CBLogarithmicClick(s); };
    BindBox(CBInverted, &TCustomChartAxis::SetInverted);

    ETitle->OnChange = [this](Component*) {
        if (!loading_) axis_->Title.SetCaption(ETitle->Text());
    };
    SETitleAngle->OnChange = [this](Component*) {
        if (loading_) return;
        const int angle = WrapAngle(UDTitleAngle->Position());
        axis_->Title.SetAngle(angle);
        if (angle != UDTitleAngle->Position()) UDTitleAngle->SetPosition(angle);
    };
    BindUpDown(UDTitleSize, &TCustomChartAxis::SetTitleSize);
    BTitleFont->OnClick = [this](Component*) { axis_->Title.SetFont(EditChartFont(*this, axis_->Title.GetFont())); };

    BindBox(CBLabels, &TCustomChartAxis::SetLabels);
    RGLabelStyle->OnClick = [this](Component*) {
        if (!loading_ && RGLabelStyle->ItemIndex() >= 0) axis_->SetLabelStyle(TAxisLabelStyle(RGLabelStyle->ItemIndex()));
    };
    BindBox(CBOnAxis, &TCustomChartAxis::SetLabelsOnAxis);
    BindBox(CBRoundFirst, &TCustomChartAxis::SetRoundFirstLabel);
    BindBox(CBMultiline, &TCustomChartAxis::SetLabelsMultiLine);
    BindUpDown(UDSepar, &TCustomChartAxis::SetLabelsSeparation);
    BindUpDown(UDLabelsSize, &TCustomChartAxis::SetLabelsSize);
    SELabelsAngle->OnChange = [this](Component*) {
        if (loading_) return;
        const int angle = WrapAngle(UDLabelsAngle->Position());
        axis_->SetLabelsAngle(angle);
        if (angle != UDLabelsAngle->Position()) UDLabelsAngle->SetPosition(angle);
    };
    EValuesFormat->OnChange = [this](Component* s) { EValuesFormatChange(s); };
    BLabelsFont->OnClick = [this](Component*) { axis_->SetLabelsFont(EditChartFont(*this, axis_->LabelsFont())); };

    BindPen(BAxisPen, [](TCustomChartAxis& a) -> TChartPen& { return a.Axis; });
    BindPen(BTickPen, [](TCustomChartAxis& a) -> TChartPen& { return a.Ticks; });
    BindPen(BTickInner, [](TCustomChartAxis& a) -> TChartPen& { return a.TicksInner; });
    BindPen(BTickMinor, [](TCustomChartAxis& a) -> TChartPen& { return a.MinorTicks; });
    BindPen(BAxisGrid, [](TCustomChartAxis& a) -> TChartPen& { return a.Grid; });
    BindUpDown(UDAxisTickLength, &TCustomChartAxis::SetTickLength);
    BindUpDown(UDInnerTicksLength, &TCustomChartAxis::SetTickInnerLength);
    BindUpDown(UDAxisMinorTickLen, &TCustomChartAxis::SetMinorTickLength);
    BindUpDown(UDMinorCount, &TCustomChartAxis::SetMinorTickCount);
    BindBox(CBTickOnLabels, &TCustomChartAxis::SetTickOnLabelsOnly);
    BindBox(CBGridCentered, &TCustomChartAxis::SetGridCentered);

    EPos->OnChange = [this](Component*) {
        if (!loading_) axis_->SetPositionPercent(UDPos->Position());
    };
    EStart->OnChange = [this](Component* s) { EStartChange(s); };
    EEnd->OnChange = [this](Component* s) { EEndChange(s); };
}

Edit* TFormChartAxis::AddNumber(TabSheet* tab, const std::string& editName, const std::string& upDownName,
                                const std::string& caption, int left, int top, int min, int max, int step,
                                UpDown*& updown) {
    const NumberField f = AddNumberField(tab, "L" + editName, editName, upDownName, caption, left, top, 86, 2, 44, min, max, step);
    updown = f.updown;
    return f.edit;
}

void TFormChartAxis::BindBox(CheckBox* box, void (TCustomChartAxis::*set)(bool)) {
    box->OnClick = [this, box, set](Component*) {
        if (!loading_) std::invoke(set, TheAxis(), box->Checked());
    };
}

void TFormChartAxis::BindUpDown(UpDown* updown, void (TCustomChartAxis::*set)(int)) {
    updown->Associate()->OnChange = [this, updown, set](Component*) {
        if (!loading_) std::invoke(set, TheAxis(), updown->Position());
    };
}

void TFormChartAxis::BindPen(Button* button, TChartPen& (*pen)(TCustomChartAxis&)) {
    button->OnClick = [this, pen](Component*) { EditChartPen(*this, pen(*axis_)); };
}

TCustomChartAxis& TFormChartAxis::AxisOfItem(int item) const {
    switch (item) {
        case 1: return *chart_.RightAxis();
        case 2: return *chart_.TopAxis();
        case 3: return *chart_.BottomAxis();
        case 4: return chart_.DepthAxis();
        default: return *chart_.LeftAxis();
    }
}

int TFormChartAxis::ItemOfAxis(const TCustomChartAxis& axis) const {
    for (int item = 0; item < 5; ++item)
        if (&AxisOfItem(item) == &axis) return item;
    return 0;
}

void TFormChartAxis::FormShow(Component*) {
    loading_ = true;
    RGWhich->SetItemIndex(ItemOfAxis(*axis_));
    CBShow->SetChecked(chart_.AxisVisible());
    CBVisible->SetChecked(axis_->Visible());
    PageAxis->SetActivePage(TabScales);
    LoadTab();
}

void TFormChartAxis::RGWhichClick(Component*) {
    if (loading_ || RGWhich->ItemIndex() < 0) return;
    axis_ = &AxisOfItem(RGWhich->ItemIndex());
    loading_ = true;
    CBVisible->SetChecked(axis_->Visible());
    LoadTab();
}

void TFormChartAxis::CBShowClick(Component*) {
    if (!loading_) chart_.SetAxisVisible(CBShow->Checked());
}

void TFormChartAxis::CBVisibleClick(Component*) {
    if (!loading_) axis_->SetVisible(CBVisible->Checked());
}

void TFormChartAxis::PageAxisChange(Component*) {
    loading_ = true;
    LoadTab();
}

void TFormChartAxis::LoadTab() {
    loading_ = true;
    TabSheet* tab = PageAxis->ActivePage();
    if (tab == TabScales) LoadScales();
    else if (tab == TabTitle) LoadTitle();
    else if (tab == TabLabels) LoadLabels();
    else if (tab == TabTicks) LoadTicks();
    else if (tab == TabPositions) LoadPositions();
    loading_ = false;
}

void TFormChartAxis::LoadScales() {
    TCustomChartAxis& a = *axis_;
    LAxisIncre->SetCaption(IncrementText(a.Increment(), a.IsDateTimeAxis(), a.AxisValuesFormat()));
    LAxisMax->SetCaption(LimitText(a, a.Maximum()));
    LAxisMin->SetCaption(LimitText(a, a.Minimum()));
    CBAutomatic->SetChecked(a.Automatic());
    CBAutoMax->SetChecked(a.AutomaticMaximum());
    CBAutoMin->SetChecked(a.AutomaticMinimum());
    CBLogarithmic->SetChecked(a.Logarithmic());
    CBLogarithmic->SetEnabled(!a.DepthRole());
    CBInverted->SetChecked(a.Inverted());
    BAxisMax->SetEnabled(!a.Automatic() && !a.AutomaticMaximum());
    BAxisMin->SetEnabled(!a.Automatic() && !a.AutomaticMinimum());
    CBAutoMax->SetEnabled(!a.Automatic());
    CBAutoMin->SetEnabled(!a.Automatic());
}

void TFormChartAxis::LoadTitle() {
    ETitle->SetText(axis_->Title.Caption());
    UDTitleAngle->SetPosition(axis_->Title.Angle());
    UDTitleSize->SetPosition(axis_->TitleSize());
}

void TFormChartAxis::LoadLabels() {
    TCustomChartAxis& a = *axis_;
    CBLabels->SetChecked(a.Labels());
    RGLabelStyle->SetItemIndex(int(a.LabelStyle()));
    CBOnAxis->SetChecked(a.LabelsOnAxis());
    CBRoundFirst->SetChecked(a.RoundFirstLabel());
    // Every box shows the axis it edits, the multi-line one too.
    CBMultiline->SetChecked(a.LabelsMultiLine());
    UDLabelsAngle->SetPosition(a.LabelsAngle());
    UDSepar->SetPosition(a.LabelsSeparation());
    UDLabelsSize->SetPosition(a.LabelsSize());
    if (a.IsDateTimeAxis()) {
        LabelAxisFormat->SetCaption("DateTime For&mat:");
        EValuesFormat->SetText(a.DateTimeFormat().empty() ? DateTimeDefaultFormat(a.Maximum() - a.Minimum())
                                                           : a.DateTimeFormat());
    } else {
        LabelAxisFormat->SetCaption("Values For&mat:");
        EValuesFormat->SetText(FormatToLocal(a.AxisValuesFormat().empty() ? DefaultValuesFormat : a.AxisValuesFormat()));
    }
}

void TFormChartAxis::LoadTicks() {
    UDAxisTickLength->SetPosition(axis_->TickLength());
    UDInnerTicksLength->SetPosition(axis_->TickInnerLength());
    UDAxisMinorTickLen->SetPosition(axis_->MinorTickLength());
    UDMinorCount->SetPosition(axis_->MinorTickCount());
    CBTickOnLabels->SetChecked(axis_->TickOnLabelsOnly());
    CBGridCentered->SetChecked(axis_->GridCentered());
}

void TFormChartAxis::LoadPositions() {
    UDPos->SetPosition(int(std::lround(axis_->PositionPercent())));
    UDStart->SetPosition(int(std::lround(axis_->StartPosition())));
    UDEnd->SetPosition(int(std::lround(axis_->EndPosition())));
    const bool side = !axis_->DepthRole();
    EPos->SetEnabled(side);
    EStart->SetEnabled(side);
    EEnd->SetEnabled(side);
}

void TFormChartAxis::CBAutomaticClick(Component*) {
    if (loading_) return;
    axis_->SetAutomatic(CBAutomatic->Checked());
    if (CBAutomatic->Checked()) {
        axis_->AdjustMaxMin();
    } else {
        axis_->SetAutomaticMaximum(false);
        axis_->SetAutomaticMinimum(false);
    }
    LoadTab();
}

void TFormChartAxis::CBAutoMaxClick(Component* sender) {
    if (loading_) return;
    if (sender == CBAutoMax) axis_->SetAutomaticMaximum(CBAutoMax->Checked());
    else axis_->SetAutomaticMinimum(CBAutoMin->Checked());
    axis_->AdjustMaxMin();
    LoadTab();
}

void TFormChartAxis::ChangeLimit(bool maximum) {
    TemporaryDialog<TAxisMaxMin> dialog(P);
    dialog->SetCaption((maximum ? "Maximum " : "Minimum ") + chart_.AxisDisplayName(*axis_));
    dialog->IsDateTime = axis_->IsDateTimeAxis();
    dialog->MaxMin = maximum ? axis_->Maximum() : axis_->Minimum();
    if (dialog->ShowModal() != MrOk) return;
    // A limit the axis refuses goes on to the user before anything else changes.
    if (maximum) axis_->SetMaximum(dialog->MaxMin);
    else axis_->SetMinimum(dialog->MaxMin);
    loading_ = true;
    (maximum ? CBAutoMax : CBAutoMin)->SetChecked(false);
    LoadTab();
}

void TFormChartAxis::BAxisMaxClick(Component*) { ChangeLimit(true); }
void TFormChartAxis::BAxisMinClick(Component*) { ChangeLimit(false); }

void TFormChartAxis::BIncreClick(Component*) {
    TemporaryDialog<TAxisIncrement> dialog(P);
    dialog->SetCaption("Desired " + chart_.AxisDisplayName(*axis_) + " Increment");
    dialog->IsDateTime = axis_->IsDateTimeAxis();
    dialog->IsExact = axis_->ExactDateTime();
    dialog->Increment = axis_->Increment();
    dialog->IStep = DateTimeStepIndex(axis_->Increment());
    if (dialog->ShowModal() != MrOk) return;
    axis_->SetIncrement(dialog->Increment);
    axis_->SetExactDateTime(dialog->IsExact);
    LoadTab();
}

void TFormChartAxis::CBLogarithmicClick(Component*) {
    if (loading_) return;
    try {
        axis_->SetLogarithmic(CBLogarithmic->Checked());
    } catch (...) {
        axis_->SetLogarithmic(false);
        loading_ = true;
        CBLogarithmic->SetChecked(false);
        loading_ = false;
        throw;
    }
}

void TFormChartAxis::EValuesFormatChange(Component*) {
    if (loading_) return;
    if (axis_->IsDateTimeAxis()) axis_->SetDateTimeFormat(EValuesFormat->Text());
    else axis_->SetAxisValuesFormat(FormatFromLocal(EValuesFormat->Text()));
}

void TFormChartAxis::EStartChange(Component*) {
    if (loading_) return;
    const int start = UDStart->Position();
    if (start >= axis_->EndPosition()) {
        loading_ = true;
        UDStart->SetPosition(int(std::lround(axis_->StartPosition())));
        loading_ = false;
        return;
    }
    axis_->SetStartPosition(start);
}

void TFormChartAxis::EEndChange(Component*) {
    if (loading_) return;
    const int end = UDEnd->Position();
    if (end <= axis_->StartPosition()) {
        loading_ = true;
        UDEnd->SetPosition(int(std::lround(axis_->EndPosition())));
        loading_ = false;
        return;
    }
    axis_->SetEndPosition(end);
}

}  // namespace fv
