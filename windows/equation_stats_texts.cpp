#include "windows/equation_stats_texts.hpp"

#include <algorithm>
#include <span>
#include <utility>

#include "app/number_text.hpp"
#include "engine/linear/gauss_jordan.hpp"
#include "engine/stats/summary_stats.hpp"

namespace {

void AppendValues(std::string &text, std::span<const double> values) {
  for (double value : values) text += NumberToText(value) + "\r\n";
}

}  // namespace

std::string EquationsText(const NumericArray &a, const NumericArray &b) {
  // The window fills two coefficient columns, so its systems have two unknowns at least;
  // the solver takes at most kMaxVariables. A system of another size fails its shape check.
  const auto n =
      static_cast<std::int32_t>(std::clamp<std::size_t>(b.Size(), 2, GaussJordan::kMaxVariables));
  NumericArray rightSide = b;
  NumericArray x = NumericArray::Vector(std::vector<double>(static_cast<std::size_t>(n)));
  NumericArray inverse = NumericArray::Matrix(n, n);
  double det = 0;
  if (!GaussJordan::Solve(a, rightSide, x, inverse, det)) return std::string();

  std::string text = "x变量解：\r\n";
  AppendValues(text, x.Values());
  text += "\r\nx变量系数逆阵：\r\n";
  for (std::int32_t row = 0; row < n; ++row) {
    for (std::int32_t column = 0; column < n; ++column) {
      text += NumberToText(inverse.At(row, column)) + "  ";
    }
    text += "\r\n\r\n";
  }
  text += "x矩阵行列式：" + NumberToText(det) + "\r\n";
  return text;
}

std::string StatisticsText(const NumericArray &table) {
  if (table.DimensionCount() != 2 || table.Empty()) return std::string();
  const std::int32_t rows = table.Count(0);
  const auto column = [rows] {
    return NumericArray::Vector(std::vector<double>(static_cast<std::size_t>(rows)));
  };
  NumericArray minimum = column(), maximum = column(), range = column(), sum = column(),
               mean = column(), variance = column(), deviation = column(), error = column(),
               median = column();
  if (!SummaryStats::Compute(table, minimum, maximum, range, sum, mean, variance, deviation, error,
                             median)) {
    return std::string();
  }
  const std::pair<const char *, const NumericArray *> blocks[] = {
      {"最小值:\r\n", &minimum},           {"\r\n最大值:\r\n", &maximum},
      {"\r\n范围值:\r\n", &range},         {"\r\n总和值:\r\n", &sum},
      {"\r\n平均值:\r\n", &mean},          {"\r\n方差值:\r\n", &variance},
      {"\r\n标准偏差值:\r\n", &deviation}, {"\r\n标准误差值:\r\n", &error},
      {"\r\n中位数值:\r\n", &median}};
  std::string text;
  for (const auto &[heading, values] : blocks) {
    text += heading;
    AppendValues(text, values->Values());
  }
  return text;
}
