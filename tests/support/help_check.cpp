#include "tests/support/help_check.hpp"

#include <gtest/gtest.h>

#include <QFile>

#include "platform/files.hpp"
#include "tests/support/recorded_starts.hpp"
#include "tests/support/ui_driver.hpp"

void ExpectHelpShows(const QWidget *window, const QString &text, const QStringList &headings) {
  RecordedStarts starts;
  Click(window, "帮助按钮");
  ASSERT_EQ(starts.opened.size(), 1);
  EXPECT_EQ(ReadFileBytes(starts.opened[0]), text.toUtf8());

  EXPECT_TRUE(text.endsWith("\r\n"));
  EXPECT_EQ(text.count('\n'), text.count("\r\n")) << "a line ends without \\r";
  const QStringList lines = text.split("\r\n");
  qsizetype next = 0;
  for (const QString &heading : headings) {
    while (next < lines.size() && lines[next].trimmed() != heading) ++next;
    EXPECT_LT(next, lines.size()) << "heading missing or out of order: " << heading.toStdString();
  }
}
