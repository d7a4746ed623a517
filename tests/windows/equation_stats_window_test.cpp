#include "windows/equation_stats_window.hpp"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/app_globals.hpp"
#include "app/help_texts.hpp"
#include "platform/multi_line_box.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/help_check.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class EquationStatsWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }

  // Opens the window from the main window's button and runs `inside` on it.
  void InWindow(const std::function<void(QWidget *)> &inside, const char *button = "联立方程按钮") {
    WithDialog([&] { Click(&window(), button); }, inside);
  }

  static QString Result(QWidget *dialog) {
    return Find<MultiLineBox>(dialog, "结果值编辑框")->Text();
  }

  // Chooses a list the way a user does: the x radio button, or the y radio button and a
  // click into the column list.
  static void Choose(QWidget *dialog, const char *list) {
    if (QString(list) == "x变量系数列表框") {
      Click(dialog, "x变量系数单选框");
    } else {
      Click(dialog, "y向量单选框");
      Click(dialog, list);
    }
  }
  // Types each value into the operand box and adds it to the list; returns the messages.
  static std::vector<ShownMessage> Add(QWidget *dialog, const char *list,
                                       const QStringList &values) {
    Choose(dialog, list);
    auto *operand = Find<QLineEdit>(dialog, "联立方程操作值编辑框");
    std::vector<ShownMessage> messages;
    for (const QString &value : values) {
      operand->clear();
      Type(operand, value);
      for (auto &m : AnswerMessages([&] { Click(dialog, "联立方程添加超级按钮"); })) {
        messages.push_back(m);
      }
    }
    return messages;
  }

  // Creates a statistics table and types its values row by row.
  static std::vector<ShownMessage> Create(QWidget *dialog, const QString &rows,
                                          const QString &columns) {
    Find<QLineEdit>(dialog, "第一维编辑框")->setText(rows);
    Find<QLineEdit>(dialog, "第二维编辑框")->setText(columns);
    return AnswerMessages([&] { Click(dialog, "创建超级按钮"); });
  }
  static void Fill(QWidget *dialog, const std::vector<QStringList> &rows) {
    auto *rowList = Find<QListWidget>(dialog, "概要统计第一维列表框");
    auto *columnList = Find<QListWidget>(dialog, "概要统计第二维列表框");
    auto *value = Find<QLineEdit>(dialog, "操作值编辑框");
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      rowList->setCurrentRow(r);
      for (int c = 0; c < rows[r].size(); ++c) {
        columnList->setCurrentRow(c);
        value->selectAll();
        Type(value, rows[r][c]);
      }
    }
  }
};

TEST_F(EquationStatsWindowTest, OpensFromBothButtonsWithItsLayout) {
  for (const char *button : {"联立方程按钮", "概要统计按钮"}) {
    InWindow(
        [](QWidget *dialog) {
          EXPECT_EQ(dialog->objectName(), "EquationStatsWindow");
          EXPECT_EQ(dialog->windowTitle(), "联立方程、概要统计运算");
          EXPECT_EQ(dialog->size(), QSize(567, 376));
          EXPECT_TRUE(Find<QRadioButton>(dialog, "y向量单选框")->isChecked());
          EXPECT_EQ(Find<QWidget>(dialog, "x变量系数列表框")->geometry(), QRect(232, 40, 102, 118));
          EXPECT_EQ(Find<QWidget>(dialog, "操作值编辑框")->geometry(), QRect(121, 138, 72, 18));
          EXPECT_EQ(Result(dialog),
                    "注意：“联立方程”中的数组宽度和高度相等，宽度和高度必须小于等于50");
          ExpectCaptionsFit(dialog);
          Click(dialog, "关闭按钮");
          EXPECT_FALSE(dialog->isVisible());
        },
        button);
  }
}

TEST_F(EquationStatsWindowTest, SolvesATwoByTwoSystem) {
  InWindow([](QWidget *dialog) {
    Add(dialog, "联立方程第一维列表框", {"2", "1"});
    Add(dialog, "联立方程第二维列表框", {"1", "3"});
    Add(dialog, "x变量系数列表框", {"3", "5"});
    EXPECT_EQ(ItemTexts(dialog, "联立方程第一维列表框"), QStringList({"2", "1"}));
    EXPECT_EQ(ItemTexts(dialog, "联立方程第二维列表框"), QStringList({"1", "3"}));
    EXPECT_TRUE(AnswerMessages([&] { Click(dialog, "联立方程计算超级按钮"); }).empty());
    EXPECT_EQ(Result(dialog),
              "x变量解：\r\n0.8\r\n1.4\r\n\r\nx变量系数逆阵：\r\n0.6  -0.2  \r\n\r\n"
              "-0.2  0.4  \r\n\r\nx矩阵行列式：5\r\n");
  });
}

