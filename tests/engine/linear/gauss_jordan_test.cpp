#include "engine/linear/gauss_jordan.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct System {
  const char *name;
  int n;
  std::vector<double> a;
  std::vector<double> b;
  std::vector<double> x;
  std::vector<double> inverse;  // empty: checked through a * inverse = identity
  double det;
};

void ExpectNear(std::span<const double> actual, const std::vector<double> &expected,
                const char *what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], 1e-12 * (1 + std::abs(expected[i])))
        << what << " element " << i;
  }
}

TEST(GaussJordan, SolvesInvertsAndTakesTheDeterminant) {
  const std::vector<System> systems = {
      {"2x2", 2, {2, 1, 1, 3}, {3, 5}, {0.8, 1.4}, {0.6, -0.2, -0.2, 0.4}, 5},
      // Pivots 4 then -0.5 with no row exchange.
      {"no exchange", 2, {1, 2, 3, 4}, {5, 6}, {-4, 4.5}, {-2, 1, 1.5, -0.5}, -2},
      // The first pivot is 4 at row 1, column 0: the rows are exchanged and det changes sign.
      {"row exchange", 2, {1, 2, 4, 3}, {5, 6}, {-0.6, 2.8}, {-0.6, 0.4, 0.8, -0.2}, -5},
      {"3x3", 3, {4, -2, 1, 3, 6, -4, 2, 1, 8}, {12, -25, 32}, {1, -2, 4}, {}, 263},
      {"1x1", 1, {4}, {2}, {0.5}, {0.25}, 4},
  };
  for (const System &s : systems) {
    SCOPED_TRACE(s.name);
    const NumericArray a = NumericArray::Matrix(s.n, s.n, s.a);
    NumericArray b = NumericArray::Vector(s.b);
    NumericArray x = NumericArray::Vector(std::vector<double>(s.b.size()));
    NumericArray inverse = NumericArray::Matrix(s.n, s.n);
    double det = 0;
    ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));

    ExpectNear(x.Values(), s.x, "x");
    ExpectNear(b.Values(), s.x, "b holds the solution");
    EXPECT_NEAR(det, s.det, 1e-12 * std::abs(s.det));
    EXPECT_EQ(a, NumericArray::Matrix(s.n, s.n, s.a)) << "a is left unchanged";
    if (!s.inverse.empty()) ExpectNear(inverse.Values(), s.inverse, "inverse");
    for (int i = 0; i < s.n; ++i) {
      for (int j = 0; j < s.n; ++j) {
        double sum = 0;
        for (int k = 0; k < s.n; ++k) sum += a.At(i, k) * inverse.At(k, j);
        EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-12) << "a * inverse at " << i << "," << j;
      }
    }
  }
}

TEST(GaussJordan, LargePositiveDeterminantIsReplacedBy1e30) {
  const NumericArray a = NumericArray::Matrix(2, 2, {1e11, 1, 1, 1e11});
  NumericArray b = NumericArray::Vector({1, 1});
  NumericArray x = NumericArray::Vector({0, 0});
  NumericArray inverse = NumericArray::Matrix(2, 2);
  double det = 0;
  ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));
  EXPECT_EQ(det, 1e30);

  // A negative product is never limited.
  const NumericArray negative = NumericArray::Matrix(2, 2, {1, 1e11, 1e11, 1});
  ASSERT_TRUE(GaussJordan::Solve(negative, b, x, inverse, det));
  EXPECT_NEAR(det, -1e22, 1e8);
}

