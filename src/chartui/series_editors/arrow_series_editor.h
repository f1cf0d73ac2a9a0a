// The editor of an arrow series: colour (one for all arrows, or each its own), border and pattern of the
// arrows, and the width and length of their heads.
//
// Rules:
// - "Color &Each Arrow" hides the colour swatch and disables "&Color..."; it also sets the arrows' fill
//   to the automatic colour, so that each arrow takes its own.
// - The head sizes run from 1 to 100 and wait for the end of the first show.
#pragma once

#include "chart/extended/arrow_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"

namespace fv {

class TArrowSeriesEditor : public TSeriesEditorForm {
public:
    TArrowSeriesEditor(Component* owner, Program& program, TArrowSeries& series);

    CheckBox* CBColorEach;
    Button* BArrowColor;
    Shape* SHArrowColor;
    Button* BPen;
    Button* BBrush;
    Label* LArrowWidth;
    Edit* SEArrowWidth;
    UpDown* UDArrowWidth;
    Label* LArrowHeight;
    Edit* SEArrowHeight;
    UpDown* UDArrowHeight;

    TArrowSeries& Arrows;

    void FormShow(Component* sender);
    void CBColorEachClick(Component* sender);
    void BArrowColorClick(Component* sender);
    void BPenClick(Component* sender);
    void BBrushClick(Component* sender);
    void SEArrowWidthChange(Component* sender);
    void SEArrowHeightChange(Component* sender);

private:
    void ShowColorControls();
};

}  // namespace fv