TEST_F(EquationStatsWindowTest, SystemsThatDoNotSolve) {
  const struct {
    const char *what;
    QStringList first, second, right;
    const char *message;
  } cases[] = {
      {"unequal columns", {"1", "2"}, {"3"}, {"1", "2"}, "二维数组成员必须相同"},
      {"three equations", {"1", "2", "3"}, {"4", "5", "7"}, {"1", "2", "3"}, nullptr},
      {"zero coefficient", {"2", "0"}, {"1", "3"}, {"3", "5"}, nullptr},
      {"one equation", {"4"}, {"2"}, {"1"}, nullptr},
  };
  for (const auto &c : cases) {
    InWindow([&](QWidget *dialog) {
      Add(dialog, "联立方程第一维列表框", c.first);
      Add(dialog, "联立方程第二维列表框", c.second);
      Add(dialog, "x变量系数列表框", c.right);
      const QString before = Result(dialog);
      const auto messages = AnswerMessages([&] { Click(dialog, "联立方程计算超级按钮"); });
      if (c.message) {
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(Result(dialog), before) << c.what;
      } else {
        EXPECT_TRUE(messages.empty()) << c.what;
        EXPECT_EQ(Result(dialog), "") << c.what;
      }
    });
  }
}

TEST_F(EquationStatsWindowTest, ListsHoldAtMost25RightSidesAnd50Coefficients) {
  InWindow([](QWidget *dialog) {
    QStringList values;
    for (int i = 1; i <= 50; ++i) values.append(QString::number(i));
    EXPECT_TRUE(Add(dialog, "x变量系数列表框", values.mid(0, 25)).empty());
    const auto refused = Add(dialog, "x变量系数列表框", {"26"});
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].text, "数组成员最大为25");
    EXPECT_EQ(ItemTexts(dialog, "x变量系数列表框").size(), 25);

    EXPECT_TRUE(Add(dialog, "联立方程第二维列表框", values).empty());
    const auto refusedColumn = Add(dialog, "联立方程第二维列表框", {"51"});
    ASSERT_EQ(refusedColumn.size(), 1u);
    EXPECT_EQ(refusedColumn[0].text, "数组成员最大为25");
    EXPECT_EQ(ItemTexts(dialog, "联立方程第二维列表框"), values);
    // The operand box keeps a refused value for another try.
    EXPECT_EQ(Find<QLineEdit>(dialog, "联立方程操作值编辑框")->text(), "51");
  });
}

TEST_F(EquationStatsWindowTest, ModifyKeepsTheTypedNumberDeleteSelectsTheLastClearEmpties) {
  InWindow([](QWidget *dialog) {
    Add(dialog, "联立方程第一维列表框", {"1", "2", "3"});
    auto *list = Find<QListWidget>(dialog, "联立方程第一维列表框");
    EXPECT_EQ(list->currentRow(), 2);  // the added item is selected
    list->setCurrentRow(0);
    auto *operand = Find<QLineEdit>(dialog, "联立方程操作值编辑框");
    Type(operand, "2.9");
    Click(dialog, "联立方程修改超级按钮");
    list->setCurrentRow(1);
    operand->clear();
    Type(operand, "-2.9");
    Click(dialog, "联立方程修改超级按钮");
    EXPECT_EQ(ItemTexts(dialog, "联立方程第一维列表框"), QStringList({"2.9", "-2.9", "3"}));

    list->setCurrentRow(0);
    Click(dialog, "联立方程删除超级按钮");
    EXPECT_EQ(ItemTexts(dialog, "联立方程第一维列表框"), QStringList({"-2.9", "3"}));
    EXPECT_EQ(list->currentRow(), 1);
    Click(dialog, "联立方程清空超级按钮");
    EXPECT_EQ(list->count(), 0);
  });
}

TEST_F(EquationStatsWindowTest, TheChosenColumnIsKeptForTheNextOpening) {
  InWindow([](QWidget *dialog) { Add(dialog, "联立方程第一维列表框", {"1"}); });
  EXPECT_EQ(app().globals().equationTargetList, 1);
  InWindow([](QWidget *dialog) {
    Type(Find<QLineEdit>(dialog, "联立方程操作值编辑框"), "7");
    Click(dialog, "联立方程添加超级按钮");
    EXPECT_EQ(ItemTexts(dialog, "联立方程第一维列表框"), QStringList({"7"}));
    Click(dialog, "联立方程第二维列表框");
  });
  EXPECT_EQ(app().globals().equationTargetList, 0);
}

