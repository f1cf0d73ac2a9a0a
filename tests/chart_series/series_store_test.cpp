// Every standard series type through the chart file: its settings saved, loaded into another chart and
// saved again give the same bytes, and what was loaded is what was saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "chart/chart_store.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"

namespace fv {
namespace {

struct SeriesStoreTest : ::testing::Test {
    void SetUp() override {
        RegisterStoreTestClasses();
        RegisterStandardSeriesTypes();
    }
    template <class S> S* Add(StoreChart& chart, const std::string& name) {
        auto* s = new S(&chart, name);
        s->SetParentChart(&chart);
        s->AddY(3, "three");
        s->AddY(4);
        return s;
    }
};

std::string Resave(const std::string& bytes, StoreChart& into) {
    LoadChartStream(&into, bytes);
    return SaveChartStream(into);
}

TEST_F(SeriesStoreTest, EveryTypeRoundTripsWithItsSettings) {
    struct Case {
        const char* what;
        std::function<void(SeriesStoreTest&, StoreChart&)> set;
        std::function<void(StoreChart&)> check;
    } cases[] = {
        {"a line",
         [](SeriesStoreTest& t, StoreChart& c) {
             auto* s = t.Add<TLineSeries>(c, "Line");
             s->SetStairs(true);
             s->SetInvertedStairs(true);
             s->SetLineHeight(5);
             s->SetLineBrush(BrushStyle::Cross);
             s->LinePen.SetWidth(2);
             s->Pointer.SetVisible(true);
             s->Pointer.SetStyle(psDiamond);
             s->Pointer.SetHorizSize(7);
         },
         [](StoreChart& c) {
             auto* s = dynamic_cast<TLineSeries*>(c.GetSeries(0));
             ASSERT_TRUE(s);
             EXPECT_TRUE(s->InvertedStairs());
             EXPECT_EQ(s->LineHeight(), 5);
             EXPECT_EQ(s->LineBrush(), BrushStyle::Cross);
             EXPECT_EQ(s->Pointer.Style(), psDiamond);
             EXPECT_EQ(s->Pointer.HorizSize(), 7);
             EXPECT_EQ(s->Count(), 2);
             EXPECT_EQ(s->PointLabel(0), "three");
         }},
        {"points and areas",
         [](SeriesStoreTest& t, StoreChart& c) {
             t.Add<TPointSeries>(c, "Points")->Pointer.SetStyle(psStar);
             auto* a = t.Add<TAreaSeries>(c, "Area");
             auto* b = t.Add<TAreaSeries>(c, "Area2");
             b->SetMultiArea(maStacked100);
             a->SetAreaColor(ClYellow);
             a->SetAreaBrush(BrushStyle::FDiagonal);
             a->AreaLinesPen.SetVisible(false);
         },
         [](StoreChart& c) {
             EXPECT_EQ(dynamic_cast<TPointSeries&>(*c.GetSeries(0)).Pointer.Style(), psStar);
             auto& a = dynamic_cast<TAreaSeries&>(*c.GetSeries(1));
             EXPECT_EQ(a.MultiArea(), maStacked100);
             EXPECT_EQ(a.AreaColor(), ClYellow);
             EXPECT_EQ(a.AreaBrush(), BrushStyle::FDiagonal);
             EXPECT_FALSE(a.AreaLinesPen.Visible());
         }},
        {"bars both ways",
         [](SeriesStoreTest& t, StoreChart& c) {
             auto* b = t.Add<TBarSeries>(c, "Bars");
             b->SetBarStyle(bsCilinder);
             b->SetMultiBar(mbStacked);
             b->SetBarWidthPercent(55);
             b->SetOffsetPercent(-20);
             b->SetYOrigin(1.5);
             b->SetUseYOrigin(false);
             b->SetSideMargins(false);
             b->SetCustomBarWidth(12);
             auto* h = t.Add<THorizBarSeries>(c, "Across");
             h->SetAutoBarSize(true);
             h->BarBrush.SetStyle(BrushStyle::Vertical);
         },
         [](StoreChart& c) {
             auto& b = dynamic_cast<TBarSeries&>(*c.GetSeries(0));
             EXPECT_EQ(b.BarStyle(), bsCilinder);
             EXPECT_EQ(b.MultiBar(), mbStacked);
             EXPECT_EQ(b.BarWidthPercent(), 55);
             EXPECT_EQ(b.OffsetPercent(), -20);
             EXPECT_EQ(b.YOrigin(), 1.5);
             EXPECT_FALSE(b.SideMargins());
             EXPECT_EQ(b.CustomBarWidth(), 12);
             auto& h = dynamic_cast<THorizBarSeries&>(*c.GetSeries(1));
             EXPECT_TRUE(h.AutoBarSize());
             EXPECT_EQ(h.BarBrush.Style(), BrushStyle::Vertical);
             EXPECT_EQ(h.GetXValue(1), 4) << "a horizontal series keeps its values across";
         }},
        {"a pie",
         [](SeriesStoreTest& t, StoreChart& c) {
             auto* p = t.Add<TPieSeries>(c, "Pie");
             p->SetRotationAngle(45);
             p->SetCircled(true);
             p->SetUsePatterns(true);
             p->SetExplodeBiggest(10);  // the second slice, the bigger one
             p->ExplodedSlices.SetValue(0, 25);
             p->OtherSlice.SetStyle(poBelowValue);
             p->OtherSlice.SetValue(3.5);
             p->OtherSlice.SetText("Rest");
             p->PiePen.SetColor(ClBlue);
         },
         [](StoreChart& c) {
             auto& p = dynamic_cast<TPieSeries&>(*c.GetSeries(0));
             EXPECT_EQ(p.RotationAngle(), 45);
             EXPECT_TRUE(p.Circled());
             EXPECT_TRUE(p.UsePatterns());
             EXPECT_EQ(p.ExplodeBiggest(), 10);
             EXPECT_EQ(p.ExplodedSlices.Values(), (std::vector<int>{25, 10})) << "kept across the points' loading";
             EXPECT_EQ(p.OtherSlice.Style(), poBelowValue);
             EXPECT_EQ(p.OtherSlice.Value(), 3.5);
             EXPECT_EQ(p.OtherSlice.Text(), "Rest");
             EXPECT_EQ(p.PiePen.GetColor(), ClBlue);
             EXPECT_TRUE(p.ColorEachPoint());
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        StoreChart chart;
        k.set(*this, chart);
        std::string bytes = SaveChartStream(chart);
        StoreChart loaded;
        EXPECT_EQ(Resave(bytes, loaded), bytes);
        k.check(loaded);
    }
}

// Any explode distance a program sets is kept within what a chart file holds, so the file it saves loads.
TEST_F(SeriesStoreTest, AnyExplodeDistanceSavesAFileThatLoads) {
    struct Case {
        int set, kept;
        const char* why;
    } cases[] = {
        {-5, -5, "a negative distance draws as none, and is kept as set"},
        {2000000000, TExplodedSlices::MaxDistance, "far past the file's range: held at the farthest"},
        {-2000000000, -TExplodedSlices::MaxDistance, "far below it: held at the farthest the other way"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        StoreChart chart;
        auto* p = Add<TPieSeries>(chart, "Pie");
        p->SetExplodeBiggest(k.set);
        p->ExplodedSlices.SetValue(0, k.set);
        EXPECT_EQ(p->ExplodeBiggest(), k.kept);
        const std::string bytes = SaveChartStream(chart);
        StoreChart loaded;
        ASSERT_NO_THROW(LoadChartStream(&loaded, bytes));
        ASSERT_EQ(loaded.SeriesCount(), 1);
        auto& back = dynamic_cast<TPieSeries&>(*loaded.GetSeries(0));
        EXPECT_EQ(back.ExplodeBiggest(), k.kept);
        EXPECT_EQ(back.ExplodedSlices.Values(), (std::vector<int>{k.kept, k.kept}));
    }
}

TEST_F(SeriesStoreTest, TheStandardTypesAreInTheGalleryInOrder) {
    RegisterStandardSeriesTypes();  // a second registration changes nothing
    std::vector<std::string> descriptions;
    for (const auto& entry : ChartSeriesTypes().Items())
        if (entry->SeriesClass && entry->GalleryPage == "Standard") descriptions.push_back(entry->Description);
    std::vector<std::string> standard = {"Line", "Bar", "Horiz. Bar", "Area", "Point", "Pie"};
    ASSERT_GE(descriptions.size(), standard.size());
    for (const std::string& d : standard)
        EXPECT_EQ(std::count(descriptions.begin(), descriptions.end(), d), 1) << d;
    const ChartClass* pie = FindChartClass("TPieSeries");
    ASSERT_TRUE(pie);
    StoreChart chart;
    TChartSeries* made = CreateSeriesOfClass(&chart, chart, *pie);
    EXPECT_TRUE(dynamic_cast<TPieSeries*>(made));
    EXPECT_EQ(made->Name(), "Series1");
}

}  // namespace
}  // namespace fv
