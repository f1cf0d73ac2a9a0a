// "Export Chart": copies a chart to the clipboard or saves it to a file as a bitmap, a Windows metafile,
// an enhanced metafile or a chart file. What the chart is turned into is the target's business: the
// dialog only chooses the format and the file.
#pragma once

#include <string>

#include "platform/ui/button.h"
#include "platform/ui/radio_group.h"
#include "program/program_form.h"

namespace fv {

// The four outputs of one chart (and the two clipboard copies).
class TChartExportTarget {
public:
    virtual ~TChartExportTarget() = default;
    virtual void CopyToClipboardBitmap() = 0;
    virtual void CopyToClipboardMetafile(bool enhanced) = 0;
    virtual void SaveToBitmapFile(const std::string& fileName) = 0;
    virtual void SaveToMetafile(const std::string& fileName) = 0;
    virtual void SaveToMetafileEnh(const std::string& fileName) = 0;
    // The chart file ("*.CHF"): the chart with its series and their points.
    virtual void SaveToChartFile(const std::string& fileName) = 0;
};

// The formats in the order of the dialog's choice.
enum TExportFormat { efBitmap, efMetafile, efEnhancedMetafile, efNative };

class TChartExportForm : public ProgramForm {
public:
    TChartExportForm(Component* owner, Program& program);

    RadioGroup* RGFormat;
    Button* Button1;  // "&Copy to Clipboard": copies the chart in the chosen format
    Button* Button2;  // "&Save To File...": asks for a file name and saves the chart in the chosen format
    Button* Button3;  // "Close": closes the dialog

    // The chart to export; set before the dialog is shown.
    TChartExportTarget* ExportPanel = nullptr;

    void RGFormatClick(Component* sender);
    void Button1Click(Component* sender);
    void Button2Click(Component* sender);

private:
    TExportFormat Format() const { return TExportFormat(RGFormat->ItemIndex()); }
};

}  // namespace fv
