#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/engine/bignum/unl_num_testing.hpp"

namespace {

TEST(UnlNumText, ValidTextsReadAndWriteBack) {
  struct Case {
    const char *text;
    const char *shape;  // written back, fraction groups
  };
  const Case cases[] = {
      {"0", "0 f0"},
      {"0.5", "0.5 f1"},
      {"7", "7 f0"},
      {"12.", "12 f0"},
      {"12.50", "12.5 f1"},
      {"-3", "-3 f0"},
      {"-0.25", "-0.25 f1"},
      {"-5.", "-5 f0"},
      {"-0.0", "0 f1"},
      {"1.000000000", "1 f1"},
      {"1.0000000000", "1 f2"},
      {"123456789012345678901234567890", "123456789012345678901234567890 f0"},
      {"0.0000000001", "0.0000000001 f2"},
      {"1000000000.000000001", "1000000000.000000001 f1"},
  };
  for (const Case &c : cases) {
    UnlNum v;
    ASSERT_TRUE(UnlNum::FromText(c.text, v)) << c.text;
    EXPECT_EQ(Shape(v), c.shape) << c.text;
    EXPECT_FALSE(v.IsNegative() && v.IsZero()) << c.text;
  }
}

TEST(UnlNumText, GroupsAreNineDigitsIntegerLowFirstFractionLeftAligned) {
  const UnlNum big = Num("123456789012345678901234567890");
  EXPECT_EQ(big.IntegerGroups(),
            (std::vector<UnlNum::Group>{234567890, 345678901, 456789012, 123}));
  const UnlNum small = Num("0.0000000001");
  EXPECT_EQ(small.IntegerGroups(), std::vector<UnlNum::Group>{0});
  EXPECT_EQ(small.FractionGroups(), (std::vector<UnlNum::Group>{0, 100000000}));
  EXPECT_EQ(Num("12.5").FractionGroups(), std::vector<UnlNum::Group>{500000000});
  EXPECT_EQ(Num("1000000000").IntegerGroups(), (std::vector<UnlNum::Group>{0, 1}));
}

TEST(UnlNumText, InvalidTextsAreRefusedAndLeaveZero) {
  const std::string invalid[] = {"",
                                 ".5",
                                 "-.5",
                                 "+1",
                                 "-",
                                 "-0",
                                 "-0.",
                                 "-05",
                                 "05",
                                 "00.5",
                                 "0.",
                                 "1e5",
                                 "1,000",
                                 " 1",
                                 "1-",
                                 "1..2",
                                 "1.2.3",
                                 "1 ",
                                 "--1",
                                 "0-",
                                 "-0.-",
                                 "\xef\xbc\x91",
                                 std::string("1\0", 2),
                                 "0x10",
                                 "٣"};
  for (const std::string &text : invalid) {
    UnlNum v = Num("42.5");
    EXPECT_FALSE(UnlNum::FromText(text, v)) << text;
    EXPECT_EQ(Shape(v), "0 f0") << text;
  }
}

TEST(UnlNumText, LongTextRoundTrips) {
  std::string digits;
  for (int i = 0; i < 20000; ++i) digits += static_cast<char>('1' + i * 7 % 9);
  const std::string text = "-" + digits + "." + digits.substr(0, 1234) + "7";
  EXPECT_EQ(Num(text).ToText(), text);
}

// What a FromNumber call left: the text it read, or "refused" and the value left behind.
std::string Outcome(bool ok, const UnlNum &v) { return ok ? v.ToText() : "refused, " + Shape(v); }

TEST(UnlNumNumbers, FromNumberByKind) {
  UnlNum v;
  EXPECT_EQ(Outcome(UnlNum::FromNumber(std::int32_t{-2147483647 - 1}, v), v), "-2147483648");
  EXPECT_EQ(v.IntegerGroupCount(), 2u);
  EXPECT_EQ(Outcome(UnlNum::FromNumber(std::int32_t{999999999}, v), v), "999999999");
  EXPECT_EQ(v.IntegerGroupCount(), 1u);
  EXPECT_EQ(Outcome(UnlNum::FromNumber(std::numeric_limits<std::int64_t>::min(), v), v),
            "-9223372036854775808");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(1LL << 40, v), v), "1099511627776");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(std::int16_t{-32768}, v), v), "-32768");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(std::uint8_t{255}, v), v), "255");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(2.5, v), v), "2.5");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(1.0 / 3.0, v), v), "0.3333333333333");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(0.1f, v), v), "0.1000000014901");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(-0.0001, v), v), "-0.0001");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(9999999999999.0, v), v), "9999999999999");
  EXPECT_EQ(Outcome(UnlNum::FromNumber(0.0, v), v), "0");
}

TEST(UnlNumNumbers, FromNumberRefusesWhatItCannotExpress) {
  const auto from = [](auto number) {
    UnlNum v = Num("5");
    return Outcome(UnlNum::FromNumber(number, v), v);
  };
  const std::string refused = "refused, 0 f0";
  EXPECT_EQ(from(1e20), refused);
  EXPECT_EQ(from(1e13), refused);
  EXPECT_EQ(from(0.00001), refused);
  EXPECT_EQ(from(-0.0), refused);
  EXPECT_EQ(from(std::numeric_limits<double>::infinity()), refused);
  EXPECT_EQ(from(std::nan("")), refused);
  EXPECT_EQ(from(true), refused);
  EXPECT_EQ(from(5u), refused);
  EXPECT_EQ(from('5'), refused);
  EXPECT_EQ(from(std::string("5")), refused);
  EXPECT_EQ(from(5.0L), refused);
}

TEST(UnlNumNumbers, ToIntOnlyForWholeValuesThatFit) {
  struct Case {
    const char *text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"1500000000", 1500000000},
      {"-35", -35},
      {"0", 0},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"7.0", 0},
      {"7.5", 0},
      {"1000000000000000000", 0},
  };
  for (const Case &c : cases) EXPECT_EQ(Num(c.text).ToInt(), c.value) << c.text;
}

TEST(UnlNumText, AssignCopiesTheGroups) {
  UnlNum v = Num("-3");
  const UnlNum one = Num("1.000000000000");
  v.Assign(one);
  EXPECT_EQ(Shape(v), "1 f2");
}

}  // namespace
