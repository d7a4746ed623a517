#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTimer>

#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class MainWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
    display = Find<MultiLineBox>(&window(), "显示编辑框");
  }
  // Clicks the keys named by their layout names.
  void Keys(std::initializer_list<const char *> names) {
    for (const char *name : names) Click(&window(), name);
  }
  MultiLineBox *display = nullptr;
};

TEST_F(MainWindowTest, HasEveryControlInPlaceWithItsCaption) {
  EXPECT_EQ(window().objectName(), "MainWindow");
  EXPECT_EQ(window().windowTitle(), "Zorvik超级计算器");
  EXPECT_EQ(window().size(), QSize(542, 390));
  struct Control {
    const char *name;
    QRect geometry;
    const char *caption;
  } controls[] = {
      {"帮助按钮", {493, 4, 14, 15}, "?"},
      {"关闭按钮", {523, 4, 14, 15}, "×"},
      {"显示编辑框", {12, 32, 517, 90}, ""},
      {"傅立叶变换按钮", {466, 142, 65, 19}, "傅立叶变换"},
      {"十六进制单选框", {12, 176, 75, 19}, "十六进制"},
      {"二进制单选框", {222, 176, 58, 19}, "二进制"},
      {"退格按钮", {304, 178, 67, 24}, "Backspace"},
      {"数据配置按钮", {17, 210, 88, 23}, "数据配置"},
      {"整除按钮", {441, 273, 41, 23}, "\\"},
      {"乘按钮", {395, 241, 41, 23}, "×"},
      {"平方按钮", {16, 300, 41, 23}, "X^2"},
      {"数字F按钮", {486, 305, 41, 23}, "F"},
  };
  for (const auto &c : controls) {
    QWidget *control = FindControl(&window(), c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), c.geometry) << c.name;
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(c.caption)) << c.name;
      // A caption that does not fit its key would be clipped.
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), c.geometry.width())
          << c.name;
    }
  }
  EXPECT_EQ(window().findChildren<SuperBtn *>().size(), 50);
  EXPECT_EQ(window().findChildren<QRadioButton *>().size(), 4);
}

TEST_F(MainWindowTest, ButtonsEnterNumbers) {
  Keys({"数字1按钮", "数字2按钮", "小数点按钮", "数字5按钮", "正负号按钮"});
  EXPECT_EQ(display->Text(), "-12.5");
  Keys({"退格按钮", "退格按钮"});
  EXPECT_EQ(display->Text(), "-12");
  Keys({"加按钮"});
  EXPECT_EQ(display->Text(), "0");
  EXPECT_EQ(state().firstOperand, "-12");
  EXPECT_EQ(state().pendingOperator, "加");
  Keys({"数字9按钮", "清除按钮"});
  EXPECT_EQ(display->Text(), "0");
  EXPECT_EQ(state().firstOperand, "");
  Keys({"数字3按钮", "删除按钮"});
  EXPECT_EQ(state().pendingOperator, "");
}

TEST_F(MainWindowTest, EveryOperatorKeyStoresItsOperationName) {
  const std::pair<const char *, const char *> keys[] = {
      {"加按钮", "加"},     {"减按钮", "减"},     {"乘按钮", "乘"},      {"除按钮", "除"},
      {"整除按钮", "整除"}, {"求余按钮", "求余"}, {"N次方按钮", "N次方"}};
  for (const auto &[key, name] : keys) {
    Keys({"数字7按钮", key});
    EXPECT_EQ(state().pendingOperator, name) << key;
    EXPECT_EQ(state().firstOperand, "7");
  }
}

TEST_F(MainWindowTest, KeyboardTypesIntoTheDisplay) {
  Type(display, "12a.5");
  EXPECT_EQ(display->Text(), "12.5");
  Press(display, Qt::Key_Backspace);
  EXPECT_EQ(display->Text(), "12.");
  Type(display, "+");
  EXPECT_EQ(state().pendingOperator, "加");
  Type(display, "7");
  Press(display, Qt::Key_Escape);
  EXPECT_EQ(display->Text(), "0");
  EXPECT_EQ(state().firstOperand, "");
  Type(display, "9/");
  EXPECT_EQ(state().pendingOperator, "除");
  Type(display, "*");
  EXPECT_EQ(state().pendingOperator, "乘");
  Type(display, "-");
  EXPECT_EQ(state().pendingOperator, "减");
}

TEST_F(MainWindowTest, EveryKeyLeavesTheCaretAtTheEndOfTheDisplay) {
  Keys({"数字1按钮", "数字2按钮", "数字3按钮"});
  display->moveCursor(QTextCursor::Start);
  Keys({"数字4按钮"});
  EXPECT_TRUE(display->hasFocus() || !QApplication::activeWindow());
  EXPECT_EQ(display->textCursor().position(), 4);
  display->moveCursor(QTextCursor::Start);
  Type(display, "5");
  EXPECT_EQ(display->textCursor().position(), 5);
}

