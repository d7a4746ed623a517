#include <string>

#include "tests/engine/bignum/unl_num_testing.hpp"

namespace {

TEST(UnlNumFunctions, AbsAndIntPart) {
  EXPECT_EQ(Shape(UnlNum::Abs(Num("-2.50"))), "2.5 f1");
  EXPECT_EQ(Shape(UnlNum::Abs(Num("0.0"))), "0 f1");
  EXPECT_EQ(Shape(UnlNum::IntPart(Num("-7.9"))), "-7 f0");
  EXPECT_EQ(Shape(UnlNum::IntPart(Num("-0.5"))), "0 f0");
  EXPECT_EQ(Shape(UnlNum::IntPart(Num("12"))), "12 f0");
  EXPECT_FALSE(UnlNum::IntPart(Num("-0.5")).IsNegative());
}

TEST(UnlNumFunctions, RoundHalfUpCarriesIntoTheIntegerPart) {
  struct Case {
    const char *v;
    int n;
    const char *shape;
  };
  const Case cases[] = {
      {"0.999996", 5, "1 f1"},
      {"0.999995", 5, "1 f1"},
      {"0.999994", 5, "0.99999 f1"},
      {"-0.123456789", 4, "0.1235 f1"},
      {"0.123456789", 9, "0.123456789 f1"},
      {"9.5", 0, "10 f0"},
      {"0.1234567891234", 10, "0.1234567891 f2"},
      {"0.5", 12, "0.5 f2"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Shape(UnlNum::RoundHalfUp(Num(c.v), c.n)), c.shape) << c.v << " to " << c.n;
  }
}

TEST(UnlNumFunctions, ReduceAngleGivesQuadrantAndRemainder) {
  struct Case {
    const char *angle;
    const char *r;
    int quadrant;
  };
  const Case cases[] = {{"0", "0", 0},
                        {"90", "90", 0},
                        {"91", "1", 1},
                        {"180", "90", 1},
                        {"181", "1", 2},
                        {"270", "90", 2},
                        {"359", "89", 3},
                        {"360", "0", 0},
                        {"-450", "90", 0},
                        {"-30", "30", 0},
                        {"3600000000000000000045", "45", 0}};
  for (const Case &c : cases) {
    const UnlNum::ReducedAngle reduced = UnlNum::ReduceAngle(Num(c.angle));
    EXPECT_EQ(reduced.r.ToText(), c.r) << c.angle;
    EXPECT_EQ(reduced.quadrant, c.quadrant) << c.angle;
  }
}

TEST(UnlNumFunctions, TrigonometryOfWholeDegrees) {
  using Trig = UnlNum (*)(const UnlNum &, std::int32_t);
  struct Case {
    Trig function;
    const char *name;
    const char *degrees;
    int places;
    const char *text;
  };
  const Case cases[] = {
      {UnlNum::Sin, "Sin", "30", 3, "0.5"},
      {UnlNum::Sin, "Sin", "30", 0, "0.52"},
      {UnlNum::Sin, "Sin", "30", 2, "0.4997"},
      {UnlNum::Sin, "Sin", "90", 4, "1"},
      {UnlNum::Sin, "Sin", "270", 4, "-1"},
      {UnlNum::Sin, "Sin", "-270", 4, "1"},
      {UnlNum::Sin, "Sin", "-90", 4, "-1"},
      {UnlNum::Sin, "Sin", "180", 4, "0"},
      {UnlNum::Sin, "Sin", "360", 4, "0"},
      {UnlNum::Sin, "Sin", "0", 4, "0"},
      {UnlNum::Sin, "Sin", "30.9", 3, "0.5"},
      {UnlNum::Sin, "Sin", "-30", 3, "-0.5"},
      {UnlNum::Sin, "Sin", "-30.9", 3, "-0.5"},
      {UnlNum::Sin, "Sin", "390", 3, "0.5"},
      {UnlNum::Sin, "Sin", "30", -1, "0"},
      {UnlNum::Cos, "Cos", "60", 3, "0.5"},
      {UnlNum::Cos, "Cos", "180", 4, "-1"},
      {UnlNum::Cos, "Cos", "90", 4, "0"},
      {UnlNum::Cos, "Cos", "270", 4, "0"},
      {UnlNum::Cos, "Cos", "-60", 3, "0.5"},
      {UnlNum::Cos, "Cos", "0", 4, "1"},
      {UnlNum::Tan, "Tan", "45", 3, "1"},
      {UnlNum::Tan, "Tan", "90", 3, "0"},
      {UnlNum::Tan, "Tan", "-45", 3, "-1"},
      {UnlNum::Tan, "Tan", "135", 3, "-1"},
      {UnlNum::Tan, "Tan", "270", 3, "0"},
      {UnlNum::Cot, "Cot", "0", 3, "0"},
      {UnlNum::Cot, "Cot", "180", 3, "0"},
      {UnlNum::Cot, "Cot", "45", 3, "1"},
      {UnlNum::Tan, "Tan", "30", -1, "0"},
      {UnlNum::Sin, "Sin", "1", 15, "0.01745240643728349"},
  };
  for (const Case &c : cases) {
    const UnlNum result = c.function(Num(c.degrees), c.places);
    EXPECT_EQ(result.ToText(), c.text) << c.name << "(" << c.degrees << ", " << c.places << ")";
  }
}

// The fast series (powers and factorials carried from term to term) against one that
// builds every term from scratch, over all quadrants, both signs, the multiples of 9
// that get nudged and the precisions where the series is short.
TEST(UnlNumFunctions, TrigonometryAgreesWithTheTermByTermSeries) {
  using Fast = UnlNum (*)(const UnlNum &, std::int32_t);
  using Slow = slow::Num (*)(const slow::Num &, std::int32_t);
  const struct {
    const char *name;
    Fast fast;
    Slow slow;
  } functions[] = {{"Sin", UnlNum::Sin, slow::Sin},
                   {"Cos", UnlNum::Cos, slow::Cos},
                   {"Tan", UnlNum::Tan, slow::Tan},
                   {"Cot", UnlNum::Cot, slow::Cot}};
  for (int degrees = -405; degrees <= 405; degrees += 9) {
    for (int offset : {0, 1, 4}) {
      const std::string text = std::to_string(degrees + offset) + (offset == 4 ? ".7" : "");
      for (int places : {0, 1, 3, 7}) {
        for (const auto &f : functions) {
          EXPECT_EQ(Shape(f.fast(Num(text), places)), Shape(f.slow(slow::Parse(text), places)))
              << f.name << "(" << text << ", " << places << ")";
        }
      }
    }
  }
}

}  // namespace
