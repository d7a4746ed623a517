#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Evaluates arithmetic expressions in one variable, x, typed by the user: digits and points,
// x, + - * /, round, square and curly brackets and nineteen named functions ("sin", "pow",
// ...). The expression is checked once, converted once into a postfix list in which x stays
// a variable, and that list is evaluated at as many values of x as needed.
//
// Every buffer grows with the expression: a text of any length and bracket depth is handled.
class ExpressionParse {
 public:
  // One entry of the postfix form of an expression, and of the conversion's operator stack
  // (where an opening bracket is an operator entry whose op is '(').
  struct Token {
    enum Kind : std::int32_t {
      kOperand = 0,   // a number written in the expression: value
      kOperator = 1,  // op: '+', '-', '*', '/', '~' (unary minus) or '('
      kFunction = 2,  // function: the number of a named function, 1 to 19
      kVariable = 3,  // x: its value is supplied when the list is evaluated
    };

    std::int32_t kind = kOperand;
    double value = 0.0;
    char op = '\0';
    std::int32_t function = 0;

    bool operator==(const Token &) const = default;
  };

  // Results of EvaluatePostfix and EvaluateAt.
  enum Code : int {
    kEvaluated = 0,
    kDivisionByZero = 1,
    kAcosDomain = 2,  // acos of a value outside [-1, 1]
    kAsinDomain = 3,  // asin of a value outside [-1, 1]
    kCotPole = 4,     // cot where tan is 0 or not a number
    kModByZero = 5,   // mod with a divisor 0 or not a number
    kLnDomain = 6,    // ln of a value <= 0 or not a number
    kLogDomain = 7,   // log of a value <= 0 or not a number
    kSqrtDomain = 8,  // sqrt of a value < 0 or not a number
    kMalformed = -1,  // empty list, too few operands, or not exactly one value left
  };

  // Accepts the text when it uses only the expression alphabet, its brackets match by kind,
  // no operator is followed by another and every function name is followed by an opening
  // bracket. On success the working text is the expression with the end marker '#' appended
  // and square and curly brackets made round. An empty text passes (working text "#").
  bool CheckSyntax(std::string_view text);
  const std::string &WorkingText() const { return working_; }

  // The value of a run of digits and points, formed in extended precision. Every point
  // divides what has been read so far by ten, so "1.2.3" is 0.15.
  static double ParseDecimal(std::string_view run);

  // Converts the working text into the postfix token list. A digit directly before an
  // opening bracket or a function name multiplies ("2(x+1)", "3sin(x)"); nothing else does.
  void ToPostfix();
  const std::vector<Token> &Tokens() const { return tokens_; }

  // Evaluates the token list with the given x. On kEvaluated the result is Value(); any
  // other code leaves Value() as it was.
  Code EvaluatePostfix(double x);

  // ToPostfix, then EvaluatePostfix at x.
  Code EvaluateAt(double x);

  // The result of the last successful evaluation (0 before any).
  double Value() const { return value_; }

  // The definite integral of the expression from the lower limit a to the upper limit b, by
  // Romberg integration until two successive Romberg values differ by less than eps. Note the
  // order: upper limit before lower. With b < a the result is the signed integral (negative
  // for a positive integrand). Returns false, result meaningless, when the text fails
  // CheckSyntax, when any evaluation fails, or when the values do not settle before about
  // 2^22 evaluations.
  static bool IntegrateExpression(std::string_view text, double b, double a, double eps,
                                  double &result);

 private:
  std::string working_;
  std::vector<Token> tokens_;
  std::vector<Token> operators_;  // the conversion's operator stack
  std::vector<double> values_;    // the evaluation's value stack
  double value_ = 0.0;
};
