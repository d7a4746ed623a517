#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "app/help_texts.hpp"

namespace {

// The help texts of the complex-number, matrix and Fourier windows: their opening lines and
// section headings, and "\r\n" at the end of every line (a bare "\n" shows as one long line
// in Notepad).
TEST(ToolHelpTexts, HaveTheirSectionsAndCrLfLineEnds) {
  struct Case {
    QString text;
    QStringList headings;  // in order; the first starts the text
  } cases[] = {
      {ComplexHelpText(),
       {"\t\t\t复数相加\r\n", "\t\t\t复数相减\r\n", "\t\t\t复数相乘\r\n", "\t\t\t复数相除\r\n",
        "\t\t\t求复数指数\r\n", "\t\t\t求复数长度\r\n", "\t\t\t求复数极角\r\n"}},
      {MatrixHelpText(),
       {"--------- 矩阵运算 -----------\r\n", "\r\n矩阵标量乘积运算:\r\n1、", "\r\n5、",
        "\r\n矩阵运算:\r\n1、", "\r\n4、"}},
      {FourierHelpText(),
       {"                              傅立叶变换\r\n",
        "\r\n一：傅立叶变换、傅立叶反变换、窗口傅立叶、求能谱周期图\r\n", "\r\n6、",
        "\r\n二：二维傅立叶变换\r\n1、", "\r\n5、"}},
  };
  for (const Case &c : cases) {
    EXPECT_TRUE(c.text.startsWith(c.headings.front())) << c.headings.front().toStdString();
    qsizetype from = 0;
    for (const QString &heading : c.headings) {
      const qsizetype at = c.text.indexOf(heading, from);
      EXPECT_GE(at, from) << heading.toStdString();
      from = std::max(at, from);
    }
    EXPECT_TRUE(c.text.endsWith("\r\n"));
    EXPECT_FALSE(c.text.contains(QRegularExpression("[^\r]\n")));
  }
}

}  // namespace
