#include "calculator/keypad.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/number_text.hpp"
#include "calculator/convert_radix.hpp"
#include "engine/bignum/unl_num.hpp"

namespace {

// Length in bytes of the last UTF-8 character of a non-empty text, so that deleting
// from a message text never leaves half a Chinese character behind.
std::size_t LastCharacterLength(std::string_view text) {
  std::size_t length = 1;
  while (length < text.size() &&
         (static_cast<unsigned char>(text[text.size() - length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

std::size_t FirstCharacterLength(std::string_view text) {
  std::size_t length = 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

bool DigitOfBase(char c, int base) {
  switch (base) {
    case 2:
      return c == '0' || c == '1';
    case 8:
      return c >= '0' && c <= '7';
    case 16:
      return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    default:
      return c >= '0' && c <= '9';
  }
}

// A display text as an operand: a text that is not a number counts as 0.
UnlNum ParseOperand(const std::string &text) {
  UnlNum value;
  UnlNum::FromText(text, value);
  return value;
}

UnlNum Compute(std::string_view operation, const UnlNum &a, const UnlNum &b, std::int32_t places) {
  if (operation == operation::kAdd) return UnlNum::Add(a, b);
  if (operation == operation::kSubtract) return UnlNum::Subtract(a, b);
  if (operation == operation::kMultiply) return UnlNum::Multiply(a, b);
  if (operation == operation::kDivide) return UnlNum::Divide(a, b, places);
  if (operation == operation::kIntDivide) return UnlNum::IntDivide(a, b);
  if (operation == operation::kMod) return UnlNum::Mod(a, b);
  return UnlNum();
}

// a^n for n >= 1 by repeated squaring: the same value, and the same fraction groups, as
// n - 1 multiplications by a, in about log2(n) long multiplications.
UnlNum Power(const UnlNum &a, std::int64_t n) {
  if (n <= 1) return a;
  int bit = 62;
  while (((n >> bit) & 1) == 0) --bit;
  UnlNum r = a;
  while (--bit >= 0) {
    r = UnlNum::Multiply(r, r);
    if ((n >> bit) & 1) r = UnlNum::Multiply(r, a);
  }
  return r;
}

// Results of more than a million digits are refused before any work: beyond that the
// computation and the display take longer than anyone waits, and memory runs out soon
// after. Nothing the user types reaches the bound; powers, squares and cubes of long
// operands and divisions with a huge decimal places setting do.
constexpr double kLargestResultDigits = 1'000'000;
const std::string kResultTooLarge = "结果超过一百万位数字，无法计算";

// Digits |a| is written with, every fraction group counted in full.
double DigitCount(const UnlNum &a) {
  return 9.0 * static_cast<double>(a.IntegerGroupCount() + a.FractionGroupCount());
}

// A bound on the digits of a^n: n log10 |a| integer digits and n times a's fraction
// groups (none when |a| is exactly 1 or a is 0).
double PowerDigitCount(const UnlNum &a, std::int64_t n) {
  if (n <= 1 || a.IsZero()) return DigitCount(a);
  const std::string magnitude = UnlNum::Abs(a).ToText();
  if (magnitude == "1") return DigitCount(a);
  const std::string integerDigits = magnitude.substr(0, magnitude.find('.'));
  double digits = 0;
  if (integerDigits != "0") {
    const double leading = TextToNumber("0." + integerDigits.substr(0, 15));
    digits =
        static_cast<double>(n) * (static_cast<double>(integerDigits.size()) + std::log10(leading));
  }
  return digits + static_cast<double>(n) * 9.0 * static_cast<double>(a.FractionGroupCount());
}

// Writing a number in base 16, 8 or 2 divides it again and again by long powers of the
// base, which takes time growing with the square of its length: a million digits would
// freeze the keypad for a quarter of a minute, 300,000 take about a second. Longer numbers
// stay in base 10.
constexpr double kLargestConvertedDigits = 300'000;

std::string TooLongToConvert(int base) {
  return "超过300000位的数不能转换成" + std::to_string(base) + "进制的数值";
}

// The decimal digits a text of `length` digits in the base stands for.
double DecimalDigits(std::size_t length, int base) {
  return static_cast<double>(length) * std::log10(static_cast<double>(base));
}

// The trigonometric keys take the precision setting as their number of series terms and
// decimals. The settings window keeps it at most 50; a hand-edited file could ask for
// thousands of terms of ever longer powers, which would freeze the keypad for hours.
constexpr std::int32_t kLargestTrigonometryPlaces = 200;

std::int32_t TrigonometryPlaces(const std::string &precisionText) {
  return std::min(ToInteger(TextToNumber(precisionText)), kLargestTrigonometryPlaces);
}

}  // namespace

std::string TrimDecimals(std::string_view result, std::string_view decimalPlacesText) {
  const auto point = result.find('.');
  if (point == std::string_view::npos) return std::string(result);
  const double n = static_cast<double>(result.size());
  const double kept = n - static_cast<double>(point + 1);  // digits after the point
  const double places = TextToNumber(decimalPlacesText);
  if (kept - places <= 0.0000001) return std::string(result);
  // A negative setting (only possible by editing the file) cuts into the integer digits.
  const double length = std::clamp(std::trunc(n - (kept - places)), 0.0, n);
  return std::string(result.substr(0, static_cast<std::size_t>(length)));
}

EnabledKeys KeysEnabledIn(int base) {
  return {base == 16, base != 2, base == 16 || base == 10, base == 10};
}

Keypad::Keypad(CalculatorState &state) : state_(state) {}

void Keypad::Digit(char digit) {
  if (!state_.entryFlag) {
    display_ = std::string(1, digit);
    state_.entryFlag = true;
  } else if (display_ == "0") {
    display_ = std::string(1, digit);
  } else {
    display_ += digit;
  }
}

void Keypad::Point() {
  if (display_.find('.') != std::string::npos) return;
  display_ += '.';
  state_.entryFlag = true;
}

void Keypad::Backspace() {
  if (display_ == "0") return;
  if (display_.size() <= LastCharacterLength(display_)) {
    display_ = "0";
  } else {
    display_.resize(display_.size() - LastCharacterLength(display_));
  }
}

void Keypad::ChangeSign() {
  if (display_.find('-') == std::string::npos) {
    if (display_ != "0") display_.insert(0, "-");
  } else {
    // Normally the leading "-"; a "-" inside a message text still takes the first
    // character, as the key always has.
    display_.erase(0, FirstCharacterLength(display_));
  }
}

void Keypad::ClearEntry() {
  display_ = "0";
  if (!state_.firstOperand.empty()) {
    state_.firstOperand.clear();
    state_.entryFlag = false;
  }
}

void Keypad::ClearAll() {
  display_ = "0";
  state_.firstOperand.clear();
  state_.pendingOperator.clear();
  state_.entryFlag = false;
}

void Keypad::Operator(std::string_view name) {
  state_.firstOperand = display_;
  display_ = "0";
  state_.entryFlag = false;
  state_.pendingOperator = std::string(name);
}

Keypad::Typed Keypad::TypeCharacter(int code) {
  switch (code) {
    case 8:
      Backspace();
      return {true, ""};
    case 27:
      ClearEntry();
      return {true, ""};
    case '+':
      Operator(operation::kAdd);
      return {true, ""};
    case '-':
      Operator(operation::kSubtract);
      return {true, ""};
    case '*':
      Operator(operation::kMultiply);
      return {true, ""};
    case '/':
      Operator(operation::kDivide);
      return {true, ""};
    case 13:
    case '=':
      return {true, Equals()};
    default:
      break;
  }
  if (code == '.' && state_.currentBase == 10) {
    Point();
    return {true, ""};
  }
  if (code < 0 || code > 0x7f || !DigitOfBase(static_cast<char>(code), state_.currentBase)) {
    return {false, ""};
  }
  Digit(static_cast<char>(std::toupper(code)));
  return {true, ""};
}

std::string Keypad::Equals() {
  std::string message;
  if (!state_.firstOperand.empty() && !state_.pendingOperator.empty()) {
    std::string first = state_.firstOperand;
    std::string second = display_;
    const int base = state_.currentBase;
    // Operands come to base 10 for the arithmetic; a text with "." or "-" can only be a
    // base-10 text already.
    const auto toDecimal = [base](std::string &operand) {
      if (operand.find_first_of(".-") == std::string::npos)
        operand = ConvertRadix(operand, base, 10);
    };
    toDecimal(first);
    toDecimal(second);

    std::string result;
    if (state_.pendingOperator == operation::kPower) {
      if (second.find_first_of(".-") != std::string::npos) {
        message = "开方数不能为小数和负数";
      } else {
        const std::int64_t exponent = ToInteger(TextToNumber(second));
        const UnlNum a = ParseOperand(first);
        if (PowerDigitCount(a, exponent) > kLargestResultDigits) {
          message = kResultTooLarge;
        } else {
          result = Power(a, exponent).ToText();
        }
      }
    } else {
      const UnlNum a = ParseOperand(first);
      const UnlNum b = ParseOperand(second);
      const std::int32_t places = ToInteger(TextToNumber(state_.decimalPlacesText));
      const bool tooLarge =
          (state_.pendingOperator == operation::kMultiply &&
           DigitCount(a) + DigitCount(b) > kLargestResultDigits) ||
          (state_.pendingOperator == operation::kDivide && places > kLargestResultDigits);
      if (tooLarge) {
        message = kResultTooLarge;
      } else {
        result = Compute(state_.pendingOperator, a, b, places).ToText();
      }
    }

    bool shown = false;
    if (base != 10) {
      if (result.find('-') != std::string::npos) {
        display_ = "Error";
        state_.firstOperand = result;
        state_.pendingOperator.clear();
        state_.entryFlag = false;
        shown = true;
      } else if (DecimalDigits(result.size(), 10) > kLargestConvertedDigits) {
        message = TooLongToConvert(base);
        result.clear();
      } else {
        if (result.find('.') != std::string::npos)
          result = TrimDecimals(result, state_.decimalPlacesText);
        result = ConvertRadix(result, 10, base);
      }
    } else if (result.find('.') != std::string::npos) {
      result = TrimDecimals(result, state_.decimalPlacesText);
    }
    if (!shown) {
      display_ = result;
      state_.firstOperand = result;
      state_.pendingOperator.clear();
    }
  }
  if (display_.empty()) {
    display_ = "0";
    state_.firstOperand = "0";
  }
  return message;
}

std::string Keypad::ChangeBase(int target) {
  if (target != 10 && display_.find_first_of(".-") != std::string::npos) {
    return "负数和小数不能转换成" + std::to_string(target) + "进制的数值";
  }
  if (target != 10 &&
      DecimalDigits(display_.size(), state_.currentBase) > kLargestConvertedDigits) {
    return TooLongToConvert(target);
  }
  display_ = ConvertRadix(display_, state_.currentBase, target);
  state_.currentBase = target;
  return "";
}

std::string Keypad::Function(FunctionKey key) {
  if (key == FunctionKey::DegreesRadians) {
    // Double arithmetic with the ten-decimal pi the key has always used.
    constexpr double kPi = 3.1415926535;
    const double v = TextToNumber(display_);
    const double w = state_.degreesShown ? (v * kPi) / 180 : (v * 180) / kPi;
    display_ = NumberToText(w);
    state_.degreesShown = !state_.degreesShown;
    return "";
  }
  const UnlNum x = ParseOperand(display_);
  const double factors = key == FunctionKey::Square ? 2 : key == FunctionKey::Cube ? 3 : 1;
  if (factors * DigitCount(x) > kLargestResultDigits) return kResultTooLarge;
  const std::int32_t places = TrigonometryPlaces(state_.precisionText);
  UnlNum y;
  switch (key) {
    case FunctionKey::Sin:
      y = UnlNum::Sin(x, places);
      break;
    case FunctionKey::Cos:
      y = UnlNum::Cos(x, places);
      break;
    case FunctionKey::Tan:
      y = UnlNum::Tan(x, places);
      break;
    case FunctionKey::Cot:
      y = UnlNum::Cot(x, places);
      break;
    case FunctionKey::Abs:
      y = UnlNum::Abs(x);
      break;
    case FunctionKey::Int:
      y = UnlNum::IntPart(x);
      break;
    case FunctionKey::Square:
      y = UnlNum::Multiply(x, x);
      break;
    case FunctionKey::Cube:
      y = UnlNum::Multiply(UnlNum::Multiply(x, x), x);
      break;
    case FunctionKey::DegreesRadians:
      break;
  }
  std::string result = y.ToText();
  if (key != FunctionKey::Int && result.find('.') != std::string::npos) {
    result = TrimDecimals(result, state_.decimalPlacesText);
  }
  display_ = result;
  return "";
}
