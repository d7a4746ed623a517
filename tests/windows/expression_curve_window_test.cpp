#include "windows/expression_curve_window.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/help_texts.hpp"
#include "app/number_text.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/random_generator.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/help_check.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class ExpressionCurveWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }

  void InWindow(const std::function<void(QWidget *)> &inside, const char *button = "曲线拟合按钮") {
    WithDialog([&] { Click(&window(), button); }, inside);
  }

  struct Integral {
    std::vector<ShownMessage> messages;
    QString result;
  };
  Integral Integrate(const QString &expression, const QString &upper, const QString &lower,
                     const QString &tolerance) {
    Integral integral;
    InWindow(
        [&](QWidget *dialog) {
          Type(Find<QLineEdit>(dialog, "计算表达式编辑框"), expression);
          Type(Find<QLineEdit>(dialog, "积分上限编辑框"), upper);
          Type(Find<QLineEdit>(dialog, "积分下限编辑框"), lower);
          Type(Find<QLineEdit>(dialog, "误差编辑框"), tolerance);
          integral.messages = AnswerMessages([&] { Click(dialog, "算式解析超级按钮"); });
          integral.result = Find<QLineEdit>(dialog, "结果编辑框")->text();
        },
        "算式解析按钮");
    return integral;
  }

  // Adds the values to a list the way a user does: a click into the list, then the
  // operand box and the add button for each value.
  static void Add(QWidget *dialog, const char *list, const QStringList &values) {
    Click(dialog, list);
    auto *operand = Find<QLineEdit>(dialog, "独立变量观察值编辑框");
    for (const QString &value : values) {
      operand->clear();
      Type(operand, value);
      Click(dialog, "二乘曲线拟合添加超级按钮");
    }
  }
  static QString Run(QWidget *dialog) {
    Click(dialog, "运算超级按钮");
    return Find<MultiLineBox>(dialog, "曲线拟合结果值编辑框")->Text();
  }
};

TEST_F(ExpressionCurveWindowTest, OpensFromBothButtonsWithItsLayout) {
  for (const char *button : {"算式解析按钮", "曲线拟合按钮"}) {
    InWindow(
        [](QWidget *dialog) {
          EXPECT_EQ(dialog->objectName(), "ExpressionCurveWindow");
          EXPECT_EQ(dialog->windowTitle(), "算式解析、曲线拟合运算");
          EXPECT_EQ(dialog->size(), QSize(476, 370));
          EXPECT_TRUE(Find<QRadioButton>(dialog, "二乘曲线拟合单选框")->isChecked());
          EXPECT_FALSE(Find<QWidget>(dialog, "y值列表框")->isVisible());
          EXPECT_FALSE(Find<QWidget>(dialog, "y值透明标签")->isVisible());
          EXPECT_EQ(Find<QLabel>(dialog, "透明标签")->text(), "独立变量观察值↓");
          EXPECT_EQ(Find<QWidget>(dialog, "透明标签6")->parentWidget(), dialog);
          EXPECT_EQ(Find<QWidget>(dialog, "计算表达式编辑框")->geometry(), QRect(71, 14, 369, 21));
          ExpectCaptionsFit(dialog);
          Click(dialog, "关闭按钮");
          EXPECT_FALSE(dialog->isVisible());
        },
        button);
  }
}

TEST_F(ExpressionCurveWindowTest, IntegratesTheTypedExpression) {
  const struct {
    const char *expression, *upper, *lower, *tolerance, *result;
  } cases[] = {
      {"x", "1", "0", "0.001", "0.5"},
      {"x*x", "0", "3", "0.001", "-9"},  // upper below lower: negative
      {"x", "2", "2", "0.001", "0"},
      {"x^2", "1", "0", "0.001", "解析失败"},
      {"1/x", "1", "0", "0.001", "解析失败"},
  };
  for (const auto &c : cases) {
    const Integral integral = Integrate(c.expression, c.upper, c.lower, c.tolerance);
    EXPECT_TRUE(integral.messages.empty()) << c.expression;
    EXPECT_EQ(integral.result, c.result) << c.expression;
  }
}

