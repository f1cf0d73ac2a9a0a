// ColumnRun: the vertical segments of a pixel column, one after another, kept as one segment.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "platform/gfx/column_run.h"

namespace fv {
namespace {

// The pixels of vertical one-pixel segments: from the lower end up to, not including, the higher one.
std::set<int> Pixels(const std::vector<std::pair<int, int>>& segments) {
    std::set<int> out;
    for (auto [a, b] : segments)
        for (int y = std::min(a, b); y < std::max(a, b); ++y) out.insert(y);
    return out;
}

TEST(ColumnRun, SegmentsOneAfterAnotherBecomeOneFromTheLowestToTheHighestPoint) {
    struct Case {
        const char* what;
        std::vector<int> ys;
        int low, high;
    } cases[] = {
        {"down and up past the start", {5, 3, 8, 4, 6}, 3, 8},
        {"straight on", {5, 6, 7, 8, 9}, 5, 9},
        {"one segment upwards", {9, 2}, 2, 9},
        {"the highest point last", {5, 3, 8}, 3, 8},
        {"back and forth over the same pixels", {5, 8, 3, 8, 3}, 3, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ColumnRun run;
        std::vector<std::pair<int, int>> segments;
        for (std::size_t i = 1; i < c.ys.size(); ++i) {
            ASSERT_TRUE(i == 1 ? !run.Open() : run.Continues({7, c.ys[i - 1]}));
            run.Take({7, c.ys[i - 1]}, {7, c.ys[i]});
            segments.push_back({c.ys[i - 1], c.ys[i]});
        }
        Point low, high;
        run.Close(low, high);
        EXPECT_EQ(low, (Point{7, c.low}));
        EXPECT_EQ(high, (Point{7, c.high}));
        EXPECT_EQ(Pixels({{low.Y, high.Y}}), Pixels(segments));
        EXPECT_FALSE(run.Open());
    }
}

TEST(ColumnRun, ASegmentContinuesTheRunOnlyFromWhereItEnded) {
    ColumnRun run;
    EXPECT_FALSE(run.Continues({3, 0}));
    run.Take({3, 0}, {3, 4});
    EXPECT_TRUE(run.Continues({3, 4}));
    EXPECT_FALSE(run.Continues({3, 0}));
    EXPECT_FALSE(run.Continues({4, 4}));
    Point low, high;
    run.Close(low, high);
    EXPECT_FALSE(run.Continues({3, 4}));
    run.Take({9, 10}, {9, 2});
    run.Close(low, high);
    EXPECT_EQ(low, (Point{9, 2})) << "a closed run starts afresh";
    EXPECT_EQ(high, (Point{9, 10}));
}

}  // namespace
}  // namespace fv
