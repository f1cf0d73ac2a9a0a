// The editor of a surface series: how the cells are drawn (filled, only their outlines, or only their
// corners), the pen of the outlines and the brush of the cells. The colouring and the grid size are on
// the "Grid 3D" tab it adds to the page that owns it.
//
// Rules:
// - The drawing mode shows the series' WireFrame and DotFrame, which the series never has both on;
//   "Solid" switches both off.
// - The mode waits for the end of the first show; the buttons edit the series' own pen and brush.
#pragma once

#include "chart/extended/surface_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TSurfaceSeriesEditor : public TSeriesEditorForm {
public:
    TSurfaceSeriesEditor(Component* owner, Program& program, TSurfaceSeries& series);

    RadioGroup* RadioGroup1;
    Button* Button2;
    Button* Button3;

    TSurfaceSeries& Surface;

    void FormShow(Component* sender);
    void RadioGroup1Click(Component* sender);
    void Button2Click(Component* sender);
    void Button3Click(Component* sender);
};

}  // namespace fv
