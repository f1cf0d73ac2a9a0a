// The area series editor: how several areas stand together, colour (of the series, or of each point),
// the area's pattern, stairs, and the area lines and border pens; the pointer on a "Point" tab.
//
// Rules: the colour swatch shows only without "Color &Each Point" ("&Color..." enabled exactly then) and
// shows the area colour, or the series colour while the area takes it; "Inverted" is enabled only with
// "&Stairs".
#pragma once

#include "chart/series/line_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TAreaSeriesEditor : public TSeriesEditorForm {
public:
    TAreaSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    RadioGroup* RGMultiArea;
    CheckBox* CBColorEach;
    Button* BAreaColor;
    Shape* SHAreaColor;
    Label* LPattern;
    ComboBox* CBAreaBrush;
    CheckBox* CBStairs;
    CheckBox* CBInvStairs;
    Button* BAreaLinesPen;
    Button* BAreaLinePen;

    TAreaSeries& Series;

    void FormShow(Component* sender);
    void RGMultiAreaClick(Component* sender);
    void CBColorEachClick(Component* sender);
    void BAreaColorClick(Component* sender);
    void CBStairsClick(Component* sender);
    void CBInvStairsClick(Component* sender);
    void CBAreaBrushChange(Component* sender);
    void BAreaLinesPenClick(Component* sender);
    void BAreaLinePenClick(Component* sender);

private:
    void RefreshSwatch();
};

}  // namespace fv
