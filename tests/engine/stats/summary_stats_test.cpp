#include "engine/stats/summary_stats.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The nine outputs, in the order Compute takes them.
struct Outputs {
  explicit Outputs(int rows) {
    for (NumericArray &a : all) a = NumericArray::Vector(std::vector<double>(rows, -99.0));
  }
  bool Compute(const NumericArray &data) {
    return SummaryStats::Compute(data, all[0], all[1], all[2], all[3], all[4], all[5], all[6],
                                 all[7], all[8]);
  }
  std::array<NumericArray, 9> all;
};

void ExpectStat(double actual, double expected, const char *name) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << name << " is " << actual;
  } else {
    EXPECT_NEAR(actual, expected, 1e-14 * (1 + std::abs(expected))) << name;
  }
}

TEST(SummaryStats, NineStatisticsOfOneRow) {
  const char *names[9] = {"minimum",  "maximum",   "range", "sum",   "mean",
                          "variance", "deviation", "error", "median"};
  struct Case {
    std::vector<double> row;
    std::array<double, 9> expected;
  };
  const double dev4 = std::sqrt(5.0 / 3.0);
  const std::vector<Case> cases = {
      {{4, 1, 3, 2}, {1, 4, 3, 10, 2.5, 5.0 / 3.0, dev4, dev4 / 2, 2.5}},
      {{5, 1, 3}, {1, 5, 4, 9, 3, 4, 2, 2 / std::sqrt(3.0), 3}},
      // Equal values: the spread is exactly zero.
      {{2, 2, 2, 2}, {2, 2, 0, 8, 2, 0, 0, 0, 2}},
      // One value: the sample variance is 0 / 0.
      {{7}, {7, 7, 0, 7, 7, kNaN, kNaN, kNaN, 7}},
      // A NaN stays in place and nothing passes it; the others still sort around it.
      {{3, 1, 2, 5, kNaN}, {1, 5, 4, kNaN, kNaN, kNaN, kNaN, kNaN, 3}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.row));
    Outputs out(1);
    ASSERT_TRUE(out.Compute(NumericArray::Matrix(1, static_cast<int>(c.row.size()), c.row)));
    for (int s = 0; s < 9; ++s) ExpectStat(out.all[s][0], c.expected[s], names[s]);
  }
}

TEST(SummaryStats, EveryRowIsItsOwnDataSet) {
  Outputs both(2), first(1), second(1);
  ASSERT_TRUE(both.Compute(NumericArray::Matrix(2, 3, {1, 2, 9, 30, 10, 20})));
  ASSERT_TRUE(first.Compute(NumericArray::Matrix(1, 3, {1, 2, 9})));
  ASSERT_TRUE(second.Compute(NumericArray::Matrix(1, 3, {30, 10, 20})));
  for (int s = 0; s < 9; ++s) {
    EXPECT_EQ(both.all[s][0], first.all[s][0]) << "statistic " << s;
    EXPECT_EQ(both.all[s][1], second.all[s][0]) << "statistic " << s;
  }
  EXPECT_EQ(both.all[8][1], 20);  // the median of 30, 10, 20
}

TEST(SummaryStats, RefusesShapesThatDoNotFitAndWritesNothing) {
  const NumericArray table = NumericArray::Matrix(2, 2, {1, 2, 3, 4});
  {
    Outputs out(3);  // R + 1 elements in every output
    EXPECT_FALSE(out.Compute(table));
    EXPECT_EQ(out.all[0], NumericArray::Vector({-99, -99, -99}));
  }
  {
    Outputs out(2);
    out.all[8] = NumericArray::Vector({-99, -99, -99});  // only the last output is wrong
    EXPECT_FALSE(out.Compute(table));
    EXPECT_EQ(out.all[0], NumericArray::Vector({-99, -99}));
  }
  {
    Outputs out(2);
    out.all[4] = NumericArray::Matrix(2, 1, {-99, -99});  // an output with two dimensions
    EXPECT_FALSE(out.Compute(table));
    EXPECT_EQ(out.all[0], NumericArray::Vector({-99, -99}));
  }
  for (const NumericArray &data :
       {NumericArray::Vector({1, 2}), NumericArray::Matrix(2, 0), NumericArray()}) {
    Outputs out(2);
    EXPECT_FALSE(out.Compute(data));
    EXPECT_EQ(out.all[0], NumericArray::Vector({-99, -99}));
  }
}

}  // namespace
