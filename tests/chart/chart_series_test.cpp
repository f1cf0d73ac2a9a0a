// The data side of a series: adding, refusing, deleting and clearing points, colours and labels,
// axes, stacking sums, the parent chart, copying, and sample values.
#include <gtest/gtest.h>

#include "chart/chart_exception.h"
#include "chart/chart_units.h"
#include "chart/date_steps.h"
#include "fake_chart.h"

namespace fv {
namespace {

// A series type with an extra value list, and one derived from it.
class BubbleLike : public TChartSeries {
public:
    explicit BubbleLike(Component* owner = nullptr) : TChartSeries(owner) { Radius = new TChartValueList(this, "Radius"); }
    TChartValueList* Radius;
    FOLIVEX_SERIES_CLASS(BubbleLike)
};
class BigBubble : public BubbleLike {
public:
    using BubbleLike::BubbleLike;
    FOLIVEX_SERIES_CLASS(BigBubble)
};

TEST(SeriesAdd, AddYPlacesPointsAtTheirCount) {
    TChartSeries s;
    EXPECT_EQ(s.AddY(5), 0);
    EXPECT_EQ(s.AddY(7, "b", ClRed), 1);
    EXPECT_EQ(s.GetXValue(0), 0);
    EXPECT_EQ(s.GetYValue(0), 5);
    EXPECT_EQ(s.GetXValue(1), 1);
    EXPECT_EQ(s.PointLabel(1), "b");
    EXPECT_EQ(s.PointColor(1), ClRed);
    // A horizontal series takes the count as its Y.
    HorizSeries h;
    h.AddY(9);
    h.AddY(3);
    EXPECT_EQ(h.GetXValue(1), 3);
    EXPECT_EQ(h.GetYValue(1), 1);
    EXPECT_FALSE(h.IsVertical());
    EXPECT_EQ(h.PositionList(), h.YValues);
}

TEST(SeriesAdd, AscendingXInsertsAndReturnsThePlace) {
    TChartSeries s;
    s.AddPoint(10, 1, "ten");
    s.AddPoint(20, 2, "twenty");
    EXPECT_EQ(s.AddPoint(15, 3, "fifteen", ClBlue), 1);
    EXPECT_EQ(s.AddPoint(10, 4, "second ten"), 1);  // after the existing 10
    EXPECT_EQ(s.PointLabel(2), "fifteen");
    EXPECT_EQ(s.PointColor(2), ClBlue);
    EXPECT_EQ(s.GetYValue(1), 4);
    EXPECT_EQ(s.PointLabel(3), "twenty");
}

TEST(SeriesAdd, EmptyPointsAndExtraValues) {
    TChartSeries s;
    s.AddEmpty("gap");
    EXPECT_EQ(s.GetYValue(0), 0);
    EXPECT_EQ(s.PointColor(0), NoColour);
    EXPECT_EQ(s.ValueColor(0), NoColour);
    EXPECT_EQ(s.PointLabel(0), "gap");
    s.AddEmptyXY(3, 4);
    EXPECT_EQ(s.PointColor(1), NoColour);
    BubbleLike b;
    b.Radius->PendingValue = 2.5;
    int at = b.AddPoint(1, 1);
    b.AddExtraValues(at);
    EXPECT_EQ(b.Radius->GetValue(0), 2.5);
    EXPECT_EQ(b.ValueListByName("radius"), b.Radius);
    EXPECT_EQ(b.ValueListByName("X"), b.YValues);  // only extra lists are found by name
}

TEST(SeriesAdd, OnBeforeAddSeesThePointAndMayRefuseIt) {
    TChartSeries s;
    double seenX = 0, seenY = 0;
    int afterIndex = -1;
    s.OnBeforeAdd = [&](TChartSeries* sender) {
        seenX = sender->XValues->PendingValue;
        seenY = sender->YValues->PendingValue;
        return seenY >= 0;
    };
    s.OnAfterAdd = [&](TChartSeries*, int index) { afterIndex = index; };
    EXPECT_EQ(s.AddPoint(3, -1), -1);
    EXPECT_EQ(seenX, 3);
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(afterIndex, -1);
    EXPECT_EQ(s.AddPoint(4, 2), 0);
    EXPECT_EQ(afterIndex, 0);
    EXPECT_EQ(s.YValues->Count(), 1);
}

TEST(SeriesPoints, EveryIndexIsChecked) {
    TChartSeries s;
    s.AddY(1);
    s.AddY(2);
    EXPECT_THROW(s.DeletePoint(2), ListIndexError);
    EXPECT_THROW(s.DeletePoint(-1), ListIndexError);
    EXPECT_THROW(s.SetXValue(2, 0), ListIndexError);
    EXPECT_THROW(s.SetYValue(-1, 0), ListIndexError);
    EXPECT_THROW(s.SwapPoints(0, 2), ListIndexError);
    EXPECT_THROW(s.GetXValue(5), ListIndexError);
    EXPECT_THROW(s.SetPointColor(2, ClRed), ListIndexError);
    EXPECT_EQ(s.Count(), 2);
    // Colours and labels past the points are no error: the series colour and no label.
    s.SetSeriesColor(ClGreen);
    EXPECT_EQ(s.ValueColor(9), ClGreen);
    EXPECT_EQ(s.PointLabel(9), "");
}

TEST(SeriesPoints, DeleteAndSwapKeepEveryListAligned) {
    BubbleLike s;
    for (int i = 0; i < 4; ++i) {
        s.Radius->PendingValue = i * 100;
        s.AddExtraValues(s.AddPoint(i, i * 10, "p" + std::to_string(i), Color(i)));
    }
    s.DeletePoint(1);
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Radius->Count(), 3);
    EXPECT_EQ(s.GetYValue(1), 20);
    EXPECT_EQ(s.Radius->GetValue(1), 200);
    EXPECT_EQ(s.PointLabel(1), "p2");
    EXPECT_EQ(s.PointColor(1), Color(2));
    s.SwapPoints(0, 2);
    EXPECT_EQ(s.GetXValue(0), 3);
    EXPECT_EQ(s.Radius->GetValue(0), 300);
    EXPECT_EQ(s.PointLabel(2), "p0");
    EXPECT_EQ(s.PointColor(2), Color(0));
}

TEST(SeriesPoints, ClearEmptiesEverythingAndTellsTheHandler) {
    FakeChart chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    int cleared = 0;
    s.OnClearValues = [&](TChartSeries*) { ++cleared; };
    s.AddY(1, "a", ClRed);
    int repaints = chart.repaints;
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.YValues->Count(), 0);
    EXPECT_EQ(s.PointLabel(0), "");
    EXPECT_EQ(cleared, 1);
    EXPECT_GT(chart.repaints, repaints);
    // A chart that is being destroyed is not asked to repaint.
    chart.destroying = true;
    repaints = chart.repaints;
    s.Clear();
    EXPECT_EQ(chart.repaints, repaints);
    chart.destroying = false;
}

