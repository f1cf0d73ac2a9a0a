// The volume series editor.
#include "chartui/series_editors/volume_series_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TVolumeSeriesEditor::TVolumeSeriesEditor(Component* owner, Program& program, TVolumeSeries& series)
    : TSeriesEditorForm(owner, program, "VolumeSeriesEditor", 153, 45), Volume(series) {
    Updating = false;  // nothing here waits for the show
    BLinePen = Add<Button>(this, "BLinePen", 8, 10, 75, 25, "&Border...");
    SHColor = AddSwatch(this, "SHColor", 92, 10, 26, 25, [this] { SHColorMouseUp(); });
    OnShow = [this](Component* s) { FormShow(s); };
    BLinePen->OnClick = [this](Component* s) { BLinePenClick(s); };
}

void TVolumeSeriesEditor::FormShow(Component*) {
    ResetCursor();
    ShowColour(*SHColor, Volume.SeriesColor());
}

void TVolumeSeriesEditor::SHColorMouseUp() {
    Volume.SetSeriesColor(EditColor(*this, Volume.SeriesColor()));
    ShowColour(*SHColor, Volume.SeriesColor());
}

void TVolumeSeriesEditor::BLinePenClick(Component*) {
    Volume.LinePen.SetColor(Volume.SeriesColor());
    EditChartPen(*this, Volume.LinePen);
    Volume.SetSeriesColor(Volume.LinePen.GetColor());
    ShowColour(*SHColor, Volume.SeriesColor());
}

}  // namespace fv
