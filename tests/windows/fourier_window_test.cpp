#include "windows/fourier_window.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <functional>

#include "app/app_globals.hpp"
#include "app/help_texts.hpp"
#include "engine/fourier/fourier_transform.hpp"
#include "platform/files.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/layout_check.hpp"
#include "tests/support/recorded_starts.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class FourierWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  void InWindow(const std::function<void(QWidget *)> &inside) {
    WithDialog([&] { Click(&window(), "傅立叶变换按钮"); }, inside);
  }
  AppGlobals &globals() { return app().globals(); }

  static QListWidget *List(const QWidget *dialog, const char *name) {
    return Find<QListWidget>(dialog, name);
  }
  static QLineEdit *Line(const QWidget *dialog, const char *name) {
    return Find<QLineEdit>(dialog, name);
  }
  static QStringList Items(const QWidget *dialog, const char *list) {
    return ItemTexts(List(dialog, list));
  }
  static QStringList RealItems(const QWidget *dialog) { return Items(dialog, "实数集列表框"); }
  static QStringList ImagItems(const QWidget *dialog) { return Items(dialog, "虚数集列表框"); }

  // Adds the values to the real list, then to the imaginary list, as a user types them.
  static void AddSamples(const QWidget *dialog, const QStringList &real, const QStringList &imag) {
    const std::pair<const char *, const QStringList &> sets[] = {{"实数据集单选框", real},
                                                                 {"虚数据集单选框", imag}};
    for (const auto &[radio, values] : sets) {
      Click(dialog, radio);
      for (const QString &value : values) {
        Type(Line(dialog, "数值编辑框"), value);
        Click(dialog, "添加按钮");
      }
    }
  }
  static std::vector<ShownMessage> Press(const QWidget *dialog, const char *button) {
    return AnswerMessages([&] { Click(dialog, button); });
  }
  static std::vector<ShownMessage> CreateGrid(const QWidget *dialog, const char *rows,
                                              const char *columns) {
    Line(dialog, "第一维编辑框")->setText(rows);
    Line(dialog, "第二维编辑框")->setText(columns);
    return Press(dialog, "创建按钮");
  }
};

