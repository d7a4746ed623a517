#include "windows/matrix_adapter.hpp"

#include <algorithm>
#include <limits>
#include <vector>

#include "app/number_text.hpp"
#include "engine/matrix/matrix_calc.hpp"

namespace {

// The pieces of a text between separators. Empty pieces between two separators are kept;
// an empty remainder after the last separator is no piece, and an empty text has none.
std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      pieces.push_back(text.substr(start));
      break;
    }
    pieces.push_back(text.substr(start, end - start));
    start = end + separator.size();
  }
  return pieces;
}

bool IsMatrix(const NumericArray &a) { return a.DimensionCount() == 2; }

}  // namespace

NumericArray MatrixAdapter::ParseMatrix(std::string_view original) {
  // A pasted full-width comma "，" separates elements as a typed one does.
  const std::string text = ReplaceFullWidthForms(original);
  const std::vector<std::string_view> lines = Split(text, "\r\n");
  if (lines.empty()) return NumericArray();
  const std::size_t columns = Split(lines.back(), ",").size();
  constexpr std::size_t kLargestCount = std::numeric_limits<std::int32_t>::max();
  if (columns == 0 || columns > kLargestCount || lines.size() > kLargestCount) {
    return NumericArray();
  }
  // Every row must have its pieces: a short line has nothing to fill its missing columns
  // with. Gathering the values row by row keeps the matrix no larger than its text.
  std::vector<double> values;
  for (std::string_view line : lines) {
    const std::vector<std::string_view> pieces = Split(line, ",");
    if (pieces.size() < columns) return NumericArray();
    for (std::size_t j = 0; j < columns; ++j) values.push_back(TextToNumber(pieces[j]));
  }
  return NumericArray::Matrix(static_cast<std::int32_t>(lines.size()),
                              static_cast<std::int32_t>(columns), std::move(values));
}

std::string MatrixAdapter::FormatMatrix(const NumericArray &a) {
  if (!IsMatrix(a)) return std::string();
  const std::int32_t rows = a.Count(0), columns = a.Count(1);
  std::vector<std::string> texts;
  texts.reserve(a.Size());
  std::size_t width = 0;
  for (double value : a.Values()) {
    texts.push_back(NumberToText(value));
    width = std::max(width, texts.back().size());
  }
  std::string text;
  text.reserve(a.Size() * (width + 1) + static_cast<std::size_t>(rows) * 2);
  std::size_t k = 0;
  for (std::int32_t i = 0; i < rows; ++i) {
    for (std::int32_t j = 0; j < columns; ++j, ++k) {
      text += texts[k];
      text.append(width - texts[k].size(), ' ');
      if (j + 1 < columns) text += ',';
    }
    if (i + 1 < rows) text += "\r\n";
  }
  return text;
}

std::string MatrixAdapter::Multiply(std::string_view t1, std::string_view t2) const {
  const NumericArray a = ParseMatrix(t1), b = ParseMatrix(t2);
  if (IsMatrix(a) && IsMatrix(b) &&
      std::int64_t{a.Count(0)} * std::int64_t{b.Count(1)} > kMaxProductElements) {
    return std::string();
  }
  return FormatMatrix(MatrixCalc::Multiply(a, b));
}

std::string MatrixAdapter::Add(std::string_view t1, std::string_view t2) const {
  return FormatMatrix(MatrixCalc::Add(ParseMatrix(t1), ParseMatrix(t2)));
}

std::string MatrixAdapter::Inverse(std::string_view t) const {
  return FormatMatrix(MatrixCalc::Inverse(ParseMatrix(t)));
}

std::string MatrixAdapter::Transpose(std::string_view t) const {
  return FormatMatrix(MatrixCalc::Transpose(ParseMatrix(t)));
}

std::string MatrixAdapter::ScalarMultiply(const NumericArray &a, double x) const {
  return FormatMatrix(MatrixCalc::ScalarMultiply(a, x));
}
