#include "app/number_text.hpp"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The full-width character that stands for an ASCII one, or 0.
char AsciiForm(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5D) return static_cast<char>(c - 0xFEE0);
  switch (c) {
    case 0xFFE5:  // ￥
      return '$';
    case 0xFFE3:  // ￣
    case 0xFF5E:  // ～
      return '~';
    case 0x3000:  // ideographic space
      return ' ';
    case 0x2606:  // ☆
    case 0x2605:  // ★
      return '*';
    default:
      return 0;
  }
}

// Decodes the three-byte UTF-8 sequence at text[i], or 0 when there is none.
char32_t ThreeByteCharacter(std::string_view text, std::size_t i) {
  if (i + 2 >= text.size()) return 0;
  const auto b0 = static_cast<unsigned char>(text[i]);
  const auto b1 = static_cast<unsigned char>(text[i + 1]);
  const auto b2 = static_cast<unsigned char>(text[i + 2]);
  if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return 0;
  return (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | char32_t(b2 & 0x3F);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string ReplaceFullWidthForms(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    // Every full-width form is a three-byte character in UTF-8.
    if (const char ascii = AsciiForm(ThreeByteCharacter(text, i))) {
      out += ascii;
      i += 3;
    } else {
      out += text[i++];
    }
  }
  return out;
}

double TextToNumber(std::string_view original) {
  const std::string text = ReplaceFullWidthForms(original);
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  std::string integerDigits, fractionDigits;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      (point ? fractionDigits : integerDigits) += text[i];
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0.0;

  // An exponent counts only with at least one digit: "1e" is 1, "1e+" is 1.
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        // Far beyond any double either way; saturating keeps the sum below exact.
        exponent = std::min(exponent * 10 + (text[j] - '0'), 100'000'000LL);
      }
      if (negativeExponent) exponent = -exponent;
    }
  }

  // Leading zeros carry nothing; what remains decides whether the value is zero and,
  // with the exponent, how large it is.
  std::string digits = integerDigits + fractionDigits;
  const std::size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return negative ? -0.0 : 0.0;
  // The value is 0.d1d2... x 10^magnitude.
  const long long magnitude = exponent + static_cast<long long>(integerDigits.size()) -
                              static_cast<long long>(firstNonZero);
  if (magnitude > 400) return negative ? -HUGE_VAL : HUGE_VAL;
  if (magnitude < -400) return negative ? -0.0 : 0.0;

  const std::string canonical =
      "0." + digits.substr(firstNonZero) + "e" + std::to_string(magnitude);
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (error == std::errc::result_out_of_range) value = magnitude > 0 ? HUGE_VAL : 0.0;
  return negative ? -value : value;
}

double TextToNumber(const QString &text) { return TextToNumber(text.toStdString()); }

std::string NumberToText(double value) {
  if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
  if (std::isnan(value)) {
    // The x86 "indefinite" NaN: sign set, quiet bit set, no payload.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (bits == 0xFFF8000000000000ULL) return "-1.#IND";
    return std::signbit(value) ? "-1.#QNAN" : "1.#QNAN";
  }
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  std::string text(buffer, end);
  // Exponents are written with at least three digits.
  const auto e = text.find('e');
  if (e != std::string::npos) {
    std::string exponentDigits = text.substr(e + 2);
    while (exponentDigits.size() < 3) exponentDigits.insert(0, "0");
    text = text.substr(0, e + 2) + exponentDigits;
  }
  return text;
}

std::string NumberToText(std::int32_t value) { return std::to_string(value); }

std::int32_t ToInteger(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}