TEST(SeriesColours, AutomaticPaletteAndColorEachPoint) {
    TChartSeries s;
    s.SetSeriesColor(ClNavy);
    s.AddY(1);
    s.AddY(2, "", ClRed);
    s.AddY(3);
    EXPECT_EQ(s.ValueColor(0), ClNavy);
    EXPECT_EQ(s.ValueColor(1), ClRed);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.ValueColor(0), PaletteColor(0));
    EXPECT_EQ(s.ValueColor(1), ClRed);
    EXPECT_EQ(s.ValueColor(2), PaletteColor(2));
    // Switched off, every point goes back to automatic: on again shows the palette, not the old red.
    s.SetColorEachPoint(false);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.ValueColor(1), PaletteColor(1));
    EXPECT_EQ(s.Count(), 3);
}

TEST(SeriesChart, JoiningAndLeavingAChart) {
    FakeChart chart, other;
    TChartSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(a.SeriesColor(), PaletteColor(0));  // the first free palette colours
    EXPECT_EQ(b.SeriesColor(), PaletteColor(1));
    a.AddY(4);
    a.SetParentChart(&other);
    EXPECT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(other.SeriesCount(), 1);
    EXPECT_EQ(a.ParentChart(), &other);
    EXPECT_EQ(a.Count(), 1);  // the points stay
    a.SetParentChart(nullptr);
    EXPECT_EQ(other.SeriesCount(), 0);
    EXPECT_EQ(a.ParentChart(), nullptr);
    EXPECT_EQ(a.GetHorizAxis(), nullptr);
    {
        TChartSeries gone;
        gone.SetParentChart(&chart);
        EXPECT_EQ(chart.SeriesCount(), 2);
    }
    EXPECT_EQ(chart.SeriesCount(), 1);  // a destroyed series leaves its chart
}

