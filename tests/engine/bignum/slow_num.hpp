#pragma once

// A deliberately plain decimal number that checks UnlNum: every operation is done the
// long way, step by step as the calculator's arithmetic is defined (group-wise addition
// with carries, subtraction with explicit borrows, schoolbook multiplication, decimal
// long division on digit strings, the sine series with every power and factorial built
// from scratch). It is slow and obviously right; UnlNum is fast and has to agree with it
// digit for digit and fraction group for fraction group.
//
// Header-only, so that the fuzz target can use it too. Inputs are valid number texts.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace slow {

constexpr std::int64_t kBase = 1'000'000'000;

struct Num {
  bool negative = false;
  std::vector<std::int64_t> integerGroups{0};  // least significant first
  std::vector<std::int64_t> fractionGroups;    // most significant first
};

inline bool IsZero(const Num &n) {
  for (std::int64_t g : n.integerGroups)
    if (g != 0) return false;
  for (std::int64_t g : n.fractionGroups)
    if (g != 0) return false;
  return true;
}

inline void Normalize(Num &n) {
  while (n.integerGroups.size() > 1 && n.integerGroups.back() == 0) n.integerGroups.pop_back();
  if (IsZero(n)) n.negative = false;
}

inline Num Parse(std::string_view text) {
  Num n;
  if (text[0] == '-') {
    n.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string integerDigits(text.substr(0, point));
  const std::string fractionDigits(point == std::string_view::npos ? "" : text.substr(point + 1));
  n.integerGroups.clear();
  for (std::size_t end = integerDigits.size(); end > 0; end = end > 9 ? end - 9 : 0) {
    const std::size_t begin = end > 9 ? end - 9 : 0;
    n.integerGroups.push_back(std::stoll(integerDigits.substr(begin, end - begin)));
  }
  for (std::size_t begin = 0; begin < fractionDigits.size(); begin += 9) {
    std::string group = fractionDigits.substr(begin, 9);
    group.resize(9, '0');
    n.fractionGroups.push_back(std::stoll(group));
  }
  Normalize(n);
  return n;
}

inline std::string Nine(std::int64_t g) {
  std::string digits = std::to_string(g);
  return std::string(9 - digits.size(), '0') + digits;
}

inline std::string Text(const Num &n) {
  std::string text = n.negative ? "-" : "";
  text += std::to_string(n.integerGroups.back());
  for (std::size_t i = n.integerGroups.size() - 1; i-- > 0;) text += Nine(n.integerGroups[i]);
  if (n.fractionGroups.empty()) return text;
  text += '.';
  for (std::int64_t g : n.fractionGroups) text += Nine(g);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

inline int Compare(const Num &a, const Num &b, bool withSign) {
  int magnitude = 0;
  if (a.integerGroups.size() != b.integerGroups.size()) {
    magnitude = a.integerGroups.size() > b.integerGroups.size() ? 1 : -1;
  } else {
    for (std::size_t i = a.integerGroups.size(); i-- > 0 && magnitude == 0;)
      if (a.integerGroups[i] != b.integerGroups[i])
        magnitude = a.integerGroups[i] > b.integerGroups[i] ? 1 : -1;
    for (std::size_t j = 0;
         magnitude == 0 && (j < a.fractionGroups.size() || j < b.fractionGroups.size()); ++j) {
      const std::int64_t x = j < a.fractionGroups.size() ? a.fractionGroups[j] : 0;
      const std::int64_t y = j < b.fractionGroups.size() ? b.fractionGroups[j] : 0;
      if (x != y) magnitude = x > y ? 1 : -1;
    }
  }
  if (!withSign) return magnitude;
  if (a.negative && !b.negative) return -1;
  if (!a.negative && b.negative) return 1;
  return a.negative ? -magnitude : magnitude;
}

inline Num AddMagnitudes(const Num &x, const Num &y, bool negative) {
  const Num &longer = x.integerGroups.size() >= y.integerGroups.size() ? x : y;
  const Num &shorter = &longer == &x ? y : x;
  Num r;
  r.integerGroups = longer.integerGroups;
  for (std::size_t i = 0; i < shorter.integerGroups.size(); ++i)
    r.integerGroups[i] += shorter.integerGroups[i];
  r.fractionGroups.assign(std::max(x.fractionGroups.size(), y.fractionGroups.size()), 0);
  for (std::size_t j = 0; j < x.fractionGroups.size(); ++j)
    r.fractionGroups[j] += x.fractionGroups[j];
  for (std::size_t j = 0; j < y.fractionGroups.size(); ++j)
    r.fractionGroups[j] += y.fractionGroups[j];
  std::int64_t carry = 0;
  for (std::size_t j = r.fractionGroups.size(); j-- > 0;) {
    r.fractionGroups[j] += carry;
    carry = r.fractionGroups[j] / kBase;
    r.fractionGroups[j] %= kBase;
  }
  for (std::int64_t &g : r.integerGroups) {
    g += carry;
    carry = g / kBase;
    g %= kBase;
  }
  if (carry > 0) r.integerGroups.push_back(carry);
  r.negative = negative;
  Normalize(r);
  return r;
}

// Takes 1 from the nearest non-zero group above fraction group k.
inline void BorrowForFraction(Num &r, std::size_t k) {
  for (std::size_t j = k; j-- > 0;) {
    if (r.fractionGroups[j] != 0) {
      r.fractionGroups[j] -= 1;
      for (std::size_t between = j + 1; between < k; ++between)
        r.fractionGroups[between] = kBase - 1;
      return;
    }
  }
  for (std::size_t i = 0; i < r.integerGroups.size(); ++i) {
    if (r.integerGroups[i] != 0) {
      r.integerGroups[i] -= 1;
      for (std::size_t below = 0; below < i; ++below) r.integerGroups[below] = kBase - 1;
      for (std::size_t above = 0; above < k; ++above) r.fractionGroups[above] = kBase - 1;
      return;
    }
  }
}

inline void BorrowForInteger(Num &r, std::size_t i) {
  for (std::size_t m = i + 1; m < r.integerGroups.size(); ++m) {
    if (r.integerGroups[m] != 0) {
      r.integerGroups[m] -= 1;
      for (std::size_t between = i + 1; between < m; ++between)
        r.integerGroups[between] = kBase - 1;
      return;
    }
  }
}

// |x| - |y|
inline Num SubtractMagnitudes(const Num &x, const Num &y) {
  const int order = Compare(x, y, false);
  if (order == 0) return Num{};
  const Num &l = order > 0 ? x : y;
  const Num &s = order > 0 ? y : x;
  Num r = l;
  r.negative = false;
  r.integerGroups.resize(std::max(x.integerGroups.size(), y.integerGroups.size()), 0);
  r.fractionGroups.resize(std::max(x.fractionGroups.size(), y.fractionGroups.size()), 0);
  for (std::size_t k = s.fractionGroups.size(); k-- > 0;) {
    if (r.fractionGroups[k] < s.fractionGroups[k]) {
      BorrowForFraction(r, k);
      r.fractionGroups[k] += kBase - s.fractionGroups[k];
    } else {
      r.fractionGroups[k] -= s.fractionGroups[k];
    }
  }
  for (std::size_t i = 0; i < s.integerGroups.size(); ++i) {
    if (r.integerGroups[i] < s.integerGroups[i]) {
      BorrowForInteger(r, i);
      r.integerGroups[i] += kBase - s.integerGroups[i];
    } else {
      r.integerGroups[i] -= s.integerGroups[i];
    }
  }
  Normalize(r);
  r.negative = order < 0;
  return r;
}

inline Num Add(const Num &a, const Num &b) {
  if (a.negative == b.negative) return AddMagnitudes(a, b, a.negative);
  return a.negative ? SubtractMagnitudes(b, a) : SubtractMagnitudes(a, b);
}

inline Num Subtract(const Num &a, const Num &b) {
  if (!a.negative && !b.negative) return SubtractMagnitudes(a, b);
  if (a.negative && b.negative) return SubtractMagnitudes(b, a);
  return AddMagnitudes(a, b, a.negative);
}

inline bool IsExactlyOne(const Num &n) {
  if (n.integerGroups.size() != 1 || n.integerGroups[0] != 1) return false;
  for (std::int64_t g : n.fractionGroups)
    if (g != 0) return false;
  return true;
}

inline Num WithSign(Num n, bool negative) {
  n.negative = negative;
  Normalize(n);
  return n;
}

inline std::vector<std::int64_t> BaseDigits(const Num &n) {
  std::vector<std::int64_t> digits(n.fractionGroups.rbegin(), n.fractionGroups.rend());
  if (!(n.integerGroups.size() == 1 && n.integerGroups[0] == 0))
    digits.insert(digits.end(), n.integerGroups.begin(), n.integerGroups.end());
  while (digits.size() > 1 && digits.back() == 0) digits.pop_back();
  return digits;
}

inline void AddToGroup(std::vector<std::int64_t> &groups, std::size_t k, std::int64_t addend) {
  while (k >= groups.size()) groups.push_back(0);
  const std::int64_t t = groups[k] + addend;
  if (t >= kBase) {
    groups[k] = t % kBase;
    AddToGroup(groups, k + 1, t / kBase);
  } else {
    groups[k] = t;
  }
}

inline Num Multiply(const Num &a, const Num &b) {
  const bool negative = a.negative != b.negative;
  if (IsZero(a) || IsZero(b)) return Num{};
  if (IsExactlyOne(a)) return WithSign(b, negative);
  if (IsExactlyOne(b)) return WithSign(a, negative);
  std::vector<std::int64_t> p = BaseDigits(a);
  std::vector<std::int64_t> q = BaseDigits(b);
  if (q.size() > p.size()) std::swap(p, q);
  std::vector<std::int64_t> product(p.size(), 0);
  for (std::size_t i = 0; i < q.size(); ++i)
    for (std::size_t j = 0; j < p.size(); ++j) AddToGroup(product, i + j, q[i] * p[j]);
  const std::size_t f = a.fractionGroups.size() + b.fractionGroups.size();
  Num r;
  if (f > 0) {
    while (product.size() < f + 1) product.push_back(0);
    r.fractionGroups.assign(product.rend() - static_cast<std::ptrdiff_t>(f), product.rend());
    r.integerGroups.assign(product.begin() + static_cast<std::ptrdiff_t>(f), product.end());
  } else {
    r.integerGroups = product;
  }
  return WithSign(r, negative);
}

// ---- Decimal long division on digit strings -----------------------------------------

// v' = |v| x 10^(9 fv) as a digit string without leading zeros.
inline std::string ScaledDigits(const Num &n) {
  std::string digits = std::to_string(n.integerGroups.back());
  for (std::size_t i = n.integerGroups.size() - 1; i-- > 0;) digits += Nine(n.integerGroups[i]);
  for (std::int64_t g : n.fractionGroups) digits += Nine(g);
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

// d x v as a string of the given width.
inline std::string TimesDigit(const std::string &v, int d, std::size_t width) {
  std::string out(width, '0');
  int carry = 0;
  for (std::size_t k = 0; k < width; ++k) {
    const int digit = k < v.size() ? v[v.size() - 1 - k] - '0' : 0;
    const int t = digit * d + carry;
    out[width - 1 - k] = static_cast<char>('0' + t % 10);
    carry = t / 10;
  }
  return out;
}

// a - b for equal-width digit strings with a >= b.
inline std::string MinusDigits(const std::string &a, const std::string &b) {
  std::string out = a;
  int borrow = 0;
  for (std::size_t k = a.size(); k-- > 0;) {
    int t = (a[k] - '0') - (b[k] - '0') - borrow;
    borrow = t < 0;
    if (t < 0) t += 10;
    out[k] = static_cast<char>('0' + t);
  }
  return out;
}

inline Num Divide(const Num &a, const Num &b, std::int32_t places) {
  const bool negative = a.negative != b.negative;
  if (places < 0 || IsZero(a) || IsZero(b)) return Num{};
  if (IsExactlyOne(b)) return WithSign(a, negative);
  if (Compare(a, b, true) == 0) {
    Num one = Parse("1");
    one.fractionGroups.assign((static_cast<std::size_t>(places) + 8) / 9, 0);
    return one;
  }
  const std::string aDigits = ScaledDigits(a);
  const std::string bDigits = ScaledDigits(b);
  const auto fa = static_cast<std::int64_t>(a.fractionGroups.size());
  const auto fb = static_cast<std::int64_t>(b.fractionGroups.size());
  const auto da = static_cast<std::int64_t>(aDigits.size());
  const auto db = static_cast<std::int64_t>(bDigits.size());
  std::int64_t s = 0;
  std::int64_t z = 0;
  if (fa > fb) {
    s = 9 * (fa - fb);
  } else {
    z = 9 * (fb - fa);
  }
  if (s < places) {
    z += places - s;
    s = places;
  }
  if (z + da < db) {
    s += db - z - da;
    z = db - da;
  }
  const std::string dividend = aDigits + std::string(static_cast<std::size_t>(z), '0');
  const std::size_t width = bDigits.size() + 1;
  std::vector<std::string> multiples;  // d x V for d = 0 .. 9, as wide as the window
  for (int d = 0; d <= 9; ++d) multiples.push_back(TimesDigit(bDigits, d, width));
  std::string window = "0" + dividend.substr(0, bDigits.size());
  std::string quotient(dividend.size(), '0');
  for (std::size_t i = bDigits.size() - 1; i < dividend.size(); ++i) {
    const std::string_view rest = std::string_view(window).substr(1);
    if (window[0] == '0' && rest < bDigits) {
      quotient[i] = '0';
    } else if (window[0] == '0' && rest == bDigits) {
      quotient[i] = '1';
      window.assign(width, '0');
    } else {
      for (int d = 9; d >= 0; --d) {
        if (multiples[static_cast<std::size_t>(d)] <= window) {
          quotient[i] = static_cast<char>('0' + d);
          window = MinusDigits(window, multiples[static_cast<std::size_t>(d)]);
          break;
        }
      }
    }
    if (i + 1 < dividend.size()) {
      window.erase(0, 1);
      window += dividend[i + 1];
    }
  }
  const std::size_t first = quotient.find_first_not_of('0');
  const std::string q = first == std::string::npos ? "0" : quotient.substr(first);
  Num result = Parse(q);
  if (s > 0) {
    result = q == "0"
                 ? Num{}
                 : Multiply(result,
                            Parse("0." + std::string(static_cast<std::size_t>(s - 1), '0') + "1"));
  }
  return WithSign(result, negative);
}

inline Num DropFraction(Num n) {
  n.fractionGroups.clear();
  Normalize(n);
  return n;
}

inline Num IntDivide(const Num &a, const Num &b) { return DropFraction(Divide(a, b, 1)); }

inline Num Mod(const Num &a, const Num &b) {
  return Subtract(a, Multiply(DropFraction(Divide(a, b, 0)), b));
}

// ---- Trigonometry on whole degrees ---------------------------------------------------

inline Num Pi() { return Parse("3.14159265358979"); }

inline Num Negated(Num n) {
  n.negative = !n.negative;
  Normalize(n);
  return n;
}

inline Num RoundHalfUp(const Num &v, std::int32_t n) {
  std::string text = std::to_string(v.integerGroups.back());
  for (std::size_t i = v.integerGroups.size() - 1; i-- > 0;) text += Nine(v.integerGroups[i]);
  text += '.';
  for (std::int64_t g : v.fractionGroups) text += Nine(g);
  const std::size_t decimals = 9 * v.fractionGroups.size();
  Num result;
  if (decimals == static_cast<std::size_t>(n)) {
    result = v;
  } else if (decimals < static_cast<std::size_t>(n)) {
    result = Parse(text + std::string(static_cast<std::size_t>(n) - decimals, '0'));
  } else {
    const std::size_t point = text.find('.');
    const bool up = text[point + static_cast<std::size_t>(n) + 1] >= '5';
    text.resize(point + static_cast<std::size_t>(n) + 1);
    for (std::size_t k = text.size(); up && k-- > 0;) {
      if (text[k] == '.') continue;
      if (text[k] == '9') {
        text[k] = '0';
        if (k == 0) text.insert(text.begin(), '1');
      } else {
        ++text[k];
        break;
      }
    }
    result = Parse(text);
  }
  result.negative = false;
  return result;
}

struct Reduced {
  Num r;
  int quadrant;
};

inline Reduced ReduceAngle(const Num &angle) {
  Num r = Mod(angle, Parse("360"));
  r.negative = false;
  if (Compare(r, Parse("90"), true) <= 0) return {r, 0};
  if (Compare(r, Parse("180"), true) <= 0) return {Subtract(r, Parse("90")), 1};
  if (Compare(r, Parse("270"), true) <= 0) return {Subtract(r, Parse("180")), 2};
  return {Subtract(r, Parse("270")), 3};
}

inline Num SineSeries(const Num &v, std::int32_t places) {
  const Num x = Divide(Multiply(v, Pi()), Parse("180"), places);
  Num sum = x;
  for (std::int32_t i = 2; i <= places; ++i) {
    const int a = 2 * i - 1;
    Num power = x;
    for (int k = 1; k < a; ++k) power = Multiply(power, x);
    Num factorial = Parse("1");
    for (int k = 2; k <= a; ++k) factorial = Multiply(factorial, Parse(std::to_string(k)));
    const Num term = Divide(power, factorial, places);
    sum = i % 2 == 0 ? Subtract(sum, term) : Add(sum, term);
  }
  return sum;
}

inline Num Sin(const Num &degrees, std::int32_t places) {
  if (places < 0) return Num{};
  const Num angle = DropFraction(degrees);
  auto [r, quadrant] = ReduceAngle(angle);
  if (quadrant == 1 || quadrant == 3) r = Subtract(Parse("90"), r);
  if (IsZero(r)) return Num{};
  Num result;
  if (Compare(r, Parse("90"), true) == 0) {
    result = Parse("1");
  } else {
    Num v = r;
    if (r.integerGroups[0] % 9 == 0)
      v = Add(r, Parse("0." + std::string(static_cast<std::size_t>(places) + 10, '0') + "1"));
    result = RoundHalfUp(SineSeries(v, places), places + 2);
  }
  if (quadrant == 2 || quadrant == 3) result = Negated(result);
  if (angle.negative) result = Negated(result);
  return result;
}

inline Num Cos(const Num &degrees, std::int32_t places) {
  if (places < 0) return Num{};
  const auto [r, quadrant] = ReduceAngle(DropFraction(degrees));
  Num result =
      (quadrant == 0 || quadrant == 2) ? Sin(Subtract(Parse("90"), r), places) : Sin(r, places);
  if (quadrant == 1 || quadrant == 2) result = Negated(result);
  return result;
}

inline Num Cot(const Num &degrees, std::int32_t places);

inline Num Tan(const Num &degrees, std::int32_t places) {
  if (places < 0) return Num{};
  const Num angle = DropFraction(degrees);
  const auto [r, quadrant] = ReduceAngle(angle);
  Num result = (quadrant == 0 || quadrant == 2) ? Divide(Sin(r, places), Cos(r, places), places)
                                                : Negated(Cot(r, places));
  if (angle.negative) result = Negated(result);
  return result;
}

inline Num Cot(const Num &degrees, std::int32_t places) {
  if (places < 0) return Num{};
  const Num angle = DropFraction(degrees);
  const auto [r, quadrant] = ReduceAngle(angle);
  Num result = (quadrant == 0 || quadrant == 2) ? Divide(Cos(r, places), Sin(r, places), places)
                                                : Negated(Tan(r, places));
  if (angle.negative) result = Negated(result);
  return result;
}

}  // namespace slow