TEST_F(ExpressionCurveWindowTest, RefusesAMissingExpressionOrTolerance) {
  const struct {
    const char *expression, *tolerance, *message;
  } cases[] = {
      {"", "0.001", "没有要解析的计算表达"},
      {"x", "0.0000001", "误差必需大于0"},
      {"x", "", "误差必需大于0"},
      {"x", "-1", "误差必需大于0"},
  };
  for (const auto &c : cases) {
    const Integral integral = Integrate(c.expression, "1", "0", c.tolerance);
    ASSERT_EQ(integral.messages.size(), 1u) << c.expression << " " << c.tolerance;
    EXPECT_EQ(integral.messages[0].text, c.message);
    EXPECT_EQ(integral.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(integral.result, "");
  }
}

TEST_F(ExpressionCurveWindowTest, LeastSquaresDrawsNewDependentValuesAtEachPress) {
  const auto previous = FixClockSeed(5);
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(Run(dialog), "运算错误");  // nothing to fit
    Add(dialog, "二乘曲线拟合列表框", {"1"});
    EXPECT_EQ(Run(dialog), "运算错误");  // one value leaves no coefficient
    Add(dialog, "二乘曲线拟合列表框", {"2"});
    // Two values: one coefficient, the mean of the two drawn values.
    SeedRandom(5);
    const double y0 = NextRandom(), y1 = NextRandom();
    const QString two = Run(dialog);
    const auto text = [](double v) { return QString::fromStdString(NumberToText(v)); };
    EXPECT_TRUE(two.startsWith("相关变量观察值：\r\n" + text(y0) + "\r\n" + text(y1) +
                               "\r\n\r\n多项式系数：\r\n" + text((y0 + y1) / 2) + "\r\n\r\n"))
        << two.toStdString();
    Add(dialog, "二乘曲线拟合列表框", {"3"});
    const QString three = Run(dialog);
    const QStringList headings = {"相关变量观察值：", "多项式系数：", "y估值：",
                                  "残差值：",         "标准误差：",   "估计标准误差：",
                                  "r平方值：",        "r值：",        "是否奇异："};
    QStringList blocks = three.split("\r\n\r\n");
    ASSERT_EQ(blocks.size(), headings.size()) << three.toStdString();
    const int lines[] = {4, 3, 4, 4, 2, 3, 2, 2, 2};  // heading and values
    for (int i = 0; i < blocks.size(); ++i) {
      const QStringList blockLines = blocks[i].split("\r\n", Qt::SkipEmptyParts);
      EXPECT_EQ(blockLines.first(), headings[i]);
      EXPECT_EQ(blockLines.size(), lines[i]) << headings[i].toStdString();
    }
    EXPECT_TRUE(three.endsWith("是否奇异：\r\n0")) << three.toStdString();
  });
  FixClockSeed(previous);
}

