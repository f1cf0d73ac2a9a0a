// The editor of a contour series: how many levels, whether each level has a colour of its own, the
// height the lines are laid at (one height for all, or each line at its own level's value) and the
// lines' pen. The colouring and the grid size are on the "Grid 3D" tab it adds to the page that owns it.
//
// Rules:
// - The height field applies only while the lines are not laid at their levels: it is enabled exactly
//   when "&Levels position" is unchecked.
// - The two number fields wait for the end of the first show; the boxes write what they show.
#pragma once

#include "chart/extended/surface_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TContourSeriesEditor : public TSeriesEditorForm {
public:
    TContourSeriesEditor(Component* owner, Program& program, TContourSeries& series);

    CheckBox* CBColorEach;
    Button* Button2;
    Label* LNumLevels;
    Edit* SENumLevels;
    UpDown* UDNumLevels;
    CheckBox* CBYPosLevel;
    Label* LYPos;
    Edit* SEYPos;
    UpDown* UDYPos;

    TContourSeries& Contour;

    void FormShow(Component* sender);
    void SENumLevelsChange(Component* sender);
    void CBYPosLevelClick(Component* sender);
    void SEYPosChange(Component* sender);
    void CBColorEachClick(Component* sender);
    void Button2Click(Component* sender);

private:
    void EnableYPosition();
};

}  // namespace fv
