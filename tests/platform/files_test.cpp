#include "platform/files.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/gbk.hpp"

namespace {

TEST(Files, ADirectoryIsNotAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("x");
  EXPECT_FALSE(FileExists(path));
  ASSERT_TRUE(QDir(dir.path()).mkdir("x"));
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(WriteFileAtomically(path, "data"));
}

TEST(Files, NewFilesNeverReplaceOldOnes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("help.tmp");
  EXPECT_TRUE(CreateNewFile(path, "first"));
  EXPECT_FALSE(CreateNewFile(path, "second"));
  EXPECT_EQ(ReadFileBytes(path), QByteArray("first"));
}

TEST(Gbk, EncodesChineseAndReplacesWhatItCannot) {
  EXPECT_EQ(EncodeGbk("配置Ａ☆"), QByteArray("\xC5\xE4\xD6\xC3\xA3\xC1\xA1\xEE"));
  EXPECT_EQ(EncodeGbk(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                        "b")),
            QByteArray("a?b"));
  EXPECT_EQ(DecodeGbk("\xC5\xE4\xD6\xC3"), "配置");
}

TEST(Gbk, TellsUtf8FromGbk) {
  EXPECT_TRUE(IsValidUtf8(QString("配置").toUtf8()));
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_FALSE(IsValidUtf8(EncodeGbk("配置")));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE9\x85"));      // cut short
}

}  // namespace
