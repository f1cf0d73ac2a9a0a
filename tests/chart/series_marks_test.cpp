// Series marks: their texts by style, percentages, and the boxes, arrows and stored positions they draw.
// The recording canvas measures a size-8 font 11 pixels high and 6 pixels a character.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart.h"
#include "chart/chart_units.h"
#include "chart/series_marks.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

constexpr int LineHeight = 11, CharWidth = 6;

TEST(SeriesMarks, TextsFollowTheStyle) {
    TChartSeries s;
    s.AddPoint(1, 10, "ten");
    s.AddPoint(2, -30);
    s.AddPoint(3, 60, "sixty");
    struct Case { TSeriesMarksStyle style; int index; const char* text; const char* why; } cases[] = {
        {TSeriesMarksStyle::smsValue, 0, "10", "the value in ValueFormat"},
        {TSeriesMarksStyle::smsLabel, 0, "ten", "the label"},
        {TSeriesMarksStyle::smsLabel, 1, "-30", "no label: the value"},
        {TSeriesMarksStyle::smsPercent, 1, "30 %", "negative values count by their size"},
        {TSeriesMarksStyle::smsLabelPercent, 2, "sixty 60 %", "label and percent"},
        {TSeriesMarksStyle::smsLabelValue, 1, "-30 -30", "value for label, then the value"},
        {TSeriesMarksStyle::smsPercentTotal, 0, "10 % of 100", "percent of the absolute total"},
        {TSeriesMarksStyle::smsLabelPercentTotal, 2, "sixty 60 % of 100", "label, percent and total"},
        {TSeriesMarksStyle::smsXValue, 2, "3", "the X value, without an axis in ValueFormat"},
        {TSeriesMarksStyle::smsLegend, 0, "", "no legend yet: no text"},
    };
    for (const Case& c : cases) {
        s.Marks().SetStyle(c.style);
        EXPECT_EQ(s.Marks().GetMarkText(c.index), c.text) << c.why;
    }
    s.OnGetMarkText = [](TChartSeries*, int index, std::string& text) { text += "!" + std::to_string(index); };
    s.Marks().SetStyle(TSeriesMarksStyle::smsValue);
    EXPECT_EQ(s.Marks().GetMarkText(2), "60!2");
}

TEST(SeriesMarks, AllZeroValuesAreEachAHundredPercent) {
    TChartSeries s;
    for (int i = 0; i < 3; ++i) s.AddY(0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Marks().PercentText(i, false), "100 %");
    EXPECT_EQ(s.Marks().PercentText(0, true), "100 % of 0");
}

// A flat chart with marks on a series of three points.
struct MarksChart : ::testing::Test {
    TChart chart{nullptr};
    TChartSeries series;
    RecordingCanvas rec;
    void SetUp() override {
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        series.AddPoint(0, 10, "a");
        series.AddPoint(1, 20, std::string("two") + LineBreak + "lines");
        series.AddPoint(2, 30, "c", NoColour);
        series.Marks().SetVisible(true);
        chart.AddSeries(series);
        // Number labels on the axis, so that the only point texts drawn are the marks.
        chart.BottomAxis()->SetLabelStyle(TAxisLabelStyle::talValue);
    }
    std::vector<CanvasCall> Texts() const { return rec.Calls("Text"); }
};

TEST_F(MarksChart, EachMarkIsABoxAboveItsPointWithItsLinesCentred) {
    chart.Paint(rec);
    const std::vector<CanvasCall> texts = Texts();
    // The third point has no colour, so no mark.
    std::vector<std::string> marks;
    for (const CanvasCall& t : texts)
        if (t.Text == "a" || t.Text == "two" || t.Text == "lines" || t.Text == "c") marks.push_back(t.Text);
    EXPECT_EQ(marks, (std::vector<std::string>{"a", "two", "lines"}));

    ASSERT_EQ(series.Marks().StoredPositions.size(), 2u);
    const int frame = series.Marks().Frame().Width();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const TSeriesMarkPosition& p = *series.Marks().StoredPositions[std::size_t(i)];
        const int x = series.PointScreenX(i), y = series.PointScreenY(i);
        const int lines = i == 0 ? 1 : 2;
        const int widest = i == 0 ? CharWidth : 5 * CharWidth;
        EXPECT_EQ(p.BoxWidth, widest + CharWidth + 2 * frame);  // plus the width of "W"
        EXPECT_EQ(p.BoxHeight, lines * LineHeight + 2 * frame);
        EXPECT_EQ(p.BoxTopLeft, (Point{x - p.BoxWidth / 2, y - p.BoxHeight + 1}));
        EXPECT_EQ(p.ArrowStart, (Point{x, y}));
    }
    // The two lines of the second mark: centred on the box, one line height apart, below the frame.
    const TSeriesMarkPosition& p = *series.Marks().StoredPositions[1];
    std::vector<Point> at;
    for (const CanvasCall& t : texts)
        if (t.Text == "two" || t.Text == "lines") {
            at.push_back(t.Points[0]);
            EXPECT_EQ(t.State.TextAlign & TaHorizontalMask, unsigned(TaCenter));
            EXPECT_EQ(t.State.CanvasBrush.Style, BrushStyle::Clear);
        }
    const int cx = p.BoxTopLeft.X + p.BoxWidth / 2, top = p.BoxTopLeft.Y + frame;
    EXPECT_EQ(at, (std::vector<Point>{{cx, top}, {cx, top + LineHeight}}));

    // The boxes are filled with the marks' colour.
    int boxes = 0;
    for (const CanvasCall& r : rec.Calls("Rectangle"))
        if (r.Points[0] == p.BoxTopLeft) {
            ++boxes;
            EXPECT_EQ(r.State.CanvasBrush.BrushColor, TColor(0x80FFFF));
            EXPECT_EQ(r.Points[1], (Point{p.BoxTopLeft.X + p.BoxWidth, p.BoxTopLeft.Y + p.BoxHeight}));
        }
    EXPECT_EQ(boxes, 1);
}

