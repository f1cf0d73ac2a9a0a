// ColumnRun: a column's vertical segments as one.
#include "platform/gfx/column_run.h"

#include <algorithm>

namespace fv {

void ColumnRun::Take(Point from, Point to) {
    if (!open_) {
        open_ = true;
        x_ = from.X;
        low_ = high_ = from.Y;
    }
    low_ = std::min(low_, to.Y);
    high_ = std::max(high_, to.Y);
    end_ = to;
}

void ColumnRun::Close(Point& low, Point& high) {
    open_ = false;
    low = {x_, low_};
    high = {x_, high_};
}

}  // namespace fv
