#include "engine/calculus/calculous.hpp"

#include <cmath>
#include <cstddef>

// Sums are formed in long double and only the results are stored as doubles.

namespace {

using Extended = long double;

// Simpson's rule over two intervals; the factor one third is the double 0.3333333333333333.
Extended SimpsonPanel(Extended h, Extended p, Extended q, Extended r) {
  return h * 0.3333333333333333 * (p + 4 * q + r);
}

// Simpson's three-eighths rule over three intervals.
Extended ThreeEighths(Extended h, Extended p, Extended q, Extended r, Extended s) {
  return 0.375 * h * (p + 3 * (q + r) + s);
}

Extended Trapezoid(Extended h, Extended p, Extended q) { return h * (p + q) / 2; }

double Integrand(Extended x) { return std::exp(static_cast<double>(x)); }

// The right-hand side of the built-in equation y' = e^(2x) + y.
double Slope(Extended x, Extended y) {
  return static_cast<double>(std::exp(2 * static_cast<double>(x)) + static_cast<double>(y));
}

}  // namespace

double Calculous::IntegrateSamples(const NumericArray &samples, double h, std::int32_t lo,
                                   std::int32_t hi) {
  if (samples.DimensionCount() != 1 || lo < 0 || hi < lo ||
      static_cast<std::int64_t>(hi) + 1 > samples.Count(0)) {
    return 0.0;
  }
  auto y = [&samples](std::int64_t k) -> Extended { return samples[static_cast<std::size_t>(k)]; };

  const std::int32_t n = hi - lo;
  // One interval has no room for Simpson's rule, and the three-eighths tail would reach
  // below lo: the trapezoid is the one rule that stays inside the asked positions.
  if (n == 1) return static_cast<double>(Trapezoid(h, y(lo), y(hi)));

  Extended tail = 0;
  std::int32_t end = hi;
  if (n % 2 == 1) {
    tail = ThreeEighths(h, y(hi - 3), y(hi - 2), y(hi - 1), y(hi));
    end = hi - 3;
  }
  Extended simpson = 0;
  for (std::int64_t k = lo; k + 2 <= end; k += 2) {
    simpson += SimpsonPanel(h, y(k), y(k + 1), y(k + 2));
  }
  return static_cast<double>(simpson + tail);
}

double Calculous::IntegrateFunction(std::int32_t n, double a, double b) {
  if (n < 0 || !(a < b)) return 0.0;
  if (n == 0) return 0.0;

  const double h = (b - a) / n;
  // As for samples: one interval is a trapezoid over [a, b] and never reaches outside it.
  if (n == 1) return static_cast<double>(Trapezoid(h, Integrand(a), Integrand(b)));

  Extended tail = 0;
  std::int32_t simpsonIntervals = n;
  if (n % 2 == 1) {
    const Extended hh = h;
    tail = ThreeEighths(h, Integrand(b - 3 * hh), Integrand(b - 2 * hh), Integrand(b - hh),
                        Integrand(b));
    simpsonIntervals = n - 3;
  }
  // Counting the panels, not comparing the running x with the end, keeps a rounding in x
  // from adding a panel past b.
  Extended simpson = 0;
  double x = a;
  for (std::int32_t panel = 0; panel < simpsonIntervals / 2; ++panel) {
    const Extended xx = x;
    simpson += SimpsonPanel(h, Integrand(xx), Integrand(xx + h), Integrand(xx + 2 * h));
    x = static_cast<double>(xx + 2 * h);
  }
  return static_cast<double>(simpson + tail);
}

bool Calculous::SolveOde(double x0, double y0, double x, double et, double h0, double hmin,
                         double &y) {
  if (!(hmin > 0)) return false;

  double at = x0, value = y0, h = h0;
  bool solved = false;
  for (int step = 0; step < kMaxOdeSteps; ++step) {
    // The six Fehlberg stages, each rounded to a double before it is used.
    const Extended hx = h;
    const double k1 = Slope(at, value);
    const double k2 = Slope(at + hx / 4, value + hx * k1 / 4);
    const double k3 = Slope(at + 3 * hx / 8, value + hx * (3.0L / 32 * k1 + 9.0L / 32 * k2));
    const double k4 =
        Slope(at + 12 * hx / 13,
              value + hx * (1932.0L / 2197 * k1 - 7200.0L / 2197 * k2 + 7296.0L / 2197 * k3));
    const double k5 = Slope(at + hx, value + hx * (439.0L / 216 * k1 - 8 * k2 + 3680.0L / 513 * k3 -
                                                   845.0L / 4104 * k4));
    const double k6 =
        Slope(at + hx / 2, value + hx * (-8.0L / 27 * k1 + 2 * k2 - 3544.0L / 2565 * k3 +
                                         1859.0L / 4104 * k4 - 11.0L / 40 * k5));
    const Extended estimate = hx * (k1 / 360.0L - 128.0L / 4275 * k3 - 2197.0L / 75240 * k4 +
                                    k5 / 50.0L + 2.0L / 55 * k6);

    if (std::abs(estimate) < et * hx) {
      value = static_cast<double>(
          value + hx * (25.0L / 216 * k1 + 1408.0L / 2565 * k3 + 2197.0L / 4104 * k4 - k5 / 5.0L));
      at = static_cast<double>(at + hx);
      const double remaining = x - at;
      if (std::abs(remaining) <= 1e-20) {
        solved = true;
        break;
      }
      // Double the step when the error is well inside the tolerance, and shorten the last
      // step so that it lands on the requested x.
      double next = std::abs(estimate) <= et * hx / 32 ? 2 * h : h;
      if (remaining < next) next = remaining;
      h = next;
    } else {
      if (h / 2 < hmin) break;
      h /= 2;
    }
  }
  y = value;
  return solved;
}
