// The print preview dialog: its controls and the logic between the typed margins, the paper's drags, the
// proportional flag and the printer.
#include "chartui/window/chart_preview.h"

#include <charconv>
#include <memory>

#include "chartui/dialogs/chart_editors.h"
#include "program/program.h"

namespace fv {

namespace {

constexpr int OppositeMargin(int index) { return (index + 2) % 4; }

}  // namespace

TChartPreview::TChartPreview(Component* owner, Program& program) : ProgramForm(owner, program, "ChartPreview") {
    SetCaption("Chart Print Preview");
    SetBounds(0, 0, 620, 440);
    Position = FormPosition::ScreenCenter;
    KeyPreview = true;
    Font f = GetFont();
    f.Name = "MS Sans Serif";
    f.Size = 8;
    f.FontColor = ClBlack;
    SetFont(f);

    Panel1 = Add<fv::Panel>(this, "Panel1", 0, 0, 620, 41);
    Panel1->SetAlign(Align::Top);
    Label1 = Add<Label>(Panel1, "Label1", 8, 14, 40, 13, "P&rinter:");
    Printers = Add<ComboBox>(Panel1, "Printers", 52, 10, 220, 21);
    Printers->Style = ComboBox::ComboStyle::DropDownList;
    BSetupPrinter = Add<Button>(Panel1, "BSetupPrinter", 280, 8, 100, 25, "Printer &Setup...");
    BPrint = Add<Button>(Panel1, "BPrint", 388, 8, 75, 25, "&Print");
    BClose = Add<Button>(Panel1, "BClose", 471, 8, 75, 25, "Close");
    BClose->Default = true;
    BClose->Cancel = true;
    BClose->ModalResult = MrOk;

    Panel2 = Add<fv::Panel>(this, "Panel2", 0, 41, 130, 399);
    Panel2->SetAlign(Align::Left);
    Orientation = Add<RadioGroup>(Panel2, "Orientation", 6, 4, 118, 60, "Paper Orientation:");
    Orientation->SetItems({"P&ortrait", "&Landscape"});
    Orientation->SetItemIndex(1);
    GBMargins = Add<GroupBox>(Panel2, "GBMargins", 6, 70, 118, 130, "Margins (%)");
    auto margin = [&](Edit*& edit, UpDown*& upDown, const std::string& name, int left, int top) {
        edit = Add<Edit>(GBMargins, "SE" + name, left, top, 34, 21);
        edit->SetText("0");
        upDown = Add<UpDown>(GBMargins, "UD" + name, left + 34, top, 15, 21);
        upDown->SetRange(0, 100);
        upDown->SetAssociate(edit);
    };
    margin(SETopMa, UDTopMa, "TopMa", 42, 18);
    margin(SELeftMa, UDLeftMa, "LeftMa", 8, 46);
    margin(SERightMa, UDRightMa, "RightMa", 66, 46);
    margin(SEBotMa, UDBotMa, "BotMa", 42, 74);
    ShowMargins = Add<CheckBox>(GBMargins, "ShowMargins", 8, 102, 104, 17, "&View Margins");
    ShowMargins->SetChecked(true);
    BReset = Add<Button>(Panel2, "BReset", 6, 206, 118, 25, "Reset &Margins");
    BReset->SetEnabled(false);
    ChangeDetailGroup = Add<GroupBox>(Panel2, "ChangeDetailGroup", 6, 236, 118, 66, "Detail:");
    Resolution = Add<ScrollBar>(ChangeDetailGroup, "Resolution", 8, 20, 102, 16);
    Resolution->SetRange(-100, 0);
    Label2 = Add<Label>(ChangeDetailGroup, "Label2", 8, 42, 30, 13, "More");
    Label3 = Add<Label>(ChangeDetailGroup, "Label3", 72, 42, 40, 13, "Normal");
    CBProp = Add<CheckBox>(Panel2, "CBProp", 6, 308, 118, 17, "Proportional");
    CBProp->SetChecked(true);

    // The paper fills the rest of the dialog.
    ChartPreviewPage = Make<TChartPreviewPage>("ChartPreviewPage", program.App);
    ChartPreviewPage->SetBounds(130, 41, 490, 399);
    ChartPreviewPage->SetAlign(Align::Client);
    ChartPreviewPage->SetParent(this);
    ChartPreviewPage->OnChangeMargins = [this](Component*, bool byDrag, const PixelRect&) { ShowMarginValues(byDrag); };

    Printers->OnChange = [this](Component* s) { PrintersChange(s); };
    BSetupPrinter->OnClick = [this](Component* s) { BSetupPrinterClick(s); };
    BPrint->OnClick = [this](Component* s) { BPrintClick(s); };
    BClose->OnClick = [this](Component* s) { BCloseClick(s); };
    Orientation->OnClick = [this](Component* s) { OrientationClick(s); };
    for (int i = 0; i < 4; ++i) MarginEdit(i)->OnChange = [this, i](Component*) { MarginTyped(i); };
    ShowMargins->OnClick = [this](Component* s) { ShowMarginsClick(s); };
    BReset->OnClick = [this](Component* s) { BResetClick(s); };
    CBProp->OnClick = [this](Component* s) { CBPropClick(s); };
    Resolution->OnChange = [this](Component* s) { ResolutionChange(s); };
    OnShow = [this](Component* s) { FormShow(s); };
    Hide();
}

PrinterService& TChartPreview::Printer() const { return P.App.Printer(); }

Edit* TChartPreview::MarginEdit(int index) const {
    Edit* const edits[] = {SELeftMa, SETopMa, SERightMa, SEBotMa};
    return edits[index];
}

UpDown* TChartPreview::MarginUpDown(int index) const {
    UpDown* const upDowns[] = {UDLeftMa, UDTopMa, UDRightMa, UDBotMa};
    return upDowns[index];
}

void TChartPreview::FormShow(Component*) {
    P.App.SetScreenCursor(Cursor::Default);
    loading = true;
    suppressRefresh = true;
    PrinterService& printer = Printer();
    Printers->SetItems(printer.Printers());
    Printers->SetItemIndex(printer.PrinterIndex());
    printer.SetOrientation(PaperOrientation::Landscape);
    if (TCustomChartPanel* panel = PreviewedChart()) {
        suppressPropClick = true;
        CBProp->SetChecked(panel->PrintProportional());
        suppressPropClick = false;
        Resolution->SetPosition(panel->PrintResolution());
        resetMargins = panel->PrintMargins;
    }
    suppressRefresh = false;
    ApplyMargins();
    loading = false;
}

void TChartPreview::ShowPrinterOrientation() {
    Orientation->SetItemIndex(Printer().Orientation() == PaperOrientation::Portrait ? 0 : 1);
}

void TChartPreview::ApplyMargins() {
    TCustomChartPanel* panel = PreviewedChart();
    if (!panel) return;
    if (panel->PrintProportional()) {
        panel->PrintMargins = panel->CalcProportionalPrintRect(Printer());
        resetMargins = panel->PrintMargins;
    }
    ShowPrinterOrientation();
    ShowMarginValues(false);
}

void TChartPreview::ShowMarginValues(bool byDrag) {
    TCustomChartPanel* panel = PreviewedChart();
    if (!panel) return;
    const bool wasSuppressed = suppressRefresh, wasLoading = loading;
    suppressRefresh = true;
    loading = true;  // the fields follow the margins without storing them again
    for (int i = 0; i < 4; ++i) {
        MarginUpDown(i)->SetPosition(panel->PrintMargins[std::size_t(i)]);
        MarginEdit(i)->SetText(std::to_string(panel->PrintMargins[std::size_t(i)]));
    }
    loading = wasLoading;
    if (byDrag) {
        panel->SetPrintProportional(false);
        suppressPropClick = true;
        CBProp->SetChecked(false);
        suppressPropClick = false;
    }
    suppressRefresh = wasSuppressed;
    if (ChartPreviewPage->DragImage || !byDrag) {
        Refresh();
    } else {
        ChartPreviewPage->Repaint();  // the guide lines at their new place
        // Margins dragged away from the reset target can be reset, whether or not the chart was redrawn.
        if (!suppressRefresh) BReset->SetEnabled(panel->PrintMargins != resetMargins);
    }
}

void TChartPreview::Refresh() {
    if (suppressRefresh) return;
    ChartPreviewPage->Repaint();
    if (TCustomChartPanel* panel = PreviewedChart()) BReset->SetEnabled(panel->PrintMargins != resetMargins);
}

void TChartPreview::MarginTyped(int index) {
    if (loading) return;
    TCustomChartPanel* panel = PreviewedChart();
    if (!panel) return;
    Edit* edit = MarginEdit(index);
    const std::string& text = edit->Text();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const int stored = panel->PrintMargins[std::size_t(index)];
    const bool number = error == std::errc() && end == text.data() + text.size() && value >= 0;
    if (!number || value + panel->PrintMargins[std::size_t(OppositeMargin(index))] >= 100) {
        // The chart would have no room (or the text is no margin): the field goes back.
        loading = true;
        MarginUpDown(index)->SetPosition(stored);
        edit->SetText(std::to_string(stored));
        loading = false;
        return;
    }
    panel->PrintMargins[std::size_t(index)] = value;
    loading = true;
    MarginUpDown(index)->SetPosition(value);
    loading = false;
    Refresh();
}

void TChartPreview::PrintersChange(Component*) {
    Printer().SetPrinterIndex(Printers->ItemIndex());
    ShowPrinterOrientation();
    OrientationClick(Orientation);
}

void TChartPreview::BSetupPrinterClick(Component*) {
    Printer().Setup();
    ShowPrinterOrientation();
}

void TChartPreview::OrientationClick(Component*) {
    Printer().SetOrientation(Orientation->ItemIndex() == 0 ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    ApplyMargins();
    ChartPreviewPage->Repaint();
}

void TChartPreview::ShowMarginsClick(Component*) { ChartPreviewPage->SetShowMargins(ShowMargins->Checked()); }

void TChartPreview::BResetClick(Component*) {
    if (TCustomChartPanel* panel = PreviewedChart()) panel->PrintMargins = resetMargins;
    ShowMarginValues(false);
}

void TChartPreview::CBPropClick(Component*) {
    if (suppressPropClick) return;
    if (TCustomChartPanel* panel = PreviewedChart()) panel->SetPrintProportional(CBProp->Checked());
    ApplyMargins();
}

void TChartPreview::ResolutionChange(Component*) {
    if (TCustomChartPanel* panel = PreviewedChart()) panel->SetPrintResolution(Resolution->Position());
    ChartPreviewPage->Repaint();
    ShowPrinterOrientation();
}

void TChartPreview::BPrintClick(Component*) { ChartPreviewPage->PrintImage(); }

void TChartPreview::BCloseClick(Component*) { Close(); }

void ChartPreview(Component*, Program& program, TCustomChartPanel& panel) {
    // The dialog belongs to the application for its run, whoever asks: an owner of its own would free it
    // a second time.
    try {
        TemporaryDialog<TChartPreview> dialog(program);
        dialog->ChartPreviewPage->SetImage(&panel);
        dialog->ShowModal();
    } catch (...) {
        panel.Invalidate();
        throw;
    }
    panel.Invalidate();
}

}  // namespace fv
