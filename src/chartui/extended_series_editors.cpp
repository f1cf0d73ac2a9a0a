// Registration of the further series types' editors.
#include "chartui/extended_series_editors.h"

#include "chartui/arrow_series_editor.h"
#include "chartui/candle_editor.h"
#include "chartui/chart_shape_editor.h"
#include "chartui/error_series_editor.h"
#include "chartui/series_page.h"
#include "chartui/volume_series_editor.h"

namespace fv {

namespace {

// The factory of editor E for series of class S; a series of another class gets no editor.
template <class E, class S> SeriesEditorFactory EditorOf() {
    return [](TFormChartSeries& page, TChartSeries& series) -> Form* {
        auto* s = dynamic_cast<S*>(&series);
        return s ? page.Make<E>(page.P, *s) : nullptr;
    };
}

}  // namespace

void RegisterExtendedSeriesEditors() {
    RegisterSeriesEditor("TCandleEditor", EditorOf<TCandleEditor, TCandleSeries>());
    RegisterSeriesEditor("TVolumeSeriesEditor", EditorOf<TVolumeSeriesEditor, TVolumeSeries>());
    RegisterSeriesEditor("TArrowSeriesEditor", EditorOf<TArrowSeriesEditor, TArrowSeries>());
    RegisterSeriesEditor("TErrorSeriesEditor", EditorOf<TErrorSeriesEditor, TCustomErrorSeries>());
    RegisterSeriesEditor("TChartShapeEditor", EditorOf<TChartShapeEditor, TChartShape>());
}

}  // namespace fv
