#include "engine/bignum/natural.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace natural {
namespace {

constexpr std::array<Limb, 9> kPowersOfTen = {1,      10,      100,      1000,     10000,
                                              100000, 1000000, 10000000, 100000000};

// A read-only stretch of limbs; Karatsuba works on halves of its operands without copying.
struct View {
  const Limb *data;
  std::size_t size;
};

View Trimmed(const Limb *data, std::size_t size) {
  while (size > 0 && data[size - 1] == 0) --size;
  return {data, size};
}

View Whole(const Natural &n) { return {n.data(), n.size()}; }

// acc += x * kBase^offset, growing acc as needed.
void AddAt(Natural &acc, std::size_t offset, View x) {
  if (acc.size() < offset + x.size + 1) acc.resize(offset + x.size + 1, 0);
  Limb carry = 0;
  std::size_t k = offset;
  for (std::size_t i = 0; i < x.size; ++i, ++k) {
    const Limb t = acc[k] + x.data[i] + carry;
    carry = t >= kBase ? 1 : 0;
    acc[k] = carry ? t - static_cast<Limb>(kBase) : t;
  }
  for (; carry; ++k) {
    if (k == acc.size()) acc.push_back(0);
    const Limb t = acc[k] + 1;
    carry = t >= kBase ? 1 : 0;
    acc[k] = carry ? 0 : t;
  }
}

Natural AddViews(View a, View b) {
  if (a.size < b.size) std::swap(a, b);
  Natural sum(a.data, a.data + a.size);
  AddAt(sum, 0, b);
  Trim(sum);
  return sum;
}

// a -= b for a >= b.
void SubtractInPlace(Natural &a, const Natural &b) {
  Limb borrow = 0;
  for (std::size_t i = 0; i < b.size() || borrow; ++i) {
    const Limb sub = (i < b.size() ? b[i] : 0) + borrow;
    borrow = a[i] < sub ? 1 : 0;
    a[i] = borrow ? a[i] + static_cast<Limb>(kBase) - sub : a[i] - sub;
  }
  Trim(a);
}

// Row by row into 64-bit accumulators: a limb product is below 10^18, so sixteen of them
// on top of a reduced accumulator stay below 2^64, and the carries are only propagated
// every sixteen rows. The inner loop has no carry chain and vectorizes.
Natural Schoolbook(View a, View b) {
  if (a.size < b.size) std::swap(a, b);
  constexpr std::size_t kRowsPerCarry = 16;
  std::vector<std::uint64_t> acc(a.size + b.size, 0);
  std::size_t settled = 0;
  for (std::size_t i = 0; i < b.size; ++i) {
    const std::uint64_t bi = b.data[i];
    std::uint64_t *row = acc.data() + i;
    for (std::size_t j = 0; j < a.size; ++j) row[j] += bi * a.data[j];
    if ((i + 1) % kRowsPerCarry == 0 || i + 1 == b.size) {
      std::uint64_t carry = 0;
      for (std::size_t k = settled; k < acc.size(); ++k) {
        const std::uint64_t t = acc[k] + carry;
        carry = t / kBase;
        acc[k] = t % kBase;
      }
      settled = i + 1;
    }
  }
  Natural product(acc.begin(), acc.end());
  Trim(product);
  return product;
}

Natural MultiplyViews(View a, View b) {
  if (a.size < b.size) std::swap(a, b);
  if (b.size == 0) return {};
  if (b.size < kKaratsubaThreshold) return Schoolbook(a, b);

  // Much longer a: multiply b by slices of a as long as b, so every product is balanced.
  if (a.size >= 2 * b.size) {
    Natural product;
    for (std::size_t offset = 0; offset < a.size; offset += b.size) {
      const View slice = Trimmed(a.data + offset, std::min(b.size, a.size - offset));
      AddAt(product, offset, Whole(MultiplyViews(slice, b)));
    }
    Trim(product);
    return product;
  }

  // Karatsuba: with a = a1 B^m + a0 and b = b1 B^m + b0,
  // a b = z2 B^2m + ((a0 + a1)(b0 + b1) - z0 - z2) B^m + z0. b is longer than m.
  const std::size_t m = a.size / 2;
  const View a0 = Trimmed(a.data, m);
  const View a1 = {a.data + m, a.size - m};
  const View b0 = Trimmed(b.data, m);
  const View b1 = {b.data + m, b.size - m};
  const Natural z0 = MultiplyViews(a0, b0);
  const Natural z2 = MultiplyViews(a1, b1);
  const Natural aSum = AddViews(a0, a1);
  const Natural bSum = AddViews(b0, b1);
  Natural z1 = MultiplyViews(Whole(aSum), Whole(bSum));
  SubtractInPlace(z1, z0);
  SubtractInPlace(z1, z2);

  Natural product = z0;
  AddAt(product, m, Whole(z1));
  AddAt(product, 2 * m, Whole(z2));
  Trim(product);
  return product;
}

}  // namespace

void Trim(Natural &n) {
  while (!n.empty() && n.back() == 0) n.pop_back();
}

