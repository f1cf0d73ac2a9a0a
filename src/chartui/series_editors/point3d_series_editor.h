// The point 3D series editor: the series colour (swatch and button), the pen of the line joining the
// points, colour each point, and the depth of each marker; the pointer on a "Point" tab.
//
// Rules: the depth runs from 0 to 100 (the series' depth shown rounded) and waits for the end of the first
// show.
#pragma once

#include "chart/extended/point3d_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TPoint3DSeriesEditor : public TSeriesEditorForm {
public:
    TPoint3DSeriesEditor(Component* owner, Program& program, TPoint3DSeries& series);

    Button* BitBtn1;
    Shape* SHColor;
    Button* Button1;
    CheckBox* CBColorEach;
    Label* LPointDepth;
    Edit* SEPointDepth;
    UpDown* UDPointDepth;

    TPoint3DSeries& Series;

    void FormShow(Component* sender);
    void BitBtn1Click(Component* sender);
    void Button1Click(Component* sender);
    void CBColorEachClick(Component* sender);
    void SEPointDepthChange(Component* sender);
};

}  // namespace fv
