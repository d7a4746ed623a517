#include "engine/expr/expression_parse.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using Code = ExpressionParse::Code;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// What one expression gives at one x: whether it passes the syntax check, and if so the
// evaluation's code and (for code 0) its value.
struct Case {
  const char *text;
  double x;
  bool syntax;
  Code code;
  double value;
};

void PrintTo(const Case &c, std::ostream *os) { *os << '"' << c.text << "\" at x = " << c.x; }

class ExpressionCase : public testing::TestWithParam<Case> {};

TEST_P(ExpressionCase, ChecksConvertsAndEvaluates) {
  const Case &c = GetParam();
  ExpressionParse parser;
  ASSERT_EQ(parser.CheckSyntax(c.text), c.syntax);
  if (!c.syntax) return;
  const double before = parser.Value();
  ASSERT_EQ(parser.EvaluateAt(c.x), c.code);
  if (c.code == Code::kEvaluated) {
    EXPECT_NEAR(parser.Value(), c.value, 1e-12 * std::max(1.0, std::fabs(c.value)));
  } else {
    EXPECT_EQ(parser.Value(), before);  // a failed evaluation keeps the last value
  }
}

const double e = std::exp(1.0);

INSTANTIATE_TEST_SUITE_P(
    Evaluation, ExpressionCase,
    testing::Values(
        Case{"3*exp(x)*tan(x)/(8+log(x))", 1, true, Code::kEvaluated, 3 * e *std::tan(1.0) / 8},
        Case{"1+2*3-4/2", 0, true, Code::kEvaluated, 5},
        Case{"8/4/2", 0, true, Code::kEvaluated, 1},  // left-associative
        Case{"10-4-3", 0, true, Code::kEvaluated, 3},
        // A digit before a bracket or a function name multiplies; nothing else does.
        Case{"2(x+1)", 3, true, Code::kEvaluated, 8}, Case{"9(x+1)", 3, true, Code::kEvaluated, 36},
        Case{"10(x+1)", 3, true, Code::kEvaluated, 40},
        Case{"2sin(x)", 0, true, Code::kEvaluated, 0},
        Case{"1/2(3)", 0, true, Code::kEvaluated, 1.5},
        Case{"2-3(4)", 0, true, Code::kEvaluated, -10},
        Case{"2x", 1, true, Code::kMalformed, kNoValue},
        Case{"x(1)", 1, true, Code::kMalformed, kNoValue},
        Case{"(1)(2)", 1, true, Code::kMalformed, kNoValue},
        // Unary minus binds looser than * and / but is ended by + and -.
        Case{"-x*2", 3, true, Code::kEvaluated, -6}, Case{"-x+1", 3, true, Code::kEvaluated, -2},
        Case{"x-(-1)", 3, true, Code::kEvaluated, 4},
        Case{"-sin(x)", 1, true, Code::kEvaluated, -std::sin(1.0)},
        Case{"+x", 3, true, Code::kMalformed, kNoValue},
        Case{"x+", 3, true, Code::kMalformed, kNoValue},
        Case{"2*-3", 0, false, Code::kMalformed, kNoValue},
        // Functions bind tightest.
        Case{"sin(x)*2", 1, true, Code::kEvaluated, 2 * std::sin(1.0)},
        Case{"2*sqrt(x)/2", 9, true, Code::kEvaluated, 3},
        Case{"cosh(x)", 0, true, Code::kEvaluated, 1},
        Case{"sinh(x)", 1, true, Code::kEvaluated, std::sinh(1.0)},
        Case{"tanh(x)", 1, true, Code::kEvaluated, std::tanh(1.0)},
        Case{"cot(x)", 1, true, Code::kEvaluated, 1 / std::tan(1.0)},
        Case{"acot(x)", 0, true, Code::kEvaluated, 1.5707963},
        Case{"floor(x)", -2.5, true, Code::kEvaluated, -3},
        Case{"abs(x)", -2.5, true, Code::kEvaluated, 2.5},
        Case{"ln(x)+atan(x)", 1, true, Code::kEvaluated, std::atan(1.0)},
        Case{"acos(x)+asin(x)", 0.5, true, Code::kEvaluated, std::acos(0.5) + std::asin(0.5)},
        Case{"pow(x,2)", 3, true, Code::kEvaluated, 9},
        Case{"pow(2,x)", 3, true, Code::kEvaluated, 8},
        Case{"mod(7,3)", 0, true, Code::kEvaluated, 1},
        Case{"mod(-7,3)", 0, true, Code::kEvaluated, -1},
        Case{"pow(x,-1)", 3, true, Code::kMalformed, kNoValue},  // "-" after "," subtracts
        Case{"pow(sin(x),2)+pow(cos(x),2)", 0.7, true, Code::kEvaluated, 1},
        // Any bracket kind, matched by kind.
        Case{"[x+1]*{2}", 4, true, Code::kEvaluated, 10},
        Case{"{[(x)]}", 4, true, Code::kEvaluated, 4},
        Case{"(x]", 0, false, Code::kMalformed, kNoValue},
        Case{"(x", 0, false, Code::kMalformed, kNoValue},
        Case{"x)", 0, false, Code::kMalformed, kNoValue},
        // Outside the alphabet, or a name without its bracket.
        Case{"x 2", 0, false, Code::kMalformed, kNoValue},
        Case{"x^2", 0, false, Code::kMalformed, kNoValue},
        Case{"X", 0, false, Code::kMalformed, kNoValue},
        Case{"pi", 0, false, Code::kMalformed, kNoValue},
        Case{"sin x", 0, false, Code::kMalformed, kNoValue},
        Case{"sinx", 0, false, Code::kMalformed, kNoValue},
        Case{"sin", 0, false, Code::kMalformed, kNoValue},
        Case{"1e5", 0, false, Code::kMalformed, kNoValue},
        Case{"x#", 0, false, Code::kMalformed, kNoValue},
        Case{"\xE6\x95\xB0", 0, false, Code::kMalformed, kNoValue},
        Case{"", 0, true, Code::kMalformed, kNoValue},
        // Error codes.
        Case{"1/x", 0, true, Code::kDivisionByZero, kNoValue},
        Case{"acos(2)", 0, true, Code::kAcosDomain, kNoValue},
        Case{"asin(-1.5)", 0, true, Code::kAsinDomain, kNoValue},
        Case{"cot(0)", 0, true, Code::kCotPole, kNoValue},
        Case{"mod(x,0)", 5, true, Code::kModByZero, kNoValue},
        Case{"ln(0)", 0, true, Code::kLnDomain, kNoValue},
        Case{"log(-1)", 0, true, Code::kLogDomain, kNoValue},
        Case{"sqrt(-1)", 0, true, Code::kSqrtDomain, kNoValue},
        Case{"x,x", 1, true, Code::kMalformed, kNoValue},
        Case{"()", 1, true, Code::kMalformed, kNoValue}));

