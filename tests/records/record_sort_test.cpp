// The record order: category, then up to three fields read as numbers where they hold digits.
#include <gtest/gtest.h>

#include <random>

#include "records/record_sort.h"

namespace fv {
namespace {

DatabaseRecord Rec(const std::string& category, const std::string& f1, const std::string& f2 = {}) {
    DatabaseRecord r;
    r.Category = category;
    r.Field[0] = f1;
    r.Field[1] = f2;
    return r;
}

TEST(CompareRecords, OrderRules) {
    SortKeys byField1;
    byField1.Key[0] = 0;
    struct Case {
        DatabaseRecord a, b;
        int sign;
    };
    const Case cases[] = {
        {Rec("A", "Item 9"), Rec("A", "Item 10"), -1},  // numbers, not texts
        {Rec("A", "5"), Rec("A", "abc"), -1},           // a text without digits sorts as text: "5" < "abc"
        {Rec("A", "Zeta"), Rec("A", "alpha"), -1},      // upper case before lower case
        {Rec("A", "3"), Rec("A", "-5"), -1},            // signs are dropped
        {Rec("B", "1"), Rec("A", "2"), 1},              // category first
        {Rec("Ab", "1"), Rec("A", "1"), 1},             // a prefix comes first
        {Rec("A", "16777216"), Rec("A", "16777217"), -1},  // full precision
        {Rec("A", "x"), Rec("A", "x"), 0},
    };
    for (const Case& c : cases) {
        int got = CompareRecords(c.a, c.b, byField1);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a.Field[0] << " vs " << c.b.Field[0];
    }
    // Without keys only the category counts.
    EXPECT_EQ(CompareRecords(Rec("A", "2"), Rec("A", "1"), SortKeys{}), 0);
}

TEST(SortRecords, StableMarksExactlyTheRecordsThatMoved) {
    DatabaseState db;
    db.RecordCount = 5;
    db.RecordTable[0] = Rec("Car", "10", "first");
    db.RecordTable[1] = Rec("Car", "9", "second");
    db.RecordTable[2] = Rec("Car", "20", "third");
    db.RecordTable[3] = Rec("Car", "20", "fourth");  // equal to the third: stays after it
    db.RecordTable[4] = Rec("Van", "1", "fifth");
    SortKeys keys;
    keys.Key[0] = 0;
    EXPECT_EQ(SortRecords(db, keys), 2);
    std::vector<std::string> order, marks;
    for (int i = 0; i < 5; ++i) {
        order.push_back(db.RecordTable[std::size_t(i)].Field[1]);
        marks.push_back(std::to_string(db.RecordTable[std::size_t(i)].NeedsPublishing));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first", "third", "fourth", "fifth"}));
    EXPECT_EQ(marks, (std::vector<std::string>{"1", "1", "0", "0", "0"}));
    EXPECT_EQ(db.RecordTable[0].SortPosition, 2);

    // Sorting a sorted table moves and marks nothing.
    for (int i = 0; i < 5; ++i) db.RecordTable[std::size_t(i)].NeedsPublishing = 0;
    EXPECT_EQ(SortRecords(db, keys), 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(db.RecordTable[std::size_t(i)].NeedsPublishing, 0);
}

// A table large and tied enough that an unstable sort reorders it: 3000 records over two categories and
// three values of the key, shuffled; the records that compare equal must keep their order.
TEST(SortRecords, TiedRecordsKeepTheirOrderInALargeTable) {
    DatabaseState db;
    const int n = 3000;
    db.RecordCount = n;
    std::mt19937 random(15);
    for (int i = 0; i < n; ++i) {
        const unsigned pick = random();
        db.RecordTable[std::size_t(i)] =
            Rec(pick % 2 ? "Car" : "Van", std::to_string(pick / 2 % 3), std::to_string(i));
    }
    SortKeys keys;
    keys.Key[0] = 0;
    SortRecords(db, keys);
    for (int i = 1; i < n; ++i) {
        const DatabaseRecord& a = db.RecordTable[std::size_t(i - 1)];
        const DatabaseRecord& b = db.RecordTable[std::size_t(i)];
        ASSERT_LE(CompareRecords(a, b, keys), 0) << i;
        if (CompareRecords(a, b, keys) == 0) {
            ASSERT_LT(std::stoi(a.Field[1]), std::stoi(b.Field[1])) << "tied records swapped at " << i;
        }
    }
}

TEST(SortRecords, WithoutKeysCategoriesStillOrderButNothingIsMarked) {
    DatabaseState db;
    db.RecordCount = 2;
    db.RecordTable[0] = Rec("Van", "a");
    db.RecordTable[1] = Rec("Car", "b");
    EXPECT_EQ(SortRecords(db, SortKeys{}), 2);
    EXPECT_EQ(db.RecordTable[0].Category, "Car");
    EXPECT_EQ(db.RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(db.RecordTable[1].NeedsPublishing, 0);
}

}  // namespace
}  // namespace fv
