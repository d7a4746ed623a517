#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// An arbitrary-precision signed decimal number, the keypad's arithmetic type.
//
// The value is a sign and two runs of nine-digit groups (0 to 999,999,999 each): the
// integer groups, least significant first, and the fraction groups, most significant
// first, left-aligned (".5" is one fraction group 500,000,000). There is no negative
// zero, and the most significant integer group is 0 only when it is the only one.
//
// Trailing fraction groups may be 0 and are kept on purpose: the number of fraction
// groups of an operand decides how many decimals a later division keeps. Every operation
// below therefore states the fraction group count of its result, and callers that mean
// to reproduce a result (for example a power computed by squaring instead of by repeated
// multiplication) must reproduce that count too.
//
// UnlNum is a plain value: operations return a new value and never change their
// operands. An operation that cannot be done (a zero divisor, a negative precision,
// exhausted memory) yields 0; it never throws.
class UnlNum {
 public:
  using Group = std::uint32_t;
  static constexpr Group kGroupBase = 1'000'000'000;

  // The value 0: one integer group 0, no fraction groups.
  UnlNum() = default;

  // ---- Text and machine numbers -----------------------------------------------------

  // Reads a number written as digits with an optional leading "-" and at most one ".".
  // No "+", spaces, exponent or separators; no leading zeros ("05", "00.5"); a lone "0"
  // before the point must be followed by a fraction digit ("0." and "-0." are not
  // numbers); "12." is 12; "-0" is not a number, "-0.0" is 0. Each fraction digit
  // counts: "1.000000000" has one fraction group. On failure `out` becomes 0.
  static bool FromText(std::string_view text, UnlNum &out);

  // Digits with an optional "-" and "."; never a trailing "." or trailing fraction 0.
  // ("0" if memory runs out while writing it.)
  std::string ToText() const;

  // From a 32-bit, 64-bit or 16-bit signed integer, an unsigned byte, a float or a
  // double. Integers are exact. A float or double is first written with 13 significant
  // digits as C's "%.13g" does and then read as text, so values that need an exponent
  // there (magnitude 1e13 and above, non-zero magnitudes below 1e-4), -0.0, infinities
  // and NaNs are refused. Any other kind of argument (bool, unsigned, text, ...) is
  // refused too. Refused: false, and `out` becomes 0.
  template <typename T>
  static bool FromNumber(T number, UnlNum &out);

  // The value as a 32-bit integer, or 0 when it does not fit or has any fraction group
  // at all (the value read from "5.0" is not converted).
  std::int32_t ToInt() const;

  // This becomes a copy of other's value with the same groups (0 if memory runs out).
  void Assign(const UnlNum &other);

  // ---- Inspection --------------------------------------------------------------------

  bool IsZero() const;
  bool IsNegative() const { return negative_; }
  std::size_t IntegerGroupCount() const { return integerGroups_.size(); }
  std::size_t FractionGroupCount() const { return fractionGroups_.size(); }
  const std::vector<Group> &IntegerGroups() const { return integerGroups_; }
  const std::vector<Group> &FractionGroups() const { return fractionGroups_; }

  // ---- Arithmetic --------------------------------------------------------------------
  // In the counts below fa and fb are the fraction group counts of a and b.

  // Exact. max(fa, fb) fraction groups, except that a difference of two equal
  // magnitudes is a fresh 0 with none.
  static UnlNum Add(const UnlNum &a, const UnlNum &b);
  static UnlNum Subtract(const UnlNum &a, const UnlNum &b);

  // Exact. A zero operand gives a fresh 0 (no fraction groups). When |a| is exactly 1
  // (1, 1.0, ...) the result is b's groups with the product's sign; otherwise when |b|
  // is exactly 1 it is a's groups. In every other case the result has fa + fb fraction
  // groups, so x * x * x has 3 fx of them however it is grouped.
  //
  // Hence x^n (n >= 1) from n - 1 multiplications by x, and equally from squarings: x
  // itself for n = 1; otherwise a fresh 0 when x is 0, x's groups with sign (-1)^n when
  // |x| is exactly 1, and the exact power with n fx fraction groups in every other case.
  static UnlNum Multiply(const UnlNum &a, const UnlNum &b);

