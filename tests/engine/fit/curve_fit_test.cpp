#include "engine/fit/curve_fit.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The outputs of one least-squares call, pre-filled with a marker so that a test sees what
// was written.
struct Fit {
  explicit Fit(std::size_t n, std::size_t c)
      : coefficients(Filled(c)), fitted(Filled(n)), residuals(Filled(n)), errors(Filled(c)) {}

  static NumericArray Filled(std::size_t count) {
    return NumericArray::Vector(std::vector<double>(count, kUnwritten));
  }

  bool Run(const NumericArray &x, const NumericArray &y) {
    return CurveFit::LeastSquares(x, y, coefficients, fitted, residuals, standardError, errors,
                                  rSquared, r, singular);
  }

  bool OnlySingularWritten() const {
    for (const NumericArray *a : {&coefficients, &fitted, &residuals, &errors}) {
      for (double v : a->Values()) {
        if (v != kUnwritten) return false;
      }
    }
    return standardError == kUnwritten && rSquared == kUnwritten && r == kUnwritten;
  }

  static constexpr double kUnwritten = -12345.0;
  NumericArray coefficients, fitted, residuals, errors;
  double standardError = kUnwritten, rSquared = kUnwritten, r = kUnwritten;
  std::int32_t singular = -1;
};

void ExpectNear(const NumericArray &actual, const std::vector<double> &expected) {
  ASSERT_EQ(actual.Size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12);
}

TEST(LeastSquares, StraightLineThroughExactPoints) {
  Fit fit(3, 2);
  ASSERT_TRUE(fit.Run(NumericArray::Vector({1, 2, 3}), NumericArray::Vector({2, 4, 6})));
  ExpectNear(fit.coefficients, {0, 2});
  ExpectNear(fit.fitted, {2, 4, 6});
  ExpectNear(fit.residuals, {0, 0, 0});
  ExpectNear(fit.errors, {0, 0});
  EXPECT_NEAR(fit.standardError, 0, 1e-7);
  EXPECT_NEAR(fit.rSquared, 1, 1e-12);
  EXPECT_NEAR(fit.r, 1, 1e-12);
  EXPECT_EQ(fit.singular, 0);
}

// A line through scattered points, checked against the textbook formulas.
TEST(LeastSquares, QualityFiguresOfAnInexactFit) {
  Fit fit(4, 2);
  ASSERT_TRUE(fit.Run(NumericArray::Vector({0, 1, 2, 3}), NumericArray::Vector({1, 3, 2, 5})));
  // slope = Sxy / Sxx = 5.5 / 5 = 1.1, intercept = mean y - slope * mean x = 2.75 - 1.65.
  ExpectNear(fit.coefficients, {1.1, 1.1});
  ExpectNear(fit.fitted, {1.1, 2.2, 3.3, 4.4});
  ExpectNear(fit.residuals, {0.1, -0.8, 1.3, -0.6});
  const double sse = 0.01 + 0.64 + 1.69 + 0.36;  // 2.7
  const double se = std::sqrt(sse / 2);
  EXPECT_NEAR(fit.standardError, se, 1e-12);
  // Diagonal of (X^T X)^-1 for x = 0..3: 14/20 and 4/20.
  ExpectNear(fit.errors, {std::sqrt(0.7) * se, std::sqrt(0.2) * se});
  const double syy = 1 + 9 + 4 + 25 - 11.0 * 11.0 / 4;  // 8.75
  EXPECT_NEAR(fit.rSquared, 1 - sse / syy, 1e-12);
  EXPECT_NEAR(fit.r, std::sqrt(1 - sse / syy), 1e-12);
  EXPECT_EQ(fit.singular, 0);
}

TEST(LeastSquares, OneCoefficientIsTheMean) {
  Fit fit(3, 1);
  ASSERT_TRUE(fit.Run(NumericArray::Vector({5, 6, 9}), NumericArray::Vector({1, 2, 6})));
  ExpectNear(fit.coefficients, {3});
  ExpectNear(fit.fitted, {3, 3, 3});
}

