#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// The conversions between texts and machine numbers that every window shares.

// Full-width forms typed with a Chinese input method become their ASCII characters:
// "０．５" reads as "0.5". Other characters stay as they are.
std::string ReplaceFullWidthForms(std::string_view text);

// The number at the start of the text: leading white space skipped, then the longest
// prefix of the form [+-]digits-with-at-most-one-point[(e|E|d|D)[+-]digits], as the
// nearest double. Whatever follows is ignored; a text without such a prefix is 0.
double TextToNumber(std::string_view text);
double TextToNumber(const QString &text);
inline double TextToNumber(const char *text) { return TextToNumber(std::string_view(text)); }

// 13 significant digits ("%.13g") with three-digit exponents ("1e+015"), "-0" for negative
// zero, and "1.#INF", "-1.#INF", "-1.#IND" (the x86 result of invalid operations),
// "1.#QNAN" / "-1.#QNAN" for other values that are not finite.
std::string NumberToText(double value);
std::string NumberToText(std::int32_t value);

// Where a count or an index is needed: the number truncated toward zero (3.9 gives 3,
// -3.9 gives -3). Values beyond the 32-bit range give its nearest end, NaN gives 0.
std::int32_t ToInteger(double value);