TEST(SeriesAxes, ResolutionAndUse) {
    FakeChart chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    EXPECT_EQ(s.GetHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(s.GetVertAxis(), chart.LeftAxis());
    struct Case {
        THorizAxis horiz;
        TVertAxis vert;
        TCustomChartAxis* axis;
        bool uses;
    };
    const Case cases[] = {
        {aBottomAxis, aLeftAxis, chart.BottomAxis(), true},
        {aBottomAxis, aLeftAxis, chart.TopAxis(), false},
        {aTopAxis, aLeftAxis, chart.TopAxis(), true},
        {aBothHorizAxis, aLeftAxis, chart.TopAxis(), true},    // both: every horizontal axis
        {aBothHorizAxis, aLeftAxis, chart.RightAxis(), false},
        {aBottomAxis, aRightAxis, chart.RightAxis(), true},
        {aBottomAxis, aBothVertAxis, chart.RightAxis(), true},
        {aCustomHorizAxis, aLeftAxis, chart.BottomAxis(), true},  // no custom axis set: the bottom one
        {aBottomAxis, aLeftAxis, nullptr, false},
    };
    for (const Case& c : cases) {
        s.SetHorizAxis(c.horiz);
        s.SetVertAxis(c.vert);
        EXPECT_EQ(s.UsesAxis(c.axis), c.uses) << c.horiz << " " << c.vert;
    }
    s.SetCustomVertAxis(chart.CustomAxis());
    s.SetVertAxis(aCustomVertAxis);
    EXPECT_EQ(s.GetVertAxis(), chart.CustomAxis());
    TChartSeries free;
    EXPECT_FALSE(free.UsesAxis(chart.BottomAxis()));  // no chart, no axes
}

TEST(SeriesStacking, PrecedingSumOverSameKindActiveSeries) {
    FakeChart chart;
    BubbleLike a;
    TChartSeries plain;
    BigBubble b;
    BubbleLike inactive, shortOne, c;
    for (TChartSeries* s : std::initializer_list<TChartSeries*>{&a, &plain, &b, &inactive, &shortOne, &c}) {
        s->SetParentChart(&chart);
        if (s != &shortOne) s->AddY(1), s->AddY(10);
        else s->AddY(1000);
    }
    inactive.SetActive(false);
    // Before c: a (10) and b (derives from c's class: 10); plain counts too, because c's class derives
    // from the base class; inactive and the one-point series at index 1 do not.
    EXPECT_EQ(c.PrecedingSum(1, false), 30);
    EXPECT_EQ(c.PrecedingSum(1, true), 40);
    EXPECT_EQ(a.PrecedingSum(1, false), 0);
    EXPECT_EQ(b.PrecedingSum(0, false), 1 + 1);
    TChartSeries alone;
    EXPECT_EQ(alone.PrecedingSum(0, true), 0);
}

TEST(SeriesAssign, CopiesSettingsPointsAndFunctionlessData) {
    FakeChart chart;
    TChartSeries from, to;
    from.SetParentChart(&chart);
    from.SetTag(7);
    from.SetTitle("Sales");
    from.SetSeriesColor(ClRed);
    from.SetColorEachPoint(true);
    from.SetValueFormat("0.0");
    from.SetHorizAxis(aTopAxis);
    from.SourceUpdateFlags = SuAdd;
    from.XValues->SetDateTime(true);
    from.AddPoint(1, 2, "one", ClBlue);
    from.AddPoint(3, 4);
    to.AddY(99);
    to.SetParentChart(&chart);
    to.Assign(from);
    EXPECT_EQ(to.Tag(), 7);
    EXPECT_EQ(to.Title(), "Sales");
    EXPECT_EQ(to.SeriesColor(), ClRed);
    EXPECT_TRUE(to.ColorEachPoint());
    EXPECT_EQ(to.ValueFormat(), "0.0");
    EXPECT_EQ(to.GetHorizAxis(), chart.TopAxis());
    EXPECT_EQ(to.SourceUpdateFlags, unsigned(SuAdd));
    EXPECT_TRUE(to.XValues->DateTime());
    ASSERT_EQ(to.Count(), 2);
    EXPECT_EQ(to.GetYValue(0), 2);
    EXPECT_EQ(to.PointLabel(0), "one");
    EXPECT_EQ(to.PointColor(0), ClBlue);
    EXPECT_EQ(to.DataSource(), nullptr);
    // A horizontal target takes the settings crosswise.
    HorizSeries h;
    from.YValues->SetMultiplier(5);
    h.Assign(from);
    EXPECT_EQ(h.XValues->Multiplier(), 5);
    EXPECT_TRUE(h.YValues->DateTime());
}

TEST(SeriesSamples, SeededFillsRepeatAndStayInBounds) {
    TChartSeries a, b;
    a.SetRandomSeed(42);
    b.SetRandomSeed(42);
    a.FillSampleValues(26);
    b.FillSampleValues(26);
    ASSERT_EQ(a.Count(), 26);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(a.GetYValue(i), b.GetYValue(i));
        EXPECT_EQ(a.GetXValue(i), i);  // an empty chart: X from 0 to count - 1
        EXPECT_GE(a.GetYValue(i), 0);
    }
    EXPECT_THROW(a.FillSampleValues(0), std::runtime_error);
    EXPECT_EQ(a.Count(), 26);  // nothing changed
    TChartSeries one;
    one.XValues->SetDateTime(true);
    one.FillSampleValues(1);
    EXPECT_EQ(one.GetXValue(0), Today());
}

