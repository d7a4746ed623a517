#include "engine/linear/gauss_jordan.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

bool GaussJordan::Eliminate(std::span<const double> a, std::span<const double> b,
                            std::span<double> x, std::span<double> inverse, double &det) {
  const std::size_t n = b.size();
  if (a.size() != n * n || inverse.size() != n * n || x.size() != n) return false;

  // Work on copies so that a singular matrix leaves the caller's buffers as they were.
  std::vector<double> w(a.begin(), a.end());
  std::vector<double> rhs(b.begin(), b.end());
  std::vector<bool> used(n, false);
  std::vector<std::size_t> pivotRow(n), pivotColumn(n);
  auto at = [&w, n](std::size_t row, std::size_t column) -> double & {
    return w[row * n + column];
  };

  double product = 1.0;
  for (std::size_t step = 0; step < n; ++step) {
    // Full pivoting: the first element of largest magnitude among the rows and columns
    // not yet used. A NaN never wins, so a matrix of zeros and NaNs counts as singular.
    double largest = 0.0;
    std::size_t irow = 0, icol = 0;
    for (std::size_t r = 0; r < n; ++r) {
      if (used[r]) continue;
      for (std::size_t c = 0; c < n; ++c) {
        if (!used[c] && std::abs(at(r, c)) > largest) {
          largest = std::abs(at(r, c));
          irow = r;
          icol = c;
        }
      }
    }
    if (largest == 0.0) {
      det = 0.0;
      return false;
    }

    used[icol] = true;
    pivotRow[step] = irow;
    pivotColumn[step] = icol;
    if (irow != icol) {
      product = -product;
      for (std::size_t c = 0; c < n; ++c) std::swap(at(irow, c), at(icol, c));
      std::swap(rhs[irow], rhs[icol]);
    }

    const double pivot = at(icol, icol);
    product *= pivot;
    if (product > 1e20) product = 1e30;

    at(icol, icol) = 1.0;
    for (std::size_t c = 0; c < n; ++c) at(icol, c) /= pivot;
    rhs[icol] /= pivot;

    for (std::size_t row = 0; row < n; ++row) {
      if (row == icol) continue;
      const double factor = at(row, icol);
      at(row, icol) = 0.0;
      for (std::size_t c = 0; c < n; ++c) at(row, c) -= factor * at(icol, c);
      rhs[row] -= factor * rhs[icol];
    }
  }

  // The row exchanges permuted the unknowns; exchanging the columns back in reverse order
  // turns the working matrix into the inverse of a.
  for (std::size_t step = n; step-- > 0;) {
    if (pivotRow[step] == pivotColumn[step]) continue;
    for (std::size_t row = 0; row < n; ++row) {
      std::swap(at(row, pivotRow[step]), at(row, pivotColumn[step]));
    }
  }

  std::copy(w.begin(), w.end(), inverse.begin());
  std::copy(rhs.begin(), rhs.end(), x.begin());
  det = product;
  return true;
}

bool GaussJordan::Solve(const NumericArray &a, NumericArray &b, NumericArray &x,
                        NumericArray &inverse, double &det) {
  if (a.DimensionCount() != 2 || inverse.DimensionCount() != 2 || b.DimensionCount() != 1 ||
      x.DimensionCount() != 1) {
    return false;
  }
  const int n = a.Count(0);
  if (n < 1 || n > kMaxVariables || a.Count(1) != n || b.Count(0) != n || x.Count(0) != n ||
      inverse.Count(0) != n || inverse.Count(1) != n) {
    return false;
  }
  // The only test for an unusable matrix: a zero (or NaN) anywhere is refused, even in a
  // regular matrix.
  for (double coefficient : a.Values()) {
    if (!(std::abs(coefficient) > 0.0)) return false;
  }

  if (!Eliminate(a.Values(), b.Values(), x.Values(), inverse.Values(), det)) return false;
  std::copy(x.Values().begin(), x.Values().end(), b.Values().begin());
  return true;
}
