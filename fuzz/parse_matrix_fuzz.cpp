// ParseMatrix on arbitrary text, and the matrix window's operations on it. A text is either
// no matrix (the empty array, and every operation gives the empty text) or a matrix with
// one row per line and no more elements than the text has pieces; its written form reads
// back as the same matrix, and the operations whose shapes fit give a result.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "windows/matrix_adapter.hpp"

namespace {

void Expect(bool ok, const char *what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::size_t LineBreaks(std::string_view text) {
  std::size_t count = 0;
  for (auto at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
    ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  const MatrixAdapter adapter;
  const NumericArray m = MatrixAdapter::ParseMatrix(text);
  if (m.DimensionCount() != 2) {
    Expect(m == NumericArray(), "no matrix, yet not the empty array");
    Expect(adapter.Transpose(text).empty(), "a transpose of no matrix");
    Expect(adapter.Add(text, text).empty(), "a sum of no matrix");
    return 0;
  }

  const auto rows = static_cast<std::size_t>(m.Count(0));
  const auto columns = static_cast<std::size_t>(m.Count(1));
  Expect(rows >= 1 && columns >= 1 && rows * columns == m.Size(), "a matrix of no shape");
  Expect(rows <= LineBreaks(text) + 1, "more rows than lines");
  Expect(m.Size() <= size + 1, "more elements than the text has pieces");

  bool finite = true;
  for (double value : m.Values()) finite = finite && std::isfinite(value);
  const std::string written = MatrixAdapter::FormatMatrix(m);
  if (finite) {
    // Written numbers keep 13 digits: once written, a matrix reads back as itself.
    const NumericArray again = MatrixAdapter::ParseMatrix(written);
    Expect(again.Counts() == m.Counts(), "the written matrix reads back with another shape");
    Expect(MatrixAdapter::FormatMatrix(again) == written, "the written matrix changes");
  }

  Expect(!adapter.Transpose(text).empty(), "no transpose of a matrix");
  Expect(!adapter.Add(text, text).empty(), "no sum of a matrix with itself");
  Expect(adapter.Multiply(text, text).empty() == (rows != columns),
         "a product with itself that does not follow the shape");
  (void)adapter.Inverse(text);
  return 0;
}
