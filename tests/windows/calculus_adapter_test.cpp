#include "windows/calculus_adapter.hpp"

#include <gtest/gtest.h>

namespace {

using Mode = CalculusAdapter::IntegralMode;

constexpr const char *kLowerRefused = "000: 参数错误,积分下限必须为> 0 的正整数";
constexpr const char *kUpperRefused = "000: 参数错误,积分上限必须为> 0 的正整数";
constexpr const char *kCountRefused = "000: 参数错误,样本区间必须为> 0 的正整数";

TEST(CalculusAdapterTest, SamplePositionsMustBeWholeNumbers) {
  const NumericArray samples = NumericArray::Vector({1, 2, 3, 4, 5});
  const struct {
    double lower, upper;
    const char *text;
  } cases[] = {
      {0, 4, "12"},
      {0, 3, "7.5"},  // three intervals: the three-eighths rule alone
      {2, 2, "0"},
      {0.00000005, 4, "12"},       // within the tolerance above a whole number
      {0, 3.9999999999999, "12"},  // counts as 4, not as 3
      {1.5, 4, kLowerRefused},
      {-1, 4, kLowerRefused},
      {-0.00000005, 4, kLowerRefused},
      {0, 2.5, kUpperRefused},
      {1.5, 2.5, kLowerRefused},  // the lower limit is checked first
      {0, 9, "0"},                // past the last sample: refused by the integral
      {3, 1, "0"},
      {0, 1e300, "0"},
  };
  const CalculusAdapter adapter;
  for (const auto &c : cases) {
    EXPECT_EQ(adapter.Integrate(Mode::Samples, samples, 1, c.lower, c.upper), c.text)
        << c.lower << " " << c.upper;
  }
}

TEST(CalculusAdapterTest, TheIntervalCountOfTheFunctionIntegral) {
  const struct {
    double count, lower, upper;
    const char *text;
  } cases[] = {
      {4, 0, 1, "1.718318841922"},
      {0, 0, 1, "0"},
      {4, 1, 1, "0"},
      {2.5, 0, 1, kCountRefused},
      {-2, 0, 1, kCountRefused},
      {1000001, 0, 1, "000: 参数错误,样本区间不能大于1000000"},
      {2147483648.0, 0, 1, "000: 参数错误,样本区间不能大于1000000"},
  };
  const CalculusAdapter adapter;
  for (const auto &c : cases) {
    EXPECT_EQ(adapter.Integrate(Mode::Function, NumericArray(), c.count, c.lower, c.upper), c.text)
        << c.count;
  }
  // The largest count still integrates, to e - 1 up to rounding.
  const std::string largest =
      adapter.Integrate(Mode::Function, NumericArray(), CalculusAdapter::kMaxIntervals, 0, 1);
  EXPECT_TRUE(largest.starts_with("1.71828182845")) << largest;
}

TEST(CalculusAdapterTest, FirstOrderEquation) {
  const CalculusAdapter adapter;
  // y' = e^(2x) + y through (0, 1) is e^(2x): e^2 at x = 1.
  const std::string y = adapter.SolveFirstOrder(0, 1, 1, 0.000001, 0.1, 0.000001);
  EXPECT_TRUE(y.starts_with("7.38905")) << y;
  EXPECT_EQ(adapter.SolveFirstOrder(0, 1, 1, 0.000001, 0.1, 0.2), "");  // h0 below hmin
  // A minimum step above the initial one by less than 1e-7 is taken as equal.
  EXPECT_NE(adapter.SolveFirstOrder(0, 1, 1, 1, 0.1, 0.10000001), "");
  EXPECT_EQ(adapter.SolveFirstOrder(0, 1, 0, 0.000001, 0.1, 0.000001), "");  // x = x0
  EXPECT_EQ(adapter.SolveFirstOrder(0, 1, 1, 0.000001, 0.1, 0), "");         // no minimum step
}

}  // namespace
