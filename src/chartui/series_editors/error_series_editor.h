// The editor of the error series and the error bar series: the width of the whiskers' cross line and
// its unit, the whisker style (the error series only) and the whisker pen.
#pragma once

#include "chart/extended/error_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"

namespace fv {

class TErrorSeriesEditor : public TSeriesEditorForm {
public:
    TErrorSeriesEditor(Component* owner, Program& program, TCustomErrorSeries& series);

    Label* LBarWidth;
    Edit* SEBarwidth;
    UpDown* UDBarWidth;
    RadioGroup* RGWidthUnit;
    RadioGroup* RGStyle;
    Button* BPen;

    TCustomErrorSeries& Errors;

    void FormShow(Component* sender);
    void SEBarwidthChange(Component* sender);
    void RGWidthUnitClick(Component* sender);
    void RGStyleClick(Component* sender);
    void BPenClick(Component* sender);
};

}  // namespace fv
