#pragma once

#include <cstdint>

#include "engine/numeric_array.hpp"

// Curve fitting on point data: the least-squares polynomial, the natural cubic spline table
// and the value of such a table at a point. The class keeps no state; every operation works
// on its arguments only. Output arrays are supplied at their final sizes and filled in place.
//
// Each operation first checks shapes: every array must have the stated number of dimensions
// with at least one element in each; otherwise it returns false and writes nothing.
class CurveFit {
 public:
  // The polynomial of degree c - 1 (c = coefficients' count) fitted to the n points (x, y)
  // by least squares. x, y, fitted and residuals hold n elements; coefficients and
  // coefficientErrors hold c, the constant term first. Writes the coefficients, the fitted
  // values, the residuals (fitted - y), the standard error of the fit, the standard error of
  // each coefficient, r squared and r (not a number when r squared is negative), and
  // singular = 1 when the determinant of the normal matrix is below 1e-7 or not a number,
  // else 0; these are written also when singular is 1.
  //
  // When c >= n (too few points for the degree) or the normal matrix is exactly singular,
  // only singular = 1 is written and the result is still true.
  static bool LeastSquares(const NumericArray &x, const NumericArray &y, NumericArray &coefficients,
                           NumericArray &fitted, NumericArray &residuals, double &standardError,
                           NumericArray &coefficientErrors, double &rSquared, double &r,
                           std::int32_t &singular);

  // The natural cubic spline through the n points (x, y) in the order given, as a table of
  // n rows and 4 columns. Row k holds a, b, c, d of a + b t + c t^2 + d t^3 with t = x - x_k
  // on the interval that starts at x_k; the last row is (y, slope, 0, 0) at the last point.
  // A single point gives the row (y, 0, 0, 0). The x values are not checked: equal
  // neighbours give infinite or undefined coefficients.
  static bool SplineCoefficients(const NumericArray &x, const NumericArray &y, NumericArray &table);

  // The value at xv of the spline table made for the points x (n elements, n x 4 table).
  // False, y unwritten, when xv lies outside the span of x or is not a number.
  static bool SplineValue(const NumericArray &x, const NumericArray &table, double xv, double &y);
};
