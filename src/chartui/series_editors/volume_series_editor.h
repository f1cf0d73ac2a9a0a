// The editor of a volume series: its colour, and the pen of its lines, which carries the same colour.
#pragma once

#include "chart/extended/candle_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/button.h"

namespace fv {

class TVolumeSeriesEditor : public TSeriesEditorForm {
public:
    TVolumeSeriesEditor(Component* owner, Program& program, TVolumeSeries& series);

    Shape* SHColor;
    Button* BLinePen;

    TVolumeSeries& Volume;

    void FormShow(Component* sender);
    void SHColorMouseUp();
    // The pen starts in the series colour; the colour the pen ends with becomes the series colour.
    void BLinePenClick(Component* sender);
};

}  // namespace fv
