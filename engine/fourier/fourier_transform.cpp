#include "engine/fourier/fourier_transform.hpp"

#include <cmath>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace {

using Extended = long double;

// The angle step of the transform is this constant over n, not 2 pi over n.
constexpr double kTransformCircle = 6.2831852;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;

bool IsPowerOfTwo(std::size_t n) { return n > 0 && (n & (n - 1)) == 0; }

// The twiddle factors of one transform size and direction. Building them is the only
// allocation of a transform, done before any data are touched.
struct Twiddles {
  Twiddles(std::size_t n, bool inverse) : cos(n), sin(n) {
    const double step = kTransformCircle / static_cast<double>(n);
    const Extended sign = inverse ? 1 : -1;
    for (std::size_t k = 0; k < n; ++k) {
      const Extended angle = static_cast<Extended>(k) * step;
      cos[k] = static_cast<double>(std::cos(angle));
      sin[k] = static_cast<double>(sign * std::sin(angle));
    }
  }
  std::vector<double> cos, sin;
};

// The radix-2 decimation-in-time transform of one sequence with tables of its size.
void Butterflies(std::span<double> re, std::span<double> im, const Twiddles &twiddles,
                 bool inverse) {
  const std::size_t n = re.size();
  if (inverse) {
    for (std::size_t j = 0; j < n; ++j) {
      re[j] /= static_cast<double>(n);
      im[j] /= static_cast<double>(n);
    }
  }

  for (std::size_t i = 0, j = 0; i + 1 < n; ++i) {
    if (i < j) {
      std::swap(re[i], re[j]);
      std::swap(im[i], im[j]);
    }
    std::size_t k = n / 2;
    while (k <= j) {
      j -= k;
      k /= 2;
    }
    j += k;
  }

  for (std::size_t half = 1; half < n; half *= 2) {
    const std::size_t group = 2 * half, stride = n / group;
    for (std::size_t l = 0; l < half; ++l) {
      const Extended c = twiddles.cos[l * stride], s = twiddles.sin[l * stride];
      for (std::size_t q = l; q < n; q += group) {
        const std::size_t r = q + half;
        // The first factor of every group is exactly 1.
        const Extended t = l == 0 ? re[r] : c * re[r] - s * im[r];
        const Extended u = l == 0 ? im[r] : s * re[r] + c * im[r];
        re[r] = static_cast<double>(re[q] - t);
        im[r] = static_cast<double>(im[q] - u);
        re[q] = static_cast<double>(t + re[q]);
        im[q] = static_cast<double>(u + im[q]);
      }
    }
  }
}

bool IsOneDimensional(const NumericArray &a) { return a.DimensionCount() == 1; }

// The preconditions shared by Transform, InverseTransform and ApplyWindow.
bool FitsTransform(const NumericArray &re, const NumericArray &im, int n) {
  return IsOneDimensional(re) && IsOneDimensional(im) && n >= 1 &&
         n <= FourierTransform::kMaxSamples && IsPowerOfTwo(static_cast<std::size_t>(n)) &&
         re.Count(0) >= n && im.Count(0) >= n;
}

Extended WindowWeight(int type, Extended i, Extended n) {
  switch (type) {
    case FourierTransform::kParzen:
      return 1 - std::abs((i - 0.5 * (n - 1)) / (0.5 * n - 1));
    case FourierTransform::kHanning:
      return 0.5 * (1 - std::cos(kTwoPi * i / (n - 1)));
    case FourierTransform::kWelch: {
      const Extended v = (i - 0.5 * (n - 1)) / (0.5 * (n + 1));
      return 1 - v * v;
    }
    case FourierTransform::kHamming:
      return 0.54 - 0.46 * std::cos(kTwoPi * i / (n - 1));
    case FourierTransform::kExactBlackman:
      return 0.42 - 0.5 * std::cos(kTwoPi * i / (n - 1)) + 0.08 * std::cos(kFourPi * i / (n - 1));
    default:
      return 1;
  }
}

Extended SquaredModulus(Extended re, Extended im) { return re * re + im * im; }

}  // namespace

bool FourierTransform::FftInPlace(std::span<double> re, std::span<double> im, bool inverse) {
  if (!IsPowerOfTwo(re.size()) || im.size() != re.size()) return false;
  try {
    const Twiddles twiddles(re.size(), inverse);
    Butterflies(re, im, twiddles, inverse);
    return true;
  } catch (const std::bad_alloc &) {
    return false;
  }
}

bool FourierTransform::Transform(NumericArray &re, NumericArray &im, int n) {
  if (!FitsTransform(re, im, n)) return false;
  const auto count = static_cast<std::size_t>(n);
  return FftInPlace(re.Values().first(count), im.Values().first(count), false);
}

bool FourierTransform::InverseTransform(NumericArray &re, NumericArray &im, int n) {
  if (!FitsTransform(re, im, n)) return false;
  const auto count = static_cast<std::size_t>(n);
  return FftInPlace(re.Values().first(count), im.Values().first(count), true);
}

bool FourierTransform::ApplyWindow(NumericArray &re, NumericArray &im, int n, int type) {
  if (!FitsTransform(re, im, n) || type < kRectangle || type > kExactBlackman) return false;
  if (type == kRectangle) return true;
  for (int i = 0; i < n; ++i) {
    const Extended w = WindowWeight(type, i, n);
    const auto j = static_cast<std::size_t>(i);
    re[j] = static_cast<double>(re[j] * w);
    im[j] = static_cast<double>(im[j] * w);
  }
  return true;
}

bool FourierTransform::Periodogram(NumericArray &re, NumericArray &im, double dt) {
  if (!IsOneDimensional(re) || !IsOneDimensional(im) || re.Count(0) != im.Count(0) ||
      !IsPowerOfTwo(re.Size())) {
    return false;
  }
  if (!FftInPlace(re.Values(), im.Values(), false)) return false;

  // In place: P[k] needs X[k], read before it is overwritten, and X[n - k], which lies above
  // h and is never overwritten.
  const std::size_t n = re.Size(), h = n / 2;
  const Extended scale = 1 / (static_cast<Extended>(n) * n);
  const Extended span = static_cast<Extended>(n) * dt;
  for (std::size_t k = 0; k <= h; ++k) {
    Extended power = SquaredModulus(re[k], im[k]);
    if (k != 0 && k != h) power += SquaredModulus(re[n - k], im[n - k]);
    re[k] = static_cast<double>(power * scale);
    im[k] = static_cast<double>(static_cast<Extended>(k) / span);
  }
  return true;
}

bool FourierTransform::Transform2D(NumericArray &re, NumericArray &im, bool inverse) {
  if (re.DimensionCount() != 2 || im.DimensionCount() != 2 || re.Counts() != im.Counts() ||
      re.Count(0) < 1 || re.Count(1) < 1 || !IsPowerOfTwo(static_cast<std::size_t>(re.Count(1)))) {
    return false;
  }
  const auto rows = static_cast<std::size_t>(re.Count(0));
  const auto columns = static_cast<std::size_t>(re.Count(1));
  try {
    // One set of tables serves every row, so a failed allocation leaves the whole grid as
    // it was.
    const Twiddles twiddles(columns, inverse);
    for (std::size_t r = 0; r < rows; ++r) {
      Butterflies(re.Values().subspan(r * columns, columns),
                  im.Values().subspan(r * columns, columns), twiddles, inverse);
    }
    return true;
  } catch (const std::bad_alloc &) {
    return false;
  }
}
