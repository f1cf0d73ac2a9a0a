// The point 3D series editor.
#include "chartui/series_editors/point3d_series_editor.h"

#include <algorithm>
#include <cmath>

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TPoint3DSeriesEditor::TPoint3DSeriesEditor(Component* owner, Program& program, TPoint3DSeries& series)
    : TSeriesEditorForm(owner, program, "Point3DSeriesEditor", 254, 87), Series(series) {
    BitBtn1 = Add<Button>(this, "BitBtn1", 8, 8, 80, 25, "&Color...");
    SHColor = AddSwatch(this, "SHColor", 94, 10, [this] { BitBtn1Click(SHColor); });
    Button1 = Add<Button>(this, "Button1", 8, 48, 80, 25, "&Line...");
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 132, 12, 110, 17, "Color &Each");
    UDPointDepth = AddSpin(this, "PointDepth", "Depth:", 132, 48, 48, 0, 100, 1, SEPointDepth, &LPointDepth);

    OnShow = [this](Component* s) { FormShow(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    SEPointDepth->OnChange = [this](Component* s) { SEPointDepthChange(s); };
}

void TPoint3DSeriesEditor::FormShow(Component*) {
    ResetCursor();
    ShowColour(*SHColor, Series.SeriesColor());
    UDPointDepth->SetPosition(int(std::lround(std::clamp(Series.DepthSize(), 0.0, 100.0))));
    CBColorEach->SetChecked(Series.ColorEachPoint());
    AddPointerPageOnce(Series.Pointer);
    Updating = false;
}

void TPoint3DSeriesEditor::BitBtn1Click(Component*) {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    ShowColour(*SHColor, Series.SeriesColor());
}

void TPoint3DSeriesEditor::Button1Click(Component*) { EditChartPen(*this, Series.LinePen); }

void TPoint3DSeriesEditor::CBColorEachClick(Component*) { Series.SetColorEachPoint(CBColorEach->Checked()); }

void TPoint3DSeriesEditor::SEPointDepthChange(Component*) {
    if (!Updating) Series.SetDepthSize(UDPointDepth->Position());
}

}  // namespace fv
