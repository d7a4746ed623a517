#pragma once

// Shared by the implementation files of UnlNum: the bridge between a value and its
// natural |v| * 10^(9 f), and the guard that turns exhausted memory into 0.

#include <new>
#include <stdexcept>
#include <utility>

#include "engine/bignum/natural.hpp"
#include "engine/bignum/unl_num.hpp"

struct UnlNumAccess {
  // |v| * 10^(9 f): v's digits without the point, with f >= v's fraction group count
  // fraction groups written out.
  static natural::Natural Scaled(const UnlNum &v, std::size_t fractionGroups);
  static natural::Natural Scaled(const UnlNum &v) { return Scaled(v, v.FractionGroupCount()); }

  // n * 10^(-9 f) with exactly f fraction groups; a zero value is never negative.
  static UnlNum FromScaled(const natural::Natural &n, std::size_t fractionGroups, bool negative);

  // v with the given sign, or with none when v is 0.
  static UnlNum WithSign(UnlNum v, bool negative);
  static UnlNum Negated(UnlNum v) {
    const bool negative = !v.IsNegative();
    return WithSign(std::move(v), negative);
  }

  // One integer group 1 and only zero fraction groups: 1, 1.0, 1.000000000000 ...
  static bool IsExactlyOne(const UnlNum &v);

  // 10^-k with ceil(k / 9) fraction groups, k >= 1: "0." followed by k - 1 zeros and "1".
  static UnlNum UnitAtDecimal(std::int64_t k);
};

// Runs an operation; a value too large for memory yields 0 (an empty result) instead of an
// exception.
template <typename Operation>
auto ZeroOnExhaustion(Operation &&operation) -> decltype(operation()) {
  try {
    return operation();
  } catch (const std::bad_alloc &) {
    return {};
  } catch (const std::length_error &) {
    return {};
  }
}
