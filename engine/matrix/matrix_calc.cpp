#include "engine/matrix/matrix_calc.hpp"

#include <cmath>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace {

using Extended = long double;

// A matrix is exactly two-dimensional with at least one row and one column.
bool IsMatrix(const NumericArray &a) {
  return a.DimensionCount() == 2 && a.Count(0) >= 1 && a.Count(1) >= 1;
}

// Runs build() and hands back its matrix, or the failure result when it cannot allocate.
template <typename Build>
NumericArray Allocating(Build build) {
  try {
    return build();
  } catch (const std::bad_alloc &) {
    return MatrixCalc::Failure();
  }
}

// A pivot no greater than this is lost when added to 1 in extended precision: the matrix is
// singular.
const Extended kSingularPivot = std::ldexp(1.0L, -64);

}  // namespace

NumericArray MatrixCalc::Failure() { return NumericArray::Vector({0.0}); }

NumericArray MatrixCalc::Multiply(const NumericArray &a, const NumericArray &b) {
  if (!IsMatrix(a) || !IsMatrix(b) || a.Count(1) != b.Count(0)) return Failure();
  return Allocating([&] {
    const int rows = a.Count(0), inner = a.Count(1), columns = b.Count(1);
    NumericArray c = NumericArray::Matrix(rows, columns);
    for (int i = 0; i < rows; ++i) {
      for (int j = 0; j < columns; ++j) {
        // Each term is formed in extended precision; the running sum is stored as a double.
        double sum = 0.0;
        for (int k = 0; k < inner; ++k) {
          sum = static_cast<double>(sum + static_cast<Extended>(a.At(i, k)) * b.At(k, j));
        }
        c.At(i, j) = sum;
      }
    }
    return c;
  });
}

NumericArray MatrixCalc::Add(const NumericArray &a, const NumericArray &b) {
  if (!IsMatrix(a) || !IsMatrix(b) || a.Count(0) != b.Count(0) || a.Count(1) != b.Count(1)) {
    return Failure();
  }
  return Allocating([&] {
    NumericArray c = a;
    for (std::size_t i = 0; i < c.Size(); ++i) c[i] += b[i];
    return c;
  });
}

NumericArray MatrixCalc::Transpose(const NumericArray &a) {
  if (!IsMatrix(a)) return Failure();
  return Allocating([&] {
    NumericArray c = NumericArray::Matrix(a.Count(1), a.Count(0));
    for (int i = 0; i < a.Count(0); ++i) {
      for (int j = 0; j < a.Count(1); ++j) c.At(j, i) = a.At(i, j);
    }
    return c;
  });
}

NumericArray MatrixCalc::ScalarMultiply(const NumericArray &a, double x) {
  if (!IsMatrix(a)) return Failure();
  return Allocating([&] {
    NumericArray c = a;
    for (double &v : c.Values()) v *= x;
    return c;
  });
}

NumericArray MatrixCalc::Inverse(const NumericArray &a) {
  if (!IsMatrix(a) || a.Count(0) != a.Count(1)) return Failure();
  return Allocating([&]() -> NumericArray {
    const int n = a.Count(0);
    NumericArray w = a;
    std::vector<int> pivotRow(static_cast<std::size_t>(n)), pivotColumn(pivotRow.size());
    auto swapRows = [&w, n](int r1, int r2) {
      for (int j = 0; j < n; ++j) std::swap(w.At(r1, j), w.At(r2, j));
    };
    auto swapColumns = [&w, n](int c1, int c2) {
      for (int i = 0; i < n; ++i) std::swap(w.At(i, c1), w.At(i, c2));
    };

    for (int k = 0; k < n; ++k) {
      // Full pivoting over the rows and columns from k on: the first element of largest
      // magnitude. A NaN never wins.
      double largest = 0.0;
      int row = k, column = k;
      for (int i = k; i < n; ++i) {
        for (int j = k; j < n; ++j) {
          if (std::abs(w.At(i, j)) > largest) {
            largest = std::abs(w.At(i, j));
            row = i;
            column = j;
          }
        }
      }
      if (largest <= kSingularPivot) return Failure();
      pivotRow[static_cast<std::size_t>(k)] = row;
      pivotColumn[static_cast<std::size_t>(k)] = column;
      if (row != k) swapRows(k, row);
      if (column != k) swapColumns(k, column);

      // The elimination in place: each product is formed in extended precision and the
      // element stored as a double.
      w.At(k, k) = static_cast<double>(1.0L / w.At(k, k));
      const Extended reciprocal = w.At(k, k);
      for (int j = 0; j < n; ++j) {
        if (j != k) w.At(k, j) = static_cast<double>(w.At(k, j) * reciprocal);
      }
      for (int i = 0; i < n; ++i) {
        if (i == k) continue;
        const Extended factor = w.At(i, k);
        for (int j = 0; j < n; ++j) {
          if (j != k) w.At(i, j) = static_cast<double>(w.At(i, j) - w.At(k, j) * factor);
        }
      }
      for (int i = 0; i < n; ++i) {
        if (i != k) w.At(i, k) = static_cast<double>(-(reciprocal * w.At(i, k)));
      }
    }

    // Undo the exchanges in reverse order: a row exchange becomes a column exchange of the
    // inverse and the other way round.
    for (int k = n - 1; k >= 0; --k) {
      const auto step = static_cast<std::size_t>(k);
      if (pivotColumn[step] != k) swapRows(k, pivotColumn[step]);
      if (pivotRow[step] != k) swapColumns(k, pivotRow[step]);
    }
    return w;
  });
}