TEST_F(FourierWindowTest, HasEveryControlInPlace) {
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(dialog->objectName(), "FourierWindow");
    EXPECT_EQ(dialog->windowTitle(), "傅立叶运算");
    EXPECT_EQ(dialog->size(), QSize(546, 463));
    ExpectLayout(dialog, {{"标签3", {4, 4, 537, 15}},
                          {"帮助按钮", {432, 4, 94, 20}, "帮助"},
                          {"关闭按钮", {527, 4, 14, 15}, "×"},
                          {"分组框1", {16, 33, 250, 377}, "傅立叶(变换、反变换、窗口、能谱周期图)"},
                          {"实数据集单选框", {14, 21, 75, 15}, "实数据集"},
                          {"虚数据集单选框", {130, 21, 75, 15}, "虚数据集"},
                          {"实数集列表框", {13, 41, 104, 112}},
                          {"虚数集列表框", {131, 41, 104, 112}},
                          {"标签1", {14, 157, 112, 18}, "数据集实数(虚数)："},
                          {"数值编辑框", {13, 176, 145, 20}},
                          {"清空列表框按钮", {163, 176, 72, 20}, "清空列表框"},
                          {"添加按钮", {13, 203, 72, 19}, "添加"},
                          {"修改按钮", {88, 203, 72, 19}, "修改"},
                          {"删除按钮", {163, 203, 72, 19}, "删除"},
                          {"分组框3", {17, 223, 214, 57}},
                          {"傅立叶变换单选框", {9, 12, 94, 19}, "傅立叶变换"},
                          {"傅立叶反变换单选框", {112, 12, 94, 19}, "傅立叶反变换"},
                          {"窗口傅立叶单选框", {9, 33, 94, 19}, "窗口傅立叶"},
                          {"求能谱周期图单选框", {112, 33, 94, 19}, "求能谱周期图"},
                          {"抽样数据窗口组合框", {17, 286, 214, 20}},
                          {"标签5", {17, 315, 60, 16}, "时间间隔："},  // widened to fit its caption
                          {"时间间隔编辑框", {78, 313, 151, 20}},
                          {"开始计算按钮", {53, 343, 139, 22}, "开始计算"},
                          {"分组框2", {280, 33, 250, 377}, "二维傅立叶变换"},
                          {"数据集实值单选框", {13, 20, 80, 17}, "数据集实值"},
                          {"数据集虚值单选框", {130, 21, 80, 16}, "数据集虚值"},
                          {"成员数量列表框", {13, 41, 104, 112}},
                          {"成员数据列表框", {131, 41, 104, 112}},
                          {"标签6", {16, 176, 38, 14}, "第一维"},
                          {"第一维编辑框", {58, 172, 58, 20}, "成员数"},
                          {"标签7", {132, 176, 38, 14}, "第二维"},
                          {"第二维编辑框", {177, 172, 58, 20}, "成员数"},
                          {"标签2", {19, 208, 92, 17}, "输入对应成员值:"},
                          {"成员数据编辑框", {114, 205, 121, 20}},
                          {"标签8", {19, 240, 30, 16}, "标志:"},
                          {"标志组合框", {57, 238, 101, 20}},
                          {"创建按钮", {167, 236, 68, 20}, "创建"},
                          {"二维开始计算按钮", {58, 282, 139, 22}, "开始计算"}});
    for (const char *radio : {"实数据集单选框", "傅立叶变换单选框", "数据集实值单选框"}) {
      EXPECT_TRUE(Find<QRadioButton>(dialog, radio)->isChecked()) << radio;
    }
    auto *windows = Find<QComboBox>(dialog, "抽样数据窗口组合框");
    EXPECT_EQ(windows->count(), 6);
    EXPECT_EQ(windows->currentText(), "0、#矩形Window");
    EXPECT_EQ(windows->itemText(5), "5、#Exact Blackman Window");
    EXPECT_LE(windows->sizeHint().width(), windows->width());
    EXPECT_FALSE(windows->isEnabled());
    EXPECT_FALSE(Line(dialog, "时间间隔编辑框")->isEnabled());
    auto *direction = Find<QComboBox>(dialog, "标志组合框");
    EXPECT_EQ(direction->currentText(), "正变换");
    EXPECT_EQ(direction->itemText(1), "反变换");
  });
}

TEST_F(FourierWindowTest, ListEditingGoesToTheChosenDataSet) {
  InWindow([](QWidget *dialog) {
    AddSamples(dialog, {"1", "2x", "3"}, {"-4"});
    EXPECT_EQ(RealItems(dialog), QStringList({"1", "2", "3"}));
    EXPECT_EQ(ImagItems(dialog), QStringList({"-4"}));
    EXPECT_EQ(Line(dialog, "数值编辑框")->text(), "");

    Click(dialog, "实数据集单选框");
    ClickItem(List(dialog, "实数集列表框"), 1);
    Type(Line(dialog, "数值编辑框"), "2.50");
    Click(dialog, "修改按钮");
    EXPECT_EQ(RealItems(dialog), QStringList({"1", "2.5", "3"}));
    ClickItem(List(dialog, "实数集列表框"), 0);
    Click(dialog, "删除按钮");
    EXPECT_EQ(RealItems(dialog), QStringList({"2.5", "3"}));
    EXPECT_EQ(List(dialog, "实数集列表框")->currentRow(), 1);

    Click(dialog, "清空列表框按钮");
    EXPECT_TRUE(RealItems(dialog).isEmpty());
    EXPECT_TRUE(ImagItems(dialog).isEmpty());
  });
}

