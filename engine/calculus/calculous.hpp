#pragma once

#include <cstdint>

#include "engine/numeric_array.hpp"

// Numerical calculus on built-in functions: the integral of equally spaced samples, the
// integral of e^x, and the first-order equation y' = e^(2x) + y. The class keeps no state.
class Calculous {
 public:
  // SolveOde gives up after this many steps, accepted or rejected, so that a far target
  // with a tiny minimum step cannot freeze the program.
  static constexpr int kMaxOdeSteps = 1'000'000;

  // The integral of samples[lo .. hi] (positions counted from 0, spacing h) by the composite
  // Simpson rule, finished by the three-eighths rule over the last three intervals when
  // their number is odd; a single interval is a trapezoid. 0 when samples is not
  // one-dimensional, lo < 0, hi < lo or hi is past the last sample.
  static double IntegrateSamples(const NumericArray &samples, double h, std::int32_t lo,
                                 std::int32_t hi);

  // The integral of e^x from a to b over n equal intervals by the same rules. 0 when n < 0
  // or a is not below b; n = 0 gives 0 too.
  static double IntegrateFunction(std::int32_t n, double a, double b);

  // y at the requested point x of the solution of y' = e^(2x) + y through (x0, y0), by the
  // Runge-Kutta-Fehlberg method with step control: tolerance et per unit step, first step
  // h0, smallest allowed step hmin. True with y written on success. False when hmin <= 0
  // (y unwritten), when the step would fall below hmin (so a requested x at or below x0
  // fails), or after kMaxOdeSteps steps; then y holds the last accepted value.
  static bool SolveOde(double x0, double y0, double x, double et, double h0, double hmin,
                       double &y);
};
