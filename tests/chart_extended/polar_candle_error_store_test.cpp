// The polar, radar, candle, volume, error and error-bar series through the chart file: each type saved,
// loaded into a fresh chart and saved again to the same bytes, with its settings and every value list of
// its points.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"
#include "extended_store_fixture.h"

namespace fv {
namespace {

struct FurtherStoreTest : ExtendedStoreFixture {};

TEST_F(FurtherStoreTest, APolarRoundTrips) {
    StoreChart chart;
    auto* s = Add<TPolarSeries>(chart, "Polar1");
    s->AddPolarPoint(30, 5, "a");
    s->AddPolarPoint(200, 8);
    s->SetCircleLabels(true);
    s->SetCircleLabelsRotated(true);
    s->SetCloseCircle(false);
    s->SetRotationAngle(45);
    s->SetCircleBackColor(ClYellow);
    s->Brush.SetStyle(BrushStyle::Solid);
    s->CirclePen.SetColor(ClMaroon);
    s->Pointer.SetStyle(psCircle);
    s->SetSeriesColor(ClTeal);
    Font f = s->CircleLabelsFont();
    f.Size = 11;
    s->SetCircleLabelsFont(f);
    StoreChart other;
    auto* t = RoundTrip<TPolarSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->CircleLabels());
    EXPECT_TRUE(t->CircleLabelsRotated());
    EXPECT_FALSE(t->CloseCircle());
    EXPECT_EQ(t->RotationAngle(), 45);
    EXPECT_EQ(t->CircleBackColor(), ClYellow);
    EXPECT_EQ(t->Brush.Style(), BrushStyle::Solid);
    EXPECT_EQ(t->CirclePen.GetColor(), ClMaroon);
    EXPECT_EQ(t->Pointer.Style(), psCircle);
    EXPECT_EQ(t->Pen.GetColor(), ClTeal);
    EXPECT_EQ(t->CircleLabelsFont().Size, 11);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->GetXValue(1), 200);
    EXPECT_EQ(t->GetYValue(1), 8);
    EXPECT_EQ(t->PointLabel(0), "a");
    EXPECT_EQ(t->RadiusValues()->Name(), "Radius");
}

TEST_F(FurtherStoreTest, ARadarRoundTrips) {
    StoreChart chart;
    auto* s = Add<TRadarSeries>(chart, "Radar1");
    s->SetRandomSeed(2);
    s->FillSampleValues(5);
    s->SetCircled(true);
    s->Pen.SetWidth(3);
    StoreChart other;
    auto* t = RoundTrip<TRadarSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->Circled());
    EXPECT_EQ(t->Pen.Width(), 3);
    ASSERT_EQ(t->Count(), 5);
    EXPECT_EQ(t->PointLabel(3), "Monitors");
    EXPECT_EQ(t->GetYValue(3), s->GetYValue(3));
}

TEST_F(FurtherStoreTest, ACandleRoundTripsWithItsFourPrices) {
    StoreChart chart;
    auto* s = Add<TCandleSeries>(chart, "Candle1");
    s->AddOHLCPoint(45000, 10, 14, 8, 12);
    s->AddOHLCPoint(45001, 12, 13, 9, 9.5);
    s->SetCandleStyle(csCandleBar);
    s->SetCandleWidth(9);
    s->SetUpCloseColor(ClLime);
    s->SetDownCloseColor(ClPurple);
    s->SetShowOpenTick(false);
    s->SetShowCloseTick(false);
    s->SetDraw3D(true);
    s->SetDark3D(false);
    s->Pen().SetWidth(2);
    StoreChart other;
    auto* t = RoundTrip<TCandleSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->CandleStyle(), csCandleBar);
    EXPECT_EQ(t->CandleWidth(), 9);
    EXPECT_EQ(t->UpCloseColor(), ClLime);
    EXPECT_EQ(t->DownCloseColor(), ClPurple);
    EXPECT_FALSE(t->ShowOpenTick());
    EXPECT_FALSE(t->ShowCloseTick());
    EXPECT_TRUE(t->Draw3D());
    EXPECT_FALSE(t->Dark3D());
    EXPECT_EQ(t->Pen().Width(), 2);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->GetXValue(1), 45001);
    EXPECT_EQ(t->GetYValue(1), 12);
    EXPECT_EQ(t->HighValues->GetValue(1), 13);
    EXPECT_EQ(t->LowValues->GetValue(1), 9);
    EXPECT_EQ(t->CloseValues->GetValue(1), 9.5);
    EXPECT_EQ(t->CloseValues->Count(), 2) << "one close per point, not two";
}

TEST_F(FurtherStoreTest, AVolumeRoundTrips) {
    StoreChart chart;
    auto* s = Add<TVolumeSeries>(chart, "Volume1");
    s->AddPoint(1, 300);
    s->AddPoint(2, 120);
    s->LinePen.SetWidth(4);
    StoreChart other;
    auto* t = RoundTrip<TVolumeSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->LinePen.Width(), 4);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->GetYValue(0), 300);
}

TEST_F(FurtherStoreTest, ErrorSeriesRoundTrip) {
    {
        StoreChart chart;
        auto* s = Add<TErrorSeries>(chart, "Error1");
        s->AddErrorPoint(1, 50, 4);
        s->AddErrorPoint(2, 60, 2.5);
        s->SetErrorStyle(essLeftRight);
        s->SetErrorWidth(40);
        s->SetErrorWidthUnits(ewuPixels);
        s->SetSeriesColor(ClOlive);
        StoreChart other;
        auto* t = RoundTrip<TErrorSeries>(chart, other);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->ErrorStyle(), essLeftRight);
        EXPECT_EQ(t->ErrorWidth(), 40);
        EXPECT_EQ(t->ErrorWidthUnits(), ewuPixels);
        EXPECT_EQ(t->ErrorPen.GetColor(), ClOlive);
        ASSERT_EQ(t->ErrorValues->Count(), 2);
        EXPECT_EQ(t->ErrorValues->GetValue(1), 2.5);
    }
    StoreChart chart;
    auto* s = Add<TErrorBarSeries>(chart, "ErrorBar1");
    s->AddErrorPoint(1, 50, 4);
    s->ErrorPen.SetColor(ClRed);
    s->SetSeriesColor(ClBlue);
    s->SetBarWidthPercent(40);
    StoreChart other;
    auto* t = RoundTrip<TErrorBarSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->ErrorPen.GetColor(), ClRed);
    EXPECT_EQ(t->SeriesColor(), ClBlue);
    EXPECT_EQ(t->BarWidthPercent(), 40);
    EXPECT_EQ(t->ErrorStyle(), essTop);
    EXPECT_EQ(t->ErrorValues->GetValue(0), 4);
}

}  // namespace
}  // namespace fv
