// The one place where the program's chart classes are registered.
#include "app/chart_types.h"

#include "chart/extended/extended_types.h"
#include "chart/functions/function_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

void RegisterChartTypes() {
    RegisterStandardSeriesTypes();
    RegisterChartEngineTypes();
    RegisterExtendedSeriesTypes();
    RegisterStandardFunctions();
    RegisterSeriesEditors();
}

}  // namespace fv
