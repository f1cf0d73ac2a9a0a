// The arrow series (flat and filled arrows, the axes reaching the ends, sample values, the gallery) and
// the gantt series (task bars, the stepped line to the next task, bad successors, reversed tasks, hit
// tests, marks, the axis reaching the latest end, sample values and their links). Drawings use the series
// chart: axes 0..100 onto 100..300 across and 250..50 up, two pixels a unit.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/date_steps.h"
#include "chart/extended/arrow_series.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

TEST(Arrow, FlatAnArrowOfLinesInThePointsColour) {
    SeriesChart chart;
    TArrowSeries s;
    s.SetParentChart(&chart);
    s.SetArrowWidth(10);
    s.SetArrowHeight(20);
    s.AddArrowPoint(0, 0, 50, 0, "", ClRed);  // (100,250) to (200,250): the head is 20 long, 10 wide
    std::vector<std::string> expected = {"Polyline (100,250) (200,250)", "Polyline (200,250) (180,255)",
                                         "Polyline (200,250) (180,245)"};
    EXPECT_EQ(chart.Draw(), expected);
    EXPECT_EQ(chart.rec.Calls()[0].State.CanvasPen.PenColor, ClRed);
    s.SetPointColor(0, NoColour);
    EXPECT_TRUE(chart.Draw().empty()) << "a point in no colour draws nothing";
}

TEST(Arrow, InThreeDAFilledArrowAtTheMiddleDepth) {
    SeriesChart chart(true);
    TArrowSeries s;
    s.SetParentChart(&chart);
    s.AddArrowPoint(0, 0, 50, 0, "", ClBlue);
    chart.Draw();
    auto polygons = chart.rec.Calls("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].Points.size(), 7u) << "shaft and head in one outline";
    EXPECT_EQ(polygons[0].State.CanvasBrush.BrushColor, ClBlue);
    Point tip = chart.Canvas3D().Project(200, 250, s.SlotMiddleDepth);
    EXPECT_EQ(polygons[0].Points[3], tip);
}

TEST(Arrow, TheAxesReachTheEnds) {
    TArrowSeries s;
    s.AddArrowPoint(10, 20, 40, -5);
    s.AddArrowPoint(30, 50, -8, 90);
    EXPECT_EQ(s.MinXValue(), -8);
    EXPECT_EQ(s.MaxXValue(), 40);
    EXPECT_EQ(s.MinYValue(), -5);
    EXPECT_EQ(s.MaxYValue(), 90);
    EXPECT_TRUE(s.StartXValues()->DateTime());
    EXPECT_TRUE(s.EndXValues->DateTime());
    EXPECT_FALSE(s.EndYValues->DateTime());
    EXPECT_EQ(s.EndXValues->Name(), "EndX");
    EXPECT_EQ(s.EndYValues->Name(), "EndY");
}

TEST(Arrow, SampleValuesGalleryAndSources) {
    TArrowSeries s;
    s.SetRandomSeed(11);
    s.FillSampleValues(10);
    ASSERT_EQ(s.Count(), 10);
    ASSERT_EQ(s.EndXValues->Count(), 10);
    const double today = Today();
    for (int i = 0; i < 10; ++i) {
        EXPECT_GE(s.GetXValue(i), today) << "no chart points: from today on, a day apart";
        EXPECT_LT(s.GetXValue(i), today + 10);
        EXPECT_GE(s.EndXValues->GetValue(i), s.GetXValue(i));
        EXPECT_GE(s.EndYValues->GetValue(i), s.GetYValue(i));
        EXPECT_LT(s.GetYValue(i), 1000);
    }
    EXPECT_FALSE(s.Pointer.InflateMargins());
    EXPECT_FALSE(s.Marks().Frame().Visible());
    EXPECT_TRUE(s.Marks().Transparent());
    EXPECT_EQ(s.EditorClassName(), "TArrowSeriesEditor");
    s.PrepareForGallery(false);
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(s.ArrowWidth(), 12);
    EXPECT_EQ(s.ArrowHeight(), 12);
    EXPECT_EQ(s.SeriesColor(), ClGray);
    TArrowSeries t;
    TGanttSeries g;
    EXPECT_TRUE(t.IsValidSourceOf(s));
    EXPECT_FALSE(t.IsValidSourceOf(g));
}

TEST(Arrow, SampleFillsBesideANegativeRangeTakeNoRandomPart) {
    // The chart's only other values are all -5: the range sample values are drawn within is negative.
    SeriesChart chart;
    TPointSeries flat;
    flat.SetParentChart(&chart);
    flat.AddPoint(1, -5);
    flat.AddPoint(2, -5);
    TArrowSeries s;
    s.SetParentChart(&chart);
    s.SetRandomSeed(1);
    s.FillSampleValues(4);
    ASSERT_EQ(s.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.GetYValue(i), -5) << "no random part below a negative bound";
        EXPECT_EQ(s.EndYValues->GetValue(i), -5);
    }
    flat.SetParentChart(nullptr);
}

