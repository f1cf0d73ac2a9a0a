// The fast line series editor: its colour (a swatch) and its line pen, which always carries the
// series' colour.
#pragma once

#include "chart/fast_line.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TFastLineSeriesEditor : public TSeriesEditorForm {
public:
    TFastLineSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    Shape* SHColor;
    Button* BLinePen;

    TFastLineSeries& Series;

    void FormShow(Component* sender);
    void SHColorClick(Component* sender);
    void BLinePenClick(Component* sender);
};

}  // namespace fv
