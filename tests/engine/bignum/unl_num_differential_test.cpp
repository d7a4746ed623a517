// The fast engine against the plain one on seeded random operands: every result must have
// the same digits and the same number of fraction groups.

#include <random>
#include <string>
#include <utility>

#include "tests/engine/bignum/unl_num_testing.hpp"

namespace {

class RandomTexts {
 public:
  explicit RandomTexts(std::uint64_t seed) : rng_(seed) {}

  // A valid number text of 1 to about 300 digits: whole or with a fraction (sometimes
  // with trailing zeros that make extra zero groups), either sign, sometimes 0 or exactly
  // 1, with runs of 9s and 0s that make long carries and borrows.
  std::string Next() {
    switch (Below(20)) {
      case 0:
        return Pick({"0", "0.0", "0.000000000000", "-0.0"});
      case 1:
        return Pick({"1", "-1", "1.0", "-1.000000000000000000", "1."});
      default:
        break;
    }
    std::string text = Below(2) ? "-" : "";
    const std::size_t integerDigits = Length();
    const std::size_t fractionDigits = Below(3) == 0 ? 0 : Length();
    text += integerDigits == 0 ? "0" : std::string(1, static_cast<char>('1' + Below(9)));
    if (integerDigits > 1) text += Digits(integerDigits - 1);
    if (fractionDigits == 0) {
      if (integerDigits == 0) text += ".5";
      return text;
    }
    text += "." + Digits(fractionDigits);
    if (Below(4) == 0) text += std::string(Below(20), '0');
    return text;
  }

  // A second operand: mostly independent, sometimes equal to the first, its negation,
  // the same value with more zero groups, or a near neighbour.
  std::string Partner(const std::string &a) {
    switch (Below(12)) {
      case 0:
        return a;
      case 1:
        return a[0] == '-' ? a.substr(1) : (a == "0" ? a : "-" + a);
      case 2:
        return a.find('.') == std::string::npos ? a + ".000000000" : a + "000000000";
      case 3:
        return a.find('.') == std::string::npos ? a : a.substr(0, a.size() - 1) + "9";
      default:
        return Next();
    }
  }

  int Places() { return static_cast<int>(Below(61)); }

 private:
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }

  std::string Pick(std::initializer_list<const char *> choices) {
    return *(choices.begin() + Below(choices.size()));
  }

  // 0 (integer part 0) or a length of one of three sizes, up to 300 digits in all.
  std::size_t Length() {
    switch (Below(4)) {
      case 0:
        return 0;
      case 1:
        return 1 + Below(9);
      case 2:
        return 10 + Below(30);
      default:
        return 40 + Below(110);
    }
  }

  std::string Digits(std::size_t count) {
    std::string digits;
    const std::size_t style = Below(4);
    for (std::size_t i = 0; i < count; ++i) {
      if (style == 0) {
        digits += Below(10) == 0 ? static_cast<char>('0' + Below(10)) : '9';
      } else if (style == 1) {
        digits += Below(10) == 0 ? static_cast<char>('0' + Below(10)) : '0';
      } else {
        digits += static_cast<char>('0' + Below(10));
      }
    }
    return digits;
  }

  std::mt19937_64 rng_;
};

TEST(UnlNumDifferential, ArithmeticMatchesTheLongWay) {
  RandomTexts random(20240607);
  for (int round = 0; round < 2500; ++round) {
    const std::string a = random.Next();
    const std::string b = random.Partner(a);
    const int places = random.Places();
    const UnlNum x = Num(a);
    const UnlNum y = Num(b);
    const slow::Num sx = slow::Parse(a);
    const slow::Num sy = slow::Parse(b);
    SCOPED_TRACE("a = " + a + ", b = " + b + ", places = " + std::to_string(places));
    ASSERT_EQ(Shape(x), Shape(sx));
    ASSERT_EQ(Shape(UnlNum::Add(x, y)), Shape(slow::Add(sx, sy)));
    ASSERT_EQ(Shape(UnlNum::Subtract(x, y)), Shape(slow::Subtract(sx, sy)));
    ASSERT_EQ(Shape(UnlNum::Multiply(x, y)), Shape(slow::Multiply(sx, sy)));
    ASSERT_EQ(Shape(UnlNum::Divide(x, y, places)), Shape(slow::Divide(sx, sy, places)));
    ASSERT_EQ(Shape(UnlNum::IntDivide(x, y)), Shape(slow::IntDivide(sx, sy)));
    ASSERT_EQ(Shape(UnlNum::Mod(x, y)), Shape(slow::Mod(sx, sy)));
    ASSERT_EQ(UnlNum::Compare(x, y, true), slow::Compare(sx, sy, true));
    ASSERT_EQ(UnlNum::Compare(x, y, false), slow::Compare(sx, sy, false));
  }
}

}  // namespace
