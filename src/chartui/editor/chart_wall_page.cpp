// The walls page of the chart editor.
#include "chartui/editor/chart_wall_page.h"

#include "chartui/dialogs/chart_editors.h"
#include "platform/ui/label.h"

namespace fv {

TFormChartWall::TFormChartWall(Component* owner, Program& program, TCustomChart& chart, TChartWall& wall)
    : TChartPageForm(owner, program, "FormChartWall", 420, 262), chart_(chart), wall_(&wall) {
    TabSubWalls = Add<TabControl>(this, "TabSubWalls", 8, 8, 404, 170);
    TabSubWalls->Tabs = {"Left Wall", "Bottom Wall", "Back Wall"};
    BWallColor = Add<Button>(TabSubWalls, "BWallColor", 12, 34, 96, 25, "&Background...");
    SHWallColor = Add<Shape>(TabSubWalls, "SHWallColor", 116, 34, 26, 25);
    BWallPen = Add<Button>(TabSubWalls, "BWallPen", 12, 66, 96, 25, "B&order...");
    BWallBrush = Add<Button>(TabSubWalls, "BWallBrush", 12, 98, 96, 25, "&Pattern...");
    const NumberField size =
        AddNumberField(TabSubWalls, "LWallSize", "SEWallSize", "UDWallSize", "Siz&e:", 12, 132, 40, 4, 40, 0, 100, 1);
    SEWallSize = size.edit;
    UDWallSize = size.updown;
    CBWallTransp = Add<CheckBox>(TabSubWalls, "CBWallTransp", 180, 38, 120, 17, "&Transparent");
    CBDark3D = Add<CheckBox>(TabSubWalls, "CBDark3D", 180, 70, 120, 17, "&Dark 3D");
    CBView3dWalls = Add<CheckBox>(this, "CBView3dWalls", 8, 190, 140, 17, "&Visible Walls");

    SHWallColor->SetCursor(Cursor::HandPoint);  // the chart's hand over clickable swatches

    OnShow = [this](Component* s) { FormShow(s); };
    TabSubWalls->OnChange = [this](Component* s) { TabSubWallsChange(s); };
    CBView3dWalls->OnClick = [this](Component*) {
        if (!loading_) chart_.SetView3DWalls(CBView3dWalls->Checked());
    };
    BWallColor->OnClick = [this](Component* s) { BWallColorClick(s); };
    SHWallColor->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) { BWallColorClick(s); };
    BWallPen->OnClick = [this](Component*) { EditChartPen(*this, wall_->Pen()); };
    BWallBrush->OnClick = [this](Component*) { EditChartBrush(*this, wall_->Brush()); };
    SEWallSize->OnChange = [this](Component* s) { SEWallSizeChange(s); };
    CBWallTransp->OnClick = [this](Component* s) { CBWallTranspClick(s); };
    CBDark3D->OnClick = [this](Component*) {
        if (!loading_) wall_->SetDark3D(CBDark3D->Checked());
    };
}

void TFormChartWall::FormShow(Component*) {
    TabSubWalls->SetTabIndex(wall_ == &chart_.LeftWall() ? 0 : wall_ == &chart_.BottomWall() ? 1 : 2);
    LoadWall();
}

void TFormChartWall::TabSubWallsChange(Component*) {
    const int tab = TabSubWalls->TabIndex();
    wall_ = tab == 0 ? &chart_.LeftWall() : tab == 1 ? &chart_.BottomWall() : &chart_.BackWall();
    LoadWall();
}

void TFormChartWall::LoadWall() {
    loading_ = true;
    CBView3dWalls->SetChecked(chart_.View3DWalls());
    UDWallSize->SetPosition(wall_->Size());
    CBWallTransp->SetChecked(wall_->Brush().Style() == BrushStyle::Clear);
    CBDark3D->SetChecked(wall_->Dark3D());
    CBDark3D->SetEnabled(wall_->Size() > 0);
    SHWallColor->SetBrushColor(wall_->GetColor());
    loading_ = false;
}

void TFormChartWall::BWallColorClick(Component*) {
    wall_->SetColor(EditColor(*this, wall_->GetColor()));
    SHWallColor->SetBrushColor(wall_->GetColor());
}

void TFormChartWall::SEWallSizeChange(Component*) {
    if (loading_) return;
    wall_->SetSize(UDWallSize->Position());
    CBDark3D->SetEnabled(wall_->Size() > 0);
}

void TFormChartWall::CBWallTranspClick(Component*) {
    if (loading_) return;
    // Only the style changes: a pattern picture the brush holds is kept for when it shows again.
    wall_->Brush().SetStyle(CBWallTransp->Checked() ? BrushStyle::Clear : BrushStyle::Solid);
    if (!CBWallTransp->Checked() && wall_->GetColor() == AutomaticColour) {
        wall_->SetColor(ClSilver);
        SHWallColor->SetBrushColor(ClSilver);
    }
}

}  // namespace fv
