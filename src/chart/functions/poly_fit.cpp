// Least-squares polynomial fitting: the normal equations solved by Gaussian elimination.
#include "chart/functions/poly_fit.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace fv {

std::vector<Extended> PowerRow(int m, Extended x) {
    std::vector<Extended> row(std::size_t(m > 0 ? m : 0));
    Extended power = 1;
    for (Extended& term : row) {
        term = power;
        power *= x;
    }
    return row;
}

Extended PolyValue(int m, std::span<const Extended> coefficients, Extended x) {
    // Horner's rule: one multiplication per term and no separate powers to overflow early.
    Extended value = 0;
    for (int k = m - 1; k >= 0; --k) value = value * x + coefficients[std::size_t(k)];
    return value;
}

Extended SolveLinear(int m, ExtendedMatrix& matrix, std::vector<Extended>& rightSide, Extended tolerance,
                     std::vector<Extended>& solution) {
    if (m < 1) return 0;
    int swaps = 0;
    Extended determinant = 1;
    for (int i = 0; i < m - 1; ++i) {
        int pivotRow = i;
        for (int j = i + 1; j < m; ++j)
            if (std::fabs(matrix[j][i]) > std::fabs(matrix[pivotRow][i])) pivotRow = j;
        if (pivotRow != i) {
            std::swap(matrix[pivotRow], matrix[i]);
            std::swap(rightSide[pivotRow], rightSide[i]);
            ++swaps;
        }
        const Extended pivot = matrix[i][i];
        // Not below: also stops at a pivot that is not a number.
        if (!(std::fabs(pivot) >= tolerance)) return 0;
        determinant *= pivot;
        for (int j = i + 1; j < m; ++j) {
            const Extended factor = matrix[j][i] / pivot;
            if (factor == 0) continue;
            for (int k = i; k < m; ++k) matrix[j][k] -= factor * matrix[i][k];
            rightSide[j] -= factor * rightSide[i];
        }
    }
    const Extended last = matrix[m - 1][m - 1];
    if (!(std::fabs(last) >= tolerance)) return 0;
    determinant *= last;

    std::vector<Extended> c(std::size_t(m), 0);
    for (int i = m - 1; i >= 0; --i) {
        Extended sum = rightSide[i];
        for (int k = i + 1; k < m; ++k) sum -= matrix[i][k] * c[k];
        c[i] = sum / matrix[i][i];
    }
    solution = std::move(c);
    return swaps % 2 ? -determinant : determinant;
}

std::vector<Extended> PolyFit(int n, int m, std::span<const Extended> xs, std::span<const Extended> ys) {
    if (m < 1 || m > MaxPolyCoefficients || n < 1) throw std::runtime_error("Cannot process fitting");
    ExtendedMatrix normal(std::size_t(m), std::vector<Extended>(std::size_t(m), 0));
    std::vector<Extended> rightSide(std::size_t(m), 0);
    for (int j = 0; j < n; ++j) {
        const std::vector<Extended> row = PowerRow(m, xs[std::size_t(j)]);
        for (int i = 0; i < m; ++i) {
            for (int k = 0; k < m; ++k) normal[i][k] += row[i] * row[k];
            rightSide[i] += row[i] * ys[std::size_t(j)];
        }
    }
    std::vector<Extended> coefficients;
    if (SolveLinear(m, normal, rightSide, FitTolerance, coefficients) == 0)
        throw std::runtime_error("Cannot process fitting");
    return coefficients;
}

}  // namespace fv