TEST(GaussJordan, SolveRefusesArgumentsThatDoNotFitAndWritesNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char *name;
    NumericArray a, b, x, inverse;
  };
  const NumericArray a2 = NumericArray::Matrix(2, 2, {1, 2, 3, 4});
  const NumericArray v2 = NumericArray::Vector({7, 8});
  const NumericArray m2 = NumericArray::Matrix(2, 2, {9, 9, 9, 9});
  const std::vector<Case> cases = {
      {"a zero coefficient in a regular matrix", NumericArray::Matrix(2, 2, {1, 0, 0, 1}), v2, v2,
       m2},
      {"a NaN coefficient", NumericArray::Matrix(2, 2, {1, nan, 3, 4}), v2, v2, m2},
      {"b longer than a", a2, NumericArray::Vector({1, 2, 3}), v2, m2},
      {"x shorter than a", a2, v2, NumericArray::Vector({1}), m2},
      {"a not square", NumericArray::Matrix(2, 3, {1, 2, 3, 4, 5, 6}), v2, v2, m2},
      {"inverse of another shape", a2, v2, v2, NumericArray::Matrix(2, 3)},
      {"a one-dimensional", NumericArray::Vector({1, 2, 3, 4}), v2, v2, m2},
      {"b two-dimensional", a2, NumericArray::Matrix(2, 1, {1, 2}), v2, m2},
      {"empty arrays", NumericArray(), NumericArray(), NumericArray(), NumericArray()},
      {"51 variables", NumericArray::Matrix(51, 51, std::vector<double>(51 * 51, 1.0)),
       NumericArray::Vector(std::vector<double>(51, 1.0)),
       NumericArray::Vector(std::vector<double>(51, 1.0)), NumericArray::Matrix(51, 51)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    NumericArray b = c.b, x = c.x, inverse = c.inverse;
    double det = 42;
    EXPECT_FALSE(GaussJordan::Solve(c.a, b, x, inverse, det));
    EXPECT_EQ(b, c.b);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(inverse, c.inverse);
    EXPECT_EQ(det, 42);
  }
}

// A singular matrix without zero coefficients used to be divided by its zero pivot and
// handed back infinities and NaNs as a solution.
TEST(GaussJordan, SingularMatrixIsRefusedWithZeroDeterminant) {
  for (const std::vector<double> &values :
       {std::vector<double>{1, 2, 2, 4}, std::vector<double>{3, 3, 3, 3}}) {
    const NumericArray a = NumericArray::Matrix(2, 2, values);
    NumericArray b = NumericArray::Vector({1, 2});
    NumericArray x = NumericArray::Vector({5, 5});
    NumericArray inverse = NumericArray::Matrix(2, 2, {6, 6, 6, 6});
    double det = 42;
    EXPECT_FALSE(GaussJordan::Solve(a, b, x, inverse, det));
    EXPECT_EQ(det, 0.0);
    EXPECT_EQ(b, NumericArray::Vector({1, 2}));
    EXPECT_EQ(x, NumericArray::Vector({5, 5}));
    EXPECT_EQ(inverse, NumericArray::Matrix(2, 2, {6, 6, 6, 6}));
  }
}

TEST(GaussJordan, EliminateSkipsTheEntryChecks) {
  // Zero coefficients and more than 50 unknowns are fine for the bare elimination.
  std::vector<double> x(2), inverse(4);
  double det = 0;
  ASSERT_TRUE(GaussJordan::Eliminate(std::vector<double>{0, 1, 1, 0}, std::vector<double>{2, 3}, x,
                                     inverse, det));
  EXPECT_EQ(x, (std::vector<double>{3, 2}));
  EXPECT_EQ(inverse, (std::vector<double>{0, 1, 1, 0}));
  EXPECT_EQ(det, -1);

  const std::size_t n = 60;
  std::vector<double> diagonal(n * n, 0.0), ones(n, 1.0), big(n * n), solution(n);
  for (std::size_t i = 0; i < n; ++i) diagonal[i * n + i] = 4.0;
  ASSERT_TRUE(GaussJordan::Eliminate(diagonal, ones, solution, big, det));
  EXPECT_EQ(solution, std::vector<double>(n, 0.25));
  EXPECT_EQ(det, 1e30);
}

TEST(GaussJordan, EliminateStopsAtAZeroPivotAndLeavesItsOutputs) {
  std::vector<double> x{7, 7}, inverse{7, 7, 7, 7};
  double det = 42;
  EXPECT_FALSE(GaussJordan::Eliminate(std::vector<double>{0, 0, 0, 0}, std::vector<double>{1, 1}, x,
                                      inverse, det));
  EXPECT_EQ(det, 0.0);
  EXPECT_EQ(x, (std::vector<double>{7, 7}));
  EXPECT_EQ(inverse, (std::vector<double>{7, 7, 7, 7}));
}

}  // namespace
