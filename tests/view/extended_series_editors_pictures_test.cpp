// The candle and shape editors drawn off screen as windows of their own, with pictures saved in the build
// folder to be looked at: the swatches show the series' colours and the controls draw.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "chart/extended/candle_series.h"
#include "chart/extended/shape_series.h"
#include "chartui/series_editors/candle_editor.h"
#include "chartui/series_editors/chart_shape_editor.h"
#include "reference_pictures.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class SeriesEditorPictures : public SeriesOwnerFixture {};

TEST_F(SeriesEditorPictures, TheCandleEditor) {
    auto* candle = Add<TCandleSeries>("TCandleSeries");
    candle->SetUpCloseColor(ClLime);
    candle->SetDownCloseColor(ClRed);
    ASSERT_NE(candle, nullptr);
    TCandleEditor* e = &Open<TCandleEditor>(*candle);
    const QImage image = Picture(*e, "candle_editor.png");
    EXPECT_EQ(MiddleOf(image, *e, *e->ShapeUp), QColor(0, 0xFF, 0));
    EXPECT_EQ(MiddleOf(image, *e, *e->ShapeDown), QColor(0xFF, 0, 0));
    EXPECT_TRUE(view->WidgetOf(*e->RGStyle)->isVisible());
    EXPECT_GT(DarkPixels(*e->Button1), 20) << "the button's caption draws";
}

TEST_F(SeriesEditorPictures, TheShapeEditor) {
    auto* shape = Add<TChartShape>("TChartShape");
    shape->SetSeriesColor(ClYellow);
    shape->SetText({"Peak", "of the year"});
    ASSERT_NE(shape, nullptr);
    TChartShapeEditor* e = &Open<TChartShapeEditor>(*shape);
    const QImage image = Picture(*e, "shape_editor.png");
    EXPECT_EQ(MiddleOf(image, *e, *e->SHColor), QColor(0xFF, 0xFF, 0));
    EXPECT_GT(DarkPixels(*e->MemoText), 20) << "the memo shows the text";
    EXPECT_GT(DarkPixels(*e->SEX1), 5) << "the corner edit shows its number";
}

}  // namespace
}  // namespace fv
