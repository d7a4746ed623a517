#include <gtest/gtest.h>

#include "calculator/keypad.hpp"

namespace {

// A keypad in the state the main window's creation step leaves it in.
struct FreshKeypad {
  FreshKeypad() {
    state.currentBase = 10;
    keypad.SetDisplay("0");
    state.firstOperand = "0";
  }
  // Presses keys written as one character each: digits, ".", "<" (Backspace), "~" (sign),
  // "E" is a digit, so clear entry is "!" and clear all "#".
  void Press(std::string_view keys) {
    for (char k : keys) {
      switch (k) {
        case '.':
          keypad.Point();
          break;
        case '<':
          keypad.Backspace();
          break;
        case '~':
          keypad.ChangeSign();
          break;
        case '!':
          keypad.ClearEntry();
          break;
        case '#':
          keypad.ClearAll();
          break;
        case '+':
          keypad.Operator(operation::kAdd);
          break;
        default:
          keypad.Digit(k);
      }
    }
  }
  CalculatorState state;
  Keypad keypad{state};
};

TEST(KeypadEntry, KeysChangeTheDisplayAsOnACalculator) {
  struct Case {
    const char *keys;
    const char *display;
  } cases[] = {
      {"5", "5"},        {"0", "0"},    {"00", "0"},    {"0.5", "0.5"}, {"..", "0."},
      {"1.2.3", "1.23"}, {"7<", "0"},   {"12<", "1"},   {"<", "0"},     {"7~<", "-"},
      {"7~<<", "0"},     {"~", "0"},    {"12~", "-12"}, {"12~~", "12"}, {"12!", "0"},
      {"12#", "0"},      {"5+.", "0."}, {"5+3", "3"},   {"5+0", "0"},   {"A1", "A1"},
  };
  for (const auto &c : cases) {
    FreshKeypad k;
    k.Press(c.keys);
    EXPECT_EQ(k.keypad.Display(), c.display) << c.keys;
  }
}

TEST(KeypadEntry, EntryFlagDecidesBetweenReplacingAndAppending) {
  FreshKeypad k;
  k.Press("5");
  EXPECT_TRUE(k.state.entryFlag);
  k.Press("+");
  EXPECT_FALSE(k.state.entryFlag);
  EXPECT_EQ(k.state.firstOperand, "5");
  EXPECT_EQ(k.state.pendingOperator, "加");
  k.Press("2~<");  // sign change and Backspace leave the flag alone
  EXPECT_TRUE(k.state.entryFlag);
}

TEST(KeypadEntry, ClearEntryEmptiesTheFirstOperandOnce) {
  FreshKeypad k;
  k.Press("5+2!");
  EXPECT_EQ(k.state.firstOperand, "");
  EXPECT_EQ(k.state.pendingOperator, "加");
  EXPECT_FALSE(k.state.entryFlag);
  k.Press("3!");  // firstOperand already empty: the flag stays
  EXPECT_TRUE(k.state.entryFlag);
}

TEST(KeypadEntry, ClearAllForgetsTheOperation) {
  FreshKeypad k;
  k.Press("5+2#");
  EXPECT_EQ(k.state.firstOperand, "");
  EXPECT_EQ(k.state.pendingOperator, "");
  EXPECT_FALSE(k.state.entryFlag);
}

TEST(KeypadEntry, SecondOperatorKeyReplacesTheFirst) {
  FreshKeypad k;
  k.Press("1+2");
  k.keypad.Operator(operation::kMultiply);
  EXPECT_EQ(k.state.firstOperand, "2");
  EXPECT_EQ(k.state.pendingOperator, "乘");
  k.Press("5+");
  k.keypad.Operator(operation::kMultiply);
  EXPECT_EQ(k.state.firstOperand, "0");
}

TEST(KeypadEntry, BackspaceAndSignRemoveWholeCharactersOfAMessage) {
  FreshKeypad k;
  k.keypad.SetDisplay("参数错误-2.5不是一个有效的一十进制数！");
  k.keypad.Backspace();
  EXPECT_EQ(k.keypad.Display(), "参数错误-2.5不是一个有效的一十进制数");
  k.keypad.ChangeSign();  // the text holds a "-": its first character goes
  EXPECT_EQ(k.keypad.Display(), "数错误-2.5不是一个有效的一十进制数");
  k.keypad.SetDisplay("数");
  k.keypad.Backspace();
  EXPECT_EQ(k.keypad.Display(), "0");
}

TEST(KeypadEntry, TypedCharactersAreFilteredByBase) {
  struct Case {
    int base;
    const char *typed;
    const char *display;
  } cases[] = {
      {16, "a1f", "A1F"}, {16, "g.", "0"},    {10, "a8.5", "8.5"},
      {8, "8179", "17"},  {2, "2101", "101"}, {10, "1*", "0"},
  };
  for (const auto &c : cases) {
    FreshKeypad k;
    k.state.currentBase = c.base;
    for (const char *t = c.typed; *t; ++t) k.keypad.TypeCharacter(*t);
    EXPECT_EQ(k.keypad.Display(), c.display) << c.base << " " << c.typed;
  }
}

TEST(KeypadEntry, TypedControlKeysAndOperators) {
  FreshKeypad k;
  k.keypad.TypeCharacter('1');
  k.keypad.TypeCharacter('2');
  EXPECT_TRUE(k.keypad.TypeCharacter(8));
  EXPECT_EQ(k.keypad.Display(), "1");
  EXPECT_TRUE(k.keypad.TypeCharacter('*'));
  EXPECT_EQ(k.state.pendingOperator, "乘");
  k.keypad.TypeCharacter('4');
  EXPECT_TRUE(k.keypad.TypeCharacter(27));
  EXPECT_EQ(k.keypad.Display(), "0");
  EXPECT_EQ(k.state.firstOperand, "");
  EXPECT_FALSE(k.keypad.TypeCharacter('x'));
}

}  // namespace