// ----------------------------------------------------------------------------------------------- gantt

struct GanttChart {
    GanttChart() { s.SetParentChart(&chart); }
    SeriesChart chart;
    TGanttSeries s;
};

TEST(Gantt, ATaskIsABarFromStartToEndLinkedToTheNextTask) {
    GanttChart c;
    c.s.AddGanttTask(10, 30, 50);  // x 120..160, row at 150
    c.s.AddGanttTask(40, 60, 20);  // x 180..220, row at 210
    c.s.NextTask->SetValue(0, 1);
    std::vector<std::string> expected = {"Rectangle (120,146) (161,155)", "Polyline (160,150) (170,150)",
                                         "Polyline (170,150) (170,210)", "Polyline (170,210) (180,210)",
                                         "Rectangle (180,206) (221,215)"};
    EXPECT_EQ(c.chart.Draw(), expected) << "out of the end, half way across, down to the row, into the start";
    EXPECT_EQ(c.chart.rec.Calls("Polyline")[0].State.CanvasBrush.Style, BrushStyle::Clear);

    c.s.ConnectingPen.SetVisible(false);
    EXPECT_EQ(c.chart.Draw().size(), 2u) << "no line with an invisible pen";
    c.s.ConnectingPen.SetVisible(true);
    c.s.Pointer.SetVisible(false);
    EXPECT_TRUE(c.chart.Draw().empty()) << "no task and no line without the pointer";
}

TEST(Gantt, OnlyAValidSuccessorDrawsALine) {
    struct Case {
        double next;
        int lines;
        const char* why;
    };
    const Case cases[] = {
        {-1, 0, "none"},       {1, 3, "the other task"}, {0, 3, "itself: a line back to its own start"},
        {2, 0, "past the end"}, {1e12, 0, "far out"},     {-7, 0, "negative"},
        {1.4, 3, "rounded to the other task"},
    };
    for (const Case& k : cases) {
        GanttChart c;
        c.s.AddGanttTask(10, 30, 50);
        c.s.AddGanttTask(40, 60, 20);
        c.s.NextTask->SetValue(0, k.next);
        c.chart.Draw();
        EXPECT_EQ(c.chart.rec.Calls("Polyline").size(), std::size_t(k.lines)) << k.why;
    }
}

TEST(Gantt, AReversedTaskSpansFromItsEndToItsStartAndIsHitThere) {
    GanttChart c;
    c.s.AddGanttTask(30, 10, 50);  // starts at 160, ends at 120
    EXPECT_EQ(c.chart.Draw(), std::vector<std::string>{"Rectangle (121,146) (160,155)"})
        << "a negative half width about the middle";
    EXPECT_EQ(c.s.Clicked(130, 150), 0);
    EXPECT_EQ(c.s.Clicked(110, 150), -1);
}

TEST(Gantt, ClicksFallWithinTheBarAndItsHeight) {
    GanttChart c;
    c.s.AddGanttTask(10, 30, 50);
    c.s.AddGanttTask(40, 60, 20);
    c.chart.Draw();
    struct Case {
        int x, y, hit;
        const char* why;
    };
    const Case cases[] = {
        {120, 150, 0, "the start"},  {160, 150, 0, "the end"},   {140, 153, 0, "within the pointer's height"},
        {161, 150, -1, "past the end"}, {140, 154, -1, "a pointer's height off the row"},
        {200, 210, 1, "the second task"},
    };
    for (const Case& k : cases) EXPECT_EQ(c.s.Clicked(k.x, k.y), k.hit) << k.why;
}

TEST(Gantt, ValueListsRangeAndOrder) {
    TGanttSeries s;
    EXPECT_EQ(s.StartValues()->Name(), "Start");
    EXPECT_TRUE(s.StartValues()->DateTime());
    EXPECT_TRUE(s.EndValues->DateTime());
    EXPECT_EQ(s.MandatoryValueList(), s.StartValues());
    EXPECT_TRUE(s.ColorEachPoint());
    EXPECT_EQ(s.Pointer.Style(), psRectangle);
    s.AddGanttTask(10, 20, 1);
    s.AddGanttTask(5, 40, 2, "later added, earlier start");
    EXPECT_EQ(s.PointLabel(1), "later added, earlier start") << "tasks stay in the order they were added";
    EXPECT_EQ(s.MaxXValue(), 40) << "the axis reaches the latest end";
    EXPECT_EQ(s.MinXValue(), 5);
    EXPECT_EQ(s.NextTask->GetValue(0), -1) << "no successor unless given";
    s.AddPoint(7, 3);
    EXPECT_EQ(s.NextTask->GetValue(2), -1) << "a plain add has none either";
    EXPECT_EQ(s.EndValues->GetValue(2), 0);
}

