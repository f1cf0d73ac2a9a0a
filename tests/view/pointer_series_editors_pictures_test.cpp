// The point 3D, polar, radar and gantt editors drawn off screen, with pictures saved in the build folder to
// be looked at: each editor as a window of its own, and the series page holding the polar editor with its
// "Point" tab. Every caption fits the widget Qt gave it, the swatches show the series' colours, and the
// radar's picture has no rotation field.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QImage>
#include <QWidget>

#include "chart/extended/arrow_series.h"
#include "chart/extended/point3d_series.h"
#include "chart/extended/polar_series.h"
#include "chartui/series_editors/gantt_series_editor.h"
#include "chartui/series_editors/point3d_series_editor.h"
#include "chartui/series_editors/polar_series_editor.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/series_pointer_editor.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class PointerSeriesEditorPictures : public SeriesOwnerFixture {};

TEST_F(PointerSeriesEditorPictures, ThePoint3DEditor) {
    auto* s = Add<TPoint3DSeries>("TPoint3DSeries");
    s->SetSeriesColor(ClFuchsia);
    s->SetDepthSize(12);
    auto& e = Open<TPoint3DSeriesEditor>(*s);
    const QImage image = Picture(e, "point3d_series_editor.png");
    EXPECT_EQ(MiddleOf(image, e, *e.SHColor), QColor(0xFF, 0, 0xFF));
    EXPECT_TRUE(Drawn(*e.SEPointDepth));
}

TEST_F(PointerSeriesEditorPictures, ThePolarAndRadarEditors) {
    struct Row {
        const char* seriesClass;
        const char* picture;
        bool angleFields;
    };
    for (const Row row : {Row{"TPolarSeries", "polar_series_editor.png", true},
                          Row{"TRadarSeries", "radar_series_editor.png", false}}) {
        SCOPED_TRACE(row.seriesClass);
        auto* s = Add<TCustomPolarSeries>(row.seriesClass);
        auto& e = Open<TPolarSeriesEditor>(*s);
        Picture(e, row.picture);
        EXPECT_EQ(Drawn(*e.SERotation), row.angleFields);
        EXPECT_EQ(Drawn(*e.LAngleInc), row.angleFields);
        EXPECT_TRUE(Drawn(*e.SERadiusInc));
        EXPECT_TRUE(Drawn(*e.Button1)) << "the labels' font button inside its group";
    }
}

TEST_F(PointerSeriesEditorPictures, TheGanttEditor) {
    auto* s = Add<TGanttSeries>("TGanttSeries");
    s->SetSeriesColor(ClTeal);
    s->SetColorEachPoint(false);  // one colour: the swatch shows it
    auto& e = Open<TGanttSeriesEditor>(*s);
    const QImage image = Picture(e, "gantt_series_editor.png");
    EXPECT_EQ(MiddleOf(image, e, *e.SHColor), QColor(0, 0x80, 0x80));
    EXPECT_TRUE(Drawn(*e.BConnLines));
}

TEST_F(PointerSeriesEditorPictures, TheSeriesPageWithThePolarEditorAndItsPointTab) {
    RegisterSeriesEditors();
    auto* s = Add<TPolarSeries>("TPolarSeries");
    s->FillSampleValues(6);
    TFormChartSeries& page = *app.CreateForm<TFormChartSeries>(*program);
    shown.push_back(&page);
    page.Show();
    page.SetSeriesList({s});
    page.Series = s;
    page.ShowSeries();
    ASSERT_EQ(page.EmbeddedEditors.size(), 2u);
    auto& polar = dynamic_cast<TPolarSeriesEditor&>(*page.EmbeddedEditors[0]);
    auto& pointer = dynamic_cast<TSeriesPointerEditor&>(*page.EmbeddedEditors[1]);
    Picture(page, "series_page_polar_format.png");
    EXPECT_TRUE(Drawn(*polar.CBCircled));
    // The editor's lowest control, the labels group, lies whole inside the tab Qt drew.
    QWidget* sheet = view->WidgetOf(*page.TheTabSheet);
    QWidget* group = view->WidgetOf(*polar.GBLabels);
    ASSERT_TRUE(sheet && group);
    EXPECT_LE(group->mapTo(sheet, QPoint(0, group->height())).y(), sheet->height());
    EXPECT_LE(group->mapTo(sheet, QPoint(group->width(), 0)).x(), sheet->width());
    EXPECT_FALSE(Drawn(*pointer.GPPoint)) << "the Point tab is behind";

    TabSheet* pointTab = nullptr;
    for (TabSheet* t : page.PageSeries->Pages())
        if (t->Caption() == "Point") pointTab = t;
    ASSERT_NE(pointTab, nullptr);
    page.PageSeries->UserSelectPage(pointTab);
    Picture(page, "series_page_polar_point.png");
    EXPECT_TRUE(Drawn(*pointer.GPPoint));
    EXPECT_TRUE(Drawn(*pointer.CBPointStyle));
    EXPECT_FALSE(Drawn(*polar.CBCircled));
    page.FreeEmbeddedEditors();
    UnregisterSeriesEditors();
}

}  // namespace
}  // namespace fv
