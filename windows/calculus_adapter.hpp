#pragma once

#include <cstdint>
#include <string>

#include "engine/calculus/calculous.hpp"
#include "engine/numeric_array.hpp"

// Turns the calculus window's numbers into calls of the calculus engine and its results
// into the texts the window shows. Lives for the whole run (AppGlobals).
class CalculusAdapter {
 public:
  enum class IntegralMode { Samples = 1, Function = 2 };

  // The e^x integral is refused above this many intervals: far more than double precision
  // can use, and each interval costs time on the window's thread.
  static constexpr std::int32_t kMaxIntervals = 1'000'000;

  // Samples: the integral of the samples from position lower to position upper, spacing s.
  // Function: the integral of e^x from lower to upper over s intervals.
  // The positions and the interval count must be whole numbers of 0 or more; otherwise
  // the text is the matching "000: 参数错误,..." message.
  std::string Integrate(IntegralMode mode, const NumericArray &samples, double s, double lower,
                        double upper) const;

  // y at x of the built-in equation y' = e^(2x) + y through (x0, y0); empty when the
  // initial step is below the minimum step or the step control gives up.
  std::string SolveFirstOrder(double x0, double y0, double x, double et, double h0,
                              double hmin) const;

 private:
  Calculous calculous_;
};
