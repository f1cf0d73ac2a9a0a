// The chart file output of a panel export.
#include "chartui/window/panel_export.h"

#include "chart/chart_exception.h"

namespace fv {

void TPanelExport::SaveToChartFile(const std::string& fileName) {
    if (!SaveChartFile) throw ChartException("This chart cannot be saved as a chart file");
    SaveChartFile(fileName);
}

}  // namespace fv