TEST(SeriesSamples, ChartRangesAndTinyRanges) {
    FakeChart chart;
    TChartSeries data, sample;
    data.SetParentChart(&chart);
    data.AddPoint(100, 5);
    data.AddPoint(200, 5);  // a Y range of 0 becomes 5..10: a random walk over a range of 5
    sample.SetParentChart(&chart);
    sample.SetRandomSeed(1);
    int repaints = chart.repaints;
    sample.FillSampleValues(11);
    EXPECT_TRUE(chart.AutoRepaint());
    EXPECT_EQ(chart.repaints, repaints + 1);  // the points add without repaints; the clear repaints once
    EXPECT_EQ(sample.GetXValue(0), 100);
    EXPECT_EQ(sample.GetXValue(10), 200);
    // Random over a range of 1 (R div 4 = 0) has no number to draw: 0, and the fill goes on.
    ChartRandom r;
    r.Seed(3);
    EXPECT_EQ(r.Random(0), 0);
    EXPECT_EQ(r.Random(-5), 0);
    for (int i = 0; i < 100; ++i) {
        int v = r.Random(3);
        EXPECT_TRUE(v >= 0 && v < 3);
    }
    data.Clear();
    data.AddPoint(0, -0.2);
    data.AddPoint(1, 0.3);
    sample.FillSampleValues(5);
    EXPECT_EQ(sample.Count(), 5);
}

}  // namespace
}  // namespace fv
