#pragma once

// The inner layer of UnlNum: non-negative integers as base-10^9 digits ("limbs"),
// least significant first, without most significant zero limbs; 0 is the empty vector.
// UnlNum writes a value v with f fraction groups as the natural |v| * 10^(9 f) and does
// all of its arithmetic here.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace natural {

using Limb = std::uint32_t;
using Natural = std::vector<Limb>;

inline constexpr std::uint64_t kBase = 1'000'000'000;

// Below this many limbs in the shorter operand, Multiply uses the schoolbook method;
// from it on, Karatsuba. Measured with the multiplication benchmarks (see README.md).
inline constexpr std::size_t kKaratsubaThreshold = 64;

// Drops most significant zero limbs.
void Trim(Natural &n);

// -1, 0 or 1.
int Compare(const Natural &a, const Natural &b);

Natural Add(const Natural &a, const Natural &b);
// a - b for a >= b.
Natural Subtract(const Natural &a, const Natural &b);
Natural Multiply(const Natural &a, const Natural &b);
// floor(a / b) for b > 0.
Natural Divide(const Natural &a, const Natural &b);

// n * m and floor(n / d) (returning n mod d) for a single limb, in place.
void MultiplySmall(Natural &n, Limb m);
Limb DivideSmall(Natural &n, Limb d);

// Decimal digits of n written without leading zeros (0 for n = 0).
std::int64_t DigitCount(const Natural &n);
// n * 10^k and floor(n / 10^k), k >= 0.
Natural ShiftLeftDigits(Natural n, std::int64_t k);
Natural ShiftRightDigits(Natural n, std::int64_t k);

// The natural of a machine integer.
Natural FromInteger(std::uint64_t value);

}  // namespace natural
