#include "engine/numeric_array.hpp"

#include <gtest/gtest.h>

TEST(NumericArray, EmptyArrayIsOneDimensionOfCountZero) {
  NumericArray empty;
  EXPECT_EQ(empty.DimensionCount(), 1);
  EXPECT_EQ(empty.Count(0), 0);
  EXPECT_TRUE(empty.Empty());
}

TEST(NumericArray, MatrixIsRowMajorAndPaddedWithZeros) {
  NumericArray m = NumericArray::Matrix(2, 3, {1, 2, 3, 4});
  EXPECT_EQ(m.DimensionCount(), 2);
  EXPECT_EQ(m.Count(0), 2);
  EXPECT_EQ(m.Count(1), 3);
  EXPECT_EQ(m.At(1, 0), 4);
  EXPECT_EQ(m[5], 0);
  EXPECT_EQ(m.Size(), 6u);
}