TEST(ExpressionParse, DomainChecksRejectNotANumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ExpressionParse parser;
  const struct {
    const char *text;
    Code code;
  } cases[] = {{"1/x", Code::kDivisionByZero}, {"cot(x)", Code::kCotPole},
               {"mod(1,x)", Code::kModByZero}, {"ln(x)", Code::kLnDomain},
               {"log(x)", Code::kLogDomain},   {"sqrt(x)", Code::kSqrtDomain}};
  for (const auto &c : cases) {
    ASSERT_TRUE(parser.CheckSyntax(c.text));
    EXPECT_EQ(parser.EvaluateAt(nan), c.code) << c.text;
  }
}

TEST(ExpressionParse, OverflowAndUndefinedValuesAreResults) {
  ExpressionParse parser;
  ASSERT_TRUE(parser.CheckSyntax("exp(x)"));
  ASSERT_EQ(parser.EvaluateAt(1000), Code::kEvaluated);
  EXPECT_TRUE(std::isinf(parser.Value()));
  ASSERT_TRUE(parser.CheckSyntax("pow(x,0.5)"));
  ASSERT_EQ(parser.EvaluateAt(-1), Code::kEvaluated);
  EXPECT_TRUE(std::isnan(parser.Value()));
}

TEST(ExpressionParse, WorkingTextHasEndMarkerAndRoundBrackets) {
  ExpressionParse parser;
  ASSERT_TRUE(parser.CheckSyntax("[x+1]*{sin[x]}"));
  EXPECT_EQ(parser.WorkingText(), "(x+1)*(sin(x))#");
  ASSERT_TRUE(parser.CheckSyntax(""));
  EXPECT_EQ(parser.WorkingText(), "#");
}

TEST(ExpressionParse, LongerFunctionNameWins) {
  ExpressionParse parser;
  ASSERT_TRUE(parser.CheckSyntax("cosh(x)+sinh(x)+tanh(x)+cos(x)"));
  parser.ToPostfix();
  std::vector<std::int32_t> functions;
  for (const auto &t : parser.Tokens()) {
    if (t.kind == ExpressionParse::Token::kFunction) functions.push_back(t.function);
  }
  EXPECT_EQ(functions, (std::vector<std::int32_t>{7, 16, 19, 6}));
}

TEST(ExpressionParse, ParseDecimal) {
  const struct {
    const char *run;
    double value;
  } cases[] = {{"123", 123},
               {"2.5", 2.5},
               {".5", 0.5},
               {"5.", 5},
               {"1.2.3", 0.15},
               {"0", 0},
               {"007", 7},
               {".", 0},
               {"0.1", 0.1},
               {"3.14159265", 3.14159265},
               {"12345678901234567", 12345678901234567.0}};
  for (const auto &c : cases)
    EXPECT_DOUBLE_EQ(ExpressionParse::ParseDecimal(c.run), c.value) << c.run;
}

