#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QRadioButton>
#include <QStandardPaths>

#include "platform/files.hpp"
#include "platform/gbk.hpp"
#include "platform/multi_line_box.hpp"
#include "platform/super_btn.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

using Startup = AppFixture;

TEST_F(Startup, FirstStartCreatesTheSettingsFileWithTheDefaults) {
  Start();
  EXPECT_EQ(ReadFileBytes(SettingsFile()), EncodeGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  EXPECT_EQ(state().precisionText, "3");
  EXPECT_EQ(state().decimalPlacesText, "5");
}

TEST_F(Startup, ExistingSettingsAreUsedAndLeftAlone) {
  const QByteArray file = EncodeGbk("; mine\r\n[配置]\r\n小数保留位数 = 007\r\n计算精度=20\r\n");
  ASSERT_TRUE(WriteFileAtomically(SettingsFile(), file));
  Start();
  EXPECT_EQ(state().precisionText, "20");
  EXPECT_EQ(state().decimalPlacesText, "007");
  EXPECT_EQ(ReadFileBytes(SettingsFile()), file);
}

TEST_F(Startup, AnEmptySettingsFileIsNotRepaired) {
  ASSERT_TRUE(WriteFileAtomically(SettingsFile(), QByteArray()));
  Start();
  EXPECT_EQ(state().precisionText, "");
  EXPECT_EQ(state().decimalPlacesText, "");
  EXPECT_EQ(ReadFileBytes(SettingsFile()), QByteArray());
}

TEST_F(Startup, ADirectoryNamedLikeTheSettingsFileLeavesTheSettingsEmpty) {
  ASSERT_TRUE(QDir(RunDirectory()).mkdir("配置.ini"));
  Start();
  EXPECT_EQ(state().precisionText, "");
  EXPECT_EQ(state().decimalPlacesText, "");
  EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

TEST_F(Startup, TheCalculatorStartsInBaseTenShowingZero) {
  Start();
  EXPECT_EQ(state().currentBase, 10);
  EXPECT_EQ(state().firstOperand, "0");
  EXPECT_FALSE(state().entryFlag);
  EXPECT_EQ(state().pendingOperator, "");
  EXPECT_FALSE(state().degreesShown);
  auto *display = Find<MultiLineBox>(&window(), "显示编辑框");
  EXPECT_EQ(display->Text(), "0");
  EXPECT_EQ(display->textCursor().position(), 1);
  EXPECT_TRUE(Find<QRadioButton>(&window(), "十进制单选框")->isChecked());
  for (const char *letter : {"A", "B", "C", "D", "E", "F"}) {
    EXPECT_FALSE(Find<SuperBtn>(&window(), QString("数字%1按钮").arg(letter))->isEnabled());
  }
  EXPECT_TRUE(Find<SuperBtn>(&window(), "数字9按钮")->isEnabled());
}

TEST_F(Startup, TheProgramCanStartAgainInTheSameProcess) {
  Start();
  Click(&window(), "数字7按钮");
  Start();
  EXPECT_EQ(Find<MultiLineBox>(&window(), "显示编辑框")->Text(), "0");
}

}  // namespace

namespace {

// An installed program cannot write its own directory: the settings go to the user's
// configuration directory, unless a settings file already lies beside the program.
class InstalledStartup : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("zorvik");  // as the program names itself
    configFile_ = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                      .filePath("配置.ini");
    QFile::remove(configFile_);
    const QString runDirectory = RunDirectory();
    previous_ = SetFileWriteFailureHook(
        [runDirectory](const QString &path) { return path.startsWith(runDirectory); });
  }
  void TearDown() override {
    SetFileWriteFailureHook(previous_);
    QFile::remove(configFile_);
    QStandardPaths::setTestModeEnabled(false);
  }
  QString configFile_;
  FileWriteFailureHook previous_;
};

TEST_F(InstalledStartup, KeepsTheSettingsInTheUsersConfigurationDirectory) {
  Start();
  EXPECT_EQ(app().globals().settingsPath, configFile_);
  EXPECT_EQ(ReadFileBytes(configFile_), EncodeGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  EXPECT_EQ(state().decimalPlacesText, "5");
  EXPECT_FALSE(FileExists(SettingsFile()));
}

TEST_F(InstalledStartup, ASettingsFileBesideTheProgramWins) {
  SetFileWriteFailureHook(previous_);
  ASSERT_TRUE(WriteFileAtomically(SettingsFile(), EncodeGbk("[配置]\r\n小数保留位数=9\r\n")));
  const QString runDirectory = RunDirectory();
  SetFileWriteFailureHook(
      [runDirectory](const QString &path) { return path.startsWith(runDirectory); });
  Start();
  EXPECT_EQ(app().globals().settingsPath, SettingsFile());
  EXPECT_EQ(state().decimalPlacesText, "9");
  EXPECT_FALSE(FileExists(configFile_));
}

}  // namespace
