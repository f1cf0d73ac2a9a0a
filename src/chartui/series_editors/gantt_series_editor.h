// The gantt series editor: the height of the task bars (the pointer's height), the pen of the lines to the
// next task, and the colour (one for all tasks, or each its own); the pointer on a "Point" tab.
//
// Rules:
// - The colour swatch shows only without "Color &Each".
// - A colour chosen is the colour of every task: "Color &Each" is unchecked with it.
// - The height runs from 1 to 1000 and waits for the end of the first show.
#pragma once

#include "chart/extended/arrow_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TGanttSeriesEditor : public TSeriesEditorForm {
public:
    TGanttSeriesEditor(Component* owner, Program& program, TGanttSeries& series);

    Label* LPointVertSize;
    Edit* SEPointVertSize;
    UpDown* UDPointVertSize;
    CheckBox* CBColorEach;
    Button* BitBtn1;
    Shape* SHColor;
    Button* BConnLines;

    TGanttSeries& Series;

    void FormShow(Component* sender);
    void SEPointVertSizeChange(Component* sender);
    void BConnLinesClick(Component* sender);
    void CBColorEachClick(Component* sender);
    void BitBtn1Click(Component* sender);

private:
    void RefreshSwatch();
};

}  // namespace fv
