// The export dialog.
#include "chartui/window/chart_export_form.h"

#include "chart/chart_units.h"
#include "chartui/dialogs/chart_editors.h"
#include "platform/app/services.h"

namespace fv {

TChartExportForm::TChartExportForm(Component* owner, Program& program)
    : ProgramForm(owner, program, "ChartExportForm") {
    SetUpChartDialog(*this, "Export Chart", 336, 112, ClBlack);

    RGFormat = Add<RadioGroup>(this, "RGFormat", 8, 6, 200, 98, "Format");
    RGFormat->SetItems({"as &Bitmap (BMP)", "as &Metafile (WMF)", "as &Enhanced Metafile (EMF)",
                        "as *.&CHF file (CHF)"});
    RGFormat->SetItemIndex(efBitmap);
    Button1 = Add<Button>(this, "Button1", 212, 12, 120, 25, "&Copy to Clipboard");
    Button2 = Add<Button>(this, "Button2", 212, 44, 120, 25, "&Save To File...");
    Button3 = Add<Button>(this, "Button3", 212, 76, 120, 25, "Close");
    Button3->Cancel = true;
    Button3->ModalResult = MrOk;

    RGFormat->OnClick = [this](Component* s) { RGFormatClick(s); };
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
    Button2->OnClick = [this](Component* s) { Button2Click(s); };
}

void TChartExportForm::RGFormatClick(Component*) {
    // A chart file goes only to a file: the clipboard has no place for it.
    Button1->SetEnabled(Format() != efNative);
}

void TChartExportForm::Button1Click(Component*) {
    if (!ExportPanel) return;
    switch (Format()) {
    case efMetafile: ExportPanel->CopyToClipboardMetafile(false); break;
    case efEnhancedMetafile: ExportPanel->CopyToClipboardMetafile(true); break;
    case efNative: break;
    default: ExportPanel->CopyToClipboardBitmap(); break;
    }
}

void TChartExportForm::Button2Click(Component*) {
    if (!ExportPanel) return;
    const TExportFormat format = Format();
    FileDialogOptions options;
    options.Filters = {{"Bitmap Files", "*.BMP"},
                       {"Metafile Files", "*.WMF"},
                       {"Enhanced Metafile Files", "*.EMF"},
                       {"Chart Native Files", "*.CHF"}};
    options.DefaultExtension = format == efNative ? "chf" : ExportFormatExtension(format);
    options.FilterIndex = int(format) + 1;
    const std::optional<std::string> file = P.App.Dialogs().SaveFile(options);
    if (!file) return;
    switch (format) {
    case efMetafile: ExportPanel->SaveToMetafile(*file); break;
    case efEnhancedMetafile: ExportPanel->SaveToMetafileEnh(*file); break;
    case efNative: ExportPanel->SaveToChartFile(*file); break;
    default: ExportPanel->SaveToBitmapFile(*file); break;
    }
}

}  // namespace fv
