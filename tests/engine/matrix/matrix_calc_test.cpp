#include "engine/matrix/matrix_calc.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

NumericArray M(int rows, int columns, std::vector<double> values) {
  return NumericArray::Matrix(rows, columns, std::move(values));
}

TEST(MatrixCalc, ProductSumTransposeAndScalarProduct) {
  struct Case {
    const char *name;
    NumericArray result, expected;
  };
  const NumericArray a = M(2, 3, {1, 2, 3, 4, 5, 6});
  const std::vector<Case> cases = {
      {"2x2 product", MatrixCalc::Multiply(M(2, 2, {1, 2, 3, 4}), M(2, 2, {5, 6, 7, 8})),
       M(2, 2, {19, 22, 43, 50})},
      {"2x3 by 3x2", MatrixCalc::Multiply(a, M(3, 2, {1, 0, 0, 1, 1, 1})), M(2, 2, {4, 5, 10, 11})},
      {"row by column", MatrixCalc::Multiply(M(1, 3, {1, 2, 3}), M(3, 1, {4, 5, 6})),
       M(1, 1, {32})},
      {"1x1 sum", MatrixCalc::Add(M(1, 1, {1}), M(1, 1, {2})), M(1, 1, {3})},
      {"2x3 sum", MatrixCalc::Add(a, a), M(2, 3, {2, 4, 6, 8, 10, 12})},
      {"transpose of 2x3", MatrixCalc::Transpose(a), M(3, 2, {1, 4, 2, 5, 3, 6})},
      {"transpose of 1x3", MatrixCalc::Transpose(M(1, 3, {1, 2, 3})), M(3, 1, {1, 2, 3})},
      {"scalar product", MatrixCalc::ScalarMultiply(a, -0.5),
       M(2, 3, {-0.5, -1, -1.5, -2, -2.5, -3})},
  };
  for (const Case &c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
  EXPECT_EQ(a, M(2, 3, {1, 2, 3, 4, 5, 6})) << "operands are left unchanged";
}

TEST(MatrixCalc, Inverse) {
  struct Case {
    NumericArray a, expected;
  };
  const std::vector<Case> cases = {
      {M(2, 2, {1, 2, 3, 4}), M(2, 2, {-2, 1, 1.5, -0.5})},
      {M(1, 1, {2}), M(1, 1, {0.5})},
      {M(1, 1, {1e-19}), M(1, 1, {1e19})},  // just above the singularity threshold
      {M(3, 3, {2, 0, 0, 0, 4, 0, 0, 0, 8}), M(3, 3, {0.5, 0, 0, 0, 0.25, 0, 0, 0, 0.125})},
      {M(3, 3, {4, -2, 1, 3, 6, -4, 2, 1, 8}),
       M(3, 3,
         {52.0 / 263, 17.0 / 263, 2.0 / 263, -32.0 / 263, 30.0 / 263, 19.0 / 263, -9.0 / 263,
          -8.0 / 263, 30.0 / 263})},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.a.Values()));
    const NumericArray inverse = MatrixCalc::Inverse(c.a);
    ASSERT_EQ(inverse.Counts(), c.expected.Counts());
    for (std::size_t i = 0; i < inverse.Size(); ++i) {
      EXPECT_NEAR(inverse[i], c.expected[i], 1e-15 * (1 + std::abs(c.expected[i])));
    }
  }
}

// The matrix window writes these zeros as "-0".
TEST(MatrixCalc, InverseKeepsNegativeZeros) {
  const NumericArray inverse = MatrixCalc::Inverse(M(2, 2, {0, 1, 1, 0}));
  ASSERT_EQ(inverse, M(2, 2, {0, 1, 1, 0}));
  EXPECT_TRUE(std::signbit(inverse.At(0, 0)));
  EXPECT_FALSE(std::signbit(inverse.At(0, 1)));
  EXPECT_FALSE(std::signbit(inverse.At(1, 0)));
  EXPECT_TRUE(std::signbit(inverse.At(1, 1)));
}

TEST(MatrixCalc, FailuresGiveTheOneDimensionalZero) {
  const NumericArray failure = NumericArray::Vector({0.0});
  EXPECT_EQ(MatrixCalc::Failure(), failure);
  const NumericArray a = M(2, 3, {1, 2, 3, 4, 5, 6});
  const NumericArray vector = NumericArray::Vector({1, 2});
  struct Case {
    const char *name;
    NumericArray result;
  };
  const std::vector<Case> cases = {
      {"inverse with a zero second pivot", MatrixCalc::Inverse(M(2, 2, {1, 2, 2, 4}))},
      {"inverse of a pivot at the threshold", MatrixCalc::Inverse(M(1, 1, {1e-20}))},
      {"inverse of zeros", MatrixCalc::Inverse(M(2, 2, {0, 0, 0, 0}))},
      {"inverse of a 2x3 matrix", MatrixCalc::Inverse(a)},
      {"product of 2x3 and 2x3", MatrixCalc::Multiply(a, a)},
      {"sum of 2x2 and 2x3", MatrixCalc::Add(M(2, 2, {1, 2, 3, 4}), a)},
      {"sum of 2x3 and 3x2", MatrixCalc::Add(a, MatrixCalc::Transpose(a))},
      {"product with a vector", MatrixCalc::Multiply(vector, a)},
      {"sum with a vector", MatrixCalc::Add(a, vector)},
      {"transpose of a vector", MatrixCalc::Transpose(vector)},
      {"inverse of a vector", MatrixCalc::Inverse(NumericArray::Vector({2}))},
      {"scalar product of the empty array", MatrixCalc::ScalarMultiply(NumericArray(), 2)},
      {"a matrix without columns", MatrixCalc::Transpose(M(2, 0, {}))},
      {"three dimensions", MatrixCalc::ScalarMultiply(NumericArray({1, 1, 1}, {5}), 2)},
  };
  for (const Case &c : cases) EXPECT_EQ(c.result, failure) << c.name;
}

TEST(MatrixCalc, InverseTimesMatrixIsTheIdentity) {
  std::mt19937 random(20240601);
  std::uniform_real_distribution<double> element(-10.0, 10.0);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 1 + trial % 8;
    std::vector<double> values(static_cast<std::size_t>(n * n));
    for (double &v : values) v = element(random);
    const NumericArray a = M(n, n, values);
    const NumericArray inverse = MatrixCalc::Inverse(a);
    ASSERT_EQ(inverse.DimensionCount(), 2) << "trial " << trial;
    for (const NumericArray &product :
         {MatrixCalc::Multiply(inverse, a), MatrixCalc::Multiply(a, inverse)}) {
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
          EXPECT_NEAR(product.At(i, j), i == j ? 1.0 : 0.0, 1e-9)
              << "trial " << trial << " at " << i << "," << j;
        }
      }
    }
  }
}

}  // namespace