TEST_F(FourierWindowTest, OneDimensionalOperationsReplaceTheLists) {
  struct Case {
    const char *operation;
    int windowType;
    const char *interval;
    QStringList real, imag, realAfter, imagAfter;
  } cases[] = {
      {"傅立叶变换单选框",
       0,
       "",
       {"1", "2", "3", "4"},
       {"0", "0", "0", "0"},
       {"10", "-2.00000005359", "-2", "-1.99999994641"},
       {"0", "2", "0", "-2"}},
      // A longer imaginary list: the transform works on the real list's four samples.
      {"傅立叶变换单选框",
       0,
       "",
       {"1", "2", "3", "4"},
       {"0", "0", "0", "0", "7", "8"},
       {"10", "-2.00000005359", "-2", "-1.99999994641"},
       {"0", "2", "0", "-2"}},
      {"傅立叶反变换单选框",
       0,
       "",
       {"4", "0", "0", "0"},
       {"0", "0", "0", "0"},
       {"1", "1", "1", "1"},
       {"0", "0", "0", "0"}},
      {"窗口傅立叶单选框",
       2,
       "",
       {"1", "1", "1", "1"},
       {"0", "0", "0", "0"},
       {"0", "0.75", "0.75", "0"},
       {"0", "0", "0", "0"}},
      {"窗口傅立叶单选框", 0, "", {"3", "-1"}, {"1", "2"}, {"3", "-1"}, {"1", "2"}},
      {"求能谱周期图单选框",
       0,
       "1",
       {"1", "2", "3", "4"},
       {"0", "0", "0", "0"},
       {"6.25", "1", "0.25", "-1.99999994641"},
       {"0", "0.25", "0.5", "-2"}},
      {"求能谱周期图单选框",
       0,
       "0.5",
       {"1", "2", "3", "4"},
       {"0", "0", "0", "0"},
       {"6.25", "1", "0.25", "-1.99999994641"},
       {"0", "0.5", "1", "-2"}},
      // Without a time interval the frequencies divide by zero.
      {"求能谱周期图单选框",
       0,
       "",
       {"1", "2", "3", "4"},
       {"0", "0", "0", "0"},
       {"6.25", "1", "0.25", "-1.99999994641"},
       {"-1.#IND", "1.#INF", "1.#INF", "-2"}},
  };
  InWindow([&](QWidget *dialog) {
    for (const Case &c : cases) {
      Click(dialog, c.operation);
      Find<QComboBox>(dialog, "抽样数据窗口组合框")->setCurrentIndex(c.windowType);
      Line(dialog, "时间间隔编辑框")->setText(c.interval);
      Click(dialog, "清空列表框按钮");
      AddSamples(dialog, c.real, c.imag);
      EXPECT_TRUE(Press(dialog, "开始计算按钮").empty());
      EXPECT_EQ(RealItems(dialog), c.realAfter) << c.operation << " " << c.interval;
      EXPECT_EQ(ImagItems(dialog), c.imagAfter) << c.operation << " " << c.interval;
    }
  });
}

TEST_F(FourierWindowTest, RefusedDataStayInTheLists) {
  struct Case {
    const char *operation;
    QStringList real, imag;
  } cases[] = {
      {"傅立叶变换单选框", {"1", "2", "3", "4"}, {"0", "0", "0"}},  // imaginary list too short
      {"傅立叶反变换单选框", {"1", "2", "3"}, {"0", "0", "0"}},     // not a power of two
      {"窗口傅立叶单选框", {}, {}},
      {"求能谱周期图单选框", {"1", "2"}, {"0", "0", "0", "0"}},  // lists of different lengths
  };
  InWindow([&](QWidget *dialog) {
    for (const Case &c : cases) {
      Click(dialog, c.operation);
      AddSamples(dialog, c.real, c.imag);
      const std::vector<ShownMessage> shown = Press(dialog, "开始计算按钮");
      ASSERT_EQ(shown.size(), 1u) << c.operation;
      EXPECT_EQ(shown[0].text, "运算错误！");
      EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
      EXPECT_EQ(RealItems(dialog), c.real) << c.operation;
      EXPECT_EQ(ImagItems(dialog), c.imag) << c.operation;
    }
  });
}

