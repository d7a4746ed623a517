#include "engine/complex/complex_calc.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(ComplexCalc, NewObjectIsZeroAndSettersStoreTheParts) {
  ComplexCalc z;
  EXPECT_EQ(z.GetReal(), 0.0);
  EXPECT_EQ(z.GetImaginary(), 0.0);
  EXPECT_TRUE(z.SetReal(1.5));
  EXPECT_TRUE(z.SetImaginary(-2.5));
  EXPECT_EQ(z.GetReal(), 1.5);
  EXPECT_EQ(z.GetImaginary(), -2.5);
}

TEST(ComplexCalc, Arithmetic) {
  const ComplexCalc a(1, 2), b(3, 4);
  struct Case {
    const char *name;
    ComplexCalc result;
    double real, imaginary;
  };
  const std::vector<Case> cases = {
      {"add", ComplexCalc::Add(a, b), 4, 6},
      {"subtract", ComplexCalc::Subtract(a, b), -2, -2},
      {"multiply", ComplexCalc::Multiply(a, b), -5, 10},
      {"divide", ComplexCalc::Divide(a, b), 0.44, 0.08},
      {"exp of 0", ComplexCalc::Exp(ComplexCalc()), 1, 0},
      {"exp of 1 + i", ComplexCalc::Exp(ComplexCalc(1, 1)), 1.4686939399158851, 2.2873552871788423},
      {"exp of pi i", ComplexCalc::Exp(ComplexCalc(0, 3.141592653589793)), -1,
       1.2246467991473532e-16},
  };
  for (const Case &c : cases) {
    EXPECT_NEAR(c.result.GetReal(), c.real, 1e-15 * (1 + std::abs(c.real))) << c.name;
    EXPECT_NEAR(c.result.GetImaginary(), c.imaginary, 1e-15 * (1 + std::abs(c.imaginary)))
        << c.name;
  }
  EXPECT_EQ(a.GetReal(), 1);
  EXPECT_EQ(b.GetImaginary(), 4);
}

// The complex window shows 0 / 0 as the indefinite value, the NaN x86 makes with its sign
// bit set.
TEST(ComplexCalc, DivisionByZeroGivesTheIndefiniteNaNInBothParts) {
  const ComplexCalc q = ComplexCalc::Divide(ComplexCalc(1, 1), ComplexCalc(0, 0));
  EXPECT_TRUE(std::isnan(q.GetReal()));
  EXPECT_TRUE(std::isnan(q.GetImaginary()));
#if defined(__x86_64__)
  EXPECT_TRUE(std::signbit(q.GetReal()));
  EXPECT_TRUE(std::signbit(q.GetImaginary()));
#endif
}

TEST(ComplexCalc, Modulus) {
  EXPECT_EQ(ComplexCalc::Modulus(ComplexCalc(3, 4)), 5);
  EXPECT_EQ(ComplexCalc::Modulus(ComplexCalc(-3, -4)), 5);
  EXPECT_DOUBLE_EQ(ComplexCalc::Modulus(ComplexCalc(1, 1)), std::sqrt(2.0));
#if defined(__x86_64__)
  // The squares are formed in extended precision and do not overflow.
  EXPECT_DOUBLE_EQ(ComplexCalc::Modulus(ComplexCalc(1e200, 1e200)), std::sqrt(2.0) * 1e200);
#endif
}

TEST(ComplexCalc, AngleInEveryQuadrantAndAtTheThreshold) {
  struct Case {
    double x, y, angle;
  };
  const std::vector<Case> cases = {
      {0, 0, 0},
      {1, 0, 0},
      {0, 1, 1.5707963267948966},
      {-1, 0, 3.141592653589793},
      {0, -1, 4.71238898038469},
      {1, 1, 0.7853981633974483},
      {-1, 1, 2.356194490192345},
      {-1, -1, 3.9269908169872414},
      {1, -1, 5.497787143782138},
      {2, 1, 0.4636476090008061},
      {-2, -1, 3.6052402625905993},
      // Parts below 1e-20 count as zero.
      {1e-21, 1e-21, 0},
      {1, 1e-21, 0},
      {-5, 1e-30, 3.141592653589793},
      {1e-21, -3, 4.71238898038469},
      // A part of exactly 1e-20 counts as zero too.
      {5, 1e-20, 0},
      {-5, -1e-20, 3.141592653589793},
      {1e-20, 2, 1.5707963267948966},
      {1e-20, -1e-20, 0},
      // Just above the threshold the part counts.
      {1e-19, 1e-19, 0.7853981633974483},
  };
  for (const Case &c : cases) {
    EXPECT_DOUBLE_EQ(ComplexCalc::Angle(ComplexCalc(c.x, c.y)), c.angle)
        << c.x << " + " << c.y << "i";
  }
  EXPECT_TRUE(
      std::isnan(ComplexCalc::Angle(ComplexCalc(std::numeric_limits<double>::quiet_NaN(), 1))));
}

}  // namespace