TEST(LeastSquares, QuadraticRecoversItsCoefficients) {
  Fit fit(5, 3);
  ASSERT_TRUE(fit.Run(NumericArray::Vector({-2, -1, 0, 1, 2}),
                      NumericArray::Vector({17, 6, 1, 2, 9})));  // 1 - 2x + 3x^2
  ExpectNear(fit.coefficients, {1, -2, 3});
  EXPECT_EQ(fit.singular, 0);
}

// A normal matrix with a small determinant is still solved, only flagged.
TEST(LeastSquares, SmallDeterminantIsFlaggedButWritten) {
  Fit line(3, 2);
  // x spread over 3e-4: det of [[3, Sx], [Sx, Sxx]] = 3 Sxx - Sx^2 = 6e-8.
  ASSERT_TRUE(line.Run(NumericArray::Vector({0, 1e-4, 2e-4}), NumericArray::Vector({1, 2, 3})));
  EXPECT_EQ(line.singular, 1);
  EXPECT_NEAR(line.coefficients[1], 1e4, 1e-6);
  EXPECT_NEAR(line.fitted[2], 3, 1e-12);
}

TEST(LeastSquares, TooFewPointsOrSingularNormalMatrixWriteOnlyTheFlag) {
  const struct {
    std::vector<double> x;
    std::size_t c;
  } cases[] = {
      {{1, 2, 3}, 3},  // as many coefficients as points
      {{1, 2}, 5},
      {{2, 2, 2}, 2},  // every x equal: X^T X = [[3, 6], [6, 12]] is singular
      {{0, 0, 0}, 2},
  };
  for (const auto &c : cases) {
    Fit fit(c.x.size(), c.c);
    ASSERT_TRUE(fit.Run(NumericArray::Vector(c.x),
                        NumericArray::Vector(std::vector<double>(c.x.size(), 1.0))));
    EXPECT_EQ(fit.singular, 1);
    EXPECT_TRUE(fit.OnlySingularWritten());
  }
}

TEST(LeastSquares, RefusesShapesThatDoNotFit) {
  const NumericArray x = NumericArray::Vector({1, 2, 3});
  const NumericArray y = NumericArray::Vector({2, 4, 6});
  Fit shortY(3, 2);
  EXPECT_FALSE(shortY.Run(x, NumericArray::Vector({2, 4})));
  Fit noCoefficients(3, 0);
  EXPECT_FALSE(noCoefficients.Run(x, y));
  Fit table(3, 2);
  EXPECT_FALSE(table.Run(NumericArray::Matrix(3, 1, {1, 2, 3}), y));
  Fit errorsMismatch(3, 2);
  errorsMismatch.errors = Fit::Filled(1);
  EXPECT_FALSE(errorsMismatch.Run(x, y));
  Fit shortFitted(3, 2);
  shortFitted.fitted = Fit::Filled(2);
  EXPECT_FALSE(shortFitted.Run(x, y));
  for (const Fit *fit : {&shortY, &noCoefficients, &table, &errorsMismatch, &shortFitted}) {
    EXPECT_EQ(fit->singular, -1);
    EXPECT_EQ(fit->standardError, Fit::kUnwritten);
  }
}

NumericArray Spline(const std::vector<double> &x, const std::vector<double> &y) {
  NumericArray table = NumericArray::Matrix(static_cast<std::int32_t>(x.size()), 4);
  EXPECT_TRUE(
      CurveFit::SplineCoefficients(NumericArray::Vector(x), NumericArray::Vector(y), table));
  return table;
}

TEST(SplineCoefficients, TablesOfSmallSplines) {
  const struct {
    std::vector<double> x, y, table;
  } cases[] = {
      {{0, 1, 2}, {0, 1, 0}, {0, 1.5, 0, -0.5, 1, 0, -1.5, 0.5, 0, -1.5, 0, 0}},
      {{1, 3}, {2, 6}, {2, 2, 0, 0, 6, 2, 0, 0}},  // two points: the line
      {{4}, {7}, {7, 0, 0, 0}},                    // one point: the constant
  };
  for (const auto &c : cases) ExpectNear(Spline(c.x, c.y), c.table);
}

