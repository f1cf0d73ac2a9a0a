// "General": the chart editor's page of zoom, scrolling, clipping and the chart's margins, with the print
// preview and the export dialog. Every control writes into the chart at once.
//
// Rules:
// - A margin is taken only while it and the opposite margin (top with bottom, left with right) stay below
//   100 percent together; otherwise the field goes back to the chart's margin.
// - The page keeps a loading flag from creation until the end of its show: the fields it fills then
//   write nothing.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartGeneral : public TChartPageForm {
public:
    TFormChartGeneral(Component* owner, Program& program, TCustomChart& chart);

    GroupBox* GBZoom;
    CheckBox* CBAllowZoom;
    CheckBox* CBAnimatedZoom;
    Label* LSteps;
    Edit* SEAniZoomSteps;
    UpDown* UDAniZoomSteps;
    RadioGroup* RGPanning;
    CheckBox* CBClipPoints;
    GroupBox* GBMargins;
    Edit* SETopMa;
    Edit* SELeftMa;
    Edit* SEBotMa;
    Edit* SERightMa;
    UpDown* UDTopMa;
    UpDown* UDLeftMa;
    UpDown* UDBotMa;
    UpDown* UDRightMa;
    Button* BPrint;
    Button* BExport;

    TCustomChart& TheChart;

    void FormShow(Component* sender);
    void CBAllowZoomClick(Component* sender);
    void CBAnimatedZoomClick(Component* sender);
    void SEAniZoomStepsChange(Component* sender);
    void RGPanningClick(Component* sender);
    void CBClipPointsClick(Component* sender);
    void SETopMaChange(Component* sender);
    void SELeftMaChange(Component* sender);
    void SEBotMaChange(Component* sender);
    void SERightMaChange(Component* sender);
    void BPrintClick(Component* sender);
    void BExportClick(Component* sender);

private:
    // Margin `side` (0 left, 1 top, 2 right, 3 bottom) from its up-down, within the rule above.
    void MarginChange(int side, UpDown& upDown);
    bool loading = true;
};

}  // namespace fv
