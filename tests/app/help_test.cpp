#include "app/help.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/help_texts.hpp"
#include "platform/files.hpp"
#include "platform/gbk.hpp"
#include "tests/support/app_fixture.hpp"
#include "tests/support/recording_launcher.hpp"
#include "tests/support/ui_driver.hpp"

namespace {

class HelpTest : public AppFixture {
 protected:
  void TearDown() override {
    for (const QString &path : opened) QFile::remove(path);
  }
  RecordedLaunches launches;
  QStringList &opened = launches.opened;
};

TEST_F(HelpTest, TheMainWindowTextIsSevenCrLfLinesOf323GbkBytes) {
  const QString text = MainWindowHelpText();
  EXPECT_EQ(EncodeGbk(text).size(), 323);
  EXPECT_EQ(text.count("\r\n"), 7);
  EXPECT_TRUE(text.endsWith("矩阵运算，傅立叶变换等常用计算器所没有的功能。\r\n"));
}

TEST_F(HelpTest, EachPressWritesANewFileAndOpensIt) {
  Start();
  Click(&window(), "帮助按钮");
  Click(&window(), "帮助按钮");
  ASSERT_EQ(opened.size(), 2);
  EXPECT_NE(opened[0], opened[1]);
  for (const QString &path : opened) {
    const QFileInfo file(path);
    EXPECT_EQ(file.dir(), QDir(QDir::tempPath()));
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]+\\.tmp$").match(file.fileName()).hasMatch())
        << file.fileName().toStdString();
    // Linux editors read UTF-8; the lines and their CRLF ends are those of the text.
    EXPECT_EQ(ReadFileBytes(path), MainWindowHelpText().toUtf8());
  }
}

TEST_F(HelpTest, TheMatrixDocumentLiesBesideTheProgram) {
  OpenMatrixHelpDocument(RunDirectory());
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], QDir(RunDirectory()).filePath("帮助/矩阵运算.txt"));
  opened.clear();  // not a file of ours to remove
}

}  // namespace
