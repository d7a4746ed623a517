#include "windows/curve_fit_texts.hpp"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/number_text.hpp"

namespace {

// The least-squares text split into its blocks: heading -> the numbers under it.
std::map<std::string, std::vector<double>> Blocks(const std::string &text) {
  std::map<std::string, std::vector<double>> blocks;
  std::vector<double> *current = nullptr;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.ends_with("：")) {
      current = &blocks[line];
    } else if (current) {
      current->push_back(TextToNumber(line));
    }
  }
  return blocks;
}

TEST(LeastSquaresTextTest, ThreePointsGiveTheStraightLineInNineBlocks) {
  const std::string text =
      LeastSquaresText(NumericArray::Vector({1, 2, 3}), NumericArray::Vector({2, 4, 6}));
  EXPECT_EQ(text,
            "相关变量观察值：\r\n2\r\n4\r\n6\r\n"
            "\r\n多项式系数：\r\n0\r\n2\r\n"
            "\r\ny估值：\r\n2\r\n4\r\n6\r\n"
            "\r\n残差值：\r\n0\r\n0\r\n0\r\n"
            "\r\n标准误差：\r\n0\r\n"
            "\r\n估计标准误差：\r\n0\r\n0\r\n"
            "\r\nr平方值：\r\n1\r\n"
            "\r\nr值：\r\n1\r\n"
            "\r\n是否奇异：\r\n0")
      << text;
}

TEST(LeastSquaresTextTest, FittedValuesMinusObservationsAreTheResiduals) {
  const std::string text =
      LeastSquaresText(NumericArray::Vector({1, 2, 4, 8}), NumericArray::Vector({3, 17, 5, 11}));
  auto blocks = Blocks(text);
  const auto &y = blocks["相关变量观察值："];
  const auto &fitted = blocks["y估值："];
  const auto &residuals = blocks["残差值："];
  ASSERT_EQ(y.size(), 4u);
  ASSERT_EQ(fitted.size(), 4u);
  ASSERT_EQ(residuals.size(), 4u);
  EXPECT_EQ(blocks["多项式系数："].size(), 3u);
  EXPECT_EQ(blocks["估计标准误差："].size(), 3u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(fitted[i] - y[i], residuals[i], 1e-9) << i;
}

TEST(LeastSquaresTextTest, TwoPointsFitTheirMeanAndOnePointFails) {
  const auto blocks =
      Blocks(LeastSquaresText(NumericArray::Vector({1, 5}), NumericArray::Vector({100, 301})));
  EXPECT_EQ(blocks.at("多项式系数："), std::vector<double>{200.5});
  EXPECT_EQ(LeastSquaresText(NumericArray::Vector({1}), NumericArray::Vector({9})), "");
  EXPECT_EQ(LeastSquaresText(NumericArray(), NumericArray()), "");
}

TEST(SplineTableTextTest, FourCoefficientsPerPoint) {
  const NumericArray x = NumericArray::Vector({0, 1, 2});
  EXPECT_EQ(SplineTableText(x, NumericArray::Vector({0, 1, 0})),
            "方程系数：\r\n0\r\n1.5\r\n0\r\n-0.5\r\n1\r\n0\r\n-1.5\r\n0.5\r\n"
            "0\r\n-1.5\r\n0\r\n0\r\n");
  // Missing y values are 0.
  EXPECT_EQ(SplineTableText(x, NumericArray()),
            "方程系数：\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(SplineTableText(NumericArray(), NumericArray::Vector({1})), "");
}

TEST(SplineValueTextTest, InterpolatesInsideTheXValuesOnly) {
  const NumericArray x = NumericArray::Vector({0, 1, 2});
  const NumericArray y = NumericArray::Vector({0, 1, 0});
  const struct {
    NumericArray x, y;
    double point;
    const char *text;
  } cases[] = {
      {x, y, 0.5, "y值:0.6875"},
      {x, y, 2, "y值:0"},
      {x, y, 1, "y值:1"},
      {x, NumericArray::Vector({0, 1}), 1, "y值:1"},  // the missing third y is 0
      {x, y, 2.5, ""},
      {x, y, -1, ""},
      {NumericArray(), y, 0, ""},
      {x, NumericArray(), 0.5, ""},
      {NumericArray::Vector({0, 1, 1, 2}), NumericArray::Vector({0, 1, 2, 3}), 0.5, ""},
      {NumericArray::Vector({2, 1, 0}), y, 0.5, ""},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(SplineValueText(c.x, c.y, c.point), c.text) << c.point;
  }
}

}  // namespace
