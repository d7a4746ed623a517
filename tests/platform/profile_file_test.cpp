#include "platform/profile_file.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/files.hpp"
#include "platform/gbk.hpp"

namespace {

class ProfileFile : public testing::Test {
 protected:
  QString Path() const { return dir_.filePath("配置.ini"); }
  void WriteBytes(const QByteArray &bytes) { ASSERT_TRUE(WriteFileAtomically(Path(), bytes)); }
  QByteArray Bytes() const { return ReadFileBytes(Path()).value_or("(missing)"); }
  QTemporaryDir dir_;
};

TEST_F(ProfileFile, IsWrittenInGbkAndReadBack) {
  ASSERT_TRUE(WriteProfileString(Path(), "配置", "计算精度", "3"));
  ASSERT_TRUE(WriteProfileString(Path(), "配置", "小数保留位数", "5"));
  EXPECT_EQ(Bytes(), EncodeGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  EXPECT_EQ(ReadProfileString(Path(), "配置", "小数保留位数"), "5");
}

TEST_F(ProfileFile, AUtf8FileIsReadAsUtf8AndStaysUtf8) {
  WriteBytes(QString("[配置]\r\n计算精度=12\r\n").toUtf8());
  EXPECT_EQ(ReadProfileString(Path(), "配置", "计算精度"), "12");
  ASSERT_TRUE(WriteProfileString(Path(), "配置", "计算精度", "4"));
  EXPECT_EQ(Bytes(), QString("[配置]\r\n计算精度=4\r\n").toUtf8());
}

TEST_F(ProfileFile, MissingThingsReadEmpty) {
  EXPECT_EQ(ReadProfileString(Path(), "配置", "计算精度"), "");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("配置.ini"));
  EXPECT_EQ(ReadProfileString(Path(), "配置", "计算精度"), "");
  EXPECT_FALSE(WriteProfileString(Path(), "配置", "计算精度", "3"));
}

TEST_F(ProfileFile, LongValuesAreCutAt10240Characters) {
  WriteBytes("[A]\r\nx=" + QByteArray(20000, '7') + "\r\n");
  EXPECT_EQ(ReadProfileString(Path(), "A", "x"), QString(10240, '7'));
}

TEST_F(ProfileFile, AFailedWriteLeavesTheOldFile) {
  WriteBytes("[配置]\r\n计算精度=3\r\n");
  const QByteArray before = Bytes();
  const auto previous = SetFileWriteFailureHook([](const QString &) { return true; });
  EXPECT_FALSE(WriteProfileString(Path(), "配置", "计算精度", "9"));
  SetFileWriteFailureHook(previous);
  EXPECT_EQ(Bytes(), before);
}

}  // namespace