  // a / b truncated toward zero at s decimals, where
  //   s = max(places, 9 (fa - fb), 9 (fa - fb) + db - da)
  // with da and db the digit counts of a and b written without point and with all
  // fraction groups. The quotient has ceil(s / 9) fraction groups (none when it is 0).
  // Special cases: a zero operand or places < 0 gives 0; |b| exactly 1 gives a's groups
  // with the quotient's sign (places ignored); a == b gives 1 with ceil(places / 9)
  // zero fraction groups.
  static UnlNum Divide(const UnlNum &a, const UnlNum &b, std::int32_t places);

  // The quotient truncated toward zero, no fraction groups. A zero divisor gives 0.
  static UnlNum IntDivide(const UnlNum &a, const UnlNum &b);

  // a - IntDivide(a, b) * b, built from Multiply and Subtract (and carrying their
  // fraction group counts): the sign of a, and a itself for a zero divisor.
  static UnlNum Mod(const UnlNum &a, const UnlNum &b);

  // -1, 0 or 1. Without the sign only the magnitudes are compared. Trailing zero
  // fraction groups do not count (0.5 == 0.500000000).
  static int Compare(const UnlNum &a, const UnlNum &b, bool withSign);
  static bool Greater(const UnlNum &a, const UnlNum &b) { return Compare(a, b, true) > 0; }

  // ---- Functions ---------------------------------------------------------------------

  // |x| with all of x's groups.
  static UnlNum Abs(const UnlNum &x);
  // x truncated toward zero, no fraction groups.
  static UnlNum IntPart(const UnlNum &x);

  // Trigonometry on whole degrees: the argument is truncated toward zero first (30.9 is
  // taken as 30). `places` is the number of series terms (at least one), the precision
  // of every division, and, plus two, the decimals the sine is rounded to half up. The
  // pi used is 3.14159265358979, which bounds the accuracy whatever `places` asks for.
  // Sin and Cos are rounded; Tan and Cot divide two of them and are truncated. The poles
  // of Tan and Cot give 0. A negative `places` gives 0.
  static UnlNum Sin(const UnlNum &degrees, std::int32_t places);
  static UnlNum Cos(const UnlNum &degrees, std::int32_t places);
  static UnlNum Tan(const UnlNum &degrees, std::int32_t places);
  static UnlNum Cot(const UnlNum &degrees, std::int32_t places);

  // The building blocks of the trigonometric functions.

  // For a whole number of degrees: r in [0, 90] and a quadrant q in 0..3 with
  // |angle| mod 360 = 90 q + r (where 90, 180, 270 and 360 end a quadrant, r = 90).
  struct ReducedAngle;
  static ReducedAngle ReduceAngle(const UnlNum &angle);

  // x - x^3/3! + x^5/5! - ... with max(places, 1) terms, for 0 < degrees < 90, where
  // x = degrees * pi / 180 divided at `places`; every term is divided at `places` too.
  static UnlNum SineSeries(const UnlNum &degrees, std::int32_t places);

  // |v| rounded half up to n decimals (n >= 0), with ceil(n / 9) fraction groups. A
  // value that has exactly n decimals in its groups is returned as it is.
  static UnlNum RoundHalfUp(const UnlNum &v, std::int32_t n);

 private:
  static bool FromInt32(std::int32_t number, UnlNum &out);
  static bool FromInt64(std::int64_t number, UnlNum &out);
  static bool FromDouble(double number, UnlNum &out);
  static UnlNum TanOrCot(const UnlNum &degrees, std::int32_t places, bool cotangent);

  // Helpers for the implementation file (they see the groups directly).
  friend struct UnlNumAccess;

  bool negative_ = false;
  std::vector<Group> integerGroups_{0};
  std::vector<Group> fractionGroups_;
};

struct UnlNum::ReducedAngle {
  UnlNum r;
  int quadrant = 0;
};

template <typename T>
bool UnlNum::FromNumber(T number, UnlNum &out) {
  if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::int16_t> ||
                std::is_same_v<T, std::uint8_t>) {
    return FromInt32(number, out);
  } else if constexpr (std::is_same_v<T, std::int64_t> || std::is_same_v<T, long long>) {
    return FromInt64(number, out);
  } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, float>) {
    return FromDouble(number, out);
  } else {
    static_cast<void>(number);
    out = UnlNum();
    return false;
  }
}
