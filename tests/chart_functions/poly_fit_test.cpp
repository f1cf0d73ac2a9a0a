// The fitting arithmetic: power rows, evaluation, elimination with pivoting and the least-squares fit.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "chart/functions/poly_fit.h"

namespace fv {
namespace {

TEST(PolyFit, PowerRowsAndValues) {
    EXPECT_EQ(PowerRow(4, 2), (std::vector<Extended>{1, 2, 4, 8}));
    EXPECT_EQ(PowerRow(1, 5), (std::vector<Extended>{1}));
    const Extended c[] = {1, -2, 0.5L};
    EXPECT_EQ(PolyValue(3, c, 4), 1 - 8 + 8);
    EXPECT_EQ(PolyValue(1, c, 4), 1);  // only the terms asked for
}

TEST(PolyFit, SolveLinear) {
    struct Case {
        const char* why;
        ExtendedMatrix matrix;
        std::vector<Extended> rightSide;
        Extended determinant;
        std::vector<Extended> solution;  // empty: none
    };
    const Case cases[] = {
        {"no swap", {{2, 1}, {1, 3}}, {3, 5}, 5, {0.8L, 1.4L}},
        {"a zero on the diagonal is swapped away; one swap negates", {{0, 1}, {1, 0}}, {2, 3}, -1, {3, 2}},
        {"the largest pivot is taken: pivots 3 and 2/3, one swap", {{1, 2}, {3, 4}}, {5, 6}, -2, {-4, 4.5L}},
        {"two swaps keep the sign", {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {1, 2, 3}, 1, {2, 3, 1}},
        {"dependent rows are singular", {{1, 2}, {2, 4}}, {1, 2}, 0, {}},
        {"a pivot below the tolerance counts as 0", {{1e-16L, 0}, {0, 1}}, {1, 1}, 0, {}},
        {"a last pivot below the tolerance counts as 0", {{1, 0}, {0, 1e-16L}}, {1, 1}, 0, {}},
        {"one unknown", {{4}}, {2}, 4, {0.5L}},
    };
    for (Case c : cases) {
        std::vector<Extended> solution;
        Extended det = SolveLinear(int(c.matrix.size()), c.matrix, c.rightSide, FitTolerance, solution);
        EXPECT_NEAR(double(det), double(c.determinant), 1e-15) << c.why;
        ASSERT_EQ(solution.size(), c.solution.size()) << c.why;
        for (std::size_t i = 0; i < solution.size(); ++i)
            EXPECT_NEAR(double(solution[i]), double(c.solution[i]), 1e-15) << c.why << " #" << i;
    }
}

TEST(PolyFit, LeastSquares) {
    // Three points on 1 + 2x, two coefficients: the line exactly.
    {
        const Extended xs[] = {0, 1, 2}, ys[] = {1, 3, 5};
        std::vector<Extended> c = PolyFit(3, 2, xs, ys);
        ASSERT_EQ(c.size(), 2u);
        EXPECT_NEAR(double(c[0]), 1, 1e-15);
        EXPECT_NEAR(double(c[1]), 2, 1e-15);
    }
    // One coefficient: the mean.
    {
        const Extended xs[] = {0, 1, 2, 3}, ys[] = {1, 2, 4, 9};
        std::vector<Extended> c = PolyFit(4, 1, xs, ys);
        EXPECT_NEAR(double(c.at(0)), 4, 1e-15);
    }
    // Points off a line, (0,0), (1,1), (2,1), (3,3), worked by hand: n = 4, Σx = 6, Σy = 5, Σx² = 14,
    // Σxy = 12; slope (4·12 − 6·5) / (4·14 − 6²) = 0.9, intercept (5 − 0.9·6) / 4 = −0.1.
    {
        const Extended xs[] = {0, 1, 2, 3}, ys[] = {0, 1, 1, 3};
        std::vector<Extended> c = PolyFit(4, 2, xs, ys);
        EXPECT_NEAR(double(c[0]), -0.1, 1e-15);
        EXPECT_NEAR(double(c[1]), 0.9, 1e-15);
    }
}

TEST(PolyFit, SingularFitsAreRefused) {
    // Two distinct X values cannot fix three coefficients.
    const Extended xs[] = {1, 1, 2, 2}, ys[] = {1, 2, 3, 4};
    try {
        PolyFit(4, 3, xs, ys);
        ADD_FAILURE() << "fitted";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cannot process fitting");
    }
    EXPECT_THROW(PolyFit(0, 1, xs, ys), std::runtime_error);   // no points
    EXPECT_THROW(PolyFit(4, 21, xs, ys), std::runtime_error);  // more coefficients than the fit keeps
}

}  // namespace
}  // namespace fv
