#include "windows/calculus_adapter.hpp"

#include <cmath>
#include <optional>

#include "app/number_text.hpp"

namespace {

// Typed positions and counts arrive as doubles that may carry rounding noise: a value
// passes as a whole number when it is at least -1e-7 and within 1e-7 of one (a fraction
// above 0.999999999999 counts as the next whole number). The result is the whole number
// it passed as, so 2.9999999999999 is 3, not 2.
std::optional<std::int32_t> WholeNumber(double v) {
  if (!(v >= -1e-7)) return std::nullopt;
  double k = std::floor(v);
  if (v - k > 0.999999999999) k += 1;
  if (!(std::fabs(k - v) <= 1e-7)) return std::nullopt;
  return ToInteger(k);
}

}  // namespace

std::string CalculusAdapter::Integrate(IntegralMode mode, const NumericArray &samples, double s,
                                       double lower, double upper) const {
  if (mode == IntegralMode::Samples) {
    const std::optional<std::int32_t> lo = WholeNumber(lower);
    if (!lo) return "000: 参数错误,积分下限必须为> 0 的正整数";
    const std::optional<std::int32_t> hi = WholeNumber(upper);
    if (!hi) return "000: 参数错误,积分上限必须为> 0 的正整数";
    return NumberToText(calculous_.IntegrateSamples(samples, s, *lo, *hi));
  }
  const std::optional<std::int32_t> n = WholeNumber(s);
  if (!n) return "000: 参数错误,样本区间必须为> 0 的正整数";
  if (*n > kMaxIntervals) return "000: 参数错误,样本区间不能大于" + NumberToText(kMaxIntervals);
  return NumberToText(calculous_.IntegrateFunction(*n, lower, upper));
}

std::string CalculusAdapter::SolveFirstOrder(double x0, double y0, double x, double et, double h0,
                                             double hmin) const {
  if (h0 - hmin < -1e-7) return std::string();
  double y = 0;
  if (!calculous_.SolveOde(x0, y0, x, et, h0, hmin, y)) return std::string();
  return NumberToText(y);
}
