#pragma once

#include <string>
#include <string_view>

// The base of a number in words, as the error texts write it: 2 is "二", 10 "一十",
// 16 "一十六", 36 "三十六".
std::string BaseWord(int base);

// The digits, in base toBase, of the non-negative whole number that `text` writes in base
// fromBase (digits "0"-"9" then "A"-"Z"; lower-case letters and full-width forms are
// accepted). Exact for any length. Instead of failing it returns an error text:
// "参数错误-进制只能在2-36之间" for a base outside 2 to 36, and
// "参数错误-<text>不是一个有效的<base word>进制数！" at the first character that is not a
// digit of fromBase. Leading zeros vanish; an empty text is "0" (or "" when the bases
// are equal, as any text is then returned as it is).
std::string ConvertRadix(std::string_view text, int fromBase, int toBase);