TEST_F(ExpressionCurveWindowTest, CubicModeListsTheSplineTable) {
  InWindow([](QWidget *dialog) {
    Click(dialog, "三次多项式方程单选框");
    EXPECT_TRUE(Find<QWidget>(dialog, "y值列表框")->isVisible());
    EXPECT_EQ(Find<QLabel>(dialog, "透明标签")->text(), "x值 ↓");
    Add(dialog, "二乘曲线拟合列表框", {"0", "1", "2"});
    EXPECT_EQ(Run(dialog),
              "方程系数：\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    Add(dialog, "y值列表框", {"0", "1", "0"});
    EXPECT_EQ(ItemTexts(dialog, "y值列表框"), QStringList({"0", "1", "0"}));
    EXPECT_EQ(Run(dialog),
              "方程系数：\r\n0\r\n1.5\r\n0\r\n-0.5\r\n1\r\n0\r\n-1.5\r\n0.5\r\n"
              "0\r\n-1.5\r\n0\r\n0\r\n");
  });
}

TEST_F(ExpressionCurveWindowTest, SplineModeInterpolatesAtTheTypedPoint) {
  InWindow([](QWidget *dialog) {
    Click(dialog, "三次多项式方程单选框");
    Add(dialog, "二乘曲线拟合列表框", {"0", "1", "2"});
    Click(dialog, "三次样条插值单选框");
    EXPECT_FALSE(Find<QWidget>(dialog, "y值列表框")->isVisible());
    EXPECT_EQ(Find<QLabel>(dialog, "透明标签")->text(), "x值 ↓");
    auto *point = Find<QLineEdit>(dialog, "独立变量观察值编辑框");
    Type(point, "0.5");
    EXPECT_EQ(Run(dialog), "运算错误");  // no y values yet

    Click(dialog, "三次多项式方程单选框");
    Add(dialog, "y值列表框", {"0", "1", "0"});
    Click(dialog, "三次样条插值单选框");  // the y list keeps its items while hidden
    const struct {
      const char *point, *result;
    } cases[] = {{"0.5", "y值:0.6875"}, {"2", "y值:0"}, {"2.5", "运算错误"}, {"-1", "运算错误"}};
    for (const auto &c : cases) {
      point->setText(c.point);
      EXPECT_EQ(Run(dialog), c.result) << c.point;
    }
  });
}

TEST_F(ExpressionCurveWindowTest, TheResultMovesAsideForTheYListOnlyOnce) {
  InWindow([](QWidget *dialog) {
    auto *heading = Find<QWidget>(dialog, "结果值透明标签");
    auto *result = Find<QWidget>(dialog, "曲线拟合结果值编辑框");
    const QRect wide(206, 62, 235, 120), narrow(306, 62, 135, 120);
    EXPECT_EQ(result->geometry(), wide);
    for (const char *mode : {"三次多项式方程单选框", "三次多项式方程单选框"}) {
      Click(dialog, mode);
      EXPECT_EQ(heading->pos(), QPoint(355, 40));
      EXPECT_EQ(result->geometry(), narrow);
    }
    for (const char *mode : {"三次样条插值单选框", "二乘曲线拟合单选框"}) {
      Click(dialog, mode);
      EXPECT_EQ(heading->pos(), QPoint(255, 40));
      EXPECT_EQ(result->geometry(), wide);
    }
    EXPECT_EQ(Find<QLabel>(dialog, "透明标签")->text(), "独立变量观察值↓");
  });
}

TEST_F(ExpressionCurveWindowTest, EditingTheLists) {
  InWindow([](QWidget *dialog) {
    Add(dialog, "二乘曲线拟合列表框", {"1", "2", "3"});
    auto *list = Find<QListWidget>(dialog, "二乘曲线拟合列表框");
    auto *operand = Find<QLineEdit>(dialog, "独立变量观察值编辑框");
    EXPECT_EQ(operand->text(), "");
    list->setCurrentRow(0);
    Type(operand, "0.25");
    Click(dialog, "二乘曲线拟合修改超级按钮");
    EXPECT_EQ(operand->text(), "0.25");
    EXPECT_EQ(ItemTexts(dialog, "二乘曲线拟合列表框"), QStringList({"0.25", "2", "3"}));
    Click(dialog, "二乘曲线拟合删除超级按钮");
    EXPECT_EQ(ItemTexts(dialog, "二乘曲线拟合列表框"), QStringList({"2", "3"}));
    EXPECT_EQ(list->currentRow(), 1);
    list->setCurrentRow(-1);
    Click(dialog, "二乘曲线拟合删除超级按钮");  // nothing selected: nothing deleted
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    Click(dialog, "二乘曲线拟合清空超级按钮");
    EXPECT_EQ(list->count(), 0);
  });
}

TEST_F(ExpressionCurveWindowTest, HelpButtonShowsTheWindowsHelp) {
  InWindow([](QWidget *dialog) {
    ExpectHelpShows(dialog, ExpressionCurveHelpText(),
                    {"************算式解析************", "************曲线拟合************",
                     "一.二乘曲线拟合", "二.三次样条插值", "三.三次多项式方程"});
  });
}

}  // namespace
