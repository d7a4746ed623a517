#include "calculator/keypad.hpp"

#include <cctype>

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

}  // namespace

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

bool Keypad::TypeCharacter(int code) {
  switch (code) {
    case 8:
      Backspace();
      return true;
    case 27:
      ClearEntry();
      return true;
    case '+':
      Operator(operation::kAdd);
      return true;
    case '-':
      Operator(operation::kSubtract);
      return true;
    case '*':
      Operator(operation::kMultiply);
      return true;
    case '/':
      Operator(operation::kDivide);
      return true;
    default:
      break;
  }
  if (code == '.' && state_.currentBase == 10) {
    Point();
    return true;
  }
  if (code < 0 || code > 0x7f || !DigitOfBase(static_cast<char>(code), state_.currentBase)) {
    return false;
  }
  Digit(static_cast<char>(std::toupper(code)));
  return true;
}
