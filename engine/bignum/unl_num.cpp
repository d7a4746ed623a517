#include "engine/bignum/unl_num.hpp"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <system_error>

#include "engine/bignum/unl_num_internal.hpp"

using natural::Natural;

// ---- The bridge to the natural layer -------------------------------------------------

Natural UnlNumAccess::Scaled(const UnlNum &v, std::size_t fractionGroups) {
  Natural n(fractionGroups - v.fractionGroups_.size(), 0);
  n.insert(n.end(), v.fractionGroups_.rbegin(), v.fractionGroups_.rend());
  n.insert(n.end(), v.integerGroups_.begin(), v.integerGroups_.end());
  natural::Trim(n);
  return n;
}

UnlNum UnlNumAccess::FromScaled(const Natural &n, std::size_t fractionGroups, bool negative) {
  UnlNum v;
  v.fractionGroups_.assign(fractionGroups, 0);
  for (std::size_t k = 0; k < fractionGroups && k < n.size(); ++k) {
    v.fractionGroups_[fractionGroups - 1 - k] = n[k];
  }
  if (n.size() > fractionGroups) {
    v.integerGroups_.assign(n.begin() + static_cast<std::ptrdiff_t>(fractionGroups), n.end());
  }
  v.negative_ = negative && !n.empty();
  return v;
}

UnlNum UnlNumAccess::WithSign(UnlNum v, bool negative) {
  v.negative_ = negative && !v.IsZero();
  return v;
}

bool UnlNumAccess::IsExactlyOne(const UnlNum &v) {
  return v.integerGroups_.size() == 1 && v.integerGroups_[0] == 1 &&
         std::all_of(v.fractionGroups_.begin(), v.fractionGroups_.end(),
                     [](UnlNum::Group g) { return g == 0; });
}

UnlNum UnlNumAccess::UnitAtDecimal(std::int64_t k) {
  const std::int64_t groups = (k + 8) / 9;
  return FromScaled(natural::ShiftLeftDigits({1}, 9 * groups - k), static_cast<std::size_t>(groups),
                    false);
}

namespace {

using Access = UnlNumAccess;

// The rules for a number text: digits, at most one ".", a "-" only in front; no leading
// zeros, and a lone integer 0 needs a fraction digit after it ("0." and "-0" are not
// numbers, "12." is).
bool IsNumberText(std::string_view text) {
  if (text.empty()) return false;
  bool seenPoint = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '-') {
      if (i != 0) return false;
    } else if (c == '.') {
      if (seenPoint) return false;
      seenPoint = true;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  if (text[0] == '.') return false;
  if (text[0] == '-') {
    if (text.size() < 2) return false;
    if (text[1] >= '1' && text[1] <= '9') return true;
    return text[1] == '0' && text.size() >= 4 && text[2] == '.';
  }
  if (text[0] == '0') return text.size() == 1 || (text.size() >= 3 && text[1] == '.');
  return true;
}

UnlNum::Group ReadGroup(std::string_view digits) {
  UnlNum::Group g = 0;
  for (char c : digits) g = g * 10 + static_cast<UnlNum::Group>(c - '0');
  return g;
}

// Nine digits with leading zeros.
void WriteGroup(UnlNum::Group g, char *out) {
  for (int k = 8; k >= 0; --k, g /= 10) out[k] = static_cast<char>('0' + g % 10);
}

// The arithmetic of magnitudes, with the result's fraction groups as both operands have
// them: max(fa, fb).
std::size_t CommonFractionGroups(const UnlNum &a, const UnlNum &b) {
  return std::max(a.FractionGroupCount(), b.FractionGroupCount());
}

UnlNum SumOfMagnitudes(const UnlNum &a, const UnlNum &b, bool negative) {
  const std::size_t f = CommonFractionGroups(a, b);
  return Access::FromScaled(natural::Add(Access::Scaled(a, f), Access::Scaled(b, f)), f, negative);
}

// |x| - |y|, negative when |y| is the larger; equal magnitudes give a fresh 0.
UnlNum DifferenceOfMagnitudes(const UnlNum &x, const UnlNum &y) {
  const std::size_t f = CommonFractionGroups(x, y);
  const Natural xs = Access::Scaled(x, f);
  const Natural ys = Access::Scaled(y, f);
  const int order = natural::Compare(xs, ys);
  if (order == 0) return UnlNum();
  return order > 0 ? Access::FromScaled(natural::Subtract(xs, ys), f, false)
                   : Access::FromScaled(natural::Subtract(ys, xs), f, true);
}

}  // namespace