int Compare(const Natural &a, const Natural &b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

Natural Add(const Natural &a, const Natural &b) { return AddViews(Whole(a), Whole(b)); }

Natural Subtract(const Natural &a, const Natural &b) {
  Natural difference = a;
  SubtractInPlace(difference, b);
  return difference;
}

Natural Multiply(const Natural &a, const Natural &b) { return MultiplyViews(Whole(a), Whole(b)); }

// Knuth's algorithm D in base 10^9: both operands are scaled so that the divisor's top
// limb is at least half the base, which keeps each estimated quotient limb at most two
// above the true one; the estimate is refined with the divisor's second limb and, in the
// rare case that is still one too many, corrected by adding the divisor back.
Natural Divide(const Natural &a, const Natural &b) {
  if (Compare(a, b) < 0) return {};
  if (b.size() == 1) {
    Natural quotient = a;
    DivideSmall(quotient, b[0]);
    return quotient;
  }
  const std::size_t n = b.size();
  const std::size_t m = a.size() - n;
  const auto scale = static_cast<Limb>(kBase / (std::uint64_t{b.back()} + 1));
  Natural v = b;
  MultiplySmall(v, scale);
  Natural u = a;
  MultiplySmall(u, scale);
  u.resize(a.size() + 1, 0);

  Natural quotient(m + 1, 0);
  const std::uint64_t vTop = v[n - 1];
  const std::uint64_t vNext = v[n - 2];
  for (std::size_t j = m + 1; j-- > 0;) {
    const std::uint64_t top = std::uint64_t{u[j + n]} * kBase + u[j + n - 1];
    std::uint64_t qHat = top / vTop;
    std::uint64_t rHat = top % vTop;
    while (qHat >= kBase || qHat * vNext > rHat * kBase + u[j + n - 2]) {
      --qHat;
      rHat += vTop;
      if (rHat >= kBase) break;
    }

    // u[j .. j+n] -= qHat * v. The products and their splits do not depend on each other;
    // only the small carry (high part plus borrows, at most 10^9) runs along the limbs.
    std::int64_t carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t p = qHat * v[i];
      const std::uint64_t high = p / kBase;
      const auto low = static_cast<std::int64_t>(p - high * kBase);
      const std::int64_t t = std::int64_t{u[i + j]} - low - carry;
      const std::int64_t borrows =
          (t < 0 ? 1 : 0) + (t < -static_cast<std::int64_t>(kBase) ? 1 : 0);
      u[i + j] = static_cast<Limb>(t + borrows * static_cast<std::int64_t>(kBase));
      carry = static_cast<std::int64_t>(high) + borrows;
    }
    const auto sub = static_cast<std::uint64_t>(carry);
    if (u[j + n] < sub) {
      // qHat was one too large: add v back (the carry out of the top limb cancels the
      // borrow taken above).
      --qHat;
      Limb addCarry = 0;
      for (std::size_t i = 0; i < n; ++i) {
        const Limb t = u[i + j] + v[i] + addCarry;
        addCarry = t >= kBase ? 1 : 0;
        u[i + j] = addCarry ? t - static_cast<Limb>(kBase) : t;
      }
      u[j + n] = static_cast<Limb>(std::uint64_t{u[j + n]} + addCarry - sub);
    } else {
      u[j + n] = static_cast<Limb>(u[j + n] - sub);
    }
    quotient[j] = static_cast<Limb>(qHat);
  }
  Trim(quotient);
  return quotient;
}

void MultiplySmall(Natural &n, Limb m) {
  std::uint64_t carry = 0;
  for (Limb &limb : n) {
    const std::uint64_t t = std::uint64_t{limb} * m + carry;
    limb = static_cast<Limb>(t % kBase);
    carry = t / kBase;
  }
  if (carry) n.push_back(static_cast<Limb>(carry));
  Trim(n);
}

Limb DivideSmall(Natural &n, Limb d) {
  std::uint64_t remainder = 0;
  for (std::size_t i = n.size(); i-- > 0;) {
    const std::uint64_t t = remainder * kBase + n[i];
    n[i] = static_cast<Limb>(t / d);
    remainder = t % d;
  }
  Trim(n);
  return static_cast<Limb>(remainder);
}

std::int64_t DigitCount(const Natural &n) {
  if (n.empty()) return 0;
  std::int64_t digits = 9 * static_cast<std::int64_t>(n.size() - 1);
  for (Limb top = n.back(); top > 0; top /= 10) ++digits;
  return digits;
}

Natural ShiftLeftDigits(Natural n, std::int64_t k) {
  if (n.empty() || k <= 0) return n;
  MultiplySmall(n, kPowersOfTen[static_cast<std::size_t>(k % 9)]);
  n.insert(n.begin(), static_cast<std::size_t>(k / 9), 0);
  return n;
}

Natural ShiftRightDigits(Natural n, std::int64_t k) {
  if (k <= 0) return n;
  const auto limbs = static_cast<std::size_t>(k / 9);
  if (limbs >= n.size()) return {};
  n.erase(n.begin(), n.begin() + static_cast<std::ptrdiff_t>(limbs));
  DivideSmall(n, kPowersOfTen[static_cast<std::size_t>(k % 9)]);
  return n;
}

Natural FromInteger(std::uint64_t value) {
  Natural n;
  for (; value > 0; value /= kBase) n.push_back(static_cast<Limb>(value % kBase));
  return n;
}

}  // namespace natural
