// The general page of the chart editor.
#include "chartui/editor/chart_general_page.h"

#include "chart/chart_store.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/window/chart_export_form.h"
#include "chartui/window/chart_preview.h"
#include "chartui/window/panel_export.h"

namespace fv {

TFormChartGeneral::TFormChartGeneral(Component* owner, Program& program, TCustomChart& chart)
    : TChartPageForm(owner, program, "FormChartGeneral", 400, 230), TheChart(chart) {
    GBZoom = Add<GroupBox>(this, "GBZoom", 8, 8, 170, 96, "Zoom");
    CBAllowZoom = Add<CheckBox>(GBZoom, "CBAllowZoom", 10, 18, 150, 17, "&Allow Zoom");
    CBAnimatedZoom = Add<CheckBox>(GBZoom, "CBAnimatedZoom", 10, 40, 150, 17, "Animated Z&oom");
    const NumberField steps =
        AddNumberField(GBZoom, "LSteps", "SEAniZoomSteps", "UDAniZoomSteps", "&Steps:", 10, 64, 44, 2, 40, 0, 100, 1);
    LSteps = steps.label;
    SEAniZoomSteps = steps.edit;
    UDAniZoomSteps = steps.updown;

    RGPanning = Add<RadioGroup>(this, "RGPanning", 8, 112, 170, 84, "Allow Scroll:");
    RGPanning->SetItems({"&None", "&Horizontal", "&Vertical", "&Both"});
    RGPanning->Columns = 2;
    CBClipPoints = Add<CheckBox>(this, "CBClipPoints", 16, 204, 150, 17, "&Clip Points");

    // The four margins stand where they lie around a chart: top, left and right, bottom.
    GBMargins = Add<GroupBox>(this, "GBMargins", 190, 8, 200, 112, "Margins (%)");
    auto margin = [this](const std::string& edit, const std::string& upDown, int left, int top, UpDown*& ud) {
        Edit* e = Add<Edit>(GBMargins, edit, left, top, 36, 21);
        ud = Add<UpDown>(GBMargins, upDown, left + 36, top, 15, 21);
        ud->SetRange(0, 100);
        ud->Increment = 5;
        ud->SetAssociate(e);
        return e;
    };
    SETopMa = margin("SETopMa", "UDTopMa", 74, 20, UDTopMa);
    SELeftMa = margin("SELeftMa", "UDLeftMa", 14, 48, UDLeftMa);
    SERightMa = margin("SERightMa", "UDRightMa", 134, 48, UDRightMa);
    SEBotMa = margin("SEBotMa", "UDBotMa", 74, 76, UDBotMa);

    BPrint = Add<Button>(this, "BPrint", 230, 140, 120, 25, "Print &Preview...");
    BExport = Add<Button>(this, "BExport", 230, 174, 120, 25, "&Export...");

    OnShow = [this](Component* s) { FormShow(s); };
    CBAllowZoom->OnClick = [this](Component* s) { CBAllowZoomClick(s); };
    CBAnimatedZoom->OnClick = [this](Component* s) { CBAnimatedZoomClick(s); };
    SEAniZoomSteps->OnChange = [this](Component* s) { SEAniZoomStepsChange(s); };
    RGPanning->OnClick = [this](Component* s) { RGPanningClick(s); };
    CBClipPoints->OnClick = [this](Component* s) { CBClipPointsClick(s); };
    SETopMa->OnChange = [this](Component* s) { SETopMaChange(s); };
    SELeftMa->OnChange = [this](Component* s) { SELeftMaChange(s); };
    SEBotMa->OnChange = [this](Component* s) { SEBotMaChange(s); };
    SERightMa->OnChange = [this](Component* s) { SERightMaChange(s); };
    BPrint->OnClick = [this](Component* s) { BPrintClick(s); };
    BExport->OnClick = [this](Component* s) { BExportClick(s); };
}

void TFormChartGeneral::FormShow(Component*) {
    loading = true;
    CBAllowZoom->SetChecked(TheChart.AllowZoom);
    CBAnimatedZoom->SetChecked(TheChart.AnimatedZoom);
    UDAniZoomSteps->SetPosition(TheChart.AnimatedZoomSteps);
    RGPanning->SetItemIndex(int(TheChart.AllowPanning));
    CBClipPoints->SetChecked(TheChart.ClipPoints());
    UDTopMa->SetPosition(TheChart.MarginTop());
    UDLeftMa->SetPosition(TheChart.MarginLeft());
    UDBotMa->SetPosition(TheChart.MarginBottom());
    UDRightMa->SetPosition(TheChart.MarginRight());
    loading = false;
}

void TFormChartGeneral::CBAllowZoomClick(Component*) {
    if (!loading) TheChart.AllowZoom = CBAllowZoom->Checked();
}

void TFormChartGeneral::CBAnimatedZoomClick(Component*) {
    if (!loading) TheChart.AnimatedZoom = CBAnimatedZoom->Checked();
}

void TFormChartGeneral::SEAniZoomStepsChange(Component*) {
    if (!loading) TheChart.AnimatedZoomSteps = UDAniZoomSteps->Position();
}

void TFormChartGeneral::RGPanningClick(Component*) {
    if (!loading && RGPanning->ItemIndex() >= 0) TheChart.AllowPanning = TPanningMode(RGPanning->ItemIndex());
}

void TFormChartGeneral::CBClipPointsClick(Component*) {
    if (!loading) TheChart.SetClipPoints(CBClipPoints->Checked());
}

void TFormChartGeneral::MarginChange(int side, UpDown& upDown) {
    if (loading) return;
    const int value = upDown.Position();
    if (value + TheChart.Margin((side + 2) % 4) < 100) TheChart.SetMargin(side, value);
    else upDown.SetPosition(TheChart.Margin(side));
}

void TFormChartGeneral::SETopMaChange(Component*) { MarginChange(1, *UDTopMa); }
void TFormChartGeneral::SELeftMaChange(Component*) { MarginChange(0, *UDLeftMa); }
void TFormChartGeneral::SEBotMaChange(Component*) { MarginChange(3, *UDBotMa); }
void TFormChartGeneral::SERightMaChange(Component*) { MarginChange(2, *UDRightMa); }

void TFormChartGeneral::BPrintClick(Component*) { ChartPreview(this, P, TheChart); }

void TFormChartGeneral::BExportClick(Component*) {
    // The chart file of an export is the whole chart with its series and points, through the store.
    TPanelExport output(TheChart, P.App);
    output.SaveChartFile = [this](const std::string& fileName) { SaveChartFile(TheChart, fileName); };
    TemporaryDialog<TChartExportForm> dialog(P);
    dialog->ExportPanel = &output;
    dialog->ShowModal();
}

}  // namespace fv
