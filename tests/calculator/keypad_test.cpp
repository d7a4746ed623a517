#include "calculator/keypad.hpp"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "calculator/convert_radix.hpp"

namespace {

// A keypad in the state the main window's creation step leaves it in, driven by a script
// of keys separated by spaces: a number types its digits, "." "+/-" "bs" "ce" "c" are
// the entry keys, "+" "-" "*" "/" "\" "mod" "^" the operator keys, "=" equals, "hex"
// "dec" "oct" "bin" the base buttons, "sin" "cos" "tan" "cot" "abs" "int" "sq" "cube"
// "cr" the function keys.
struct Calculator {
  explicit Calculator(std::string decimalPlaces = "5", std::string precision = "3") {
    state.currentBase = 10;
    state.decimalPlacesText = std::move(decimalPlaces);
    state.precisionText = std::move(precision);
    keypad.SetDisplay("0");
    state.firstOperand = "0";
  }

  // Runs the keys; returns the display. Messages are collected in `messages`.
  std::string Press(std::string_view script) {
    std::istringstream keys{std::string(script)};
    for (std::string key; keys >> key;) Key(key);
    return keypad.Display();
  }

  void Key(const std::string &key) {
    const std::pair<const char *, std::string_view> operators[] = {
        {"+", operation::kAdd},    {"-", operation::kSubtract},   {"*", operation::kMultiply},
        {"/", operation::kDivide}, {"\\", operation::kIntDivide}, {"mod", operation::kMod},
        {"^", operation::kPower}};
    for (const auto &[name, op] : operators) {
      if (key == name) return keypad.Operator(op);
    }
    const std::pair<const char *, FunctionKey> functions[] = {
        {"sin", FunctionKey::Sin},          {"cos", FunctionKey::Cos},
        {"tan", FunctionKey::Tan},          {"cot", FunctionKey::Cot},
        {"abs", FunctionKey::Abs},          {"int", FunctionKey::Int},
        {"sq", FunctionKey::Square},        {"cube", FunctionKey::Cube},
        {"cr", FunctionKey::DegreesRadians}};
    for (const auto &[name, function] : functions) {
      if (key == name) return Note(keypad.Function(function));
    }
    const std::pair<const char *, int> bases[] = {{"hex", 16}, {"dec", 10}, {"oct", 8}, {"bin", 2}};
    for (const auto &[name, base] : bases) {
      if (key == name) return Note(keypad.ChangeBase(base));
    }
    if (key == "=") return Note(keypad.Equals());
    if (key == ".") return keypad.Point();
    if (key == "+/-") return keypad.ChangeSign();
    if (key == "bs") return keypad.Backspace();
    if (key == "ce") return keypad.ClearEntry();
    if (key == "c") return keypad.ClearAll();
    for (char digit : key) keypad.Digit(digit);
  }

  void Note(const std::string &message) {
    if (!message.empty()) messages.push_back(message);
  }

