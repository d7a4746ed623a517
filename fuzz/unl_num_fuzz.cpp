// UnlNum::FromText on arbitrary bytes. Inputs of the form <places byte><a>;<b> with two
// valid number texts are also computed with every operation and checked against the
// plain long-way reference, and a + b - b must give a back.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/bignum/unl_num.hpp"
#include "tests/engine/bignum/slow_num.hpp"

namespace {

std::string Shape(const UnlNum &v) {
  return v.ToText() + " f" + std::to_string(v.FractionGroupCount());
}
std::string Shape(const slow::Num &v) {
  return slow::Text(v) + " f" + std::to_string(v.fractionGroups.size());
}

void Expect(bool ok, const char *what, std::string_view a, std::string_view b) {
  if (ok) return;
  std::fprintf(stderr, "%s failed for a = \"%.*s\", b = \"%.*s\"\n", what,
               static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data());
  std::abort();
}

// Reading, writing and reading again gives the same value and the canonical text.
void CheckRoundTrip(std::string_view text) {
  UnlNum value;
  if (!UnlNum::FromText(text, value)) return;
  const std::string written = value.ToText();
  UnlNum again;
  Expect(UnlNum::FromText(written, again), "reading the written text", text, written);
  Expect(again.ToText() == written, "writing it again", text, written);
  Expect(UnlNum::Compare(value, again, true) == 0, "same value", text, written);
  Expect(written == slow::Text(slow::Parse(text)), "text as the reference writes it", text,
         written);
}

// Long enough for many groups, short enough for the reference's digit-by-digit division.
constexpr std::size_t kLongestOperand = 400;

void CheckArithmetic(std::string_view a, std::string_view b, int places) {
  UnlNum x;
  UnlNum y;
  if (a.size() > kLongestOperand || b.size() > kLongestOperand) return;
  if (!UnlNum::FromText(a, x) || !UnlNum::FromText(b, y)) return;
  const slow::Num sx = slow::Parse(a);
  const slow::Num sy = slow::Parse(b);
  Expect(Shape(UnlNum::Add(x, y)) == Shape(slow::Add(sx, sy)), "Add", a, b);
  Expect(Shape(UnlNum::Subtract(x, y)) == Shape(slow::Subtract(sx, sy)), "Subtract", a, b);
  Expect(Shape(UnlNum::Multiply(x, y)) == Shape(slow::Multiply(sx, sy)), "Multiply", a, b);
  Expect(Shape(UnlNum::Divide(x, y, places)) == Shape(slow::Divide(sx, sy, places)), "Divide", a,
         b);
  Expect(Shape(UnlNum::IntDivide(x, y)) == Shape(slow::IntDivide(sx, sy)), "IntDivide", a, b);
  Expect(Shape(UnlNum::Mod(x, y)) == Shape(slow::Mod(sx, sy)), "Mod", a, b);
  Expect(UnlNum::Compare(x, y, true) == slow::Compare(sx, sy, true), "Compare", a, b);
  Expect(UnlNum::Compare(UnlNum::Subtract(UnlNum::Add(x, y), y), x, true) == 0, "a + b - b", a, b);
  const int trigPlaces = places % 6;
  Expect(Shape(UnlNum::Sin(x, trigPlaces)) == Shape(slow::Sin(sx, trigPlaces)), "Sin", a, b);
  Expect(Shape(UnlNum::Tan(y, trigPlaces)) == Shape(slow::Tan(sy, trigPlaces)), "Tan", a, b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char *>(data), size);
  CheckRoundTrip(input);
  if (size < 2) return 0;
  const std::string_view operands = input.substr(1);
  const std::size_t separator = operands.find(';');
  if (separator == std::string_view::npos) return 0;
  CheckRoundTrip(operands.substr(0, separator));
  CheckArithmetic(operands.substr(0, separator), operands.substr(separator + 1), data[0] % 64);
  return 0;
}
