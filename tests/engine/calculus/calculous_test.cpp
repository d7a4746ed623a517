#include "engine/calculus/calculous.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(Calculous, IntegrateSamples) {
  const NumericArray one2five = NumericArray::Vector({1, 2, 3, 4, 5});
  const NumericArray one2six = NumericArray::Vector({1, 2, 3, 4, 5, 6});
  struct Case {
    const char *name;
    const NumericArray &samples;
    double h;
    int lo, hi;
    double expected;
  };
  const std::vector<Case> cases = {
      {"two Simpson panels", one2five, 1, 0, 4, 12},
      {"the spacing scales the result", one2five, 0.5, 0, 4, 6},
      {"three intervals: the three-eighths tail alone", one2five, 1, 0, 3, 7.5},
      {"five intervals: one panel, then the tail", one2six, 1, 0, 5, 17.5},
      {"a part of the samples", one2six, 1, 1, 5, 16},
      // One interval: a trapezoid, where the tail would read before the first sample.
      {"one interval at the start", one2five, 1, 0, 1, 1.5},
      {"one interval further on", one2five, 0.5, 3, 4, 2.25},
      {"no interval", one2five, 1, 2, 2, 0},
      {"hi is the sample count", one2five, 1, 0, 5, 0},
      {"negative lo", one2five, 1, -1, 2, 0},
      {"hi below lo", one2five, 1, 3, 2, 0},
  };
  for (const Case &c : cases) {
    EXPECT_DOUBLE_EQ(Calculous::IntegrateSamples(c.samples, c.h, c.lo, c.hi), c.expected) << c.name;
  }
  EXPECT_EQ(Calculous::IntegrateSamples(NumericArray::Matrix(1, 5, {1, 2, 3, 4, 5}), 1, 0, 4), 0)
      << "samples must be one-dimensional";
}

TEST(Calculous, IntegrateFunction) {
  struct Case {
    int n;
    double a, b, expected;
  };
  const std::vector<Case> cases = {
      {4, 0, 1, 1.7183188419217472},  // e - 1 is 1.718281828459045
      {2, 0, 1, 1.7188611518765928},
      {3, 0, 1, 1.7185401533601676},  // the three-eighths tail alone
      {5, 0, 1, 1.7183104771416569},  // one panel and the tail
      {7, -1, 2, 7.023643729638811},
      {1000, -1, 2, 7.02117665776238},
      // One interval: the trapezoid over [a, b], not a tail reaching down to a - 2(b - a).
      {1, 0, 1, (1 + std::exp(1.0)) / 2},
      {0, 0, 1, 0},
      {-1, 0, 1, 0},
      {4, 1, 1, 0},
      {4, 2, 1, 0},
  };
  for (const Case &c : cases) {
    EXPECT_NEAR(Calculous::IntegrateFunction(c.n, c.a, c.b), c.expected, 1e-14 * c.expected)
        << "n = " << c.n << " over [" << c.a << ", " << c.b << "]";
  }
}

// Stepping x in doubles over a narrow interval far from 0 drifts; comparing the drifting x
// with the end used to take a 5001st panel past b here, adding 2 / n to the result.
TEST(Calculous, IntegrateFunctionTakesExactlyHalfAsManyPanelsAsIntervals) {
  const double a = 100, b = 100.0000001;
  const double exact = std::exp(a) * std::expm1(b - a);
  EXPECT_NEAR(Calculous::IntegrateFunction(10000, a, b), exact, 1e-9 * exact);
}

TEST(Calculous, SolveOdeReachesEToTheSecondPower) {
  double y = 0;
  ASSERT_TRUE(Calculous::SolveOde(0, 1, 1, 1e-6, 0.1, 1e-6, y));
  EXPECT_NEAR(y, std::exp(2.0), 1e-5);

  // The solution through (0, 2) is e^(2x) + e^x.
  ASSERT_TRUE(Calculous::SolveOde(0, 2, 0.5, 1e-9, 0.01, 1e-9, y));
  EXPECT_NEAR(y, std::exp(1.0) + std::exp(0.5), 1e-8);
}

TEST(Calculous, SolveOdeFailures) {
  struct Case {
    const char *name;
    double x0, y0, x, et, h0, hmin;
  };
  const std::vector<Case> cases = {
      {"a minimum step of 0", 0, 1, 1, 1e-6, 0.1, 0},
      {"a negative minimum step", 0, 1, 1, 1e-6, 0.1, -1},
      {"the requested x is the known x", 0, 1, 0, 1e-6, 0.1, 1e-6},
      {"the requested x is below the known x", 0, 1, -1, 1e-6, 0.1, 1e-6},
      {"a tolerance of 0 is never met", 0, 1, 1, 0, 0.1, 1e-6},
  };
  for (const Case &c : cases) {
    double y = -7;
    EXPECT_FALSE(Calculous::SolveOde(c.x0, c.y0, c.x, c.et, c.h0, c.hmin, y)) << c.name;
  }
  double y = -7;
  EXPECT_FALSE(Calculous::SolveOde(0, 1, 1, 1e-6, 0.1, 0, y));
  EXPECT_EQ(y, -7) << "a refused call leaves y unwritten";
}

// A far target with a tiny minimum step used to run for hundreds of millions of steps.
TEST(Calculous, SolveOdeGivesUpAfterAMillionSteps) {
  double y = 0;
  EXPECT_FALSE(Calculous::SolveOde(0, 1, 1e6, 1e-6, 0.1, 1e-300, y));
}

}  // namespace
