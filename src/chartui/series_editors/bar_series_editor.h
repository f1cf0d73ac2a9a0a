// The bar series editor (vertical and horizontal bars): width and offset, style, origin, how several
// bar series stand together, colour, border and pattern.
//
// Rules:
// - The colour swatch shows only while the series does not colour each point, and "&Color..." is
//   enabled exactly then; choosing a colour unchecks "Color &Each".
// - "Use &Origin:" enables the origin edit; an empty origin text changes nothing.
// - "&Auto Mark Position" is written even while the editor is loading (it writes the value it shows).
#pragma once

#include "chart/series/bar_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TBarSeriesEditor : public TSeriesEditorForm {
public:
    TBarSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    Edit* SEBarwidth;
    UpDown* UDBarWidth;
    Edit* SEBarOffset;
    UpDown* UDBarOffset;
    Label* LStyle;
    ComboBox* CBBarStyle;
    CheckBox* CBYOrigin;
    Edit* EYOrigin;
    RadioGroup* RGMultiBar;
    CheckBox* CBColorEach;
    CheckBox* CBDarkBar;
    CheckBox* CBBarSideMargins;
    CheckBox* CBMarksAutoPosition;
    Button* BBarPen;
    Button* BBarBrush;
    Button* BBarColor;
    Shape* SHBarColor;

    TCustomBarSeries& Series;

    void FormShow(Component* sender);
    void SEBarwidthChange(Component* sender);
    void SEBarOffsetChange(Component* sender);
    void CBBarStyleChange(Component* sender);
    void CBYOriginClick(Component* sender);
    void EYOriginChange(Component* sender);
    void RGMultiBarClick(Component* sender);
    void CBColorEachClick(Component* sender);
    void CBDarkBarClick(Component* sender);
    void CBBarSideMarginsClick(Component* sender);
    void BBarPenClick(Component* sender);
    void BBarBrushClick(Component* sender);
    void BBarColorClick(Component* sender);
    void CBMarksAutoPositionClick(Component* sender);

private:
    void RefreshSwatch();
};

}  // namespace fv
