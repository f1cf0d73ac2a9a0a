// Vertical one-pixel segments one after another in one pixel column, gathered as one segment.
//
// A one-pixel segment covers the pixels along it from its lower end up to, not including, its higher
// end, whichever way it runs. A dense line (many points per pixel column) goes up and down many times
// inside one column; the vertical segments of such a column, each starting where the one before ended,
// cover together the pixels from the lowest point they reach up to, not including, the highest: one
// segment from the lowest to the highest point draws exactly those.
#pragma once

#include "platform/gfx/geometry.h"

namespace fv {

class ColumnRun {
public:
    bool Open() const { return open_; }
    // Whether the vertical segment from `from` continues the open run.
    bool Continues(Point from) const { return open_ && from == end_; }
    // Takes a vertical segment of some length: it continues the open run, or starts one when none is open.
    void Take(Point from, Point to);
    // The run as one segment, from its lowest to its highest point; the run is closed.
    void Close(Point& low, Point& high);

private:
    bool open_ = false;
    int x_ = 0, low_ = 0, high_ = 0;
    Point end_;
};

}  // namespace fv
