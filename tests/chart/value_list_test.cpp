// Value lists: where new values go, what a multiplier changes, the statistics, sorting, and checked indexes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "chart/chart_exception.h"
#include "chart/chart_series.h"
#include "chart/value_list.h"

namespace fv {
namespace {

// The order a list must give: the values stably sorted, so that equal values keep their adding order.
// Each value is tagged with its adding position to tell equal values apart.
std::vector<int> StableOrder(const std::vector<double>& values, TChartListOrder order) {
    std::vector<int> tags(values.size());
    std::iota(tags.begin(), tags.end(), 0);
    if (order == loAscending)
        std::stable_sort(tags.begin(), tags.end(), [&](int a, int b) { return values[a] < values[b]; });
    else if (order == loDescending)
        std::stable_sort(tags.begin(), tags.end(), [&](int a, int b) { return values[a] > values[b]; });
    return tags;
}

// Adds the values to a series' X list (Y holds each value's adding position) and returns the positions
// in list order.
std::vector<int> InsertionOrder(const std::vector<double>& values, TChartListOrder order) {
    TChartSeries s;
    s.XValues->SetOrder(order);
    for (std::size_t i = 0; i < values.size(); ++i) s.AddPoint(values[i], double(i));
    std::vector<int> tags;
    for (int i = 0; i < s.Count(); ++i) tags.push_back(int(s.GetYValue(i)));
    return tags;
}

TEST(ValueListInsertion, TableAgainstStableSort) {
    struct Case {
        const char* why;
        std::vector<double> values;
        TChartListOrder order;
    };
    const Case cases[] = {
        {"equal values go after the existing ones", {1, 3, 3, 5, 3}, loAscending},
        {"smaller than all goes first", {2, 4, 1}, loAscending},
        {"already ascending only appends", {1, 2, 3, 4}, loAscending},
        {"reverse input inserts at the front each time", {9, 7, 5, 3, 1, 1}, loAscending},
        {"descending keeps equal values in adding order", {5, 3, 3, 9, 3, 10}, loDescending},
        {"negative values and zeros", {0, -1, -0.0, 2, -5, 0}, loAscending},
        {"no order appends", {3, 1, 2}, loNone},
        {"one value", {42}, loAscending},
    };
    for (const Case& c : cases) EXPECT_EQ(InsertionOrder(c.values, c.order), StableOrder(c.values, c.order)) << c.why;
}

TEST(ValueListInsertion, ReturnsThePlaceFromTheStoredValues) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    for (double v : {1.0, 3.0, 3.0, 5.0}) list.AddValue(v);
    EXPECT_EQ(list.AddValue(3), 3);  // after both 3s
    TChartValueList two(nullptr, "X");
    two.SetOrder(loAscending);
    two.AddValue(2);
    two.AddValue(4);
    EXPECT_EQ(two.AddValue(1), 0);
    // A multiplier of -1 reverses what is read, not where values go.
    two.SetMultiplier(-1);
    EXPECT_EQ(two.AddValue(3), 2);
    EXPECT_EQ(two.GetValue(2), -3);
}

// Random data with many repeats, in both orders, grown to several blocks: the list is always the
// stable sort of what was added.
TEST(ValueListInsertion, PropertyRandomDataEqualsStableSort) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 40; ++round) {
        TChartListOrder order = round % 2 ? loDescending : loAscending;
        std::size_t n = 1 + rng() % (round < 30 ? 300 : 5000);
        int distinct = 1 + int(rng() % 50);
        std::vector<double> values(n);
        for (double& v : values) v = double(int(rng() % unsigned(distinct)) - distinct / 2) / 4;
        ASSERT_EQ(InsertionOrder(values, order), StableOrder(values, order)) << "round " << round << ", n " << n;
    }
}

// After a value was put out of order by hand, a new value goes where a walk back from the end finds
// its place, just as in an ordered list.
TEST(ValueListInsertion, OutOfOrderListsUseTheWalkFromTheEnd) {
    struct Case {
        std::vector<double> stored;
        double added;
        int place;
    };
    const Case cases[] = {
        {{1, 9, 3, 5}, 4, 3},  // walk back: 5 > 4, 3 <= 4 stops: after the 3
        {{1, 9, 3, 5}, 2, 1},  // passes 5, 3 and 9, stops at 1
        {{5, 1}, 0, 0},        // nothing is <= 0
        {{1, NAN, 3}, 2, 2},   // a NaN stops the walk
    };
    for (const Case& c : cases) {
        TChartValueList list(nullptr, "X");
        for (double v : c.stored) list.AddValue(v);  // loNone: appended as given
        list.SetOrder(loAscending);
        EXPECT_EQ(list.AddValue(c.added), c.place) << c.added;
    }
    // Once the stray value is gone the list is ordered again and keeps finding the stable place.
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    for (double v : {1.0, 2.0, 3.0}) list.AddValue(v);
    list.SetValue(0, 10);
    EXPECT_EQ(list.AddValue(2.5), 2);
    list.SetValue(0, 1);
    EXPECT_EQ(list.AddValue(2), 2);  // [1, 2, 2.5, 3]: after the 2
}

