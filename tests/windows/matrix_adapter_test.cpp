#include "windows/matrix_adapter.hpp"

#include <gtest/gtest.h>

#include "engine/matrix/matrix_calc.hpp"

namespace {

NumericArray M(std::int32_t rows, std::int32_t columns, std::vector<double> values) {
  return NumericArray::Matrix(rows, columns, std::move(values));
}

TEST(ParseMatrix, ReadsRowsFromLinesAndColumnsFromTheLastLine) {
  struct Case {
    const char *text;
    NumericArray matrix;
  } cases[] = {
      {"1,2\r\n3,4", M(2, 2, {1, 2, 3, 4})},
      {"1,2,3", M(1, 3, {1, 2, 3})},
      {"1,2\r\n3,4\r\n", M(2, 2, {1, 2, 3, 4})},  // a final line break adds no row
      {"1,2,3\r\n4,5", M(2, 2, {1, 2, 4, 5})},    // surplus pieces are ignored
      {"1,2,", M(1, 2, {1, 2})},                  // so is a final comma
      {",5\r\n-1.5,2e3", M(2, 2, {0, 5, -1.5, 2000})},
      {"a,１", M(1, 2, {0, 1})},
      {"１，２\r\n3，4", M(2, 2, {1, 2, 3, 4})},  // full-width commas separate as well
      // Nothing to read, or a row short of pieces: not a matrix.
      {"", NumericArray()},
      {"\r\n", NumericArray()},
      {"1,2\r\n\r\n", NumericArray()},
      {"1\r\n2,3", NumericArray()},
      {"1,2\r\n\r\n3,4", NumericArray()},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(MatrixAdapter::ParseMatrix(c.text), c.matrix) << c.text;
  }
}

TEST(FormatMatrix, PadsEveryElementToTheWidest) {
  EXPECT_EQ(MatrixAdapter::FormatMatrix(M(2, 2, {6, 8, 10, 12})), "6 ,8 \r\n10,12");
  EXPECT_EQ(MatrixAdapter::FormatMatrix(M(2, 2, {-2, 1, 1.5, -0.5})), "-2  ,1   \r\n1.5 ,-0.5");
  EXPECT_EQ(MatrixAdapter::FormatMatrix(M(1, 1, {-0.0})), "-0");
  EXPECT_EQ(MatrixAdapter::FormatMatrix(M(3, 1, {1, 2, 3})), "1\r\n2\r\n3");
  EXPECT_EQ(MatrixAdapter::FormatMatrix(MatrixCalc::Failure()), "");
  EXPECT_EQ(MatrixAdapter::FormatMatrix(NumericArray::Vector({1, 2, 3})), "");
}

// n ones joined by the separator: a row with "," and a column with "\r\n".
std::string Ones(int n, const char *separator) {
  std::string text = "1";
  for (int i = 1; i < n; ++i) text.append(separator).append("1");
  return text;
}

TEST(MatrixAdapter, RefusesAProductTooLargeToShow) {
  const MatrixAdapter adapter;
  // 1025 x 1024 elements would be more than a million numbers to write out.
  EXPECT_EQ(adapter.Multiply(Ones(1025, "\r\n"), Ones(1024, ",")), "");
  EXPECT_EQ(adapter.Multiply(Ones(1024, ","), Ones(1024, "\r\n")), "1024");
}

}  // namespace
