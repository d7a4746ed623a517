#pragma once

#include <string>

// The keypad calculator's state, kept program-wide. Texts are UTF-8.
struct CalculatorState {
  int currentBase = 0;     // base of the display text: 16, 10, 8 or 2
  bool entryFlag = false;  // true: the next digit continues the display; false: replaces it
  std::string firstOperand;
  std::string pendingOperator;  // "加", "减", "乘", "除", "整除", "求余", "N次方" or empty
  std::string precisionText;    // the "计算精度" setting, as stored
  std::string decimalPlacesText;  // the "小数保留位数" setting, as stored
  bool degreesShown = false;      // which way the next C/R press converts
};
