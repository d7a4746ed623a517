#include <functional>
#include <string>

#include "tests/engine/bignum/unl_num_testing.hpp"

namespace {

using Binary = std::function<UnlNum(const UnlNum &, const UnlNum &)>;

struct Case {
  const char *a;
  const char *b;
  const char *shape;  // result text and fraction groups
};

void ExpectAll(const char *name, const Binary &operation, std::initializer_list<Case> cases) {
  for (const Case &c : cases) {
    EXPECT_EQ(Shape(operation(Num(c.a), Num(c.b))), c.shape)
        << name << "(" << c.a << ", " << c.b << ")";
  }
}

Binary DivideAt(int places) {
  return [places](const UnlNum &a, const UnlNum &b) { return UnlNum::Divide(a, b, places); };
}

TEST(UnlNumArithmetic, AddCarriesAndKeepsTheLongerFraction) {
  ExpectAll("Add", UnlNum::Add,
            {
                {"999999999", "1", "1000000000 f0"},
                {"0.999999999", "0.000000001", "1 f1"},
                {"0.5", "0.5000000000", "1 f2"},
                {"-5", "3", "-2 f0"},
                {"5", "-5", "0 f0"},
                {"-2.5", "-0.25", "-2.75 f1"},
                {"0.0", "0.0000000000", "0 f2"},
                {"-0.5", "0.0000000000", "-0.5 f2"},
            });
}

TEST(UnlNumArithmetic, SubtractBorrowsAndEqualMagnitudesGiveAFreshZero) {
  ExpectAll("Subtract", UnlNum::Subtract,
            {
                {"5", "5", "0 f0"},
                {"0.5", "0.500000000000000000", "0 f0"},
                {"0.0", "0.0000000000", "0 f0"},
                {"3", "5", "-2 f0"},
                {"-3", "-5", "2 f0"},
                {"-3", "5", "-8 f0"},
                {"3", "-5", "8 f0"},
                {"1000000000", "0.000000001", "999999999.999999999 f1"},
                {"1000000000000000000.5", "0.6", "999999999999999999.9 f1"},
                {"1.5", "0.75", "0.75 f1"},
                {"2.5", "0.5", "2 f1"},
                {"0", "0.0", "0 f0"},
            });
}

TEST(UnlNumArithmetic, MultiplyAddsFractionGroupsExceptForZeroAndExactOne) {
  ExpectAll("Multiply", UnlNum::Multiply,
            {
                {"2", "1500000000", "3000000000 f0"},
                {"500000000", "2", "1000000000 f0"},
                {"0.5", "0.5", "0.25 f2"},
                {"1.5", "1.5", "2.25 f2"},
                {"-3", "4", "-12 f0"},
                {"-3", "-4", "12 f0"},
                {"0", "-4", "0 f0"},
                {"0.0", "5.5", "0 f0"},
                {"1.0", "2.50", "2.5 f1"},
                {"-1", "2", "-2 f0"},
                {"2.50", "-1.000000000000", "-2.5 f1"},
                {"0.000000001", "0.000000001", "0.000000000000000001 f2"},
                {"999999999.999999999", "999999999.999999999",
                 "999999999999999998.000000000000000001 f2"},
            });
}

TEST(UnlNumArithmetic, DivideTruncatesAtTheChosenDecimals) {
  ExpectAll("Divide@5", DivideAt(5),
            {
                {"1", "3", "0.33333 f1"},
                {"2", "3", "0.66666 f1"},
                {"10", "4", "2.5 f1"},
            });
  ExpectAll("Divide@3", DivideAt(3),
            {
                {"7", "3", "2.333 f1"},
                {"1.5", "3", "0.5 f1"},
                {"9", "10000", "0.0009 f1"},
                {"5", "5", "1 f1"},
                {"-5", "5", "-1 f1"},
                {"-7", "-3", "2.333 f1"},
                {"7", "0", "0 f0"},
                {"0", "7", "0 f0"},
                {"1", "3000000", "0 f0"},
                {"3", "2000000", "0.000001 f1"},
            });
  ExpectAll("Divide@0", DivideAt(0),
            {
                {"9", "10", "0.9 f1"},
                {"50", "7", "7 f0"},
                {"10", "4", "2 f0"},
                {"-1", "3", "0 f0"},
                {"5.000000000123", "1.0", "5.000000000123 f2"},
                {"-5.000000000123", "-1", "5.000000000123 f2"},
                {"2.50", "2.5", "1 f0"},
            });
  ExpectAll("Divide@10", DivideAt(10), {{"0.0000000005", "5", "0.0000000001 f2"}});
  ExpectAll("Divide@12", DivideAt(12), {{"5.000000000123", "2", "2.5000000000615 f2"}});
  ExpectAll("Divide@20", DivideAt(20), {{"4", "4", "1 f3"}, {"1", "8", "0.125 f3"}});
  ExpectAll("Divide@-1", DivideAt(-1), {{"1", "3", "0 f0"}, {"5", "1", "0 f0"}});
}

TEST(UnlNumArithmetic, IntDivideAndModTruncateTowardZero) {
  ExpectAll("IntDivide", UnlNum::IntDivide,
            {
                {"7", "2", "3 f0"},
                {"-7", "2", "-3 f0"},
                {"1", "-3", "0 f0"},
                {"7", "0", "0 f0"},
                {"7.9", "1", "7 f0"},
                {"123456789012345678901234567890", "1000000000", "123456789012345678901 f0"},
            });
  ExpectAll("Mod", UnlNum::Mod,
            {
                {"7", "3", "1 f0"},
                {"-7", "3", "-1 f0"},
                {"7", "-3", "1 f0"},
                {"7.5", "2", "1.5 f1"},
                {"7", "0", "7 f0"},
                {"-7.5", "0", "-7.5 f1"},
                {"6", "3", "0 f0"},
                {"7", "0.5", "0 f0"},
                {"7.25", "0.5", "0.25 f1"},
            });
}

TEST(UnlNumArithmetic, CompareWithAndWithoutSign) {
  struct CompareCase {
    const char *a;
    const char *b;
    int withSign;
    int magnitude;
  };
  const CompareCase cases[] = {
      {"-5", "-3", -1, 1},
      {"-3", "-5", 1, -1},
      {"0.5000000000", "0.5", 0, 0},
      {"0", "-1", 1, -1},
      {"-5", "3", -1, 1},
      {"1000000000", "999999999.9", 1, 1},
      {"0.0000000001", "0", 1, 1},
      {"12.000000001", "12", 1, 1},
  };
  for (const CompareCase &c : cases) {
    EXPECT_EQ(UnlNum::Compare(Num(c.a), Num(c.b), true), c.withSign) << c.a << " " << c.b;
    EXPECT_EQ(UnlNum::Compare(Num(c.a), Num(c.b), false), c.magnitude) << c.a << " " << c.b;
    EXPECT_EQ(UnlNum::Greater(Num(c.a), Num(c.b)), c.withSign > 0) << c.a << " " << c.b;
  }
}

TEST(UnlNumArithmetic, OperandsAreNeverChanged) {
  const UnlNum a = Num("-12.50");
  const UnlNum b = Num("0.3");
  UnlNum::Divide(a, b, 20);
  UnlNum::Mod(a, b);
  UnlNum::Multiply(a, b);
  EXPECT_EQ(Shape(a), "-12.5 f1");
  EXPECT_EQ(Shape(b), "0.3 f1");
}

}  // namespace
