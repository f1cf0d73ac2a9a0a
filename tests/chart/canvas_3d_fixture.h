// A chart canvas drawing into a recording canvas, with the view set up as a panel would.
#pragma once

#include "chart/canvas_3d.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {

struct Canvas3DFixture {
    RecordingCanvas rec;
    TView3DOptions options;
    TChartCanvas3D canvas;

    // An unbuffered drawing of `chart` with the given 3D switch, centred on it with the given depth.
    void Begin(PixelRect chart = {0, 0, 400, 250}, bool is3D = true, int depth = 0) {
        canvas.SetBuffered(false);
        PixelRect drawRect;
        canvas.SetupProjection(&rec, &options, drawRect, chart, is3D);
        canvas.SetCenterFromRect(depth, drawRect);
    }
    Point Project(int x, int y, int z) { return canvas.Project(x, y, z); }
};

}  // namespace fv
