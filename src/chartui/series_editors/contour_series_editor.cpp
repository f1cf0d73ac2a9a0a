// The contour series editor.
#include "chartui/series_editors/contour_series_editor.h"

#include <algorithm>
#include <cmath>

#include "chartui/dialogs/chart_editors.h"
#include "chartui/series_editors/grid_3d_page.h"

namespace fv {

TContourSeriesEditor::TContourSeriesEditor(Component* owner, Program& program, TContourSeries& series)
    : TSeriesEditorForm(owner, program, "ContourSeriesEditor", 294, 90), Contour(series) {
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 8, 8, 124, 17, "&Color Each Level");
    CBYPosLevel = Add<CheckBox>(this, "CBYPosLevel", 160, 8, 124, 17, "&Levels position");
    UDNumLevels = AddSpin(this, "NumLevels", "&Num Levels:", 8, 32, 114, 1, 150, 1, SENumLevels, &LNumLevels);
    Button2 = Add<Button>(this, "Button2", 202, 31, 82, 23, "&Pen...");
    UDYPos = AddSpin(this, "YPos", "&Vertical Position:", 8, 60, 114, 0, 100, 1, SEYPos, &LYPos);
    OnShow = [this](Component* s) { FormShow(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    Button2->OnClick = [this](Component* s) { Button2Click(s); };
    SENumLevels->OnChange = [this](Component* s) { SENumLevelsChange(s); };
    CBYPosLevel->OnClick = [this](Component* s) { CBYPosLevelClick(s); };
    SEYPos->OnChange = [this](Component* s) { SEYPosChange(s); };
}

void TContourSeriesEditor::FormShow(Component*) {
    ResetCursor();
    CBColorEach->SetChecked(Contour.ColorEachPoint());
    CBYPosLevel->SetChecked(Contour.YPositionLevel());
    EnableYPosition();
    // A height the field cannot hold shows at the field's nearest end; the series keeps its own until
    // the user changes the field.
    const double y = Contour.YPosition();
    UDYPos->SetPosition(std::isfinite(y) ? int(std::lround(std::clamp(y, -1e9, 1e9))) : 0);
    UDNumLevels->SetPosition(Contour.NumLevels());
    Updating = false;
    AddTabOnce([&] { AddGrid3DPage(*this, Contour); });
}

void TContourSeriesEditor::EnableYPosition() {
    EnableControls(!CBYPosLevel->Checked(), {SEYPos, UDYPos});
}

void TContourSeriesEditor::SENumLevelsChange(Component*) {
    if (!Updating) Contour.SetNumLevels(UDNumLevels->Position());
}

void TContourSeriesEditor::CBYPosLevelClick(Component*) {
    Contour.SetYPositionLevel(CBYPosLevel->Checked());
    EnableYPosition();
}

void TContourSeriesEditor::SEYPosChange(Component*) {
    if (!Updating) Contour.SetYPosition(UDYPos->Position());
}

void TContourSeriesEditor::CBColorEachClick(Component*) { Contour.SetColorEachPoint(CBColorEach->Checked()); }

void TContourSeriesEditor::Button2Click(Component*) { EditChartPen(*this, Contour.Pen); }

}  // namespace fv