TEST_F(MainWindowTest, TheDisplayCanBeCopiedButNotEdited) {
  Keys({"数字4按钮", "数字2按钮"});
  display->selectAll();
  Press(display, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "42");
  QApplication::clipboard()->setText("999");
  Press(display, Qt::Key_V, Qt::ControlModifier);
  Press(display, Qt::Key_Delete);
  EXPECT_EQ(display->Text(), "42");
}

TEST_F(MainWindowTest, BaseButtonsSelectOneBaseAndEnableItsKeys) {
  struct Expected {
    const char *button;
    std::vector<const char *> enabled, disabled;
  } bases[] = {
      {"十六进制单选框",
       {"数字A按钮", "数字F按钮", "数字2按钮", "数字9按钮"},
       {"求余按钮", "正弦按钮", "角弧度按钮", "小数点按钮", "正负号按钮"}},
      {"八进制单选框",
       {"数字7按钮", "整除按钮", "平方按钮"},
       {"数字8按钮", "数字A按钮", "取整按钮"}},
      {"二进制单选框",
       {"数字0按钮", "数字1按钮", "N次方按钮", "立方按钮"},
       {"数字2按钮", "数字7按钮"}},
      {"十进制单选框", {"数字9按钮", "求余切按钮", "取绝对值按钮"}, {"数字A按钮", "数字E按钮"}},
  };
  for (const auto &base : bases) {
    Click(&window(), base.button);
    for (const char *radio : {"十六进制单选框", "十进制单选框", "八进制单选框", "二进制单选框"}) {
      EXPECT_EQ(Find<QRadioButton>(&window(), radio)->isChecked(), radio == base.button)
          << base.button << " " << radio;
    }
    for (const char *key : base.enabled)
      EXPECT_TRUE(FindControl(&window(), key)->isEnabled()) << key;
    for (const char *key : base.disabled)
      EXPECT_FALSE(FindControl(&window(), key)->isEnabled()) << key;
  }
}

TEST_F(MainWindowTest, ARefusedBaseKeepsTheOldOne) {
  Keys({"数字5按钮", "正负号按钮"});
  const auto shown = AnswerMessages([&] { Click(&window(), "十六进制单选框"); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "负数和小数不能转换成16进制的数值");
  EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
  EXPECT_TRUE(Find<QRadioButton>(&window(), "十进制单选框")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(&window(), "十六进制单选框")->isChecked());
  EXPECT_TRUE(FindControl(&window(), "正弦按钮")->isEnabled());
  EXPECT_EQ(display->Text(), "-5");
}

TEST_F(MainWindowTest, HexArithmeticThroughTheKeys) {
  Click(&window(), "十六进制单选框");
  Keys({"数字A按钮", "乘按钮", "数字B按钮", "等号按钮"});
  EXPECT_EQ(display->Text(), "6E");
  Keys({"删除按钮", "数字3按钮", "减按钮", "数字5按钮"});
  Press(display, Qt::Key_Return);
  EXPECT_EQ(display->Text(), "Error");
  Click(&window(), "十进制单选框");
  EXPECT_EQ(display->Text(), "参数错误-ERROR不是一个有效的一十六进制数！");
}

TEST_F(MainWindowTest, ARefusedPowerShowsItsMessageThenZero) {
  Keys({"数字2按钮", "N次方按钮", "数字0按钮", "小数点按钮", "数字5按钮"});
  QString displayDuringMessage;
  const auto shown = AnswerMessages([&] {
    QTimer::singleShot(0, [&] { displayDuringMessage = display->Text(); });
    Type(display, "=");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "开方数不能为小数和负数");
  EXPECT_EQ(displayDuringMessage, "0.5");
  EXPECT_EQ(display->Text(), "0");
  EXPECT_EQ(state().firstOperand, "0");
}

TEST_F(MainWindowTest, DegreesAndRadiansToggle) {
  Keys({"数字1按钮", "角弧度按钮"});
  EXPECT_EQ(display->Text(), "57.29577951472");
  Keys({"角弧度按钮"});
  EXPECT_EQ(display->Text(), "1");
  EXPECT_FALSE(state().degreesShown);
}

TEST_F(MainWindowTest, AHugeResultStaysUsable) {
  Keys({"数字2按钮", "N次方按钮", "数字1按钮", "数字0按钮", "数字0按钮", "数字0按钮", "数字0按钮",
        "数字0按钮", "等号按钮"});
  EXPECT_EQ(display->Text().size(), 30103);
  EXPECT_TRUE(display->Text().endsWith("09376"));
  Press(display, Qt::Key_PageUp);
  Press(display, Qt::Key_End, Qt::ControlModifier);
  Type(display, "7");  // entryFlag is still set: the digit is appended
  EXPECT_EQ(display->Text().size(), 30104);
  Click(&window(), "十六进制单选框");
  EXPECT_EQ(display->Text().size(), 25001);
}

TEST_F(MainWindowTest, CloseHidesTheWindowAndMinimiseMinimises) {
  Click(&window(), "最小化按钮");
  EXPECT_TRUE(window().isMinimized());
  window().showNormal();
  Click(&window(), "关闭按钮");
  EXPECT_FALSE(window().isVisible());
}

}  // namespace
