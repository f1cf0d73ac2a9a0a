// The editors of the further series types (candle, volume, arrow, error and shape series), registered for
// the series page under the class names those series give.
#pragma once

namespace fv {

// Registers each editor once by its class name (again: the same editors).
void RegisterExtendedSeriesEditors();

}  // namespace fv
