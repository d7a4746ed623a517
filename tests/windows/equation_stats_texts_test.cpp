#include "windows/equation_stats_texts.hpp"

#include <gtest/gtest.h>

namespace {

TEST(EquationsTextTest, ListsSolutionInverseAndDeterminant) {
  const NumericArray a = NumericArray::Matrix(2, 2, {2, 1, 1, 3});
  EXPECT_EQ(EquationsText(a, NumericArray::Vector({3, 5})),
            "x变量解：\r\n0.8\r\n1.4\r\n"
            "\r\nx变量系数逆阵：\r\n0.6  -0.2  \r\n\r\n-0.2  0.4  \r\n\r\n"
            "x矩阵行列式：5\r\n");
}

TEST(EquationsTextTest, RefusedSystemsGiveNoText) {
  const struct {
    const char *what;
    NumericArray a, b;
  } cases[] = {
      {"zero coefficient", NumericArray::Matrix(2, 2, {2, 0, 1, 3}), NumericArray::Vector({3, 5})},
      {"third column left at 0", NumericArray::Matrix(3, 3, {1, 2, 0, 3, 4, 0, 5, 7, 0}),
       NumericArray::Vector({1, 2, 3})},
      {"one equation", NumericArray::Matrix(1, 1, {4}), NumericArray::Vector({2})},
      {"right side too short", NumericArray::Matrix(2, 2, {2, 1, 1, 3}), NumericArray::Vector({3})},
      {"singular", NumericArray::Matrix(2, 2, {1, 2, 2, 4}), NumericArray::Vector({3, 6})},
  };
  for (const auto &c : cases) EXPECT_EQ(EquationsText(c.a, c.b), "") << c.what;
}

TEST(StatisticsTextTest, NineBlocksInOrderWithTheirOwnHeadings) {
  EXPECT_EQ(StatisticsText(NumericArray::Matrix(1, 4, {4, 1, 3, 2})),
            "最小值:\r\n1\r\n"
            "\r\n最大值:\r\n4\r\n"
            "\r\n范围值:\r\n3\r\n"
            "\r\n总和值:\r\n10\r\n"
            "\r\n平均值:\r\n2.5\r\n"
            "\r\n方差值:\r\n1.666666666667\r\n"
            "\r\n标准偏差值:\r\n1.290994448736\r\n"
            "\r\n标准误差值:\r\n0.6454972243679\r\n"
            "\r\n中位数值:\r\n2.5\r\n");
}

TEST(StatisticsTextTest, EachBlockHasOneValuePerRow) {
  const std::string text = StatisticsText(NumericArray::Matrix(2, 3, {5, 1, 3, 10, 30, 20}));
  EXPECT_NE(text.find("最小值:\r\n1\r\n10\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("总和值:\r\n9\r\n60\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("方差值:\r\n4\r\n100\r\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("中位数值:\r\n3\r\n20\r\n")) << text;
}

TEST(StatisticsTextTest, OneValuePerRowShowsWhatTheStatisticsGive) {
  // The sample variance of a single value is 0/0.
  const std::string text = StatisticsText(NumericArray::Matrix(1, 1, {7}));
  EXPECT_NE(text.find("范围值:\r\n0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("标准偏差值:\r\n1.#QNAN\r\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("中位数值:\r\n7\r\n")) << text;
}

TEST(StatisticsTextTest, AnEmptyTableGivesNoText) { EXPECT_EQ(StatisticsText(NumericArray()), ""); }

}  // namespace