// ---- Text ----------------------------------------------------------------------------

bool UnlNum::IsZero() const {
  const auto zero = [](Group g) { return g == 0; };
  return std::all_of(integerGroups_.begin(), integerGroups_.end(), zero) &&
         std::all_of(fractionGroups_.begin(), fractionGroups_.end(), zero);
}

bool UnlNum::FromText(std::string_view text, UnlNum &out) {
  out = UnlNum();
  if (!IsNumberText(text)) return false;
  try {
    UnlNum v;
    v.negative_ = text[0] == '-';
    if (v.negative_) text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view integerDigits = text.substr(0, point);
    const std::string_view fractionDigits = point < text.size() ? text.substr(point + 1) : "";

    v.integerGroups_.clear();
    v.integerGroups_.reserve(integerDigits.size() / 9 + 1);
    for (std::size_t end = integerDigits.size(); end > 0; end -= std::min<std::size_t>(end, 9)) {
      const std::size_t begin = end > 9 ? end - 9 : 0;
      v.integerGroups_.push_back(ReadGroup(integerDigits.substr(begin, end - begin)));
    }
    v.fractionGroups_.reserve((fractionDigits.size() + 8) / 9);
    for (std::size_t begin = 0; begin < fractionDigits.size(); begin += 9) {
      const std::string_view digits = fractionDigits.substr(begin, 9);
      Group g = ReadGroup(digits);
      for (std::size_t pad = digits.size(); pad < 9; ++pad) g *= 10;
      v.fractionGroups_.push_back(g);
    }
    if (v.IsZero()) v.negative_ = false;
    out = std::move(v);
    return true;
  } catch (const std::bad_alloc &) {
    return false;
  } catch (const std::length_error &) {
    return false;
  }
}

std::string UnlNum::ToText() const {
  try {
    std::string text = negative_ ? "-" : "";
    text += std::to_string(integerGroups_.back());
    const std::size_t lowGroups = integerGroups_.size() - 1 + fractionGroups_.size();
    std::size_t at = text.size();
    text.resize(at + 9 * lowGroups + (fractionGroups_.empty() ? 0 : 1));
    for (std::size_t i = integerGroups_.size() - 1; i-- > 0; at += 9) {
      WriteGroup(integerGroups_[i], &text[at]);
    }
    if (fractionGroups_.empty()) return text;
    text[at++] = '.';
    for (Group g : fractionGroups_) {
      WriteGroup(g, &text[at]);
      at += 9;
    }
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
  } catch (const std::bad_alloc &) {
    return "0";
  } catch (const std::length_error &) {
    return "0";
  }
}

void UnlNum::Assign(const UnlNum &other) {
  *this = ZeroOnExhaustion([&] { return other; });
}

// ---- Machine numbers -----------------------------------------------------------------

bool UnlNum::FromInt32(std::int32_t number, UnlNum &out) {
  const std::int64_t wide = number;
  out = Access::FromScaled(
      natural::FromInteger(static_cast<std::uint64_t>(wide < 0 ? -wide : wide)), 0, wide < 0);
  return true;
}

bool UnlNum::FromInt64(std::int64_t number, UnlNum &out) {
  char buffer[24];
  const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), number);
  return error == std::errc() && FromText(std::string_view(buffer, end - buffer), out);
}

// The text C's "%.13g" gives, from the locale-independent formatter: a desktop
// application runs under the user's locale, which may write the point as ",".
bool UnlNum::FromDouble(double number, UnlNum &out) {
  char buffer[48];
  const auto [end, error] =
      std::to_chars(std::begin(buffer), std::end(buffer), number, std::chars_format::general, 13);
  if (error != std::errc()) {
    out = UnlNum();
    return false;
  }
  return FromText(std::string_view(buffer, end - buffer), out);
}

std::int32_t UnlNum::ToInt() const {
  if (!fractionGroups_.empty() || integerGroups_.size() > 2) return 0;
  std::int64_t magnitude = integerGroups_[0];
  if (integerGroups_.size() == 2) magnitude += std::int64_t{integerGroups_[1]} * kGroupBase;
  const std::int64_t value = negative_ ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<std::int32_t>(value);
}

// ---- Arithmetic ----------------------------------------------------------------------

