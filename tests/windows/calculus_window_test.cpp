#include "windows/calculus_window.hpp"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/help_texts.hpp"
#include "platform/multi_line_box.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/help_check.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class CalculusWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  void InWindow(const std::function<void(QWidget *)> &inside) {
    WithDialog([&] { Click(&window(), "微积分按钮"); }, inside);
  }

  static void AddSamples(QWidget *dialog, const QStringList &values) {
    auto *operand = Find<QLineEdit>(dialog, "操作值编辑框");
    for (const QString &value : values) {
      operand->clear();
      Type(operand, value);
      Click(dialog, "添加超级按钮");
    }
  }
  // Types the texts over the named boxes.
  static void Fill(QWidget *dialog, std::initializer_list<std::pair<const char *, QString>> boxes) {
    for (const auto &[name, text] : boxes) {
      auto *box = Find<QLineEdit>(dialog, name);
      box->clear();
      Type(box, text);
    }
  }
  static QString Result(QWidget *dialog) {
    return Find<MultiLineBox>(dialog, "结果值编辑框")->Text();
  }
};

TEST_F(CalculusWindowTest, OpensWithItsLayout) {
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(dialog->objectName(), "CalculusWindow");
    EXPECT_EQ(dialog->windowTitle(), "微积分");
    EXPECT_EQ(dialog->size(), QSize(552, 353));
    EXPECT_TRUE(Find<QRadioButton>(dialog, "离散化数值积分单选框")->isChecked());
    EXPECT_TRUE(Find<QGroupBox>(dialog, "浮点数组分组框")->isEnabled());
    EXPECT_EQ(Find<QWidget>(dialog, "一阶微分方程超级按钮")->geometry(), QRect(339, 18, 32, 55));
    ExpectCaptionsFit(dialog);
    Click(dialog, "关闭按钮");
    EXPECT_FALSE(dialog->isVisible());
  });
}

TEST_F(CalculusWindowTest, IntegratesTheSamples) {
  InWindow([](QWidget *dialog) {
    AddSamples(dialog, {"1", "2", "3", "4", "5"});
    const struct {
      const char *lower, *upper, *result;
    } cases[] = {
        {"0", "4", "12"},
        {"0", "9", "0"},
        {"1.5", "4", "000: 参数错误,积分下限必须为> 0 的正整数"},
        {"0", "3.5", "000: 参数错误,积分上限必须为> 0 的正整数"},
    };
    for (const auto &c : cases) {
      Fill(dialog,
           {{"样本区间编辑框", "1"}, {"积分下限编辑框", c.lower}, {"积分上限编辑框", c.upper}});
      Click(dialog, "离散化数值积分函数数值积分计算超级按钮");
      EXPECT_EQ(Result(dialog), c.result) << c.lower << " " << c.upper;
    }
  });
}

TEST_F(CalculusWindowTest, IntegratesExpOverEqualIntervals) {
  InWindow([](QWidget *dialog) {
    AddSamples(dialog, {"1", "2", "3"});
    Click(dialog, "函数数值积分单选框");
    EXPECT_FALSE(Find<QGroupBox>(dialog, "浮点数组分组框")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dialog, "添加超级按钮")->isEnabled());
    const struct {
      const char *count, *result;
    } cases[] = {
        {"4", "1.718318841922"},
        {"2.5", "000: 参数错误,样本区间必须为> 0 的正整数"},
    };
    for (const auto &c : cases) {
      Fill(dialog, {{"样本区间编辑框", c.count}, {"积分下限编辑框", "0"}, {"积分上限编辑框", "1"}});
      Click(dialog, "离散化数值积分函数数值积分计算超级按钮");
      EXPECT_EQ(Result(dialog), c.result) << c.count;
    }
    Click(dialog, "离散化数值积分单选框");
    EXPECT_TRUE(Find<QWidget>(dialog, "添加超级按钮")->isEnabled());
  });
}

TEST_F(CalculusWindowTest, SolvesTheFirstOrderEquation) {
  InWindow([](QWidget *dialog) {
    const struct {
      const char *x, *minimumStep, *result;
    } cases[] = {
        {"1", "0.000001", "7.38905"},  // e^2
        {"1", "0.2", ""},              // initial step below the minimum step
        {"0", "0.000001", ""},         // the known x itself cannot be reached
    };
    for (const auto &c : cases) {
      Fill(dialog, {{"x已知值编辑框", "0"},
                    {"y已知值编辑框", "1"},
                    {"要求解的x编辑框", c.x},
                    {"初始步长编辑框", "0.1"},
                    {"最小步长编辑框", c.minimumStep},
                    {"容许误差编辑框", "0.000001"}});
      Click(dialog, "一阶微分方程超级按钮");
      const QString result = Result(dialog);
      if (*c.result == '\0') {
        EXPECT_EQ(result, "") << c.x << " " << c.minimumStep;
      } else {
        EXPECT_TRUE(result.startsWith(c.result)) << result.toStdString();
      }
    }
  });
}

TEST_F(CalculusWindowTest, EditingTheSamples) {
  InWindow([](QWidget *dialog) {
    AddSamples(dialog, {"1.50", "abc"});
    auto *list = Find<QListWidget>(dialog, "浮点数组列表框");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "1.5");
    EXPECT_EQ(list->item(1)->text(), "0");  // letters cannot be typed: an empty box is 0
    EXPECT_EQ(list->currentRow(), -1);
    auto *operand = Find<QLineEdit>(dialog, "操作值编辑框");
    Type(operand, "9");
    Click(dialog, "修改超级按钮");  // nothing selected: nothing changes
    EXPECT_EQ(list->item(0)->text(), "1.5");
    list->setCurrentRow(0);
    Click(dialog, "修改超级按钮");
    EXPECT_EQ(list->item(0)->text(), "9");
    Click(dialog, "删除超级按钮");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentRow(), 0);
    Click(dialog, "删除超级按钮");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(list->currentRow(), -1);
    AddSamples(dialog, {"4"});
    Click(dialog, "清空超级按钮");
    EXPECT_EQ(list->count(), 0);
  });
}

TEST_F(CalculusWindowTest, HelpButtonShowsTheWindowsHelp) {
  InWindow([](QWidget *dialog) {
    ExpectHelpShows(
        dialog, CalculusHelpText(),
        {"--------- 微积分 --------", "离散化数值积分:", "函数数值积分:", "一阶微分方程:"});
  });
}

}  // namespace