TEST(ValueList, MultiplierStatisticsAndSearch) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.MinValue(), 0);
    for (double v : {3.0, -1.0, 4.0, 1.5}) list.AddValue(v);
    EXPECT_EQ(list.MinValue(), -1);
    EXPECT_EQ(list.MaxValue(), 4);
    EXPECT_EQ(list.ValueTotal(), 7.5);
    EXPECT_EQ(list.AbsoluteTotal(), 9.5);
    list.SetMultiplier(2);
    EXPECT_EQ(list.GetValue(0), 6);
    EXPECT_EQ(list.StoredValue(0), 3);
    EXPECT_EQ(list.MaxValue(), 8);
    EXPECT_EQ(list.AbsoluteTotal(), 19);
    EXPECT_EQ(list.IndexOfValue(8), 2);  // compares what is read
    EXPECT_EQ(list.IndexOfValue(4), -1);
    list.SetValue(1, -10);
    EXPECT_EQ(list.MinValue(), -20);  // statistics follow every change
    list.DeleteValue(1);
    EXPECT_EQ(list.MinValue(), 3);
    list.RotateLeft();
    EXPECT_EQ(list.StoredValue(2), 3);
    EXPECT_EQ(list.First(), 8);
    list.FillWithIndexes();
    EXPECT_EQ(list.Last(), 4);  // index 2 times the multiplier
}

TEST(ValueList, AssignCopiesSettingsNotValues) {
    TChartValueList from(nullptr, "From"), to(nullptr, "To");
    from.SetOrder(loDescending);
    from.SetDateTime(true);
    from.SetMultiplier(3);
    from.SetValueSource("Field");
    from.AddValue(1);
    to.AddValue(7);
    to.Assign(from);
    EXPECT_EQ(to.Order(), loDescending);
    EXPECT_TRUE(to.DateTime());
    EXPECT_EQ(to.Multiplier(), 3);
    EXPECT_EQ(to.ValueSource(), "Field");
    EXPECT_EQ(to.Name(), "To");
    ASSERT_EQ(to.Count(), 1);
    EXPECT_EQ(to.StoredValue(0), 7);
}

TEST(ValueList, EveryIndexIsChecked) {
    TChartValueList list(nullptr, "Y");
    list.AddValue(1);
    EXPECT_THROW(list.GetValue(1), ListIndexError);
    EXPECT_THROW(list.GetValue(-1), ListIndexError);
    EXPECT_THROW(list.SetValue(5, 0), ListIndexError);
    EXPECT_THROW(list.DeleteValue(1), ListIndexError);
    EXPECT_THROW(list.InsertValue(2, 0), ListIndexError);
    EXPECT_THROW(list.Exchange(0, 1), ListIndexError);
    EXPECT_NO_THROW(list.InsertValue(1, 0));  // at the end is a place
    EXPECT_EQ(list.Count(), 2);
    TChartValueList empty(nullptr, "Y");
    EXPECT_THROW(empty.First(), ListIndexError);
    EXPECT_NO_THROW(empty.RotateLeft());
}

TEST(ValueList, SortByOrderMovesWholePoints) {
    std::mt19937 rng(99);
    for (TChartListOrder order : {loAscending, loDescending}) {
        TChartSeries s;
        s.XValues->SetOrder(loNone);
        const int n = 2000;
        for (int i = 0; i < n; ++i) {
            double x = double(rng() % 300);
            // Y, colour and label all remember the X of their point.
            s.AddPoint(x, x * 10, "p" + std::to_string(int(x)), Color(int(x)));
        }
        s.XValues->SetOrder(order);
        s.XValues->SortByOrder();
        for (int i = 0; i < n; ++i) {
            double x = s.GetXValue(i);
            if (i > 0) {
                ASSERT_TRUE(order == loAscending ? s.GetXValue(i - 1) <= x : s.GetXValue(i - 1) >= x);
            }
            ASSERT_EQ(s.GetYValue(i), x * 10);
            ASSERT_EQ(s.PointLabel(i), "p" + std::to_string(int(x)));
            ASSERT_EQ(s.PointColor(i), Color(int(x)));
        }
        // Sorted, the list finds places by search again.
        int at = s.AddPoint(150.5, 0);
        EXPECT_EQ(s.GetXValue(at), 150.5);
        ASSERT_GT(at, 0);
        EXPECT_TRUE(order == loAscending ? s.GetXValue(at - 1) <= 150.5 : s.GetXValue(at - 1) >= 150.5);
    }
    // Sorted input, reversed input and all-equal input do not go deep.
    TChartSeries big;
    big.XValues->SetOrder(loNone);
    for (int i = 200000; i > 0; --i) big.AddPoint(i % 7 == 0 ? 5 : i, 0);
    big.XValues->SetOrder(loAscending);
    big.XValues->SortByOrder();
    for (int i = 1; i < big.Count(); ++i) ASSERT_LE(big.GetXValue(i - 1), big.GetXValue(i));
}

}  // namespace
}  // namespace fv