TEST_F(MarksChart, TransparentMarksWithoutFrameDrawNoBox) {
    series.Marks().SetTransparent(true);
    series.Marks().Frame().SetVisible(false);
    chart.Paint(rec);
    const TSeriesMarkPosition& p = *series.Marks().StoredPositions[0];
    EXPECT_EQ(p.BoxHeight, LineHeight);
    for (const CanvasCall& r : rec.Calls("Rectangle")) EXPECT_NE(r.Points[0], p.BoxTopLeft);
}

TEST_F(MarksChart, AnArrowAsDarkAsTheBackgroundIsDrawnInContrast) {
    series.Marks().SetArrowLength(0);
    chart.SetBackColor(ClBlack);
    series.Marks().Arrow().SetColor(ClBlack);
    TSeriesMarkPosition pos;
    chart.Paint(rec);
    rec.Clear();
    pos.ArrowStart = {50, 50};
    pos.ArrowEnd = {50, 30};
    pos.BoxTopLeft = {40, 10};
    pos.BoxWidth = 20;
    pos.BoxHeight = 20;
    series.Marks().DrawMarkBox(0, ClRed, "x", pos);
    ASSERT_FALSE(rec.Calls("Polyline").empty());
    EXPECT_EQ(rec.Calls("Polyline")[0].State.CanvasPen.PenColor, ClWhite);
}

TEST_F(MarksChart, AUserPlacedMarkKeepsItsPlaceUntilThePointsAreCleared) {
    chart.Paint(rec);
    TSeriesMarkPosition& stored = *series.Marks().StoredPositions[0];
    stored.UserPlaced = true;
    stored.BoxTopLeft = {5, 6};
    rec.Clear();
    chart.Invalidate();
    chart.Paint(rec);
    bool drawnThere = false;
    for (const CanvasCall& t : rec.Calls("Text"))
        if (t.Text == "a") drawnThere = t.Points[0].Y == 6 + series.Marks().Frame().Width();
    EXPECT_TRUE(drawnThere);
    EXPECT_EQ(series.Marks().StoredPositions[0]->BoxTopLeft, (Point{5, 6}));
    series.Clear();
    EXPECT_TRUE(series.Marks().StoredPositions.empty());
}

TEST_F(MarksChart, AnAxisShowingMarksWritesTheMarksTexts) {
    series.Marks().SetStyle(TSeriesMarksStyle::smsValue);
    chart.BottomAxis()->SetLabelStyle(TAxisLabelStyle::talMark);
    chart.Paint(rec);
    std::vector<std::string> texts;
    for (const CanvasCall& t : Texts()) texts.push_back(t.Text);
    // The values of the marks, not the points' labels, stand under the axis.
    for (const char* label : {"a", "c"}) EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 0) << label;
    EXPECT_GE(std::count(texts.begin(), texts.end(), "30"), 1);  // the third point's, which has no mark itself
}

TEST_F(MarksChart, WidestMarkTextMeasuresEveryLine) {
    chart.Paint(rec);
    EXPECT_EQ(series.Marks().WidestMarkText(), 5 * CharWidth);  // "lines"
}

TEST(SeriesMarks, AssignCopiesTheSettingsAndASeriesCopyTakesThem) {
    TChartSeries a, b;
    a.Marks().SetStyle(TSeriesMarksStyle::smsPercent);
    a.Marks().SetVisible(true);
    a.Marks().SetBackColor(ClAqua);
    a.Marks().SetArrowLength(20);
    b.Assign(a);
    EXPECT_EQ(b.Marks().Style(), TSeriesMarksStyle::smsPercent);
    EXPECT_TRUE(b.Marks().Visible());
    EXPECT_EQ(b.Marks().BackColor(), ClAqua);
    EXPECT_EQ(b.Marks().ArrowLength(), 20);
}

}  // namespace
}  // namespace fv