TEST(Gantt, LinksFollowTheirTasksThroughDeletionsAndSwaps) {
    TGanttSeries s;
    for (int i = 0; i < 4; ++i) s.AddGanttTask(i * 10, i * 10 + 5, i, "t" + std::to_string(i));
    s.NextTask->SetValue(0, 2);
    s.NextTask->SetValue(1, 3);
    s.NextTask->SetValue(2, 1);
    s.NextTask->SetValue(3, 99);  // names no task: left as it is
    s.DeletePoint(1);
    // t0 -> t2 (now 1), t2 -> t1 (gone), t3 -> 99.
    EXPECT_EQ(s.NextTask->GetValue(0), 1);
    EXPECT_EQ(s.NextTask->GetValue(1), -1) << "the link to the deleted task is dropped";
    EXPECT_EQ(s.NextTask->GetValue(2), 99);
    s.NextTask->SetValue(2, 0);  // t3 -> t0
    s.SwapPoints(0, 2);          // order t3, t2, t0
    EXPECT_EQ(s.PointLabel(0), "t3");
    EXPECT_EQ(s.NextTask->GetValue(0), 2) << "t3 still leads to t0";
    EXPECT_EQ(s.NextTask->GetValue(2), 1) << "t0 still leads to t2";
    s.StartValues()->SetOrder(loDescending);
    s.StartValues()->SortByOrder();  // t3 (30), t2 (20), t0 (0): already in order
    s.StartValues()->SetOrder(loAscending);
    s.StartValues()->SortByOrder();  // t0, t2, t3
    ASSERT_EQ(s.PointLabel(0), "t0");
    EXPECT_EQ(s.PointLabel(s.NextTaskOf(0)), "t2") << "sorting moves the links with the tasks";
    EXPECT_EQ(s.PointLabel(s.NextTaskOf(2)), "t0");
}

TEST(Gantt, TheMarkSitsInTheMiddleOfTheBar) {
    GanttChart c;
    c.s.AddGanttTask(10, 30, 50);
    TSeriesMarkPosition p;
    p.ArrowStart = p.ArrowEnd = {120, 150};
    p.BoxTopLeft = {110, 131};
    p.BoxWidth = 20;
    p.BoxHeight = 20;
    c.chart.Draw();
    c.s.DrawMark(0, "x", p);
    EXPECT_EQ(p.ArrowStart.X, 140);
    EXPECT_EQ(p.BoxTopLeft.X, 130);
    EXPECT_EQ(p.BoxTopLeft.Y, 141) << "down by half its height";
}

TEST(Gantt, SampleTasksLinkToALaterTaskThatStartsAfterTheyEnd) {
    TGanttSeries s;
    s.SetRandomSeed(5);
    s.FillSampleValues(5);
    ASSERT_EQ(s.Count(), 6) << "tasks 0..5";
    const char* names[] = {"Design", "Prototyping", "Development", "Sales", "Marketing", "Testing"};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(s.PointLabel(k), names[k]);
    // At least 11 tasks: the eleventh starts 30 days on, after the first has ended (28 days at most).
    s.FillSampleValues(40);
    ASSERT_GE(s.Count(), 11);
    EXPECT_LE(s.Count(), 30) << "at most 29 + 1 tasks";
    const double today = Today();
    int links = 0;
    for (int k = 0; k < s.Count(); ++k) {
        EXPECT_EQ(s.GetYValue(k), k % 10);
        EXPECT_GE(s.GetXValue(k), today + 3 * k);
        EXPECT_LT(s.GetXValue(k), today + 3 * k + 5);
        EXPECT_GE(s.EndValues->GetValue(k) - s.GetXValue(k), 9);
        EXPECT_LT(s.EndValues->GetValue(k) - s.GetXValue(k), 25);
        int n = s.NextTaskOf(k);
        if (n < 0) continue;
        ++links;
        EXPECT_GT(n, k) << "a link goes to a task added later";
        EXPECT_LT(s.EndValues->GetValue(k), s.GetXValue(n)) << "which starts after this one ends";
        for (int j = 0; j < k; ++j)
            EXPECT_NE(s.NextTaskOf(j), n) << "each task is the successor of one task at most";
    }
    EXPECT_GT(links, 0);
    s.PrepareForGallery(false);
    EXPECT_FALSE(s.ColorEachPoint());
    EXPECT_EQ(s.Pointer.VertSize(), 3);
    EXPECT_EQ(s.EditorClassName(), "TGanttSeriesEditor");
    TGanttSeries t;
    s.ConnectingPen.SetColor(ClRed);
    t.Assign(s);
    EXPECT_EQ(t.ConnectingPen.GetColor(), ClRed);
    EXPECT_EQ(t.Count(), s.Count());
    TArrowSeries a;
    EXPECT_FALSE(t.IsValidSourceOf(a));
}

}  // namespace
}  // namespace fv
