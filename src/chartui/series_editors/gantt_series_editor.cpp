// The gantt series editor.
#include "chartui/series_editors/gantt_series_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TGanttSeriesEditor::TGanttSeriesEditor(Component* owner, Program& program, TGanttSeries& series)
    : TSeriesEditorForm(owner, program, "GanttSeriesEditor", 152, 160), Series(series) {
    UDPointVertSize = AddSpin(this, "PointVertSize", "&Height:", 8, 10, 48, 1, 1000, 1, SEPointVertSize,
                              &LPointVertSize);
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 8, 44, 136, 17, "Color &Each");
    BitBtn1 = Add<Button>(this, "BitBtn1", 8, 70, 80, 25, "&Color...");
    SHColor = AddSwatch(this, "SHColor", 96, 72, [this] { BitBtn1Click(SHColor); });
    BConnLines = Add<Button>(this, "BConnLines", 8, 112, 136, 25, "Co&nnecting Lines...");

    OnShow = [this](Component* s) { FormShow(s); };
    SEPointVertSize->OnChange = [this](Component* s) { SEPointVertSizeChange(s); };
    BConnLines->OnClick = [this](Component* s) { BConnLinesClick(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
}

void TGanttSeriesEditor::FormShow(Component*) {
    ResetCursor();
    UDPointVertSize->SetPosition(Series.Pointer.VertSize());
    CBColorEach->SetChecked(Series.ColorEachPoint());
    RefreshSwatch();
    AddPointerPageOnce(Series.Pointer);
    Updating = false;
}

void TGanttSeriesEditor::RefreshSwatch() {
    ShowColour(*SHColor, Series.SeriesColor());
    SHColor->SetVisible(!Series.ColorEachPoint());
}

void TGanttSeriesEditor::SEPointVertSizeChange(Component*) {
    if (!Updating) Series.Pointer.SetVertSize(UDPointVertSize->Position());
}

void TGanttSeriesEditor::BConnLinesClick(Component*) { EditChartPen(*this, Series.ConnectingPen); }

void TGanttSeriesEditor::CBColorEachClick(Component*) {
    Series.SetColorEachPoint(CBColorEach->Checked());
    RefreshSwatch();
}

void TGanttSeriesEditor::BitBtn1Click(Component*) {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    Series.SetColorEachPoint(false);
    // The box says what the series does: one colour now.
    CBColorEach->SetChecked(false);
    RefreshSwatch();
}

}  // namespace fv
