#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "calculator/calculator_state.hpp"

// Names of the pending operations; "=" recognises an operation by its name alone.
namespace operation {
inline constexpr std::string_view kAdd = "加";
inline constexpr std::string_view kSubtract = "减";
inline constexpr std::string_view kMultiply = "乘";
inline constexpr std::string_view kDivide = "除";
inline constexpr std::string_view kIntDivide = "整除";
inline constexpr std::string_view kMod = "求余";
inline constexpr std::string_view kPower = "N次方";
}  // namespace operation

// The keypad calculator without its window: the display text and what every key does
// to it and to the calculator's state. MainWindow shows the display and forwards keys.
class Keypad {
 public:
  explicit Keypad(CalculatorState &state);

  const std::string &Display() const { return display_; }
  void SetDisplay(std::string text) { display_ = std::move(text); }
  CalculatorState &State() { return state_; }

  // Message boxes an operation asks for, shown at the moment the operation reaches them.
  std::function<void(const std::string &message)> showMessage;

  // Entry keys.
  void Digit(char digit);  // "0" to "9", "A" to "F"
  void Point();
  void Backspace();
  void ChangeSign();
  void ClearEntry();
  void ClearAll();

  // Operator keys: remember the display as the first operand and the operation by name.
  void Operator(std::string_view name);

  // A character typed into the display (Backspace 8, Enter 13, Esc 27, or the character).
  // False when the character is not one the calculator takes in the current base:
  // nothing changed.
  bool TypeCharacter(int code);

 private:
  CalculatorState &state_;
  std::string display_;
};