TEST_F(FourierWindowTest, ChoosingAnotherOperationEmptiesTheLists) {
  InWindow([](QWidget *dialog) {
    // The first choice of a run empties them even when it is the operation shown.
    AddSamples(dialog, {"1"}, {"2"});
    Click(dialog, "傅立叶变换单选框");
    EXPECT_TRUE(RealItems(dialog).isEmpty());
    AddSamples(dialog, {"1"}, {"2"});
    Click(dialog, "傅立叶变换单选框");
    EXPECT_EQ(RealItems(dialog), QStringList({"1"}));
    Click(dialog, "窗口傅立叶单选框");
    EXPECT_TRUE(RealItems(dialog).isEmpty());
    EXPECT_TRUE(ImagItems(dialog).isEmpty());
    EXPECT_TRUE(Find<QComboBox>(dialog, "抽样数据窗口组合框")->isEnabled());
    EXPECT_FALSE(Line(dialog, "时间间隔编辑框")->isEnabled());
    Click(dialog, "求能谱周期图单选框");
    EXPECT_FALSE(Find<QComboBox>(dialog, "抽样数据窗口组合框")->isEnabled());
    EXPECT_TRUE(Line(dialog, "时间间隔编辑框")->isEnabled());
  });
  EXPECT_EQ(globals().fourierMode, "求能谱周期图");
  // The choice outlives the window: choosing it again after reopening keeps the lists.
  InWindow([](QWidget *dialog) {
    AddSamples(dialog, {"5"}, {"6"});
    Click(dialog, "求能谱周期图单选框");
    EXPECT_EQ(RealItems(dialog), QStringList({"5"}));
  });
}

TEST_F(FourierWindowTest, GridsAreCreatedEditedAndTransformedRowByRow) {
  InWindow([&](QWidget *dialog) {
    QListWidget *rows = List(dialog, "成员数量列表框");
    QListWidget *values = List(dialog, "成员数据列表框");
    QLineEdit *value = Line(dialog, "成员数据编辑框");
    EXPECT_TRUE(CreateGrid(dialog, "4", "4").empty());
    EXPECT_EQ(Items(dialog, "成员数量列表框"), QStringList({"1", "2", "3", "4"}));
    ClickItem(rows, 1);
    EXPECT_EQ(Items(dialog, "成员数据列表框"), QStringList({"0", "0", "0", "0"}));
    ClickItem(values, 2);
    Type(value, "5");
    EXPECT_EQ(values->item(2)->text(), "5");
    EXPECT_EQ(globals().fourier2dReal.At(1, 2), 5);
    ClickItem(values, 0);
    value->clear();
    Type(value, "1.");
    EXPECT_EQ(values->item(0)->text(), "1.");  // shown as typed
    EXPECT_EQ(globals().fourier2dReal.At(1, 0), 1);

    Click(dialog, "数据集虚值单选框");
    EXPECT_EQ(rows->count(), 0);
    EXPECT_TRUE(CreateGrid(dialog, "4", "4").empty());
    ClickItem(rows, 3);
    ClickItem(values, 1);
    Type(value, "-2");
    Click(dialog, "数据集实值单选框");
    EXPECT_EQ(rows->count(), 4);
    ClickItem(rows, 1);

    const NumericArray real = globals().fourier2dReal, imag = globals().fourier2dImag;
    NumericArray expectedReal = real, expectedImag = imag;
    ASSERT_TRUE(FourierTransform::Transform2D(expectedReal, expectedImag, false));
    EXPECT_TRUE(Press(dialog, "二维开始计算按钮").empty());
    EXPECT_EQ(globals().fourier2dReal, expectedReal);
    EXPECT_EQ(globals().fourier2dImag, expectedImag);
    EXPECT_EQ(Items(dialog, "成员数据列表框"), QStringList({"6", "-4", "6", "-4"}));

    Find<QComboBox>(dialog, "标志组合框")->setCurrentIndex(1);
    EXPECT_TRUE(Press(dialog, "二维开始计算按钮").empty());
    for (std::size_t k = 0; k < real.Size(); ++k) {
      EXPECT_NEAR(globals().fourier2dReal[k], real[k], 1e-12) << k;
      EXPECT_NEAR(globals().fourier2dImag[k], imag[k], 1e-12) << k;
    }
  });
  // The grids outlive the window; choosing one lists its rows again.
  InWindow([](QWidget *dialog) {
    EXPECT_EQ(List(dialog, "成员数量列表框")->count(), 0);
    Click(dialog, "数据集虚值单选框");
    EXPECT_EQ(List(dialog, "成员数量列表框")->count(), 4);
  });
}