  CalculatorState state;
  Keypad keypad{state};
  std::vector<std::string> messages;
};

struct Case {
  const char *keys;
  const char *display;
  const char *message = "";
};

void ExpectCases(std::initializer_list<Case> cases, const char *decimalPlaces = "5",
                 const char *precision = "3") {
  for (const Case &c : cases) {
    Calculator calculator(decimalPlaces, precision);
    EXPECT_EQ(calculator.Press(c.keys), c.display) << c.keys;
    const std::string message = calculator.messages.empty() ? "" : calculator.messages.back();
    EXPECT_EQ(message, c.message) << c.keys;
  }
}

TEST(Keypad, EntryKeysChangeTheDisplayAsOnACalculator) {
  ExpectCases({{"5", "5"},
               {"0", "0"},
               {"0 0", "0"},
               {"0 . 5", "0.5"},
               {". .", "0."},
               {"1 . 2 . 3", "1.23"},
               {"7 bs", "0"},
               {"12 bs", "1"},
               {"bs", "0"},
               {"7 +/- bs", "-"},
               {"7 +/- bs bs", "0"},
               {"+/-", "0"},
               {"12 +/-", "-12"},
               {"12 +/- +/-", "12"},
               {"12 ce", "0"},
               {"12 c", "0"},
               {"5 + .", "0."},
               {"5 + 3", "3"},
               {"1 + 2 = 4", "34"}});
}

TEST(Keypad, EqualsComputesThePendingOperation) {
  ExpectCases({
      {"1 / 3 =", "0.33333"},
      {"2 / 3 =", "0.66666"},
      {"10 / 4 =", "2.5"},
      {"3 - 5 =", "-2"},
      {"2 ^ 10 =", "1024"},
      {"5 ^ 0 =", "5"},
      {"5 ^ 1 =", "5"},
      {"7 \\ 2 =", "3"},
      {"7 mod 2 =", "1"},
      {"7 mod 0 =", "7"},
      {"7 / 0 =", "0"},
      {"7 \\ 0 =", "0"},
      {"1 . 5 * 1 . 5 =", "2.25"},
      {"5 + =", "5"},
      {"1 + 2 = + 4 =", "7"},
      {"1 + 2 = =", "3"},
      {"=", "0"},
      {"1 + 2 ce =", "0"},
      {"0 . 5 ^ 3 =", "0.125"},
      {"1 . 5 ^ 2 =", "2.25"},
      {"2 ^ 0 . 5 =", "0", "开方数不能为小数和负数"},
      {"2 ^ 3 +/- =", "0", "开方数不能为小数和负数"},
  });
}

TEST(Keypad, ResultsAreCutToTheDecimalPlacesSetting) {
  ExpectCases({{"7 / 2 =", "3"}, {"9 / 10 =", "0."}, {"1 . 5 sq", "2."}}, "0");
  ExpectCases({{"22 / 7 =", "3.142857142857"}}, "12");
  ExpectCases({{"1 / 3 =", "0.3333333"}}, "007");
  ExpectCases({{"1 / 3 =", "0.33333"}}, "5.5");
}

TEST(Keypad, EqualsLeavesTheStateAsTheCalculatorDefinesIt) {
  Calculator k;
  k.Press("1 + 2");
  EXPECT_TRUE(k.state.entryFlag);
  k.Press("=");
  EXPECT_EQ(k.state.firstOperand, "3");
  EXPECT_EQ(k.state.pendingOperator, "");
  EXPECT_TRUE(k.state.entryFlag);  // unchanged by "="

  Calculator power;
  power.Press("2 ^ 0 . 5 =");
  EXPECT_EQ(power.state.firstOperand, "0");
  EXPECT_EQ(power.state.pendingOperator, "");
}

TEST(Keypad, OtherBasesComputeInDecimalAndShowTheirDigits) {
  ExpectCases({
      {"hex A * B =", "6E"},
      {"hex 3 - 5 =", "Error"},
      {"hex 7 / 2 =", "参数错误-3.5不是一个有效的一十进制数！"},
      {"hex FF + 1 =", "100"},
      {"bin 101 * 11 =", "1111"},
      {"oct 7 + 1 =", "10"},
      {"10 + hex A =", "1A"},  // the first operand is read in the base of "="
      {"hex 3 - 5 = dec", "参数错误-ERROR不是一个有效的一十六进制数！"},
      {"hex F sq", "0"},  // X^2 reads the display as a decimal text
      {"hex 12 sq", "144"},
  });
  Calculator negative;
  negative.Press("hex 3 - 5 =");
  EXPECT_EQ(negative.state.firstOperand, "-2");
  EXPECT_FALSE(negative.state.entryFlag);
}

TEST(Keypad, BaseButtonsConvertTheDisplayOrRefuse) {
  ExpectCases({
      {"255 hex", "FF"},
      {"255 oct", "377"},
      {"255 bin", "11111111"},
      {"255 hex bin oct dec", "255"},
      {"12345678901234567890123 hex dec", "12345678901234567890123"},
      {"5 +/- hex", "-5", "负数和小数不能转换成16进制的数值"},
      {"2 . 5 oct", "2.5", "负数和小数不能转换成8进制的数值"},
      {"2 . 5 bin", "2.5", "负数和小数不能转换成2进制的数值"},
      {"2 . 5 dec", "参数错误-2.5不是一个有效的一十进制数！"},
      {"5 +/- dec", "参数错误--5不是一个有效的一十进制数！"},
      {"hex FF hex", "FF"},
  });
  Calculator refused;
  refused.Press("5 +/- hex");
  EXPECT_EQ(refused.state.currentBase, 10);
}

TEST(Keypad, FunctionKeys) {
  ExpectCases({
      {"1 . 5 sq", "2.25"},
      {"1 . 23456 sq", "1.52413"},
      {"2 +/- cube", "-8"},
      {"7 . 5 +/- abs", "7.5"},
      {"7 . 9 +/- int", "-7"},
      {"30 sin", "0.5"},
      {"30 . 9 sin", "0.5"},
      {"60 cos", "0.5"},
      {"45 tan", "1"},
      {"90 tan", "0"},
      {"0 cot", "0"},
      {"1 cr", "57.29577951472"},
      {"1 cr cr", "1"},
      {"30 cr", "1718.873385442"},
      {"hex 3 - 5 = sin", "0"},
  });
  ExpectCases({{"30 sin", "0.52"}}, "5", "0");
}

TEST(Keypad, FunctionKeysLeaveThePendingOperationAlone) {
  Calculator k;
  k.Press("5 + 30 sin");
  EXPECT_EQ(k.state.pendingOperator, "加");
  EXPECT_EQ(k.Press("="), "5.5");
}

TEST(Keypad, ResultsBeyondAMillionDigitsAreRefused) {
  ExpectCases({
      {"10 ^ 1000001 =", "0", "结果超过一百万位数字，无法计算"},
      {"0 . 5 ^ 200000 =", "0", "结果超过一百万位数字，无法计算"},
      {"1 ^ 2147483647 =", "1"},
      {"0 ^ 99999999 =", "0"},
  });
  Calculator power;
  EXPECT_EQ(power.Press("2 ^ 100000 =").size(), 30103u);
  EXPECT_EQ(power.state.pendingOperator, "");
  EXPECT_EQ(power.Press("^ 2 ="), power.state.firstOperand);  // 60,206 digits: fine
  EXPECT_EQ(power.keypad.Display().size(), 60206u);
}

TEST(Keypad, NumbersOfMoreThan300000DigitsStayInBase10) {
  ExpectCases({
      {"hex A ^ 493E0 =", "0", "超过300000位的数不能转换成16进制的数值"},  // 10^300000
      {"oct 12 ^ 1111740 =", "0", "超过300000位的数不能转换成8进制的数值"},
  });
  Calculator longest;
  longest.keypad.SetDisplay(std::string(300001, '9'));
  longest.Press("bin");
  EXPECT_EQ(longest.messages, std::vector<std::string>{"超过300000位的数不能转换成2进制的数值"});
  EXPECT_EQ(longest.keypad.Display().size(), 300001u);
  EXPECT_EQ(longest.state.currentBase, 10);
}

TEST(Keypad, TypedCharactersAreFilteredByBase) {
  struct TypedCase {
    int base;
    const char *typed;
    const char *display;
  } cases[] = {
      {16, "a1f", "A1F"}, {16, "g.", "0"}, {10, "a8.5", "8.5"}, {8, "8179", "17"},
      {2, "2101", "101"}, {10, "1*", "0"}, {10, "6/4=", "1.5"}, {10, "6/4\r", "1.5"},
  };
  for (const auto &c : cases) {
    Calculator k;
    k.state.currentBase = c.base;
    for (const char *t = c.typed; *t; ++t) k.keypad.TypeCharacter(*t == '\r' ? 13 : *t);
    EXPECT_EQ(k.keypad.Display(), c.display) << c.base << " " << c.typed;
  }
  Calculator k;
  EXPECT_FALSE(k.keypad.TypeCharacter('x').taken);
  EXPECT_TRUE(k.keypad.TypeCharacter(27).taken);
}

TEST(Keypad, BackspaceAndSignRemoveWholeCharactersOfAMessage) {
  Calculator k;
  k.keypad.SetDisplay("参数错误-2.5不是一个有效的一十进制数！");
  k.keypad.Backspace();
  EXPECT_EQ(k.keypad.Display(), "参数错误-2.5不是一个有效的一十进制数");
  k.keypad.ChangeSign();  // the text holds a "-": its first character goes
  EXPECT_EQ(k.keypad.Display(), "数错误-2.5不是一个有效的一十进制数");
  k.keypad.SetDisplay("数");
  k.keypad.Backspace();
  EXPECT_EQ(k.keypad.Display(), "0");
}

TEST(Keypad, ClearEntryAndClearAll) {
  Calculator k;
  k.Press("5 + 2 ce");
  EXPECT_EQ(k.state.firstOperand, "");
  EXPECT_EQ(k.state.pendingOperator, "加");
  EXPECT_FALSE(k.state.entryFlag);
  k.Press("3 ce");  // firstOperand already empty: the flag stays
  EXPECT_TRUE(k.state.entryFlag);
  k.Press("c");
  EXPECT_EQ(k.state.pendingOperator, "");
  EXPECT_FALSE(k.state.entryFlag);
  k.Press("1 + 2 *");  // a second operator key replaces the first: the 1 is lost
  EXPECT_EQ(k.state.firstOperand, "2");
  EXPECT_EQ(k.state.pendingOperator, "乘");
  k.Press("5 + *");  // two in a row take the "0" the first one left
  EXPECT_EQ(k.state.firstOperand, "0");
  EXPECT_EQ(k.state.pendingOperator, "乘");
}

TEST(TrimDecimals, CutsNeverRounds) {
  struct TrimCase {
    const char *result, *places, *trimmed;
  } cases[] = {
      {"3.14159265", "5", "3.14159"},
      {"2.5", "5", "2.5"},
      {"3.75", "0", "3."},
      {"1.503", "2", "1.50"},
      {"1.503", "", "1."},
      {"3.75", "-1", "3"},
      {"3.75", "-9", ""},
      {"42", "0", "42"},
      {"0.123", "2.5", "0.12"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(TrimDecimals(c.result, c.places), c.trimmed) << c.result << " " << c.places;
  }
}

TEST(ConvertRadix, ConvertsAndNamesWhatItCannot) {
  struct RadixCase {
    const char *text;
    int from, to;
    const char *result;
  } cases[] = {
      {"255", 10, 16, "FF"},
      {"ff", 16, 10, "255"},
      {"ＦＦ", 16, 2, "11111111"},
      {"007", 8, 10, "7"},
      {"0", 10, 2, "0"},
      {"", 10, 16, "0"},
      {"", 10, 10, ""},
      {"z", 36, 10, "35"},
      {"35", 10, 36, "Z"},
      {"1000000000", 10, 16, "3B9ACA00"},
      {"3B9ACA00", 16, 10, "1000000000"},
      {"18446744073709551616", 10, 16, "10000000000000000"},
      {"2.5", 10, 16, "参数错误-2.5不是一个有效的一十进制数！"},
      {"Error", 16, 10, "参数错误-ERROR不是一个有效的一十六进制数！"},
      {"12", 2, 10, "参数错误-12不是一个有效的二进制数！"},
      {"9", 8, 10, "参数错误-9不是一个有效的八进制数！"},
      {"1", 1, 10, "参数错误-进制只能在2-36之间"},
      {"1", 10, 37, "参数错误-进制只能在2-36之间"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(ConvertRadix(c.text, c.from, c.to), c.result)
        << c.text << " " << c.from << "->" << c.to;
  }
  EXPECT_EQ(BaseWord(20), "二十");
  EXPECT_EQ(BaseWord(36), "三十六");
  EXPECT_EQ(BaseWord(19), "一十九");
}

TEST(ConvertRadix, RoundTripsLongNumbersExactly) {
  std::mt19937 random(20261211);
  for (int length : {1, 9, 10, 100, 1000, 10000}) {
    std::string digits(1, char('1' + random() % 9));
    while (digits.size() < std::size_t(length)) digits += char('0' + random() % 10);
    for (int base : {2, 8, 16, 36}) {
      const std::string converted = ConvertRadix(digits, 10, base);
      EXPECT_EQ(ConvertRadix(converted, base, 10), digits) << length << " " << base;
    }
  }
  // Powers of the target base are where block boundaries go wrong.
  EXPECT_EQ(ConvertRadix("1" + std::string(4096, '0'), 16, 2), "1" + std::string(16384, '0'));
  EXPECT_EQ(ConvertRadix(std::string(4096, 'F'), 16, 2), std::string(16384, '1'));
}

}  // namespace
