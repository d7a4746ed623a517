#include "engine/expr/expression_parse.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using Token = ExpressionParse::Token;

struct FunctionName {
  std::string_view name;
  std::int32_t number;
};

// The named functions and their numbers. Where one name begins another ("cos" and "cosh"),
// the longer one wins, so the order here does not matter.
constexpr std::array<FunctionName, 19> kFunctions{{
    {"abs", 1},  {"acos", 2},  {"asin", 3},   {"atan", 4}, {"acot", 5},  {"cos", 6},  {"cosh", 7},
    {"cot", 8},  {"exp", 9},   {"floor", 10}, {"mod", 11}, {"ln", 12},   {"log", 13}, {"pow", 14},
    {"sin", 15}, {"sinh", 16}, {"sqrt", 17},  {"tan", 18}, {"tanh", 19},
}};

constexpr std::int32_t kMod = 11;
constexpr std::int32_t kPow = 14;

// "acot" subtracts from this rounded quarter turn, not from pi/2 to full precision.
constexpr double kAcotQuarterTurn = 1.5707963;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }

char OpeningFor(char closing) {
  switch (closing) {
    case ')':
      return '(';
    case ']':
      return '[';
    default:
      return '{';
  }
}

// The longest function name that the text begins with, or nullptr.
const FunctionName *MatchFunction(std::string_view text) {
  const FunctionName *match = nullptr;
  for (const FunctionName &f : kFunctions) {
    if (text.starts_with(f.name) && (match == nullptr || f.name.size() > match->name.size())) {
      match = &f;
    }
  }
  return match;
}

Token OperatorToken(char op) {
  Token t;
  t.kind = Token::kOperator;
  t.op = op;
  return t;
}

bool IsOpeningEntry(const Token &t) { return t.kind == Token::kOperator && t.op == '('; }

bool IsMulDivOrFunction(const Token &t) {
  return t.kind == Token::kFunction || (t.kind == Token::kOperator && (t.op == '*' || t.op == '/'));
}

}  // namespace

bool ExpressionParse::CheckSyntax(std::string_view text) {
  std::vector<char> open;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsOpening(c)) {
      open.push_back(c);
    } else if (c == ')' || c == ']' || c == '}') {
      if (open.empty() || open.back() != OpeningFor(c)) return false;
      open.pop_back();
    } else if (IsOperator(c)) {
      if (i + 1 < text.size() && IsOperator(text[i + 1])) return false;
    } else if (IsDigit(c) || c == '.' || c == ',' || c == 'x') {
      // accepted as it stands
    } else {
      const FunctionName *f = MatchFunction(text.substr(i));
      if (f == nullptr) return false;
      const std::size_t bracket = i + f->name.size();
      if (bracket >= text.size() || !IsOpening(text[bracket])) return false;
      open.push_back(text[bracket]);
      i = bracket;
    }
    ++i;
  }
  if (!open.empty()) return false;

  working_.assign(text);
  working_.push_back('#');
  for (char &c : working_) {
    if (c == '[' || c == '{') c = '(';
    if (c == ']' || c == '}') c = ')';
  }
  return true;
}

double ExpressionParse::ParseDecimal(std::string_view run) {
  long double a = 0.0L;
  long double b = 0.1L;
  bool fraction = false;
  for (char c : run) {
    if (c == '.') {
      a *= 0.1L;
      fraction = true;
    } else if (IsDigit(c)) {
      const int d = c - '0';
      if (fraction) {
        a += d * b;
        b *= 0.1L;
      } else {
        a = (a + d) * 10.0L;
      }
    }
  }
  return static_cast<double>(fraction ? a : a * 0.1L);
}

