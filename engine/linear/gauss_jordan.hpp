#pragma once

#include <span>

#include "engine/numeric_array.hpp"

// Simultaneous linear equations A x = b by Gauss-Jordan elimination with full pivoting,
// yielding in the same pass the inverse of A and its determinant. The class keeps no
// state; both operations may be called on any object or without one.
class GaussJordan {
 public:
  // Largest system the equations window hands over.
  static constexpr int kMaxVariables = 50;

  // The checked entry of the equations window. a is an n x n matrix (row i holds the
  // coefficients of equation i), b and x hold n elements, inverse is n x n, 1 <= n <= 50,
  // and no coefficient of a may be 0 or NaN. When these do not hold: false, nothing written.
  // Otherwise it eliminates: x and b receive the solution, inverse the inverse of a, det its
  // determinant, and the result is true. a is never changed. A singular matrix (see
  // Eliminate) gives false with det = 0 and b, x and inverse unchanged.
  static bool Solve(const NumericArray &a, NumericArray &b, NumericArray &x, NumericArray &inverse,
                    double &det);

  // The elimination itself, without the checks of Solve, for callers that build their own
  // systems (the least-squares fit). n is the size of b; a and inverse hold n * n elements
  // in row-major order and x holds n. On success x receives the solution, inverse the
  // inverse of a, det the determinant, and the result is true. Once the running product of
  // the pivots exceeds 1e20 it is replaced by 1e30 and the elimination goes on from there
  // (a guard against overflow on large systems; negative products are not limited).
  //
  // When a pivot search finds no element with a magnitude above 0 the matrix is singular:
  // det = 0, x and inverse are left as they were, and the result is false. Buffers whose
  // sizes do not fit n are refused the same way but leave det alone too.
  static bool Eliminate(std::span<const double> a, std::span<const double> b, std::span<double> x,
                        std::span<double> inverse, double &det);
};
