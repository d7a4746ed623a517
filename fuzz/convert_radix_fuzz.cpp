// ConvertRadix on arbitrary texts and bases; whatever converts must convert back to the
// same digits (without leading zeros).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/convert_radix.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 2) return 0;
  const int from = data[0] % 40;
  const int to = data[1] % 40;
  const std::string text(reinterpret_cast<const char *>(data + 2), size - 2);
  const std::string converted = ConvertRadix(text, from, to);
  if (converted.rfind("参数错误-", 0) == 0 || from == to) return 0;
  const std::string back = ConvertRadix(converted, to, from);
  const std::string again = ConvertRadix(back, from, to);
  if (again != converted) std::abort();
  return 0;
}
