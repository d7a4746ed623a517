// Operands long enough for Karatsuba multiplication and multi-group long division, which
// the short random operands of the differential test never reach.

#include <random>
#include <string>

#include "tests/engine/bignum/unl_num_testing.hpp"

namespace {

std::string RandomDigits(std::mt19937_64 &rng, std::size_t count) {
  std::string digits(1, static_cast<char>('1' + rng() % 9));
  while (digits.size() < count) digits += static_cast<char>('0' + rng() % 10);
  return digits;
}

TEST(UnlNumLong, MultiplyAndDivideMatchTheLongWay) {
  std::mt19937_64 rng(77);
  struct Lengths {
    std::size_t a, b;
  };
  // Balanced and lopsided, below, at and far above the Karatsuba threshold.
  const Lengths cases[] = {{560, 560},   {580, 590}, {1000, 999}, {2500, 400},
                           {3000, 1700}, {1200, 29}, {4000, 3990}};
  for (const Lengths &c : cases) {
    const std::string a = RandomDigits(rng, c.a);
    const std::string b = "-" + RandomDigits(rng, c.b - 20) + "." + RandomDigits(rng, 20);
    SCOPED_TRACE(std::to_string(c.a) + " by " + std::to_string(c.b) + " digits");
    EXPECT_EQ(Shape(UnlNum::Multiply(Num(a), Num(b))),
              Shape(slow::Multiply(slow::Parse(a), slow::Parse(b))));
    EXPECT_EQ(Shape(UnlNum::Divide(Num(a), Num(b), 30)),
              Shape(slow::Divide(slow::Parse(a), slow::Parse(b), 30)));
  }
}

// The rare step of long division where the estimated quotient group is one too large and
// the divisor has to be added back.
TEST(UnlNumLong, DivisionStepThatOvershootsIsCorrected) {
  const std::string a = "499999999499999999999999999000000001";
  const std::string b = "500000000500000001123456789";
  for (int places : {0, 9}) {
    EXPECT_EQ(Shape(UnlNum::Divide(Num(a), Num(b), places)),
              Shape(slow::Divide(slow::Parse(a), slow::Parse(b), places)));
    EXPECT_EQ(Shape(UnlNum::Mod(Num(a), Num(b))), Shape(slow::Mod(slow::Parse(a), slow::Parse(b))));
  }
}

// Tens of thousands of digits, as x^y and base conversion produce: the quotient of an exact
// product gives the factor back, and quotient and remainder rebuild the dividend.
TEST(UnlNumLong, HugeProductsDivideBackExactly) {
  std::mt19937_64 rng(5);
  const UnlNum a = Num(RandomDigits(rng, 30000));
  const UnlNum b = Num(RandomDigits(rng, 24000) + "." + RandomDigits(rng, 17));
  const UnlNum product = UnlNum::Multiply(a, b);
  EXPECT_EQ(UnlNum::Divide(product, b, 0).ToText(), a.ToText());

  const UnlNum c = Num(RandomDigits(rng, 12345));
  const UnlNum quotient = UnlNum::IntDivide(a, c);
  const UnlNum remainder = UnlNum::Mod(a, c);
  EXPECT_TRUE(UnlNum::Greater(c, remainder));
  EXPECT_EQ(UnlNum::Add(UnlNum::Multiply(quotient, c), remainder).ToText(), a.ToText());
}

}  // namespace
