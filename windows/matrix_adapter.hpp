#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/numeric_array.hpp"

// The matrix window's way to MatrixCalc, and the matrix texts of its boxes: rows separated
// by "\r\n", the elements of a row by ",". Every operation that fails (shapes that do not
// fit, a singular matrix, a text that is not a matrix) gives an empty text.
class MatrixAdapter {
 public:
  // A product with more elements than this is refused: writing out millions of numbers
  // would keep the window busy for many seconds and show nothing anyone can read.
  static constexpr std::int64_t kMaxProductElements = std::int64_t{1} << 20;

  std::string Multiply(std::string_view t1, std::string_view t2) const;
  std::string Add(std::string_view t1, std::string_view t2) const;
  std::string Inverse(std::string_view t) const;
  std::string Transpose(std::string_view t) const;
  std::string ScalarMultiply(const NumericArray &a, double x) const;

  // The matrix a text describes: one row per line, as many columns as the last line has
  // pieces between commas (half-width or full-width); surplus pieces of a line are ignored.
  // A text with no lines, a last line without pieces, or a line with fewer pieces than the
  // last gives the empty array.
  static NumericArray ParseMatrix(std::string_view text);

  // The text of a two-dimensional array, every element padded with spaces to the widest;
  // any other array gives the empty text.
  static std::string FormatMatrix(const NumericArray &a);
};
