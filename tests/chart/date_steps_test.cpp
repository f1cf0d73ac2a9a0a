// Date-time steps: the table searches, rounding to a step, calendar steps in both directions, and the
// 1-2-5 step series, including the values where the plain rules never ended or left the calendar.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/date_steps.h"

namespace fv {
namespace {

double D(int y, int m, int d, double hours = 0) {
    double date = 0;
    EXPECT_TRUE(EncodeDate(y, m, d, date)) << y << "-" << m << "-" << d;
    return date + hours / 24;
}

TEST(Dates, DayNumbersCountFrom30December1899) {
    EXPECT_EQ(D(1899, 12, 30), 0);
    EXPECT_EQ(D(1900, 1, 1), 2);
    EXPECT_EQ(D(2000, 1, 1), 36526);
    EXPECT_EQ(D(1, 1, 1), -693593);
    EXPECT_EQ(D(9999, 12, 31), 2958465);
    double unused;
    EXPECT_FALSE(EncodeDate(0, 12, 31, unused));
    EXPECT_FALSE(EncodeDate(10000, 1, 1, unused));
    EXPECT_FALSE(EncodeDate(2021, 2, 29, unused));
    int y, m, d;
    ASSERT_TRUE(DecodeDate(D(2024, 2, 29, 13), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
    EXPECT_FALSE(DecodeDate(2958466, y, m, d));
    EXPECT_FALSE(DecodeDate(NAN, y, m, d));
    EXPECT_FALSE(DecodeDate(INFINITY, y, m, d));
}

TEST(DateSteps, TableSearches) {
    struct Case {
        double step, above;
    };
    const Case above[] = {
        {1, 2}, {1.5, 2}, {400, 365}, {0.5 * OneSecond, 365}, {OneSecond, 5 * OneSecond}, {182, 365}, {NAN, 365},
    };
    for (const Case& c : above) EXPECT_EQ(DateTimeStepAbove(c.step), c.above) << c.step;
    EXPECT_EQ(DateTimeStepIndex(0.25), 12);
    EXPECT_EQ(DateTimeStepIndex(0.3), 25);
    EXPECT_EQ(DateTimeStepIndex(30), 19);
    EXPECT_EQ(DateTimeStepIndex(365), 24);
    EXPECT_EQ(DateTimeStepIndex(1.0 / 86400 * 1.5), 0);  // within a second of 1 second
    EXPECT_EQ(DateTimeDefaultFormat(7), "m/d/yyyy");      // above a day: the short date
    EXPECT_EQ(DateTimeDefaultFormat(1), "h:nn");          // a day or less: the short time
}

TEST(DateSteps, RoundDateToStep) {
    struct Case {
        int index;
        double date, rounded;
    };
    const Case cases[] = {
        {24, D(1999, 8, 17, 13), D(1999, 1, 1)},
        {10, D(1999, 8, 17, 13), D(1999, 8, 17)},
        {18, D(1999, 8, 14, 5), D(1999, 8, 1)},
        {18, D(1999, 8, 15), D(1999, 8, 15)},
        {18, D(1999, 8, 31), D(1999, 8, 15)},
        {21, D(1999, 8, 31), D(1999, 8, 1)},
        {24, D(1900, 1, 1, 12) - 0.5, D(1900, 1, 1)},  // 1 January 1900 and before stay
        {24, 1e9, 1e9},                                // not a date: stays
        {24, NAN, NAN},
    };
    for (const Case& c : cases) {
        double got = RoundDateToStep(c.index, c.date);
        if (std::isnan(c.rounded)) EXPECT_TRUE(std::isnan(got));
        else EXPECT_EQ(got, c.rounded) << c.index << " " << c.date;
    }
}

TEST(DateSteps, StepDateTimeBothWays) {
    struct Case {
        const char* why;
        bool increment, exact;
        double from;
        int index;
        double to;
    };
    const Case cases[] = {
        {"not exact: plus the step", true, false, D(2020, 1, 31, 6), 19, D(2020, 1, 31, 6) + 30},
        {"a month on: the 1st of the next month", true, true, D(2020, 1, 31, 6), 19, D(2020, 2, 1)},
        {"three months back over the new year", false, true, D(2020, 2, 10), 21, D(2019, 11, 1)},
        {"six months on over the new year", true, true, D(2020, 9, 3), 23, D(2021, 3, 1)},
        {"a year on keeps the day", true, true, D(2019, 8, 17), 24, D(2020, 8, 17)},
        {"29 February plus a year is the 28th", true, true, D(2024, 2, 29), 24, D(2025, 2, 28)},
        {"29 February less a year is the 28th", false, true, D(2024, 2, 29), 24, D(2023, 2, 28)},
        {"half month on from the 3rd: the 15th", true, true, D(2020, 5, 3), 18, D(2020, 5, 15)},
        {"half month on from the 15th: the 1st of the next", true, true, D(2020, 5, 15), 18, D(2020, 6, 1)},
        {"half month on from the 20th of December", true, true, D(2020, 12, 20), 18, D(2021, 1, 1)},
        {"half month back from the 20th: the 15th", false, true, D(2020, 5, 20), 18, D(2020, 5, 15)},
        {"half month back from the 15th: the 1st", false, true, D(2020, 5, 15), 18, D(2020, 5, 1)},
        {"half month back from the 1st: the 15th before", false, true, D(2020, 1, 1), 18, D(2019, 12, 15)},
        {"hours stay plain steps", true, true, D(2020, 5, 15, 6), 10, D(2020, 5, 15, 7)},
        {"a year past 9999 is no date: the plain step", true, true, D(9999, 6, 1), 24, D(9999, 6, 1) + 365},
    };
    for (const Case& c : cases) {
        double date = c.from;
        StepDateTime(c.increment, c.exact, date, c.index, DateTimeStep(c.index));
        EXPECT_NEAR(date, c.to, 1e-9) << c.why;
    }
    // Stepped forward, half months only ever increase and visit the 1st and the 15th.
    double date = D(2020, 1, 7);
    for (int i = 0; i < 30; ++i) {
        double next = date;
        StepDateTime(true, true, next, 18, 15);
        ASSERT_GT(next, date);
        int y, m, d;
        DecodeDate(next, y, m, d);
        ASSERT_TRUE(d == 1 || d == 15);
        date = next;
    }
}

TEST(NiceSteps, OneTwoFive) {
    struct Case {
        double x, step;
    };
    const Case cases[] = {
        {0.03, 0.05}, {7, 10}, {250, 500}, {1, 2}, {2, 5}, {5, 10}, {10, 20}, {0.1, 0.2}, {999, 1000},
        // Not positive or not finite: 1, where the rules recursed for ever.
        {0, 1}, {-3, 1}, {INFINITY, 1}, {-INFINITY, 1}, {NAN, 1},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(NextNiceStep(c.x), c.step) << c.x;
    // At the ends of the doubles the answer is still a positive finite step not below x.
    double huge = std::numeric_limits<double>::max() / 2;
    EXPECT_GE(NextNiceStep(huge), huge);
    EXPECT_TRUE(std::isfinite(NextNiceStep(huge)));
    EXPECT_GT(NextNiceStep(std::numeric_limits<double>::denorm_min()), 0);
}

}  // namespace
}  // namespace fv