void ExpressionParse::ToPostfix() {
  tokens_.clear();
  operators_.clear();
  auto popWhile = [this](auto condition) {
    while (!operators_.empty() && condition(operators_.back())) {
      tokens_.push_back(operators_.back());
      operators_.pop_back();
    }
  };
  auto popToBracket = [&] { popWhile([](const Token &t) { return !IsOpeningEntry(t); }); };
  // A digit right before an opening bracket or a function name is a multiplication.
  auto implicitMultiply = [&] {
    popWhile(IsMulDivOrFunction);
    operators_.push_back(OperatorToken('*'));
  };

  const std::string_view text = working_;
  std::size_t i = 0;
  while (i < text.size() && text[i] != '#') {
    const char c = text[i];
    const bool afterDigit = i > 0 && IsDigit(text[i - 1]);
    if (IsDigit(c) || c == '.') {
      std::size_t end = i;
      while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) ++end;
      Token t;
      t.value = ParseDecimal(text.substr(i, end - i));
      tokens_.push_back(t);
      i = end;
      continue;
    }
    if (c == '(') {
      if (afterDigit) implicitMultiply();
      operators_.push_back(OperatorToken('('));
    } else if (c == ')') {
      popToBracket();
      if (!operators_.empty()) operators_.pop_back();
    } else if (c == '+') {
      popToBracket();
      operators_.push_back(OperatorToken('+'));
    } else if (c == '-') {
      if (i == 0 || text[i - 1] == '(') {
        operators_.push_back(OperatorToken('~'));
      } else {
        popToBracket();
        operators_.push_back(OperatorToken('-'));
      }
    } else if (c == '*' || c == '/') {
      popWhile(IsMulDivOrFunction);
      operators_.push_back(OperatorToken(c));
    } else if (c == ',') {
      popToBracket();
    } else if (c == 'x') {
      Token t;
      t.kind = Token::kVariable;
      tokens_.push_back(t);
    } else if (const FunctionName *f = MatchFunction(text.substr(i)); f != nullptr) {
      if (afterDigit) implicitMultiply();
      Token t;
      t.kind = Token::kFunction;
      t.function = f->number;
      operators_.push_back(t);
      i += f->name.size();  // on to the opening bracket
      continue;
    }
    ++i;
  }
  while (!operators_.empty()) {
    tokens_.push_back(operators_.back());
    operators_.pop_back();
  }
}

namespace {

// The value of function number f at v (and w, the second argument of "mod" and "pow"), or
// the error code of its domain check.
ExpressionParse::Code ApplyFunction(std::int32_t f, double v, double w, double &result) {
  using C = ExpressionParse::Code;
  switch (f) {
    case 1:
      result = std::fabs(v);
      return C::kEvaluated;
    case 2:
      if (v < -1.0 || v > 1.0) return C::kAcosDomain;
      result = std::acos(v);
      return C::kEvaluated;
    case 3:
      if (v < -1.0 || v > 1.0) return C::kAsinDomain;
      result = std::asin(v);
      return C::kEvaluated;
    case 4:
      result = std::atan(v);
      return C::kEvaluated;
    case 5:
      result = kAcotQuarterTurn - std::atan(v);
      return C::kEvaluated;
    case 6:
      result = std::cos(v);
      return C::kEvaluated;
    case 7:
      result = std::cosh(v);
      return C::kEvaluated;
    case 8: {
      const double t = std::tan(v);
      if (t == 0.0 || std::isnan(t)) return C::kCotPole;
      result = 1.0 / t;
      return C::kEvaluated;
    }
    case 9:
      result = std::exp(v);
      return C::kEvaluated;
    case 10:
      result = std::floor(v);
      return C::kEvaluated;
    case kMod:
      if (w == 0.0 || std::isnan(w)) return C::kModByZero;
      result = std::fmod(v, w);
      return C::kEvaluated;
    case 12:
      if (!(v > 0.0)) return C::kLnDomain;
      result = std::log(v);
      return C::kEvaluated;
    case 13:
      if (!(v > 0.0)) return C::kLogDomain;
      result = std::log10(v);
      return C::kEvaluated;
    case kPow:
      result = std::pow(v, w);
      return C::kEvaluated;
    case 15:
      result = std::sin(v);
      return C::kEvaluated;
    case 16:
      result = std::sinh(v);
      return C::kEvaluated;
    case 17:
      if (!(v >= 0.0)) return C::kSqrtDomain;
      result = std::sqrt(v);
      return C::kEvaluated;
    case 18:
      result = std::tan(v);
      return C::kEvaluated;
    case 19:
      result = std::tanh(v);
      return C::kEvaluated;
    default:
      return C::kMalformed;
  }
}

}  // namespace