TEST_F(FourierWindowTest, CreateAcceptsOnlyPowersOfTwo) {
  struct Case {
    const char *rows, *columns, *message;
    QMessageBox::Icon icon;
  } cases[] = {
      {"成员数", "成员数", "维数必须是2的幂", QMessageBox::NoIcon},
      {"3", "4", "维数必须是2的幂", QMessageBox::NoIcon},
      {"4", "6", "维数必须是2的幂", QMessageBox::NoIcon},
      {"1", "4", "维数必须是2的幂", QMessageBox::NoIcon},
      {"-4", "4", "维数必须是2的幂", QMessageBox::NoIcon},
      {"512", "256", "错误：成员总数不能超过65536", QMessageBox::Critical},
  };
  InWindow([&](QWidget *dialog) {
    ASSERT_TRUE(CreateGrid(dialog, "8", "8").empty());
    for (const Case &c : cases) {
      const std::vector<ShownMessage> shown = CreateGrid(dialog, c.rows, c.columns);
      ASSERT_EQ(shown.size(), 1u) << c.rows << " " << c.columns;
      EXPECT_EQ(shown[0].text, c.message);
      EXPECT_EQ(shown[0].icon, c.icon);
      EXPECT_EQ(globals().fourier2dReal, NumericArray::Matrix(8, 8));
      EXPECT_EQ(List(dialog, "成员数量列表框")->count(), 8);
    }
  });
}

TEST_F(FourierWindowTest, GridsOfDifferentShapesAreKept) {
  InWindow([&](QWidget *dialog) {
    ASSERT_TRUE(CreateGrid(dialog, "2", "4").empty());
    globals().fourier2dReal.At(1, 3) = 9;
    ClickItem(List(dialog, "成员数量列表框"), 1);
    std::vector<ShownMessage> shown = Press(dialog, "二维开始计算按钮");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "两个数组的维数、行列数必须相同");
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(globals().fourier2dReal, NumericArray::Matrix(2, 4, {0, 0, 0, 0, 0, 0, 0, 9}));
    EXPECT_EQ(Items(dialog, "成员数据列表框"), QStringList({"0", "0", "0", "9"}));
  });
  // With neither grid created the transform itself refuses.
  globals().fourier2dReal = NumericArray();
  InWindow([&](QWidget *dialog) {
    std::vector<ShownMessage> shown = Press(dialog, "二维开始计算按钮");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "运算错误！");
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
  });
}

TEST_F(FourierWindowTest, HelpShowsItsText) {
  RecordedStarts starts;
  InWindow([](QWidget *dialog) { Click(dialog, "帮助按钮"); });
  ASSERT_EQ(starts.opened.size(), 1);
  EXPECT_EQ(ReadFileBytes(starts.opened[0]), FourierHelpText().toUtf8());
}

}  // namespace
