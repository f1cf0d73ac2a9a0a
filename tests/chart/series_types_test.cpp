// The series-type registry: entries without duplicates and with short texts, names that fill the lowest
// free number, and creating, cloning and changing the class of series on a chart.
#include <gtest/gtest.h>

#include "chart/series_types.h"
#include "store_chart.h"

namespace fv {
namespace {

struct SeriesTypesTest : ::testing::Test {
    void SetUp() override { RegisterStoreTestClasses(); }
};

TEST_F(SeriesTypesTest, EntriesAreKeptOnceWithTextsCutTo20Bytes) {
    const ChartClass* fast = FindChartClass("TFastLineSeries");
    ASSERT_NE(fast, nullptr);
    int before = ChartSeriesTypes().Count();
    RegisterChartEngineTypes();  // a second registration changes nothing
    EXPECT_EQ(ChartSeriesTypes().Count(), before);
    const ChartClass* sum = FindChartClass("TSumFunction");
    RegisterBasicFunctionType(sum, "A sum of every value of the source");
    RegisterBasicFunctionType(sum, "Again");
    ASSERT_EQ(ChartSeriesTypes().Count(), before + 1);
    const TChartSeriesType& entry = ChartSeriesTypes().GetItem(before);
    EXPECT_EQ(entry.Description, "A sum of every value");
    EXPECT_EQ(entry.GalleryPage, "Functions");
    EXPECT_EQ(entry.NumGallerySeries, 2);
    EXPECT_EQ(entry.SeriesClass, nullptr);
    UnregisterFunctionTypes({sum});
    EXPECT_EQ(ChartSeriesTypes().Count(), before);
    // The fast line's own entry.
    bool found = false;
    for (const auto& e : ChartSeriesTypes().Items())
        if (e->SeriesClass == fast) found = e->Description == "Fast Line" && e->GalleryPage == "Standard";
    EXPECT_TRUE(found);
}

TEST_F(SeriesTypesTest, NewNamesTakeTheLowestFreeNumber) {
    Component owner;
    owner.Make<Component>("Series1");
    owner.Make<Component>("Series3");
    EXPECT_EQ(NewSeriesName(&owner), "Series2");
    EXPECT_EQ(NewFunctionName(&owner), "ChartFunction1");
    owner.Make<Component>("ChartFunction1");
    EXPECT_EQ(NewFunctionName(&owner), "ChartFunction2");
    EXPECT_EQ(NewSeriesName(nullptr), "Series1");
}

TEST_F(SeriesTypesTest, CreateAndCloneSeries) {
    StoreChart chart;
    TChartSeries* s = CreateSeriesOfClass(nullptr, chart, *FindChartClass("TFastLineSeries"), FindChartClass("TSumFunction"));
    EXPECT_EQ(s->Name(), "Series1");
    EXPECT_EQ(s->Owner(), &chart);
    EXPECT_EQ(chart.GetSeries(0), s);
    ASSERT_NE(s->SeriesFunction(), nullptr);
    EXPECT_EQ(s->SeriesFunction()->Name(), "ChartFunction1");

    TChartSeries* plain = CreateSeriesOfClass(nullptr, chart, *FindChartClass("TFastLineSeries"));
    plain->SetTitle("Plain");
    plain->AddY(4);
    plain->AddY(5);
    TChartSeries* copy = CloneSeries(*plain);
    EXPECT_EQ(copy->Name(), "Series3");
    EXPECT_EQ(copy->Title(), "Plain");
    EXPECT_EQ(copy->Count(), 2);
    EXPECT_EQ(chart.SeriesCount(), 3);
}

TEST_F(SeriesTypesTest, ChangingTheClassKeepsNamePlaceEventsAndUsers) {
    StoreChart chart;
    const ChartClass& fast = *FindChartClass("TFastLineSeries");
    TChartSeries* first = CreateSeriesOfClass(nullptr, chart, fast);
    TChartSeries* series = CreateSeriesOfClass(nullptr, chart, fast);
    TChartSeries* user = CreateSeriesOfClass(nullptr, chart, fast);
    series->SetTitle("Kept");
    series->AddY(3);
    int cleared = 0;
    series->OnClearValues = [&](TChartSeries*) { ++cleared; };
    user->SetDataSource(series);
    TChartSeries* before = series;
    ChangeSeriesClass(series, *FindChartClass("TZLineSeries"));
    ASSERT_NE(series, before);
    EXPECT_NE(dynamic_cast<ZLineSeries*>(series), nullptr);
    EXPECT_EQ(series->Name(), "Series2");
    EXPECT_EQ(series->Title(), "Kept");
    EXPECT_EQ(chart.GetSeries(0), first);
    EXPECT_EQ(chart.GetSeries(1), series);
    EXPECT_EQ(chart.GetSeries(2), user);
    EXPECT_EQ(chart.SeriesCount(), 3);
    ASSERT_EQ(user->DataSources().size(), 1u);
    EXPECT_EQ(user->DataSource(), series);
    EXPECT_EQ(user->Count(), 1);
    series->Clear();
    EXPECT_EQ(cleared, 1);
    // The same class again: nothing happens.
    TChartSeries* same = series;
    ChangeSeriesClass(series, *FindChartClass("TZLineSeries"));
    EXPECT_EQ(series, same);
}

}  // namespace
}  // namespace fv
