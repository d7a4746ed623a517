#include "app/settings_window.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>

#include "platform/files.hpp"
#include "platform/gbk.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class SettingsWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }

  struct Outcome {
    std::vector<ShownMessage> messages;
    QString focus;        // objectName of the control with the focus afterwards
    bool closed = false;  // the window closed itself
    QString shownPrecision, shownDecimalPlaces;  // what the boxes showed on opening
  };

  // Opens the settings window from the main window, types the two texts over the boxes
  // and presses the given button.
  Outcome Edit(const QString &precision, const QString &decimalPlaces,
               const char *button = "确定按钮") {
    Outcome outcome;
    WithDialog([&] { Click(&window(), "数据配置按钮"); },
               [&](QWidget *dialog) {
                 auto *p = Find<QLineEdit>(dialog, "计算精度编辑框");
                 auto *q = Find<QLineEdit>(dialog, "小数保留位数编辑框");
                 outcome.shownPrecision = p->text();
                 outcome.shownDecimalPlaces = q->text();
                 p->setText(precision);
                 q->setText(decimalPlaces);
                 outcome.messages = AnswerMessages([&] { Click(dialog, button); });
                 outcome.closed = !dialog->isVisible();
                 if (QWidget *focused = dialog->focusWidget())
                   outcome.focus = focused->objectName();
               });
    return outcome;
  }

  QByteArray FileBytes() const { return ReadFileBytes(SettingsFile()).value_or(""); }
};

TEST_F(SettingsWindowTest, ShowsTheFileAndSavesValidSettings) {
  const Outcome outcome = Edit("50", "007");
  EXPECT_EQ(outcome.shownPrecision, "3");
  EXPECT_EQ(outcome.shownDecimalPlaces, "5");
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "更新数据成功");
  EXPECT_EQ(outcome.messages[0].icon, QMessageBox::NoIcon);
  EXPECT_TRUE(outcome.closed);
  EXPECT_EQ(state().precisionText, "50");
  EXPECT_EQ(state().decimalPlacesText, "007");
  EXPECT_EQ(FileBytes(), EncodeGbk("[配置]\r\n计算精度=50\r\n小数保留位数=007\r\n"));
}

TEST_F(SettingsWindowTest, FullWidthDigitsAndSurroundingBlanksAreAWholeNumber) {
  const Outcome outcome = Edit("１０", " 7\t");
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "更新数据成功");
  EXPECT_EQ(state().precisionText, "１０");
  EXPECT_EQ(state().decimalPlacesText, "7");
  EXPECT_EQ(FileBytes(), EncodeGbk("[配置]\r\n计算精度=１０\r\n小数保留位数=7\r\n"));
}

TEST_F(SettingsWindowTest, RefusesWithTheFirstFailingCheck) {
  struct Case {
    const char *precision, *decimalPlaces, *message, *focus;
  } cases[] = {
      {"", "5", "数据不能为空", "计算精度编辑框"},
      {"3", "", "数据不能为空", "小数保留位数编辑框"},
      {"-1", "-1", "计算精度不能为负数", nullptr},
      {"1.5", "-1", "计算精度不能为小数", nullptr},
      {"3", "-2", "小数保留位数不能为负数", nullptr},
      {"3", "2.5", "小数保留位数不能为小数", nullptr},
      {"60", "5", "计算精度不能大于50", nullptr},
      {"51", "60", "计算精度不能大于50", nullptr},
      {"5", "60", "小数保留位数不能大于50", nullptr},
  };
  const QByteArray before = FileBytes();
  for (const auto &c : cases) {
    const Outcome outcome = Edit(c.precision, c.decimalPlaces);
    ASSERT_EQ(outcome.messages.size(), 1u) << c.precision << "/" << c.decimalPlaces;
    EXPECT_EQ(outcome.messages[0].text, c.message) << c.precision << "/" << c.decimalPlaces;
    EXPECT_FALSE(outcome.closed);
    if (c.focus) {
      EXPECT_EQ(outcome.focus, c.focus);
    }
  }
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(state().precisionText, "3");
}

TEST_F(SettingsWindowTest, CancelAndCloseSaveNothing) {
  for (const char *button : {"取消按钮", "关闭按钮"}) {
    const Outcome outcome = Edit("9", "9", button);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.closed) << button;
  }
  EXPECT_EQ(state().precisionText, "3");
  EXPECT_EQ(Edit("", "", "取消按钮").shownPrecision, "3");
}

TEST_F(SettingsWindowTest, NeverCreatesAMissingFile) {
  ASSERT_TRUE(QFile::remove(SettingsFile()));
  const Outcome outcome = Edit("4", "4");
  EXPECT_EQ(outcome.shownPrecision, "");
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "没有找到配置文件，请确认文件存在");
  EXPECT_FALSE(FileExists(SettingsFile()));
}

TEST_F(SettingsWindowTest, AFailedWriteKeepsTheSettingsInMemory) {
  // The second write fails: the first one stays in the file, memory keeps the old texts.
  int writes = 0;
  const auto previous = SetFileWriteFailureHook([&](const QString &) { return ++writes == 2; });
  const Outcome outcome = Edit("8", "9");
  SetFileWriteFailureHook(previous);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "更新数据失败");
  EXPECT_FALSE(outcome.closed);
  EXPECT_EQ(state().precisionText, "3");
  EXPECT_EQ(state().decimalPlacesText, "5");
  EXPECT_EQ(FileBytes(), EncodeGbk("[配置]\r\n计算精度=8\r\n小数保留位数=5\r\n"));
}

}  // namespace
