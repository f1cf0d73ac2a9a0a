// The editor of a candle series: candle or open-high-low-close bar, the candle width, the colours of
// prices that closed up and down, the open and close ticks of a bar, and the 3D look of a candle.
//
// Rules:
// - The ticks only apply to the bar style and the 3D switches only to the candle style: the boxes are
//   enabled for their own style alone, and "Dar&k 3D" is enabled with "Draw &3D".
// - Only the width field waits for the end of the first show; the other controls write what they show.
#pragma once

#include "chart/extended/candle_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"

namespace fv {

class TCandleEditor : public TSeriesEditorForm {
public:
    TCandleEditor(Component* owner, Program& program, TCandleSeries& series);

    RadioGroup* RGStyle;
    Label* LWidth;
    Edit* SEWidth;
    UpDown* UDWidth;
    Button* BitBtn1;
    Shape* ShapeUp;
    Button* BitBtn2;
    Shape* ShapeDown;
    CheckBox* CBShowOpen;
    CheckBox* CBShowClose;
    CheckBox* CBDraw3D;
    CheckBox* CBDark3D;
    Button* Button1;

    TCandleSeries& Candle;

    void FormShow(Component* sender);
    void RGStyleClick(Component* sender);
    void SEWidthChange(Component* sender);
    void BitBtn1Click(Component* sender);
    void BitBtn2Click(Component* sender);
    void Button1Click(Component* sender);

private:
    void CheckControls();
};

}  // namespace fv
