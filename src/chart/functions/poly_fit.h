// Least-squares polynomial fitting in extended precision: power rows, the normal equations, Gaussian
// elimination with partial pivoting and evaluation of the fitted polynomial.
//
// Rules:
// - A polynomial of m coefficients has the terms x^0 .. x^(m-1); m runs from 1 to MaxPolyCoefficients.
// - Everything is worked in long double: the normal equations of a high-degree fit square the spread of
//   the powers, and double precision loses the small coefficients.
// - A matrix that elimination finds singular (a pivot below the tolerance) gives a determinant of 0 and
//   no solution; PolyFit reports it as "Cannot process fitting".
#pragma once

#include <span>
#include <vector>

namespace fv {

using Extended = long double;

inline constexpr int MaxPolyCoefficients = 20;
// Pivots smaller than this count as zero.
inline constexpr Extended FitTolerance = 1e-15L;

// A square matrix of m rows, each of m values.
using ExtendedMatrix = std::vector<std::vector<Extended>>;

// 1, x, x^2 .. x^(m-1).
std::vector<Extended> PowerRow(int m, Extended x);

// c[0] + c[1] x + .. + c[m-1] x^(m-1).
Extended PolyValue(int m, std::span<const Extended> coefficients, Extended x);

// Solves matrix * solution = rightSide for m unknowns by elimination with partial pivoting (the largest
// absolute value of a column, the first one on ties, becomes its pivot). matrix and rightSide are worked
// in place. Returns the determinant: the product of the pivots, negated for an odd number of row swaps,
// or 0 when a pivot is below tolerance (solution is then left as it was).
Extended SolveLinear(int m, ExtendedMatrix& matrix, std::vector<Extended>& rightSide, Extended tolerance,
                     std::vector<Extended>& solution);

// The m coefficients of the least-squares polynomial through the n points (xs[j], ys[j]). Raises
// std::runtime_error "Cannot process fitting" when the normal matrix is singular, for example when the
// points have fewer distinct X values than the polynomial has coefficients.
std::vector<Extended> PolyFit(int n, int m, std::span<const Extended> xs, std::span<const Extended> ys);

}  // namespace fv
