// TextToNumber on arbitrary bytes, and NumberToText of what it reads: the text of a
// finite number must read back as the same number to 13 digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/number_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  const double value = TextToNumber(text);
  const std::string written = NumberToText(value);
  if (std::isfinite(value)) {
    const double back = TextToNumber(written);
    if (std::fabs(back - value) > std::fabs(value) * 1e-12) std::abort();
  }
  (void)ToInteger(value);
  (void)ReplaceFullWidthForms(text);
  return 0;
}
