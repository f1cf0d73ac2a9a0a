// The fast line series editor.
#include "chartui/series_editors/fast_line_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TFastLineSeriesEditor::TFastLineSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "FastLineSeriesEditor", 153, 45),
      Series(dynamic_cast<TFastLineSeries&>(series)) {
    Updating = false;  // nothing here reads the controls back while loading
    SHColor = AddSwatch(this, "SHColor", 8, 12, [this] { SHColorClick(SHColor); });
    BLinePen = Add<Button>(this, "BLinePen", 44, 10, 100, 25, "&Border...");
    OnShow = [this](Component* s) { FormShow(s); };
    BLinePen->OnClick = [this](Component* s) { BLinePenClick(s); };
}

void TFastLineSeriesEditor::FormShow(Component*) {
    ResetCursor();
    SHColor->SetBrushColor(Series.SeriesColor());
}

void TFastLineSeriesEditor::SHColorClick(Component*) {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    SHColor->SetBrushColor(Series.SeriesColor());
}

void TFastLineSeriesEditor::BLinePenClick(Component*) {
    Series.LinePen.SetColor(Series.SeriesColor());
    EditChartPen(*this, Series.LinePen);
    Series.SetSeriesColor(Series.LinePen.GetColor());
    SHColor->SetBrushColor(Series.SeriesColor());
}

}  // namespace fv
