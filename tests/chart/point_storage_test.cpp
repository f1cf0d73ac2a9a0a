// The block storage under value lists, colours and labels behaves as one array through any mix of
// appends, insertions, erasures, swaps and clears, across many block splits.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "chart/point_storage.h"

namespace fv {
namespace {

TEST(BlockList, RandomEditsMatchAPlainArray) {
    std::mt19937 rng(7);
    BlockList<int> list;
    std::vector<int> model;
    for (int step = 0; step < 60000; ++step) {
        int op = int(rng() % 100);
        if (op < 45 || model.empty()) {
            std::size_t at = rng() % (model.size() + 1);
            list.insert(at, step);
            model.insert(model.begin() + std::ptrdiff_t(at), step);
        } else if (op < 70) {
            list.push_back(step);
            model.push_back(step);
        } else if (op < 95) {
            std::size_t at = rng() % model.size();
            list.erase(at);
            model.erase(model.begin() + std::ptrdiff_t(at));
        } else {
            std::size_t at = rng() % model.size();
            list[at] = -step;
            model[at] = -step;
        }
        if (step % 997 == 0) {
            ASSERT_EQ(list.size(), model.size());
            for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(list[i], model[i]) << "at " << i;
        }
    }
    ASSERT_GT(model.size(), 2 * BlockList<int>::kBlock);  // the run went through splits
    // Reads in any order find their block.
    for (int k = 0; k < 2000; ++k) {
        std::size_t at = rng() % model.size();
        ASSERT_EQ(list[at], model[at]);
    }
    list.clear();
    EXPECT_EQ(list.size(), 0u);
    list.push_back(5);
    EXPECT_EQ(list[0], 5);
}

TEST(BlockList, UpperBoundFindsThePlaceAfterEqualValues) {
    BlockList<double> list;
    for (int i = 0; i < 5000; ++i) list.push_back(i / 3);  // each value three times
    EXPECT_EQ(list.UpperBound(-1.0, std::less<double>()), 0u);
    EXPECT_EQ(list.UpperBound(0.0, std::less<double>()), 3u);
    EXPECT_EQ(list.UpperBound(1000.0, std::less<double>()), 3003u);
    EXPECT_EQ(list.UpperBound(1e9, std::less<double>()), 5000u);
}

TEST(FilledList, TheUnstoredRunReadsAsTheFillValue) {
    std::mt19937 rng(3);
    FilledList<std::string> list{std::string()};
    std::vector<std::string> model;
    for (int step = 0; step < 20000; ++step) {
        int op = int(rng() % 10);
        // Mostly the fill value, as labels mostly are.
        std::string value = rng() % 8 == 0 ? "L" + std::to_string(step) : std::string();
        if (op < 5 || model.empty()) {
            std::size_t at = rng() % (model.size() + 1);
            list.Insert(at, value);
            model.insert(model.begin() + std::ptrdiff_t(at), value);
        } else if (op < 7) {
            std::size_t at = rng() % model.size();
            list.Set(at, value);
            model[at] = value;
        } else if (op < 9) {
            std::size_t at = rng() % model.size();
            list.Erase(at);
            model.erase(model.begin() + std::ptrdiff_t(at));
        } else {
            std::size_t a = rng() % model.size(), b = rng() % model.size();
            list.Swap(a, b);
            std::swap(model[a], model[b]);
        }
        ASSERT_EQ(list.size(), model.size());
        if (step % 211 == 0) {
            for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(list[i], model[i]) << "at " << i;
        }
    }
    list.Reset(4);
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list[3], "");
}

}  // namespace
}  // namespace fv