// The spline through uneven points passes through every point, with matching slope and
// curvature at every interior point and none at the ends.
TEST(SplineCoefficients, IsANaturalCubicSpline) {
  const std::vector<double> x = {-1, 0, 0.5, 2, 3.5, 4, 7};
  const std::vector<double> y = {3, -1, 2, 2.5, 0, 1, 4};
  const NumericArray t = Spline(x, y);
  const auto row = [](std::size_t k) { return static_cast<std::int32_t>(k); };
  for (std::size_t k = 0; k + 1 < x.size(); ++k) {
    const double h = x[k + 1] - x[k];
    const double a = t.At(row(k), 0), b = t.At(row(k), 1), c = t.At(row(k), 2), d = t.At(row(k), 3);
    EXPECT_NEAR(a, y[k], 1e-12);
    EXPECT_NEAR(a + h * (b + h * (c + h * d)), y[k + 1], 1e-12);
    EXPECT_NEAR(b + 2 * c * h + 3 * d * h * h, t.At(row(k + 1), 1), 1e-12);
    EXPECT_NEAR(c + 3 * d * h, t.At(row(k + 1), 2), 1e-12);
  }
  EXPECT_EQ(t.At(0, 2), 0);
  EXPECT_EQ(t.At(row(x.size() - 1), 2), 0);
}

TEST(SplineCoefficients, RefusesShapesThatDoNotFit) {
  const NumericArray x = NumericArray::Vector({0, 1, 2});
  const NumericArray y = NumericArray::Vector({0, 1, 0});
  NumericArray wrongRows = NumericArray::Matrix(2, 4);
  NumericArray wrongColumns = NumericArray::Matrix(3, 3);
  NumericArray table = NumericArray::Matrix(3, 4);
  EXPECT_FALSE(CurveFit::SplineCoefficients(x, y, wrongRows));
  EXPECT_FALSE(CurveFit::SplineCoefficients(x, y, wrongColumns));
  EXPECT_FALSE(CurveFit::SplineCoefficients(x, NumericArray::Vector({0, 1}), table));
  EXPECT_FALSE(CurveFit::SplineCoefficients(NumericArray(), NumericArray(), table));
  EXPECT_EQ(table, NumericArray::Matrix(3, 4));
}

TEST(SplineValue, EvaluatesInsideTheSpan) {
  const NumericArray x = NumericArray::Vector({0, 1, 2});
  const NumericArray table = Spline({0, 1, 2}, {0, 1, 0});
  const struct {
    double xv;
    double y;
  } cases[] = {{0, 0}, {0.5, 0.6875}, {1, 1}, {1.5, 0.6875}, {2, 0}};
  for (const auto &c : cases) {
    double y = -1;
    ASSERT_TRUE(CurveFit::SplineValue(x, table, c.xv, y)) << c.xv;
    EXPECT_NEAR(y, c.y, 1e-12) << c.xv;
  }
  double y = -1;
  ASSERT_TRUE(CurveFit::SplineValue(NumericArray::Vector({4}), Spline({4}, {7}), 4, y));
  EXPECT_EQ(y, 7);
}

TEST(SplineValue, FailsOutsideTheSpanOrOnBadShapes) {
  const NumericArray x = NumericArray::Vector({0, 1, 2});
  const NumericArray table = Spline({0, 1, 2}, {0, 1, 0});
  double y = -1;
  for (double xv : {2.5, -1.0, std::nan("")}) {
    EXPECT_FALSE(CurveFit::SplineValue(x, table, xv, y)) << xv;
  }
  EXPECT_FALSE(CurveFit::SplineValue(NumericArray::Vector({0, 1, 2, 3}), table, 1, y));
  EXPECT_FALSE(CurveFit::SplineValue(x, NumericArray::Matrix(3, 3), 1, y));
  EXPECT_EQ(y, -1);
}

}  // namespace
