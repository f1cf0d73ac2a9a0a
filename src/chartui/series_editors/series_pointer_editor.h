// The pointer page: the point markers of a series (visible, 3D, sizes, style, border, background). It is
// the whole editor of a point series and the "Point" tab of the editors of other marker-carrying series.
//
// Rules:
// - Without "&Visible" every other control is disabled.
// - "&3D" is enabled only when the series' chart is in 3D and the style is a square or a triangle;
//   "Dar&k 3D" follows it.
// - "&Default" checked means the marker takes each point's colour (brush colour AutomaticColour);
//   unchecking it changes nothing, a background colour chosen unchecks it.
#pragma once

#include "chart/series/series_pointer.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TSeriesPointerEditor : public TSeriesEditorForm {
public:
    // The pointer of a point-type series (the series must carry one).
    TSeriesPointerEditor(Component* owner, Program& program, TChartSeries& series);
    TSeriesPointerEditor(Component* owner, Program& program, TChartSeries& series, TSeriesPointer& pointer);

    GroupBox* GPPoint;
    CheckBox* CBDrawPoint;
    CheckBox* CB3dPoint;
    CheckBox* CBPoDark;
    CheckBox* CBInflate;
    Label* Label1;
    Edit* SEPointHorizSize;
    UpDown* UDPointHorizSize;
    Label* Label2;
    Edit* SEPointVertSize;
    UpDown* UDPointVertSize;
    Label* LStyle;
    ComboBox* CBPointStyle;
    Button* BPoinPenCol;
    Button* BPointFillColor;
    CheckBox* CBDefBrushColor;

    TSeriesPointer& Pointer;

    void FormShow(Component* sender);
    void CBDrawPointClick(Component* sender);
    void CB3dPointClick(Component* sender);
    void CBPoDarkClick(Component* sender);
    void CBInflateClick(Component* sender);
    void SEPointHorizSizeChange(Component* sender);
    void SEPointVertSizeChange(Component* sender);
    void CBPointStyleChange(Component* sender);
    void BPoinPenColClick(Component* sender);
    void BPointFillColorClick(Component* sender);
    void CBDefBrushColorClick(Component* sender);

private:
    void ApplyVisible(bool visible);
    void Apply3DRule();
};

}  // namespace fv
