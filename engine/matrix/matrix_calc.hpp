#pragma once

#include "engine/numeric_array.hpp"

// Matrix arithmetic on two-dimensional arrays (rows first, both counts at least 1). Every
// operation leaves its arguments unchanged and returns a new array; in place of a matrix
// it returns Failure() when an argument is not a matrix, the shapes do not fit, the
// matrix to invert is singular, or the result cannot be allocated. The class keeps no
// state.
class MatrixCalc {
 public:
  // The failure result: a one-dimensional array holding the single value 0.0. Callers
  // recognise it by its dimension count of 1.
  static NumericArray Failure();

  // A * B; A's column count must equal B's row count.
  static NumericArray Multiply(const NumericArray &a, const NumericArray &b);
  // A + B of the same shape.
  static NumericArray Add(const NumericArray &a, const NumericArray &b);
  static NumericArray Transpose(const NumericArray &a);
  // The inverse of a square matrix by Gauss-Jordan elimination with full pivoting. A pivot
  // of magnitude at most 2^-64 means singular. Zero elements of the inverse may be -0.
  static NumericArray Inverse(const NumericArray &a);
  static NumericArray ScalarMultiply(const NumericArray &a, double x);
};
