#include "windows/complex_window.hpp"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>

#include "app/help_texts.hpp"
#include "platform/files.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/recorded_starts.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class ComplexWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  // Opens the window from the main window's button and runs `inside` while it is open.
  void InWindow(const std::function<void(QWidget *)> &inside) {
    WithDialog([&] { Click(&window(), "复数运算按钮"); }, inside);
  }
  static QString TextOf(const QWidget *dialog, const char *box) {
    return Find<QLineEdit>(dialog, box)->text();
  }
  static void Enter(const QWidget *dialog, const char *box, const QString &text) {
    auto *edit = Find<QLineEdit>(dialog, box);
    edit->clear();
    Type(edit, text);
  }
};

TEST_F(ComplexWindowTest, HasEveryControlInPlace) {
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(dialog->objectName(), "ComplexWindow");
    EXPECT_EQ(dialog->windowTitle(), "复数运算");
    EXPECT_EQ(dialog->size(), QSize(384, 327));
    ExpectLayout(dialog, {{"帮助按钮", {280, 3, 80, 21}, "帮助"},
                          {"关闭按钮", {361, 3, 14, 15}, "×"},
                          {"标签", {4, 3, 371, 15}},
                          {"分组框3", {13, 25, 352, 176}, "复数运算"},
                          {"透明标签1", {9, 14, 64, 24}, "复数数据1"},
                          {"复数数据1编辑框", {73, 15, 181, 20}},
                          {"透明标签2", {9, 41, 64, 24}, "复数数据2"},
                          {"复数数据2编辑框", {73, 42, 181, 20}},
                          {"相加超级按钮", {266, 15, 72, 20}, "相  加"},
                          {"相减超级按钮", {266, 46, 72, 20}, "相  减"},
                          {"相乘超级按钮", {266, 78, 72, 20}, "相  乘"},
                          {"相除超级按钮", {266, 110, 72, 20}, "相  除"},
                          {"求复数指数超级按钮", {266, 142, 72, 20}, "求复数指数"},
                          {"分组框1", {8, 83, 246, 74}, "结果"},
                          {"透明标签3", {8, 14, 49, 24}, "实数部分"},
                          {"实数部分编辑框", {69, 16, 165, 20}},
                          {"透明标签4", {8, 41, 49, 24}, "虚数部分"},
                          {"虚数部分编辑框", {69, 43, 165, 20}},
                          {"分组框2", {13, 202, 352, 80}},
                          {"透明标签5", {8, 16, 52, 22}, "复数数据"},
                          {"复数数据编辑框", {69, 16, 181, 20}},
                          {"透明标签6", {8, 48, 52, 22}, "结  果"},
                          {"结果编辑框", {69, 48, 181, 20}},
                          {"求复数长度超级按钮", {266, 17, 71, 21}, "求复数长度"},
                          {"求复数极角超级按钮", {266, 49, 71, 21}, "求复数极角"}});
    for (const char *result : {"实数部分编辑框", "虚数部分编辑框", "结果编辑框"}) {
      EXPECT_TRUE(Find<QLineEdit>(dialog, result)->isReadOnly()) << result;
    }
    Enter(dialog, "复数数据1编辑框", "1x.5-");
    EXPECT_EQ(TextOf(dialog, "复数数据1编辑框"), "1.5-");
  });
}

TEST_F(ComplexWindowTest, TwoOperandButtonsTakeEachNumberAsBothParts) {
  struct Case {
    const char *button, *v, *u, *re, *im;
  } cases[] = {
      {"相加超级按钮", "1", "2", "3", "3"},
      {"相加超级按钮", "", "", "0", "0"},
      {"相减超级按钮", "1", "2", "-1", "-1"},
      {"相乘超级按钮", "2", "3", "0", "12"},
      {"相除超级按钮", "6", "3", "2", "0"},
      // 0/0 in both parts: the indefinite value of the x86 floating-point unit.
      {"相除超级按钮", "1", "0", "-1.#IND", "-1.#IND"},
      // The first operand never enters the exponential.
      {"求复数指数超级按钮", "5", "0", "1", "0"},
      {"求复数指数超级按钮", "-7", "1", "1.468693939916", "2.287355287179"},
      {"求复数指数超级按钮", "", "1", "1.468693939916", "2.287355287179"},
  };
  InWindow([&](QWidget *dialog) {
    for (const Case &c : cases) {
      Enter(dialog, "复数数据1编辑框", c.v);
      Enter(dialog, "复数数据2编辑框", c.u);
      Click(dialog, c.button);
      EXPECT_EQ(TextOf(dialog, "实数部分编辑框"), c.re) << c.button << " " << c.v << " " << c.u;
      EXPECT_EQ(TextOf(dialog, "虚数部分编辑框"), c.im) << c.button << " " << c.v << " " << c.u;
    }
  });
}

TEST_F(ComplexWindowTest, LengthAndAngleMeasureTheSingleOperand) {
  struct Case {
    const char *button, *n, *result;
  } cases[] = {
      {"求复数长度超级按钮", "1", "1.414213562373"},
      {"求复数长度超级按钮", "-3", "4.242640687119"},
      {"求复数长度超级按钮", "", "0"},
      {"求复数极角超级按钮", "1", "0.7853981633974"},
      {"求复数极角超级按钮", "-1", "3.926990816987"},
      {"求复数极角超级按钮", "0", "0"},
      {"求复数极角超级按钮", "1e-21", "0"},  // pasted: a part this small counts as zero
  };
  InWindow([&](QWidget *dialog) {
    for (const Case &c : cases) {
      Find<QLineEdit>(dialog, "复数数据编辑框")->setText(c.n);
      Click(dialog, c.button);
      EXPECT_EQ(TextOf(dialog, "结果编辑框"), c.result) << c.button << " " << c.n;
    }
  });
}

TEST_F(ComplexWindowTest, ReopensEmptyAndShowsItsHelp) {
  RecordedStarts starts;
  InWindow([](QWidget *dialog) {
    Enter(dialog, "复数数据1编辑框", "4");
    Click(dialog, "相加超级按钮");
    Click(dialog, "帮助按钮");
    Click(dialog, "关闭按钮");
    EXPECT_FALSE(dialog->isVisible());
  });
  ASSERT_EQ(starts.opened.size(), 1);
  EXPECT_EQ(ReadFileBytes(starts.opened[0]), ComplexHelpText().toUtf8());
  InWindow([](QWidget *dialog) {
    for (const char *box : {"复数数据1编辑框", "实数部分编辑框", "虚数部分编辑框"}) {
      EXPECT_EQ(TextOf(dialog, box), "") << box;
    }
  });
}

}  // namespace
