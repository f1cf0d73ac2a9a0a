// The "Walls" page of the chart editor: the left, bottom or back wall of the chart, chosen on a row of tabs.
// Every control writes into the edited wall at once.
//
// Rules of the page:
// - Dark 3D is offered only for a wall with a size above 0.
// - A wall made opaque (Transparent unchecked) that has the automatic colour becomes silver, so that it
//   shows; its pattern picture stays.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/shape.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartWall : public TChartPageForm {
public:
    TFormChartWall(Component* owner, Program& program, TCustomChart& chart, TChartWall& wall);

    TabControl* TabSubWalls;
    CheckBox* CBView3dWalls;
    Button* BWallColor;
    Shape* SHWallColor;
    Button* BWallPen;
    Button* BWallBrush;
    Edit* SEWallSize;
    UpDown* UDWallSize;
    CheckBox* CBWallTransp;
    CheckBox* CBDark3D;

    TChartWall& TheWall() const { return *wall_; }

    void FormShow(Component* sender);
    void TabSubWallsChange(Component* sender);
    void BWallColorClick(Component* sender);
    void SEWallSizeChange(Component* sender);
    void CBWallTranspClick(Component* sender);

private:
    void LoadWall();

    TCustomChart& chart_;
    TChartWall* wall_;
    bool loading_ = true;
};

}  // namespace fv
