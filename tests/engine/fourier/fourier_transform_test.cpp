#include "engine/fourier/fourier_transform.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

NumericArray V(std::vector<double> values) { return NumericArray::Vector(std::move(values)); }

void ExpectNear(const NumericArray &actual, const std::vector<double> &expected, double tolerance,
                const char *what) {
  ASSERT_EQ(actual.Size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], tolerance) << what << " element " << i;
  }
}

std::vector<double> RandomValues(std::mt19937 &random, std::size_t count) {
  std::uniform_real_distribution<double> value(-100.0, 100.0);
  std::vector<double> values(count);
  for (double &v : values) v = value(random);
  return values;
}

// cos and sin of 6.2831852 / 4, the quarter turn of the transform's own circle.
constexpr double kQuarterCos = 2.6794896585028633e-08;
constexpr double kQuarterSin = 0.9999999999999997;

TEST(FourierTransform, ForwardAndInverse) {
  struct Case {
    const char *name;
    bool inverse;
    std::vector<double> re, im, expectedRe, expectedIm;
  };
  const std::vector<Case> cases = {
      {"one sample, forward", false, {5}, {3}, {5}, {3}},
      {"one sample, inverse", true, {5}, {3}, {5}, {3}},
      {"impulse", false, {1, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 1, 1}, {0, 0, 0, 0}},
      {"shifted impulse",
       false,
       {0, 1, 0, 0},
       {0, 0, 0, 0},
       {1, kQuarterCos, -1, -kQuarterCos},
       {0, -kQuarterSin, 0, kQuarterSin}},
      {"1, 2, 3, 4",
       false,
       {1, 2, 3, 4},
       {0, 0, 0, 0},
       {10, -2.000000053589793, -2, -1.9999999464102067},
       {0, 1.9999999999999993, 0, -1.9999999999999993}},
      {"back to 1, 2, 3, 4",
       true,
       {10, -2.000000053589793, -2, -1.9999999464102067},
       {0, 1.9999999999999993, 0, -1.9999999999999993},
       {1, 2, 3, 4},
       {0, 0, 0, 0}},
  };
  for (const Case &c : cases) {
    NumericArray re = V(c.re), im = V(c.im);
    const int n = static_cast<int>(c.re.size());
    ASSERT_TRUE(c.inverse ? FourierTransform::InverseTransform(re, im, n)
                          : FourierTransform::Transform(re, im, n))
        << c.name;
    ExpectNear(re, c.expectedRe, 1e-15, c.name);
    ExpectNear(im, c.expectedIm, 1e-15, c.name);
  }

  // The impulse comes out exactly.
  NumericArray re = V({1, 0, 0, 0}), im = V({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::Transform(re, im, 4));
  EXPECT_EQ(re, V({1, 1, 1, 1}));
  EXPECT_EQ(im, V({0, 0, 0, 0}));
}

TEST(FourierTransform, WorksOnTheFirstNElementsOnly) {
  NumericArray re = V({1, 2, 3, 4, 7, 8}), im = V({0, 0, 0, 0, 9, 9, 9});
  ASSERT_TRUE(FourierTransform::Transform(re, im, 4));
  EXPECT_EQ(re[0], 10);
  EXPECT_EQ(re[4], 7);
  EXPECT_EQ(re[5], 8);
  EXPECT_EQ(im[4], 9);
  EXPECT_EQ(im[6], 9);
}

TEST(FourierTransform, RefusedArgumentsLeaveTheArraysUntouched) {
  const NumericArray four = V({1, 2, 3, 4});
  const NumericArray six = V({1, 2, 3, 4, 5, 6});
  const NumericArray big = V(std::vector<double>(16384, 1.0));
  struct Case {
    const char *name;
    NumericArray re, im;
    int n;
    int type;  // for ApplyWindow
  };
  const std::vector<Case> cases = {
      {"n not a power of two", six, six, 6, 2},
      {"n = 0", four, four, 0, 2},
      {"n negative", four, four, -4, 2},
      {"n above 8192", big, big, 16384, 2},
      {"im shorter than n", four, V({0, 0, 0}), 4, 2},
      {"re two-dimensional", NumericArray::Matrix(2, 2, {1, 2, 3, 4}), four, 4, 2},
  };
  for (const Case &c : cases) {
    NumericArray re = c.re, im = c.im;
    EXPECT_FALSE(FourierTransform::Transform(re, im, c.n)) << c.name;
    EXPECT_FALSE(FourierTransform::InverseTransform(re, im, c.n)) << c.name;
    EXPECT_FALSE(FourierTransform::ApplyWindow(re, im, c.n, c.type)) << c.name;
    EXPECT_EQ(re, c.re) << c.name;
    EXPECT_EQ(im, c.im) << c.name;
  }
  for (int type : {-1, 6}) {
    NumericArray re = four, im = four;
    EXPECT_FALSE(FourierTransform::ApplyWindow(re, im, 4, type)) << "type " << type;
    EXPECT_EQ(re, four);
  }
}

TEST(FourierTransform, InverseUndoesForward) {
  std::mt19937 random(77);
  for (int n = 1; n <= FourierTransform::kMaxSamples; n *= 2) {
    const std::vector<double> re0 = RandomValues(random, static_cast<std::size_t>(n));
    const std::vector<double> im0 = RandomValues(random, static_cast<std::size_t>(n));
    NumericArray re = V(re0), im = V(im0);
    ASSERT_TRUE(FourierTransform::Transform(re, im, n));
    ASSERT_TRUE(FourierTransform::InverseTransform(re, im, n));
    ExpectNear(re, re0, 1e-10, "real parts");
    ExpectNear(im, im0, 1e-10, "imaginary parts");
  }
}

TEST(FourierTransform, ApplyWindow) {
  struct Case {
    int type;
    std::vector<double> weights;  // for n = 4
  };
  const std::vector<Case> cases = {
      {FourierTransform::kRectangle, {1, 1, 1, 1}},
      {FourierTransform::kParzen, {-0.5, 0.5, 0.5, -0.5}},  // denominator 0.5n - 1
      {FourierTransform::kHanning, {0, 0.75, 0.75, 0}},
      {FourierTransform::kWelch, {0.64, 0.96, 0.96, 0.64}},
      {FourierTransform::kHamming, {0.08, 0.77, 0.77, 0.08}},
      {FourierTransform::kExactBlackman, {0, 0.63, 0.63, 0}},
  };
  for (const Case &c : cases) {
    NumericArray re = V({1, 1, 1, 1, 5}), im = V({2, 2, 2, 2});
    ASSERT_TRUE(FourierTransform::ApplyWindow(re, im, 4, c.type)) << "type " << c.type;
    std::vector<double> expectedRe = c.weights, expectedIm;
    expectedRe.push_back(5);  // beyond n: kept
    for (double w : c.weights) expectedIm.push_back(2 * w);
    ExpectNear(re, expectedRe, 1e-15, "real parts");
    ExpectNear(im, expectedIm, 1e-15, "imaginary parts");
  }
}

TEST(FourierTransform, Periodogram) {
  struct Case {
    const char *name;
    std::vector<double> re, im;
    double dt;
    std::vector<double> expectedRe, expectedIm;
  };
  const std::vector<Case> cases = {
      // The fourth places keep the transform value X[3].
      {"1, 2, 3, 4",
       {1, 2, 3, 4},
       {0, 0, 0, 0},
       1,
       {6.25, 1, 0.25, -1.9999999464102067},
       {0, 0.25, 0.5, -1.9999999999999993}},
      {"half the interval, twice the frequencies",
       {1, 2, 3, 4},
       {0, 0, 0, 0},
       0.5,
       {6.25, 1, 0.25, -1.9999999464102067},
       {0, 0.5, 1, -1.9999999999999993}},
      {"one sample", {3}, {4}, 1, {25}, {0}},
      {"two samples", {1, 3}, {0, 0}, 2, {4, 1}, {0, 0.25}},
  };
  for (const Case &c : cases) {
    NumericArray re = V(c.re), im = V(c.im);
    ASSERT_TRUE(FourierTransform::Periodogram(re, im, c.dt)) << c.name;
    ExpectNear(re, c.expectedRe, 1e-14, c.name);
    ExpectNear(im, c.expectedIm, 1e-14, c.name);
  }
}

// With no time interval the first frequency is 0 / 0, which the Fourier window shows as
// the indefinite value (x86's NaN with the sign bit set), and the others are infinite.
TEST(FourierTransform, PeriodogramWithoutTimeInterval) {
  NumericArray re = V({1, 2, 3, 4}), im = V({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::Periodogram(re, im, 0));
  EXPECT_TRUE(std::isnan(im[0]));
#if defined(__x86_64__)
  EXPECT_TRUE(std::signbit(im[0]));
#endif
  EXPECT_EQ(im[1], INFINITY);
  EXPECT_EQ(im[2], INFINITY);
}

TEST(FourierTransform, PeriodogramRefusals) {
  struct Case {
    const char *name;
    NumericArray re, im;
  };
  const std::vector<Case> cases = {
      {"different counts", V({1, 2, 3, 4}), V({0, 0})},
      {"not a power of two", V({1, 2, 3}), V({0, 0, 0})},
      {"empty", NumericArray(), NumericArray()},
      {"two-dimensional", NumericArray::Matrix(1, 2, {1, 2}), NumericArray::Matrix(1, 2)},
  };
  for (const Case &c : cases) {
    NumericArray re = c.re, im = c.im;
    EXPECT_FALSE(FourierTransform::Periodogram(re, im, 1)) << c.name;
    EXPECT_EQ(re, c.re) << c.name;
    EXPECT_EQ(im, c.im) << c.name;
  }
}

TEST(FourierTransform, Transform2DTransformsEveryRowAndNoColumn) {
  NumericArray re = NumericArray::Matrix(2, 4, {1, 0, 0, 0, 0, 1, 0, 0});
  NumericArray im = NumericArray::Matrix(2, 4);
  ASSERT_TRUE(FourierTransform::Transform2D(re, im, false));
  // Each row exactly as the one-dimensional transform gives it.
  NumericArray rowRe = V({0, 1, 0, 0}), rowIm = V({0, 0, 0, 0});
  ASSERT_TRUE(FourierTransform::Transform(rowRe, rowIm, 4));
  EXPECT_EQ(re, NumericArray::Matrix(2, 4, {1, 1, 1, 1, rowRe[0], rowRe[1], rowRe[2], rowRe[3]}));
  EXPECT_EQ(im, NumericArray::Matrix(2, 4, {0, 0, 0, 0, rowIm[0], rowIm[1], rowIm[2], rowIm[3]}));

  NumericArray tallRe = NumericArray::Matrix(4, 2, {1, 0, 1, 0, 1, 0, 1, 0});
  NumericArray tallIm = NumericArray::Matrix(4, 2);
  ASSERT_TRUE(FourierTransform::Transform2D(tallRe, tallIm, false));
  EXPECT_EQ(tallRe, NumericArray::Matrix(4, 2, {1, 1, 1, 1, 1, 1, 1, 1}));

  for (bool inverse : {false, true}) {
    NumericArray oneRe = NumericArray::Matrix(1, 1, {3}), oneIm = NumericArray::Matrix(1, 1, {4});
    ASSERT_TRUE(FourierTransform::Transform2D(oneRe, oneIm, inverse));
    EXPECT_EQ(oneRe, NumericArray::Matrix(1, 1, {3}));
    EXPECT_EQ(oneIm, NumericArray::Matrix(1, 1, {4}));
  }
}

TEST(FourierTransform, Transform2DInverseUndoesForward) {
  std::mt19937 random(5);
  const std::vector<double> re0 = RandomValues(random, 4 * 8);
  const std::vector<double> im0 = RandomValues(random, 4 * 8);
  NumericArray re = NumericArray::Matrix(4, 8, re0), im = NumericArray::Matrix(4, 8, im0);
  ASSERT_TRUE(FourierTransform::Transform2D(re, im, false));
  ASSERT_TRUE(FourierTransform::Transform2D(re, im, true));
  ExpectNear(re, re0, 1e-10, "real grid");
  ExpectNear(im, im0, 1e-10, "imaginary grid");
}

TEST(FourierTransform, Transform2DRefusals) {
  struct Case {
    const char *name;
    NumericArray re, im;
  };
  const std::vector<Case> cases = {
      {"shapes 2x4 and 4x2", NumericArray::Matrix(2, 4, {1, 0, 0, 0, 1, 0, 0, 0}),
       NumericArray::Matrix(4, 2)},
      {"one-dimensional re", V({1, 0}), NumericArray::Matrix(1, 2)},
      {"three columns", NumericArray::Matrix(2, 3, {1, 0, 0, 1, 0, 0}), NumericArray::Matrix(2, 3)},
      {"no rows", NumericArray::Matrix(0, 4), NumericArray::Matrix(0, 4)},
  };
  for (const Case &c : cases) {
    NumericArray re = c.re, im = c.im;
    EXPECT_FALSE(FourierTransform::Transform2D(re, im, false)) << c.name;
    EXPECT_EQ(re, c.re) << c.name;
    EXPECT_EQ(im, c.im) << c.name;
  }
}

}  // namespace
