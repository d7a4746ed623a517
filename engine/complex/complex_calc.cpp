#include "engine/complex/complex_calc.hpp"

#include <cmath>
#include <limits>

// Products and sums are formed in long double and rounded once when stored, so squares of
// large parts do not overflow on the way (the modulus of 1e200 + 1e200i is finite).

namespace {

using Extended = long double;

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalvesPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kZeroPart = 1e-20;

ComplexCalc Rounded(Extended real, Extended imaginary) {
  return ComplexCalc(static_cast<double>(real), static_cast<double>(imaginary));
}

}  // namespace

ComplexCalc ComplexCalc::Add(const ComplexCalc &a, const ComplexCalc &b) {
  return ComplexCalc(a.real_ + b.real_, a.imaginary_ + b.imaginary_);
}

ComplexCalc ComplexCalc::Subtract(const ComplexCalc &a, const ComplexCalc &b) {
  return ComplexCalc(a.real_ - b.real_, a.imaginary_ - b.imaginary_);
}

ComplexCalc ComplexCalc::Multiply(const ComplexCalc &a, const ComplexCalc &b) {
  const Extended ar = a.real_, ai = a.imaginary_;
  return Rounded(ar * b.real_ - ai * b.imaginary_, ar * b.imaginary_ + ai * b.real_);
}

ComplexCalc ComplexCalc::Divide(const ComplexCalc &a, const ComplexCalc &b) {
  const Extended ar = a.real_, ai = a.imaginary_, br = b.real_, bi = b.imaginary_;
  const Extended d = br * br + bi * bi;
  return Rounded((ar * br + ai * bi) / d, (ai * br - ar * bi) / d);
}

ComplexCalc ComplexCalc::Exp(const ComplexCalc &z) {
  const Extended m = std::exp(z.real_);
  return Rounded(m * std::cos(z.imaginary_), m * std::sin(z.imaginary_));
}

double ComplexCalc::Modulus(const ComplexCalc &z) {
  const Extended x = z.real_, y = z.imaginary_;
  return static_cast<double>(std::sqrt(x * x + y * y));
}

double ComplexCalc::Angle(const ComplexCalc &z) {
  const double x = z.real_, y = z.imaginary_;
  if (std::isnan(x) || std::isnan(y)) return std::numeric_limits<double>::quiet_NaN();
  const bool realIsZero = std::abs(x) <= kZeroPart;
  const bool imaginaryIsZero = std::abs(y) <= kZeroPart;

  if (realIsZero) {
    if (imaginaryIsZero) return 0.0;
    return y > 0 ? kHalfPi : kThreeHalvesPi;
  }
  if (imaginaryIsZero) return x > 0 ? 0.0 : kPi;

  // By quadrant, each arctangent taken of a positive ratio.
  const Extended ratio = static_cast<Extended>(y) / x;
  Extended angle;
  if (x > 0 && y > 0) {
    angle = std::atan(ratio);
  } else if (x < 0 && y > 0) {
    angle = kPi - std::atan(-ratio);
  } else if (x < 0) {
    angle = kPi + std::atan(ratio);
  } else {
    angle = kTwoPi - std::atan(-ratio);
  }
  return static_cast<double>(angle);
}