ExpressionParse::Code ExpressionParse::EvaluatePostfix(double x) {
  if (tokens_.empty()) return kMalformed;
  values_.clear();
  for (const Token &t : tokens_) {
    switch (t.kind) {
      case Token::kOperand:
        values_.push_back(t.value);
        break;
      case Token::kVariable:
        values_.push_back(x);
        break;
      case Token::kOperator: {
        if (t.op == '~') {
          if (values_.empty()) return kMalformed;
          values_.back() = -values_.back();
          break;
        }
        if (values_.size() < 2) return kMalformed;
        const double b = values_.back();
        values_.pop_back();
        double &a = values_.back();
        switch (t.op) {
          case '+':
            a = a + b;
            break;
          case '-':
            a = a - b;
            break;
          case '*':
            a = a * b;
            break;
          case '/':
            if (b == 0.0 || std::isnan(b)) return kDivisionByZero;
            a = a / b;
            break;
          default:  // an unmatched bracket
            return kMalformed;
        }
        break;
      }
      case Token::kFunction: {
        const bool twoOperands = t.function == kMod || t.function == kPow;
        const std::size_t needed = twoOperands ? 2 : 1;
        if (values_.size() < needed) return kMalformed;
        double w = 0.0;
        if (twoOperands) {
          w = values_.back();
          values_.pop_back();
        }
        double result = 0.0;
        const Code code = ApplyFunction(t.function, values_.back(), w, result);
        if (code != kEvaluated) return code;
        values_.back() = result;
        break;
      }
      default:
        return kMalformed;
    }
  }
  if (values_.size() != 1) return kMalformed;
  value_ = values_.front();
  return kEvaluated;
}

ExpressionParse::Code ExpressionParse::EvaluateAt(double x) {
  ToPostfix();
  return EvaluatePostfix(x);
}

namespace {

// Romberg's extrapolation factors: the doubles nearest to 1/3, 1/15 and 1/63.
constexpr double kSimpsonFactor = 0.3333333333333333;
constexpr double kCotesFactor = 0.06666666666666667;
constexpr double kRombergFactor = 0.015873015873015872;

// Each round doubles the number of points; an integrand whose Romberg values never settle
// would otherwise keep the window busy without end. A round that would take the number of
// evaluations past this bound fails the integral instead, so at most about two million points
// are evaluated: under a second for an expression a line long.
constexpr std::uint64_t kMaxEvaluations = std::uint64_t{1} << 22;

}  // namespace

bool ExpressionParse::IntegrateExpression(std::string_view text, double b, double a, double eps,
                                          double &result) {
  ExpressionParse parser;
  if (!parser.CheckSyntax(text)) return false;
  // x is a variable of the postfix list, so one conversion serves every point.
  parser.ToPostfix();

  // A failed evaluation counts as 0 and fails the whole integral once the rounds stop.
  bool ok = true;
  std::uint64_t evaluations = 0;
  auto f = [&](double x) {
    ++evaluations;
    if (parser.EvaluatePostfix(x) != kEvaluated) {
      ok = false;
      return 0.0;
    }
    return parser.Value();
  };

  double h = b - a;
  const double fb = f(b);
  double trapezoid = (f(a) + fb) * h * 0.5;
  double simpson = 0.0;
  double cotes = 0.0;
  double romberg = 0.0;
  // The midpoints are counted, not compared with b, so that reversed limits (h < 0) and
  // steps too small to move x still take the 2^(k-1) midpoints of round k.
  std::uint64_t midpoints = 1;
  for (int k = 1;; ++k) {
    if (evaluations + midpoints > kMaxEvaluations) return false;
    double sum = 0.0;
    double x = a + h / 2;
    for (std::uint64_t i = 0; i < midpoints; ++i) {
      sum = sum + f(x);
      x = x + h;
    }
    const double trapezoid2 = (trapezoid + h * sum) * 0.5;
    const double simpson2 = trapezoid2 + (trapezoid2 - trapezoid) * kSimpsonFactor;
    // The Cotes value needs the Simpson value of round 1, the Romberg value the Cotes value of
    // round 2; before that they are placeholders, overwritten before they are read.
    const double cotes2 = simpson2 + (simpson2 - simpson) * kCotesFactor;
    const double romberg2 = cotes2 + (cotes2 - cotes) * kRombergFactor;
    // From round 4 on: stop when two Romberg values agree to eps, when an evaluation has
    // failed, or when their difference is not a number.
    if (k >= 4 && !(std::fabs(romberg2 - romberg) >= eps && ok)) {
      result = romberg2;
      return ok;
    }
    romberg = romberg2;
    cotes = cotes2;
    simpson = simpson2;
    trapezoid = trapezoid2;
    h = h / 2;
    midpoints *= 2;
  }
}
