// The surface series editor.
#include "chartui/series_editors/surface_series_editor.h"

#include "chartui/dialogs/chart_editors.h"
#include "chartui/series_editors/grid_3d_page.h"

namespace fv {

TSurfaceSeriesEditor::TSurfaceSeriesEditor(Component* owner, Program& program, TSurfaceSeries& series)
    : TSeriesEditorForm(owner, program, "SurfaceSeriesEditor", 363, 62), Surface(series) {
    RadioGroup1 = Add<RadioGroup>(this, "RadioGroup1", 8, 4, 270, 50, "Drawing Mode:");
    RadioGroup1->Columns = 3;
    RadioGroup1->SetItems({"Solid", "WireFrame", "DotFrame"});
    Button2 = Add<Button>(this, "Button2", 286, 6, 70, 23, "&Pen...");
    Button3 = Add<Button>(this, "Button3", 286, 33, 70, 23, "&Brush...");

    OnShow = [this](Component* s) { FormShow(s); };
    RadioGroup1->OnClick = [this](Component* s) { RadioGroup1Click(s); };
    Button2->OnClick = [this](Component* s) { Button2Click(s); };
    Button3->OnClick = [this](Component* s) { Button3Click(s); };
}

void TSurfaceSeriesEditor::FormShow(Component*) {
    ResetCursor();
    RadioGroup1->SetItemIndex(Surface.WireFrame() ? 1 : Surface.DotFrame() ? 2 : 0);
    Updating = false;
    AddTabOnce([&] { AddGrid3DPage(*this, Surface); });
}

void TSurfaceSeriesEditor::RadioGroup1Click(Component*) {
    if (Updating) return;
    switch (RadioGroup1->ItemIndex()) {
        case 0:
            Surface.SetDotFrame(false);
            Surface.SetWireFrame(false);
            break;
        case 1: Surface.SetWireFrame(true); break;
        case 2: Surface.SetDotFrame(true); break;
        default: break;
    }
}

void TSurfaceSeriesEditor::Button2Click(Component*) { EditChartPen(*this, Surface.Pen); }

void TSurfaceSeriesEditor::Button3Click(Component*) { EditChartBrush(*this, Surface.Brush); }

}  // namespace fv
