#include "app/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TextCase {
  const char *text;
  double number;
};

TEST(TextToNumber, ReadsTheLongestNumberPrefix) {
  const TextCase cases[] = {
      {"12.5", 12.5},
      {"  -3", -3},
      {".5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"1d3", 1000},
      {"1D-2", 0.01},
      {"1E+2", 100},
      {"12abc", 12},
      {"1,000", 1},
      {"０．５", 0.5},
      {"－２", -2},
      {"", 0},
      {"abc", 0},
      {".", 0},
      {"-", 0},
      {"0x1A", 0},
      {"1e", 1},
      {"1e+", 1},
      {"   7.25xyz", 7.25},
      {"\t\r\n+4", 4},
      {"1.2.3", 1.2},
      {"..5", 0},
      {"1e999", HUGE_VAL},
      {"-1e999", -HUGE_VAL},
      {"1e-999", 0},
      {"0.1", 0.1},
      {"123456789012345678901", 123456789012345678901.0},
      {"　9", 9},
      {"inf", 0},
      {"nan", 0},
      {"00012", 12},
  };
  for (const auto &c : cases) EXPECT_EQ(TextToNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(TextToNumber, RoundsToTheNearestDouble) {
  // Halfway cases and long mantissas are where a digit-by-digit reader goes wrong.
  EXPECT_EQ(TextToNumber("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(TextToNumber("2.2250738585072014e-308"), std::numeric_limits<double>::min());
  EXPECT_EQ(TextToNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(TextToNumber(std::string(10000, '1')), HUGE_VAL);
  EXPECT_EQ(TextToNumber("0." + std::string(5000, '0') + "1e5000"), 0.1);
}

TEST(FullWidthForms, BecomeAsciiAndEverythingElseStays) {
  EXPECT_EQ(ReplaceFullWidthForms("１２ａＺ，＄￥～￣　☆★"), "12aZ,$$~~ **");
  EXPECT_EQ(ReplaceFullWidthForms("计算精度"), "计算精度");
}

struct NumberCase {
  double number;
  const char *text;
};

TEST(NumberToText, WritesThirteenSignificantDigits) {
  const NumberCase cases[] = {
      {12.5, "12.5"},
      {0.5, "0.5"},
      {100, "100"},
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {57.29577951308232, "57.29577951308"},
      {0.0001, "0.0001"},
      {1e15, "1e+015"},
      {123456789012345, "1.234567890123e+014"},
      {0.00001, "1e-005"},
      {-2.5e-7, "-2.5e-007"},
      {1e13, "1e+013"},
      {9999999999999, "9999999999999"},
      {12345.678, "12345.678"},
      {-0.000123, "-0.000123"},
      {0.0000123, "1.23e-005"},
      {1e300, "1e+300"},
      {0, "0"},
      {-0.0, "-0"},
      {HUGE_VAL, "1.#INF"},
      {-HUGE_VAL, "-1.#INF"},
  };
  for (const auto &c : cases) EXPECT_EQ(NumberToText(c.number), c.text) << c.number;
}

TEST(NumberToText, NamesNotANumberTheWayTheCalculatorAlwaysHas) {
  volatile double zero = 0.0;
  EXPECT_EQ(NumberToText(zero / zero), "-1.#IND");  // the x86 indefinite value
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN()), "1.#QNAN");
  EXPECT_EQ(NumberToText(std::copysign(std::nan("7"), -1.0)), "-1.#QNAN");
}

TEST(NumberToText, WritesIntegers) {
  EXPECT_EQ(NumberToText(std::int32_t{0}), "0");
  EXPECT_EQ(NumberToText(std::int32_t{-42}), "-42");
  EXPECT_EQ(NumberToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(ToInteger, TruncatesTowardZero) {
  EXPECT_EQ(ToInteger(3.9), 3);
  EXPECT_EQ(ToInteger(-3.9), -3);
  EXPECT_EQ(ToInteger(1e20), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ToInteger(-1e20), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInteger(std::nan("")), 0);
}

}  // namespace
