#include "engine/fit/curve_fit.hpp"

#include <cmath>
#include <cstddef>
#include <vector>

#include "engine/linear/gauss_jordan.hpp"

namespace {

bool IsVector(const NumericArray &a) { return a.DimensionCount() == 1 && a.Count(0) >= 1; }

bool IsTable(const NumericArray &a, std::size_t rows) {
  return a.DimensionCount() == 2 && a.Count(0) >= 1 &&
         static_cast<std::size_t>(a.Count(0)) == rows && a.Count(1) == 4;
}

// A normal matrix whose determinant falls below this is reported as (nearly) singular.
constexpr double kSingularDeterminant = 1e-7;

}  // namespace

bool CurveFit::LeastSquares(const NumericArray &x, const NumericArray &y,
                            NumericArray &coefficients, NumericArray &fitted,
                            NumericArray &residuals, double &standardError,
                            NumericArray &coefficientErrors, double &rSquared, double &r,
                            std::int32_t &singular) {
  if (!IsVector(x) || !IsVector(y) || !IsVector(coefficients) || !IsVector(fitted) ||
      !IsVector(residuals) || !IsVector(coefficientErrors)) {
    return false;
  }
  const std::size_t n = x.Size();
  const std::size_t c = coefficients.Size();
  if (y.Size() != n || fitted.Size() != n || residuals.Size() != n ||
      coefficientErrors.Size() != c) {
    return false;
  }
  if (c >= n) {
    singular = 1;
    return true;
  }

  // Design matrix: row i is 1, x_i, x_i^2, ..., x_i^(c-1).
  std::vector<double> design(n * c);
  for (std::size_t i = 0; i < n; ++i) {
    double power = 1.0;
    for (std::size_t j = 0; j < c; ++j) {
      design[i * c + j] = power;
      power *= x[i];
    }
  }

  // Normal equations: A = X^T X, g = X^T y.
  std::vector<double> normal(c * c);
  std::vector<double> g(c);
  for (std::size_t j = 0; j < c; ++j) {
    for (std::size_t k = 0; k < c; ++k) {
      double sum = 0.0;
      for (std::size_t i = 0; i < n; ++i) sum += design[i * c + j] * design[i * c + k];
      normal[j * c + k] = sum;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) sum += design[i * c + j] * y[i];
    g[j] = sum;
  }

  std::vector<double> solution(c);
  std::vector<double> inverse(c * c);
  double det = 0.0;
  if (!GaussJordan::Eliminate(normal, g, solution, inverse, det)) {
    // No solution at all: reported like too few points.
    singular = 1;
    return true;
  }

  long double sse = 0.0L;
  long double sy = 0.0L;
  long double syy = 0.0L;
  for (std::size_t i = 0; i < n; ++i) {
    double value = 0.0;
    for (std::size_t j = 0; j < c; ++j) value += design[i * c + j] * solution[j];
    const double residual = value - y[i];
    fitted[i] = value;
    residuals[i] = residual;
    sse += static_cast<long double>(residual) * residual;
    sy += y[i];
    syy += static_cast<long double>(y[i]) * y[i];
  }

  for (std::size_t j = 0; j < c; ++j) coefficients[j] = solution[j];
  standardError = static_cast<double>(std::sqrt(sse / static_cast<long double>(n - c)));
  for (std::size_t j = 0; j < c; ++j) {
    coefficientErrors[j] = std::sqrt(std::fabs(inverse[j * c + j])) * standardError;
  }
  rSquared = static_cast<double>(1.0L - sse / (syy - sy * sy / static_cast<long double>(n)));
  r = std::sqrt(rSquared);
  singular = (det < kSingularDeterminant || std::isnan(det)) ? 1 : 0;
  return true;
}

bool CurveFit::SplineCoefficients(const NumericArray &x, const NumericArray &y,
                                  NumericArray &table) {
  if (!IsVector(x) || !IsVector(y) || y.Size() != x.Size() || !IsTable(table, x.Size())) {
    return false;
  }
  const std::size_t n = x.Size();
  if (n == 1) {
    // No interval to take a slope from: the spline is the constant y_0.
    table.At(0, 0) = y[0];
    table.At(0, 1) = table.At(0, 2) = table.At(0, 3) = 0.0;
    return true;
  }

  const std::size_t m = n - 1;  // intervals
  std::vector<double> h(m);
  for (std::size_t k = 0; k < m; ++k) h[k] = x[k + 1] - x[k];

  // One equation per interior point k = 1 .. m-1 in the unknowns M_1 .. M_(m-1), the
  // quadratic coefficients; the natural ends fix M_0 = M_m = 0.
  std::vector<double> sub(m), diagonal(m), super(m), right(m), curvature(n, 0.0);
  for (std::size_t k = 1; k < m; ++k) {
    sub[k] = h[k - 1];
    diagonal[k] = 2 * (h[k - 1] + h[k]);
    super[k] = h[k];
    right[k] = 3 * ((y[k + 1] - y[k]) / h[k] - (y[k] - y[k - 1]) / h[k - 1]);
  }
  // Forward elimination of the tridiagonal system; a negligible factor leaves its row alone.
  for (std::size_t k = 2; k < m; ++k) {
    const double f = sub[k] / diagonal[k - 1];
    if (std::fabs(f) > 1e-20) {
      diagonal[k] = diagonal[k] - f * super[k - 1];
      right[k] = right[k] - f * right[k - 1];
    }
  }
  if (m >= 2) {
    curvature[m - 1] = right[m - 1] / diagonal[m - 1];
    for (std::size_t k = m - 2; k >= 1; --k) {
      curvature[k] = (right[k] - super[k] * curvature[k + 1]) / diagonal[k];
    }
  }

  double slope = (y[1] - y[0]) / h[0] - h[0] * curvature[1] / 3;
  for (std::size_t k = 0; k <= m; ++k) {
    if (k > 0) slope = slope + h[k - 1] * (curvature[k - 1] + curvature[k]);
    const auto row = static_cast<std::int32_t>(k);
    table.At(row, 0) = y[k];
    table.At(row, 1) = slope;
    table.At(row, 2) = curvature[k];
    table.At(row, 3) = k < m ? (curvature[k + 1] - curvature[k]) / (3 * h[k]) : 0.0;
  }
  return true;
}

bool CurveFit::SplineValue(const NumericArray &x, const NumericArray &table, double xv, double &y) {
  if (!IsVector(x) || !IsTable(table, x.Size())) return false;
  const std::size_t n = x.Size();
  std::size_t i = 0;
  while (i + 1 < n && !(x[i] <= xv && xv < x[i + 1])) ++i;
  // No interval holds xv: only the last point itself (for increasing x) still has a row.
  if (i + 1 == n && !(x[0] <= xv && xv <= x[n - 1])) return false;

  const auto row = static_cast<std::int32_t>(i);
  const double t = xv - x[i];
  y = table.At(row, 0) + t * (table.At(row, 1) + t * (table.At(row, 2) + t * table.At(row, 3)));
  return true;
}