TEST_F(EquationStatsWindowTest, StatisticsOfATableThatSurvivesReopening) {
  const QString oneRow =
      "最小值:\r\n1\r\n\r\n最大值:\r\n4\r\n\r\n范围值:\r\n3\r\n\r\n总和值:\r\n10\r\n"
      "\r\n平均值:\r\n2.5\r\n\r\n方差值:\r\n1.666666666667\r\n\r\n标准偏差值:\r\n"
      "1.290994448736\r\n\r\n标准误差值:\r\n0.6454972243679\r\n\r\n中位数值:\r\n2.5\r\n";
  InWindow(
      [&](QWidget *dialog) {
        EXPECT_TRUE(Create(dialog, "1", "4").empty());
        EXPECT_EQ(ItemTexts(dialog, "概要统计第一维列表框"), QStringList({"1"}));
        EXPECT_EQ(ItemTexts(dialog, "概要统计第二维列表框"), QStringList({"0", "0", "0", "0"}));
        Fill(dialog, {{"4", "1", "3", "2"}});
        EXPECT_EQ(ItemTexts(dialog, "概要统计第二维列表框"), QStringList({"4", "1", "3", "2"}));
        Click(dialog, "概要统计计算超级按钮");
        EXPECT_EQ(Result(dialog), oneRow);
      },
      "概要统计按钮");
  InWindow([&](QWidget *dialog) {
    EXPECT_EQ(ItemTexts(dialog, "概要统计第一维列表框"), QStringList());
    Click(dialog, "概要统计计算超级按钮");
    EXPECT_EQ(Result(dialog), oneRow);
  });
}

TEST_F(EquationStatsWindowTest, ATableOfTwoRowsAndRowSelection) {
  InWindow([](QWidget *dialog) {
    EXPECT_TRUE(Create(dialog, "2.7", "3").empty());
    EXPECT_EQ(ItemTexts(dialog, "概要统计第一维列表框"), QStringList({"1", "2"}));
    Fill(dialog, {{"5", "1", "3"}, {"10", "30", "20"}});
    // Selecting a row shows its values; selecting a value puts it in the box.
    Find<QListWidget>(dialog, "概要统计第一维列表框")->setCurrentRow(0);
    EXPECT_EQ(ItemTexts(dialog, "概要统计第二维列表框"), QStringList({"5", "1", "3"}));
    EXPECT_EQ(Find<QLineEdit>(dialog, "操作值编辑框")->text(), "5");
    Find<QListWidget>(dialog, "概要统计第二维列表框")->setCurrentRow(2);
    EXPECT_EQ(Find<QLineEdit>(dialog, "操作值编辑框")->text(), "3");
    Click(dialog, "概要统计计算超级按钮");
    EXPECT_TRUE(Result(dialog).startsWith("最小值:\r\n1\r\n10\r\n\r\n最大值:\r\n5\r\n30\r\n"))
        << Result(dialog).toStdString();
    EXPECT_TRUE(Result(dialog).endsWith("中位数值:\r\n3\r\n20\r\n"));
  });
  const NumericArray &table = app().globals().statsArray;
  EXPECT_EQ(table.Counts(), (std::vector<std::int32_t>{2, 3}));
  EXPECT_EQ(table.At(1, 1), 30);
}

TEST_F(EquationStatsWindowTest, RefusedSizesLeaveTheTableAndItsListsAlone) {
  InWindow([&](QWidget *dialog) {
    Create(dialog, "2", "3");
    Fill(dialog, {{"1", "2", "3"}, {"4", "5", "6"}});
    const struct {
      const char *rows, *columns, *message;
    } cases[] = {
        {"0", "3", "创建的第一维或第二维不能为0"},
        {"5", "", "创建的第一维或第二维不能为0"},
        {"-1", "5", "创建的第一维或第二维不能为负数"},
        {"4", "-2", "创建的第一维或第二维不能为负数"},
        {"1000", "1000", "创建的数组太大，第一维乘第二维不能大于65536"},
        {"1e10", "1e10", "创建的数组太大，第一维乘第二维不能大于65536"},
    };
    for (const auto &c : cases) {
      const auto messages = Create(dialog, c.rows, c.columns);
      ASSERT_EQ(messages.size(), 1u) << c.rows << "/" << c.columns;
      EXPECT_EQ(messages[0].text, c.message);
      EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    }
    EXPECT_EQ(ItemTexts(dialog, "概要统计第一维列表框"), QStringList({"1", "2"}));
    // The lists still index the old table: its last value can be read and changed.
    Find<QListWidget>(dialog, "概要统计第一维列表框")->setCurrentRow(1);
    Find<QListWidget>(dialog, "概要统计第二维列表框")->setCurrentRow(2);
    EXPECT_EQ(Find<QLineEdit>(dialog, "操作值编辑框")->text(), "6");
    Type(Find<QLineEdit>(dialog, "操作值编辑框"), "5");
  });
  EXPECT_EQ(app().globals().statsArray, NumericArray::Matrix(2, 3, {1, 2, 3, 4, 5, 65}));
}

TEST_F(EquationStatsWindowTest, StatisticsWithoutATableDoNothing) {
  InWindow([](QWidget *dialog) {
    Click(dialog, "概要统计计算超级按钮");
    EXPECT_TRUE(Result(dialog).startsWith("注意："));
  });
}

TEST_F(EquationStatsWindowTest, HelpButtonShowsTheWindowsHelp) {
  InWindow([](QWidget *dialog) {
    ExpectHelpShows(dialog, EquationStatsHelpText(),
                    {"联立方程", "修改数据", "删除数据", "清空数据", "计算", "概要统计"});
  });
}

}  // namespace
