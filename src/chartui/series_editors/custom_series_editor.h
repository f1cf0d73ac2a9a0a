// The editor of line-type series: colour, "Color &Each", and for a line series its border, pattern,
// stairs and dark 3D; the series' pointer goes on a "Point" tab of its own.
#pragma once

#include "chart/series/custom_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TCustomSeriesEditor : public TSeriesEditorForm {
public:
    TCustomSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    GroupBox* GPLine;
    Button* BLineColor;
    Shape* ShColor;
    Button* BLineBorder;
    Label* LPattern;
    ComboBox* CBLineBrush;
    CheckBox* CBColorEach;
    CheckBox* CBDark3D;
    GroupBox* GBStair;
    CheckBox* CBStairs;
    CheckBox* CBInvStairs;

    TCustomSeries& Series;

    void FormShow(Component* sender);
    void BLineColorClick(Component* sender);
    void BLineBorderClick(Component* sender);
    void CBLineBrushChange(Component* sender);
    void CBStairsClick(Component* sender);
    void CBInvStairsClick(Component* sender);
    void CBColorEachClick(Component* sender);
    void CBDark3DClick(Component* sender);
};

}  // namespace fv