TEST(ExpressionParse, VeryLongDigitRunsSaturate) {
  EXPECT_EQ(ExpressionParse::ParseDecimal(std::string(6000, '9')),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(ExpressionParse::ParseDecimal("0." + std::string(6000, '0') + "1"), 0.0);
}

// The working buffers grow: length and bracket depth are limited only by memory.
TEST(ExpressionParse, HandlesLongAndDeeplyNestedExpressions) {
  std::string sum = "x";
  for (int i = 0; i < 2000; ++i) sum += "+x";
  std::string nested = std::string(5000, '(') + "x+1" + std::string(5000, ')');
  std::string functions;
  for (int i = 0; i < 500; ++i) functions += "abs(";
  functions += "-x" + std::string(500, ')');

  ExpressionParse parser;
  ASSERT_TRUE(parser.CheckSyntax(sum));
  ASSERT_EQ(parser.EvaluateAt(1), Code::kEvaluated);
  EXPECT_EQ(parser.Value(), 2001);
  ASSERT_TRUE(parser.CheckSyntax(nested));
  ASSERT_EQ(parser.EvaluateAt(1), Code::kEvaluated);
  EXPECT_EQ(parser.Value(), 2);
  ASSERT_TRUE(parser.CheckSyntax(functions));
  ASSERT_EQ(parser.EvaluateAt(3), Code::kEvaluated);
  EXPECT_EQ(parser.Value(), 3);
}

struct IntegralCase {
  const char *text;
  double b;
  double a;
  double eps;
  double expected;
  double tolerance;
};

TEST(IntegrateExpression, ConvergesToTheIntegral) {
  const IntegralCase cases[] = {
      {"x", 1, 0, 0.001, 0.5, 1e-15},
      {"x*x", 3, 0, 0.001, 9, 1e-12},
      {"exp(x)", 1, 0, 0.0001, std::exp(1.0) - 1, 1e-9},
      {"sin(x)", 3.14159265, 0, 0.00001, 2, 1e-7},
      {"sin(x)*exp(x)", 3, 0, 1e-6, (std::exp(3.0) * (std::sin(3.0) - std::cos(3.0)) + 1) / 2,
       1e-6},
      {"2(x+1)", 2, -1, 1e-6, 9, 1e-12},
      // Equal limits: every quantity is 0.
      {"exp(x)", 2, 2, 0.001, 0, 0},
      // Upper limit below the lower: the signed integral.
      {"x*x", 0, 3, 0.001, -9, 1e-12},
      {"exp(x)", 0, 1, 0.0001, 1 - std::exp(1.0), 1e-9},
  };
  for (const auto &c : cases) {
    double result = kNoValue;
    ASSERT_TRUE(ExpressionParse::IntegrateExpression(c.text, c.b, c.a, c.eps, result)) << c.text;
    EXPECT_NEAR(result, c.expected, c.tolerance) << c.text << " from " << c.a << " to " << c.b;
  }
}

TEST(IntegrateExpression, FailsOnSyntaxOrEvaluationErrors) {
  const struct {
    const char *text;
    double b;
    double a;
  } cases[] = {
      {"x^2", 1, 0},          // syntax
      {"", 1, 0},             // nothing to evaluate
      {"1/x", 1, 0},          // division by zero at the lower limit
      {"2x", 1, 0},           // malformed at every point
      {"sqrt(x-0.5)", 1, 0},  // domain error at the first midpoint only
      {"ln(x)", 0, 0},        // equal limits still evaluate the ends
  };
  for (const auto &c : cases) {
    double result = 0;
    EXPECT_FALSE(ExpressionParse::IntegrateExpression(c.text, c.b, c.a, 0.001, result)) << c.text;
  }
}

// Values that never settle to the tolerance give up instead of freezing the window.
TEST(IntegrateExpression, GivesUpWhenTheValuesNeverSettle) {
  double result = 0;
  EXPECT_FALSE(ExpressionParse::IntegrateExpression("x", 1, 0, 0.0, result));
  EXPECT_FALSE(ExpressionParse::IntegrateExpression("x", 1, 0, -1.0, result));
}

// A step too small to move x from the lower limit still takes the midpoints.
TEST(IntegrateExpression, TinySpanFarFromZero) {
  double result = kNoValue;
  const double a = 1e16;
  const double b = std::nextafter(a, 2e16);
  ASSERT_TRUE(ExpressionParse::IntegrateExpression("1", b, a, 1e-3, result));
  EXPECT_EQ(result, b - a);
}

// A difference that is not a number stops the rounds; the result is then not a number.
TEST(IntegrateExpression, NotANumberStopsTheRounds) {
  double result = 0;
  ASSERT_TRUE(ExpressionParse::IntegrateExpression("pow(x,0.5)", 1, -1, 1e-6, result));
  EXPECT_TRUE(std::isnan(result));
}

}  // namespace
