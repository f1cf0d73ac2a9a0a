// The point 3D, bubble, arrow, gantt and Bezier series through the chart file:
// each type saved, loaded into a fresh chart and saved again to the same bytes with its settings and the
// values of its own lists; a stored Bezier piece count outside 2..10000 is refused (reported, not taken), and a bubble chart
// saved after a drawing loads (the drawing leaves the pointer's sizes alone).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"
#include "extended_store_fixture.h"

namespace fv {
namespace {

struct SpanStoreTest : ExtendedStoreFixture {};

TEST_F(SpanStoreTest, APoint3DRoundTrips) {
    StoreChart chart, other;
    auto* s = Add<TPoint3DSeries>(chart, "Points1");
    s->AddXYZPoint(3, 4.5, 7, "a", ClRed);
    s->AddXYZPoint(1, 2, 9);
    s->SetDepthSize(2.5);
    s->LinePen.SetColor(ClGreen);
    s->Pointer.SetStyle(psStar);
    s->SetTimesZOrder(5);
    auto* t = RoundTrip<TPoint3DSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->GetXValue(0), 3) << "the order of adding, not of X";
    EXPECT_EQ(t->ZValues->GetValue(0), 7);
    EXPECT_EQ(t->ZValues->GetValue(1), 9);
    EXPECT_EQ(t->PointLabel(0), "a");
    EXPECT_EQ(t->DepthSize(), 2.5);
    EXPECT_EQ(t->LinePen.GetColor(), ClGreen);
    EXPECT_EQ(t->Pointer.Style(), psStar);
    EXPECT_EQ(t->TimesZOrder(), 5);
}

TEST_F(SpanStoreTest, ABubbleRoundTripsAlsoAfterADrawing) {
    StoreChart chart, other;
    auto* s = Add<TBubbleSeries>(chart, "Bubble1");
    s->AddBubblePoint(1, 10, 0);  // no size at all on the screen
    s->AddBubblePoint(2, 30, 4.25);
    s->SetSquared(false);
    RecordingCanvas rec;
    chart.Paint(rec);
    auto* t = RoundTrip<TBubbleSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->RadiusValues->GetValue(1), 4.25);
    EXPECT_FALSE(t->Squared());
    EXPECT_EQ(t->Pointer.Style(), psCircle);
}

TEST_F(SpanStoreTest, AnArrowRoundTrips) {
    StoreChart chart, other;
    auto* s = Add<TArrowSeries>(chart, "Arrow1");
    s->AddArrowPoint(40000, 1, 40010, 7);
    s->AddArrowPoint(40002, 3, 39990, -2);
    s->SetArrowWidth(9);
    s->SetArrowHeight(15);
    auto* t = RoundTrip<TArrowSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->Count(), 2);
    EXPECT_EQ(t->EndXValues->GetValue(1), 39990);
    EXPECT_EQ(t->EndYValues->GetValue(0), 7);
    EXPECT_EQ(t->ArrowWidth(), 9);
    EXPECT_EQ(t->ArrowHeight(), 15);
    EXPECT_TRUE(t->EndXValues->DateTime());
}

TEST_F(SpanStoreTest, AGanttRoundTripsWithItsLinks) {
    StoreChart chart, other;
    auto* s = Add<TGanttSeries>(chart, "Gantt1");
    s->SetRandomSeed(9);
    s->FillSampleValues(6);
    s->AddGanttTask(45000, 44990, 3, "reversed");
    s->ConnectingPen.SetColor(ClPurple);
    auto* t = RoundTrip<TGanttSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->Count(), s->Count());
    for (int i = 0; i < s->Count(); ++i) {
        EXPECT_EQ(t->GetXValue(i), s->GetXValue(i));
        EXPECT_EQ(t->EndValues->GetValue(i), s->EndValues->GetValue(i));
        EXPECT_EQ(t->NextTask->GetValue(i), s->NextTask->GetValue(i)) << "task " << i;
        EXPECT_EQ(t->PointLabel(i), s->PointLabel(i));
    }
    EXPECT_EQ(t->NextTask->GetValue(t->Count() - 1), -1);
    EXPECT_EQ(t->ConnectingPen.GetColor(), ClPurple);
    t->AddPoint(1, 1);
    EXPECT_EQ(t->NextTask->GetValue(t->Count() - 1), -1) << "the loaded links leave no pending successor behind";
}

TEST_F(SpanStoreTest, ABezierRoundTripsAndItsPieceCountIsChecked) {
    StoreChart chart, other;
    auto* s = Add<TBezierSeries>(chart, "Bezier1");
    for (int i = 0; i < 7; ++i) s->AddPoint(i, i * i);
    s->SetNumBezierPoints(12);
    s->SetSeriesColor(ClTeal);
    s->Pointer.SetVisible(false);
    auto* t = RoundTrip<TBezierSeries>(chart, other);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Count(), 7);
    EXPECT_EQ(t->NumBezierPoints(), 12);
    EXPECT_EQ(t->LinePen.GetColor(), ClTeal);
    EXPECT_FALSE(t->Pointer.Visible());

    // The Int record "NumBezierPoints": its name, a u32 length of 4, then the value.
    std::string bytes = SaveChartStream(chart);
    std::size_t at = bytes.find("NumBezierPoints");
    ASSERT_NE(at, std::string::npos);
    for (std::int32_t bad : {1, 0, 10001}) {
        std::string patched = bytes;
        std::memcpy(&patched[at + 15 + 4], &bad, 4);
        StoreChart third;
        std::vector<std::string> heard;
        LoadChartStream(&third, patched, [&](const std::string& message) {
            heard.push_back(message);
            return true;  // skip it
        });
        EXPECT_EQ(heard, std::vector<std::string>{"Invalid property value of NumBezierPoints"}) << bad;
        auto* u = dynamic_cast<TBezierSeries*>(third.GetSeries(0));
        ASSERT_NE(u, nullptr);
        EXPECT_EQ(u->NumBezierPoints(), 32) << "the refused count is not taken";
    }
}

}  // namespace
}  // namespace fv