int UnlNum::Compare(const UnlNum &a, const UnlNum &b, bool withSign) {
  int magnitude = 0;
  if (a.integerGroups_.size() != b.integerGroups_.size()) {
    magnitude = a.integerGroups_.size() < b.integerGroups_.size() ? -1 : 1;
  } else {
    for (std::size_t i = a.integerGroups_.size(); i-- > 0 && magnitude == 0;) {
      if (a.integerGroups_[i] != b.integerGroups_[i]) {
        magnitude = a.integerGroups_[i] < b.integerGroups_[i] ? -1 : 1;
      }
    }
    const std::size_t f = std::max(a.fractionGroups_.size(), b.fractionGroups_.size());
    for (std::size_t j = 0; j < f && magnitude == 0; ++j) {
      const Group x = j < a.fractionGroups_.size() ? a.fractionGroups_[j] : 0;
      const Group y = j < b.fractionGroups_.size() ? b.fractionGroups_[j] : 0;
      if (x != y) magnitude = x < y ? -1 : 1;
    }
  }
  if (!withSign) return magnitude;
  if (a.negative_ != b.negative_) return a.negative_ ? -1 : 1;
  return a.negative_ ? -magnitude : magnitude;
}

UnlNum UnlNum::Add(const UnlNum &a, const UnlNum &b) {
  return ZeroOnExhaustion([&] {
    if (a.negative_ == b.negative_) return SumOfMagnitudes(a, b, a.negative_);
    return a.negative_ ? DifferenceOfMagnitudes(b, a) : DifferenceOfMagnitudes(a, b);
  });
}

UnlNum UnlNum::Subtract(const UnlNum &a, const UnlNum &b) {
  return ZeroOnExhaustion([&] {
    if (a.negative_ != b.negative_) return SumOfMagnitudes(a, b, a.negative_);
    return a.negative_ ? DifferenceOfMagnitudes(b, a) : DifferenceOfMagnitudes(a, b);
  });
}

UnlNum UnlNum::Multiply(const UnlNum &a, const UnlNum &b) {
  return ZeroOnExhaustion([&] {
    const bool negative = a.negative_ != b.negative_;
    if (a.IsZero() || b.IsZero()) return UnlNum();
    if (Access::IsExactlyOne(a)) return Access::WithSign(b, negative);
    if (Access::IsExactlyOne(b)) return Access::WithSign(a, negative);
    return Access::FromScaled(natural::Multiply(Access::Scaled(a), Access::Scaled(b)),
                              a.fractionGroups_.size() + b.fractionGroups_.size(), negative);
  });
}

UnlNum UnlNum::Divide(const UnlNum &a, const UnlNum &b, std::int32_t places) {
  return ZeroOnExhaustion([&] {
    const bool negative = a.negative_ != b.negative_;
    if (places < 0 || a.IsZero() || b.IsZero()) return UnlNum();
    if (Access::IsExactlyOne(b)) return Access::WithSign(a, negative);
    if (Compare(a, b, true) == 0) {
      UnlNum one;
      one.integerGroups_ = {1};
      one.fractionGroups_.assign((static_cast<std::size_t>(places) + 8) / 9, 0);
      return one;
    }

    // The quotient keeps s decimals: at least `places`, at least the decimals the
    // dividend has beyond the divisor's, and enough to show the first significant digit
    // of a quotient below 1 (9 / 10000 keeps four). The dividend a' gets z zeros so that
    // a' 10^z / b' is the quotient times 10^s.
    const Natural dividend = Access::Scaled(a);
    const Natural divisor = Access::Scaled(b);
    const std::int64_t extraDecimals = 9 * (static_cast<std::int64_t>(a.fractionGroups_.size()) -
                                            static_cast<std::int64_t>(b.fractionGroups_.size()));
    const std::int64_t s =
        std::max({std::int64_t{places}, extraDecimals,
                  extraDecimals + natural::DigitCount(divisor) - natural::DigitCount(dividend)});
    const Natural quotient =
        natural::Divide(natural::ShiftLeftDigits(dividend, s - extraDecimals), divisor);
    const std::int64_t groups = (s + 8) / 9;
    return Access::FromScaled(natural::ShiftLeftDigits(quotient, 9 * groups - s),
                              quotient.empty() ? 0 : static_cast<std::size_t>(groups), negative);
  });
}

UnlNum UnlNum::IntDivide(const UnlNum &a, const UnlNum &b) { return IntPart(Divide(a, b, 1)); }

UnlNum UnlNum::Mod(const UnlNum &a, const UnlNum &b) {
  return Subtract(a, Multiply(IntPart(Divide(a, b, 0)), b));
}
