// The series type editors drawn off screen, with pictures saved in the build folder to be looked at: the
// bar, pie and pointer editors and the 3D grid page. Every control stays inside its parent, no two shown
// controls of one parent overlap, every caption has room in the real font, and the colour swatch shows the
// series' colour.
#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QWidget>

#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"
#include "chart/extended/arrow_series.h"
#include "chart/extended/candle_series.h"
#include "chart/extended/error_series.h"
#include "chart/extended/surface_series.h"
#include "chart/fast_line.h"
#include "chartui/series_editors/area_series_editor.h"
#include "chartui/series_editors/arrow_series_editor.h"
#include "chartui/series_editors/bar_series_editor.h"
#include "chartui/series_editors/custom_series_editor.h"
#include "chartui/series_editors/error_series_editor.h"
#include "chartui/series_editors/fast_line_editor.h"
#include "chartui/series_editors/grid_3d_page.h"
#include "chartui/series_editors/pie_series_editor.h"
#include "chartui/series_editors/series_pointer_editor.h"
#include "chartui/series_editors/volume_series_editor.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class SeriesEditorsPicturesTest : public SeriesOwnerFixture {
protected:
    // The editor shown and pictured, its controls looked at.
    template <class E, class S> E& OpenPictured(S& series, const std::string& name) {
        E& e = Open<E>(series);
        SavePicture(e, name);
        CheckLayout(e, name);
        ExpectCaptionsFit(e);
        return e;
    }
    // Each visible control lies inside its parent's client area and apart from its visible siblings.
    void CheckLayout(Control& parent, const std::string& name) {
        std::vector<Control*> shown;
        for (Control* c : parent.Controls())
            if (c->Visible()) shown.push_back(c);
        for (size_t i = 0; i < shown.size(); ++i) {
            const Rect& a = shown[i]->Bounds();
            EXPECT_GE(a.Left, 0) << shown[i]->Name() << " in " << name;
            EXPECT_GE(a.Top, 0) << shown[i]->Name() << " in " << name;
            EXPECT_LE(a.Left + a.Width, parent.ClientWidth()) << shown[i]->Name() << " in " << name;
            EXPECT_LE(a.Top + a.Height, parent.ClientHeight()) << shown[i]->Name() << " in " << name;
            for (size_t j = i + 1; j < shown.size(); ++j) {
                const Rect& b = shown[j]->Bounds();
                const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                                   a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
                EXPECT_TRUE(apart) << shown[i]->Name() << " overlaps " << shown[j]->Name() << " in " << name;
            }
            CheckLayout(*shown[i], name);
        }
    }
    QColor Middle(const Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return {};
        const QImage image = w->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

TEST_F(SeriesEditorsPicturesTest, TheEditorsDrawTheirControlsApart) {
    auto& bar = *Add<TBarSeries>("TBarSeries");
    auto& pie = *Add<TPieSeries>("TPieSeries");
    auto& points = *Add<TPointSeries>("TPointSeries");
    bar.SetSeriesColor(ClRed);

    auto& barEditor = OpenPictured<TBarSeriesEditor>(bar, "series_editor_bar.png");
    EXPECT_EQ(Middle(*barEditor.SHBarColor), QColor(255, 0, 0)) << "the swatch shows the series' colour";
    OpenPictured<TPieSeriesEditor>(pie, "series_editor_pie.png");
    OpenPictured<TSeriesPointerEditor>(points, "series_editor_pointer.png");

    auto& surface = *Add<TSurfaceSeries>("TSurfaceSeries");
    surface.SetStartColor(ClLime);
    auto& gridEditor = OpenPictured<TGrid3DSeriesEditor>(surface, "series_editor_grid_3d.png");
    EXPECT_EQ(Middle(*gridEditor.Shape2), QColor(0, 255, 0));
}

// The editors of the line, area, fast line, volume, arrow, error and error-bar series, each pictured and
// looked at the same way; a swatch, where the editor shows one, shows the series' colour.
TEST_F(SeriesEditorsPicturesTest, TheOtherEditorsDrawTheirControlsApart) {
    using Opener = std::function<Shape*(TChartSeries&, const std::string&)>;
    // Editor E on the series as an S, pictured; its swatch when it has one.
    auto editor = [this]<class E, class S = TChartSeries>(Shape* E::*swatch) -> Opener {
        return [this, swatch](TChartSeries& s, const std::string& name) -> Shape* {
            E& e = OpenPictured<E>(dynamic_cast<S&>(s), name);
            return swatch ? e.*swatch : nullptr;
        };
    };
    const struct Row {
        const char* seriesClass;
        const char* picture;
        Opener open;
    } rows[] = {
        {"TLineSeries", "series_editor_line.png", editor.operator()<TCustomSeriesEditor>(&TCustomSeriesEditor::ShColor)},
        {"TAreaSeries", "series_editor_area.png", editor.operator()<TAreaSeriesEditor>(&TAreaSeriesEditor::SHAreaColor)},
        {"TFastLineSeries", "series_editor_fast_line.png",
         editor.operator()<TFastLineSeriesEditor>(&TFastLineSeriesEditor::SHColor)},
        {"TVolumeSeries", "series_editor_volume.png",
         editor.operator()<TVolumeSeriesEditor, TVolumeSeries>(&TVolumeSeriesEditor::SHColor)},
        {"TArrowSeries", "series_editor_arrow.png",
         editor.operator()<TArrowSeriesEditor, TArrowSeries>(&TArrowSeriesEditor::SHArrowColor)},
        {"TErrorSeries", "series_editor_error.png", editor.operator()<TErrorSeriesEditor, TCustomErrorSeries>(nullptr)},
        {"TErrorBarSeries", "series_editor_error_bar.png",
         editor.operator()<TErrorSeriesEditor, TCustomErrorSeries>(nullptr)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seriesClass);
        TChartSeries& series = *Add<TChartSeries>(row.seriesClass);
        series.SetColorEachPoint(false);
        series.SetSeriesColor(ClRed);
        if (Shape* swatch = row.open(series, row.picture))
            EXPECT_EQ(Middle(*swatch), QColor(255, 0, 0)) << "the swatch shows the series' colour";
    }
}

}  // namespace
}  // namespace fv
