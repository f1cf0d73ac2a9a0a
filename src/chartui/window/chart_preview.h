// The print preview dialog: the printer, the paper's orientation, the print margins (typed in percent or
// dragged on the paper), proportional printing and the print detail of a chart, and printing it. The
// margins, the proportional flag and the detail belong to the chart, so they stay with it.
//
// Rules:
// - Opening the preview turns the paper to landscape.
// - A typed margin that would leave the chart no room (it and the opposite margin making 100 or more, or
//   no number at all) is refused: the field shows the margin as it was.
// - Dragging the chart on the paper turns proportional printing off.
// - "Reset &Margins" is enabled exactly while the margins differ from those the preview opened with (or
//   last made proportional), after a drag as after typing.
#pragma once

#include <array>

#include "chartui/window/print_preview.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/up_down.h"
#include "program/program_form.h"

namespace fv {

class TChartPreview : public ProgramForm {
public:
    TChartPreview(Component* owner, Program& program);

    fv::Panel* Panel1;
    Label* Label1;
    ComboBox* Printers;
    Button* BSetupPrinter;
    Button* BPrint;
    Button* BClose;
    fv::Panel* Panel2;
    RadioGroup* Orientation;
    GroupBox* GBMargins;
    Edit* SETopMa;
    Edit* SELeftMa;
    Edit* SEBotMa;
    Edit* SERightMa;
    UpDown* UDTopMa;
    UpDown* UDLeftMa;
    UpDown* UDBotMa;
    UpDown* UDRightMa;
    CheckBox* ShowMargins;
    Button* BReset;
    GroupBox* ChangeDetailGroup;
    ScrollBar* Resolution;
    Label* Label2;
    Label* Label3;
    CheckBox* CBProp;
    TChartPreviewPage* ChartPreviewPage;

    TCustomChartPanel* PreviewedChart() const { return ChartPreviewPage->Image(); }

    void FormShow(Component* sender);
    void PrintersChange(Component* sender);
    void BSetupPrinterClick(Component* sender);
    void OrientationClick(Component* sender);
    // The four margin fields, by their margin index (0 left, 1 top, 2 right, 3 bottom).
    void MarginTyped(int index);
    void ShowMarginsClick(Component* sender);
    void BResetClick(Component* sender);
    void CBPropClick(Component* sender);
    void ResolutionChange(Component* sender);
    void BPrintClick(Component* sender);
    void BCloseClick(Component* sender);

private:
    PrinterService& Printer() const;
    void ApplyMargins();
    void ShowPrinterOrientation();
    // The margins into the fields; a drag turns proportional printing off.
    void ShowMarginValues(bool byDrag);
    void Refresh();
    Edit* MarginEdit(int index) const;
    UpDown* MarginUpDown(int index) const;

    std::array<int, 4> resetMargins{};
    bool loading = true;
    bool suppressRefresh = true;
    bool suppressPropClick = false;
};

// Opens the preview modally on a chart and repaints the chart afterwards. The dialog belongs to the
// application for the run; `owner` is not used.
void ChartPreview(Component* owner, Program& program, TCustomChartPanel& panel);

}  // namespace fv
