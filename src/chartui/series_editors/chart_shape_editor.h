// The editor of a shape series: the figure, its colour, pattern and border, whether it is transparent,
// the two corners, and the text inside it with its font and alignment.
//
// Rules:
// - The corner edits show the corners only when the series holds its two points; an empty edit, or a
//   corner the series does not hold, changes nothing.
// - The swatch shows the brush colour, which is the series colour: a colour chosen here, or through the
//   pattern dialog, is given to the series, which keeps the two equal.
// - Updating is set for the length of every show, not from the creation.
#pragma once

#include "chart/extended/shape_series.h"
#include "chartui/series_editors/series_editors.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/radio_group.h"

namespace fv {

class TChartShapeEditor : public TSeriesEditorForm {
public:
    TChartShapeEditor(Component* owner, Program& program, TChartShape& series);

    Label* LStyle;
    ComboBox* CBStyle;
    Button* BShapeColor;
    Shape* SHColor;
    Button* BShapeBrush;
    Button* BShapePen;
    CheckBox* CBTrans;
    Label* LX0;
    Edit* SEX0;
    Label* LY0;
    Edit* SEY0;
    Label* LX1;
    Edit* SEX1;
    Label* LY1;
    Edit* SEY1;
    Label* LText;
    Memo* MemoText;
    RadioGroup* RGAlign;
    Button* Button1;

    TChartShape& TheShape;

    void FormShow(Component* sender);
    void CBStyleChange(Component* sender);
    // A corner coordinate typed: point `index`'s X or Y.
    void CornerChange(Edit& edit, int index, bool x);
    void MemoTextChange(Component* sender);
    void RGAlignClick(Component* sender);
    void Button1Click(Component* sender);
    void BShapeColorClick(Component* sender);
    void BShapeBrushClick(Component* sender);
    void BShapePenClick(Component* sender);
};

}  // namespace fv
