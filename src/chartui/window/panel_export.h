// The export dialog's outputs for a chart panel: pictures through the panel's own bitmap and metafile
// output with the application's raster and clipboard services, and the chart file through the store
// that the caller hands in (the general page gives the chart file store for a chart).
#pragma once

#include <functional>
#include <string>

#include "chart/chart_panel.h"
#include "chartui/window/chart_export_form.h"
#include "platform/app/application.h"

namespace fv {

class TPanelExport : public TChartExportTarget {
public:
    TPanelExport(TCustomChartPanel& panel, Application& app) : panel_(panel), app_(app) {}

    void CopyToClipboardBitmap() override { panel_.CopyToClipboardBitmap(app_.Raster(), app_.Clipboard()); }
    void CopyToClipboardMetafile(bool enhanced) override { panel_.CopyToClipboardMetafile(app_.Clipboard(), enhanced); }
    void SaveToBitmapFile(const std::string& fileName) override { panel_.SaveToBitmapFile(app_.Raster(), fileName); }
    void SaveToMetafile(const std::string& fileName) override { panel_.SaveToMetafile(fileName); }
    void SaveToMetafileEnh(const std::string& fileName) override { panel_.SaveToMetafileEnh(fileName); }
    // Through SaveChartFile; a panel without a store for its kind cannot be saved as a chart file.
    void SaveToChartFile(const std::string& fileName) override;

    std::function<void(const std::string& fileName)> SaveChartFile;

private:
    TCustomChartPanel& panel_;
    Application& app_;
};

}  // namespace fv
