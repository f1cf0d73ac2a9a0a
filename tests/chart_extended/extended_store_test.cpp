// The further series types' gallery entries, and the grid and shape series through the chart file: each
// type saved, loaded into a fresh chart and saved again to the same bytes with its settings and points,
// the grid index and palette made from the loaded points, and a stored level count outside the table
// clamped on load.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"
#include "extended_store_fixture.h"

namespace fv {
namespace {

struct ExtendedStoreTest : ExtendedStoreFixture {};

TEST_F(ExtendedStoreTest, TheGalleryEntriesInRegistryOrder) {
    RegisterExtendedSeriesTypes();  // a second time changes nothing
    // Class, gallery title, page and the number of series its preview draws.
    const std::vector<std::string> expected = {
        "TSurfaceSeries Surface Extended 1",    "TContourSeries Contour Extended 1",
        "TChartShape Shape Standard 2",         "TPoint3DSeries Point 3D Extended 1",
        "TBubbleSeries Bubble Standard 2",      "TArrowSeries Arrow Standard 2",
        "TGanttSeries Gantt Standard 1",        "TBezierSeries Bezier Extended 1",
        "TPolarSeries Polar Extended 2",        "TRadarSeries Radar Extended 2",
        "TCandleSeries Candle Extended 1",      "TVolumeSeries Volume Extended 1",
        "TErrorBarSeries Error Bar Extended 1", "TErrorSeries Error Extended 1"};
    std::vector<std::string> seen;
    for (const auto& t : ChartSeriesTypes().Items())
        for (const std::string& e : expected)
            if (t->SeriesClass && e.rfind(t->SeriesClass->Name + " ", 0) == 0)
                seen.push_back(t->SeriesClass->Name + " " + t->Description + " " + t->GalleryPage + " " +
                               std::to_string(t->NumGallerySeries));
    EXPECT_EQ(seen, expected);
}

TEST_F(ExtendedStoreTest, ASurfaceRoundTrips) {
    StoreChart chart;
    auto* s = Add<TSurfaceSeries>(chart, "Surface1");
    s->OnGetYValue = [](TChartSeries*, int x, int z) { return x * 3.0 - z; };
    s->FillGridValues(4, 3);
    s->SetStartColor(ClRed);
    s->SetEndColor(ClYellow);
    s->SetUsePalette(true);
    s->SetPaletteSteps(5);
    s->SetWireFrame(true);
    s->Pen.SetColor(ClNavy);
    s->SetTimesZOrder(2);
    std::string bytes = SaveChartStream(chart);
    StoreChart other;
    auto* t = Loaded<TSurfaceSeries>(other, bytes);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(SaveChartStream(other), bytes);
    EXPECT_EQ(t->Count(), 12);
    EXPECT_EQ(t->NumXValues(), 4);
    EXPECT_EQ(t->NumZValues(), 3);
    EXPECT_EQ(t->StartColor(), ClRed);
    EXPECT_EQ(t->EndColor(), ClYellow);
    EXPECT_TRUE(t->UsePalette());
    EXPECT_EQ(t->PaletteSteps(), 5);
    EXPECT_TRUE(t->WireFrame());
    EXPECT_EQ(t->Pen.GetColor(), ClNavy);
    EXPECT_EQ(t->TimesZOrder(), 2);
    // The grid is rebuilt from the loaded points, Z values included, and the palette spans them.
    int i = t->GridPointIndex(4, 3);
    ASSERT_GE(i, 0);
    EXPECT_EQ(t->GetYValue(i), 9);
    EXPECT_EQ(t->ZValues->GetValue(i), 3);
    t->PrepareValues();
    ASSERT_EQ(t->Palette().size(), 5u);
    EXPECT_EQ(t->Palette().back().UpToValue, t->MaxYValue());
}

TEST_F(ExtendedStoreTest, AContourRoundTripsAndItsLevelCountIsClampedOnLoad) {
    StoreChart chart;
    auto* s = Add<TContourSeries>(chart, "Contour1");
    s->FillSampleValues(6);
    s->SetNumLevels(17);
    s->SetYPositionLevel(true);
    s->Pen.SetWidth(2);
    std::string bytes = SaveChartStream(chart);
    StoreChart other;
    auto* t = Loaded<TContourSeries>(other, bytes);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(SaveChartStream(other), bytes);
    EXPECT_EQ(t->NumLevels(), 17);
    EXPECT_DOUBLE_EQ(t->YPosition(), s->YPosition());
    EXPECT_TRUE(t->YPositionLevel());
    EXPECT_EQ(t->Pen.Width(), 2);
    EXPECT_EQ(t->Count(), 36);

    // The Int record "NumLevels": its name, a u32 length of 4, then the value.
    struct Case {
        std::int32_t stored, kept;
    };
    for (Case c : {Case{300, 251}, Case{0, 1}, Case{-4, 1}}) {
        std::string patched = bytes;
        std::size_t at = patched.find("NumLevels");
        ASSERT_NE(at, std::string::npos);
        std::memcpy(&patched[at + 9 + 4], &c.stored, 4);
        StoreChart third;
        auto* u = Loaded<TContourSeries>(third, patched);
        ASSERT_NE(u, nullptr);
        EXPECT_EQ(u->NumLevels(), c.kept) << c.stored;
        RecordingCanvas rec;
        third.Paint(rec);  // levels and lines within the table
    }
}

TEST_F(ExtendedStoreTest, AShapeRoundTrips) {
    StoreChart chart;
    auto* s = Add<TChartShape>(chart, "Shape1");
    s->SetStyle(chasDiamond);
    s->SetXYStyle(xysAxisOrigin);
    s->SetAlignment(TAlignment::taRightJustify);
    s->SetText({"one", "two"});
    s->SetTransparent(true);
    s->SetRoundRectangle(true);
    s->SetSeriesColor(ClFuchsia);
    Font f = s->ShapeFont();
    f.Size = 13;
    s->SetFont(f);
    s->SetX0(10);
    s->SetY1(40);
    std::string bytes = SaveChartStream(chart);
    StoreChart other;
    auto* t = Loaded<TChartShape>(other, bytes);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(SaveChartStream(other), bytes);
    EXPECT_EQ(t->Style(), chasDiamond);
    EXPECT_EQ(t->XYStyle(), xysAxisOrigin);
    EXPECT_EQ(t->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(t->Text(), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(t->Transparent());
    EXPECT_TRUE(t->RoundRectangle());
    EXPECT_EQ(t->Brush.GetColor(), ClFuchsia);
    EXPECT_EQ(t->ShapeFont().Size, 13);
    ASSERT_EQ(t->Count(), 2) << "the stored corners, not the new shape's own";
    EXPECT_EQ(t->X0(), 10);
    EXPECT_EQ(t->Y1(), 40);
}

// A pen or brush that takes the series colour whenever that is set: whether it kept the series colour or
// was given its own colour after it, a chart saved, loaded and saved again gives the same bytes and the
// part its colour. (A part set back to its first colour after the series colour was once left out of the
// file, so loading coloured it with the series colour.)
TEST_F(ExtendedStoreTest, APartThatFollowsTheSeriesColourKeepsItsOwnColourThroughTheFile) {
    struct Case {
        const char* what;
        std::function<TChartSeries*(StoreChart&)> add;
        std::function<Color(TChartSeries&)> partColour;
        std::function<void(TChartSeries&, Color)> setPartColour;
    };
    auto polar = [](TChartSeries& s) -> TChartPen& { return dynamic_cast<TCustomPolarSeries&>(s).Pen; };
    auto bezier = [](TChartSeries& s) -> TChartPen& { return dynamic_cast<TBezierSeries&>(s).LinePen; };
    auto error = [](TChartSeries& s) -> TChartPen& { return dynamic_cast<TCustomErrorSeries&>(s).ErrorPen; };
    auto shape = [](TChartSeries& s) -> TChartBrush& { return dynamic_cast<TChartShape&>(s).Brush; };
    const Case cases[] = {
        {"radar pen", [&](StoreChart& c) { return Add<TRadarSeries>(c, "S1"); },
         [&](TChartSeries& s) { return polar(s).GetColor(); }, [&](TChartSeries& s, Color k) { polar(s).SetColor(k); }},
        {"polar pen", [&](StoreChart& c) { return Add<TPolarSeries>(c, "S1"); },
         [&](TChartSeries& s) { return polar(s).GetColor(); }, [&](TChartSeries& s, Color k) { polar(s).SetColor(k); }},
        {"Bezier line", [&](StoreChart& c) { return Add<TBezierSeries>(c, "S1"); },
         [&](TChartSeries& s) { return bezier(s).GetColor(); }, [&](TChartSeries& s, Color k) { bezier(s).SetColor(k); }},
        {"error whiskers", [&](StoreChart& c) { return Add<TErrorSeries>(c, "S1"); },
         [&](TChartSeries& s) { return error(s).GetColor(); }, [&](TChartSeries& s, Color k) { error(s).SetColor(k); }},
        {"shape brush", [&](StoreChart& c) { return Add<TChartShape>(c, "S1"); },
         [&](TChartSeries& s) { return shape(s).GetColor(); }, [&](TChartSeries& s, Color k) { shape(s).SetColor(k); }},
    };
    for (const Case& c : cases)
        for (Color own : {ClBlue, ClBlack, ClWhite}) {
            SCOPED_TRACE(std::string(c.what) + " " + std::to_string(own));
            StoreChart chart, into;
            TChartSeries* s = c.add(chart);
            s->SetSeriesColor(ClRed);
            c.setPartColour(*s, own);
            TChartSeries* loaded = RoundTrip<TChartSeries>(chart, into);
            ASSERT_NE(loaded, nullptr);
            EXPECT_EQ(c.partColour(*loaded), own);
            EXPECT_EQ(loaded->SeriesColor(), ClRed);
        }
}

}  // namespace
}  // namespace fv
