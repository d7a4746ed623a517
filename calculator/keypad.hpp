#pragma once

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

// Cuts the digits after the point of a result down to the decimal places the setting
// asks for; never rounds ("3.14159265" keeps "3.14159" with 5 places, "3.75" keeps "3."
// with 0 places, trailing zeros the cut exposes stay).
std::string TrimDecimals(std::string_view result, std::string_view decimalPlacesText);

// Which keys a base enables; every other key is always enabled.
struct EnabledKeys {
  bool letters;       // A to F
  bool twoToSeven;    // 2 to 7
  bool eightAndNine;  // 8 and 9
  bool decimalOnly;   // Mod, Sin, Cos, Tan, Cotan, Abs, Int, C/R, ".", "+/-"
};
EnabledKeys KeysEnabledIn(int base);

// The function keys, which act at once on the number in the display.
enum class FunctionKey { Sin, Cos, Tan, Cot, Abs, Int, Square, Cube, DegreesRadians };

// The keypad calculator without its window: the display text and what every key does
// to it and to the calculator's state. MainWindow shows the display and forwards keys.
class Keypad {
 public:
  explicit Keypad(CalculatorState &state);

  const std::string &Display() const { return display_; }
  void SetDisplay(std::string text) { display_ = std::move(text); }
  CalculatorState &State() { return state_; }

  // Entry keys.
  void Digit(char digit);  // "0" to "9", "A" to "F"
  void Point();
  void Backspace();
  void ChangeSign();
  void ClearEntry();
  void ClearAll();

  // Operator keys: remember the display as the first operand and the operation by name.
  void Operator(std::string_view name);

  // "=": computes the pending operation. Returns the text of a message box to show
  // before the new display, or an empty text.
  std::string Equals();

  // A base radio button. Returns the refusal message when the target is 16, 8 or 2 and
  // the display holds a "." or a "-" or a number of more than 300,000 decimal digits
  // (then nothing changed), else an empty text.
  std::string ChangeBase(int target);

  // Returns the text of a message box to show (a result too large to compute, display
  // unchanged), or an empty text.
  std::string Function(FunctionKey key);

  // A character typed into the display (Backspace 8, Enter 13, Esc 27, or the character).
  struct Typed {
    bool taken;           // false: not a key of the calculator in this base, nothing changed
    std::string message;  // a message box to show, as from Equals
  };
  Typed TypeCharacter(int code);

 private:
  CalculatorState &state_;
  std::string display_;
};
