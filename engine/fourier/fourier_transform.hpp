#pragma once

#include <span>

#include "engine/numeric_array.hpp"

// Discrete Fourier transforms of complex samples held as two arrays, real parts and
// imaginary parts, all worked in place. Every operation checks its arguments first and,
// when they do not fit, returns false with both arrays untouched; it never resizes them.
// The class keeps no state.
//
// The transforms use the angle step 6.2831852 / n rather than 2 pi / n: results differ
// from the exact transform in the eighth digit (the transform of 0, 1, 0, 0 has real parts
// of about +-2.68e-8 where the exact one has 0), and the inverse undoes it all the same.
class FourierTransform {
 public:
  // Largest sample count of Transform, InverseTransform and ApplyWindow.
  static constexpr int kMaxSamples = 8192;

  // Data windows of ApplyWindow, in the order the Fourier window lists them.
  enum WindowType { kRectangle, kParzen, kHanning, kWelch, kHamming, kExactBlackman };

  // The radix-2 fast Fourier transform of re[j] + im[j] i, j < n = re.size(): forward,
  // X[k] = sum of x[j] e^(-i a j k) with a = 6.2831852 / n and no scaling; inverse, the
  // values are first divided by n and the exponent is positive. n must be a power of two
  // and im as long as re; otherwise, or when its tables cannot be allocated, the data are
  // left as they are and the result is false.
  static bool FftInPlace(std::span<double> re, std::span<double> im, bool inverse);

  // The forward or inverse transform of the first n samples; later elements are kept.
  // re and im must be one-dimensional, hold at least n elements each, and n must be a
  // power of two from 1 to 8192.
  static bool Transform(NumericArray &re, NumericArray &im, int n);
  static bool InverseTransform(NumericArray &re, NumericArray &im, int n);

  // Multiplies the first n samples by a data window of the given type (0 to 5, as
  // WindowType); no transform follows. Same preconditions as Transform. Small n can give
  // non-finite weights (n = 1 for the cosine windows, n = 2 for Parzen); they are passed on.
  static bool ApplyWindow(NumericArray &re, NumericArray &im, int n, int type);

  // The power-spectrum periodogram of all n samples (re and im one-dimensional, of the same
  // count n >= 1, a power of two, no upper bound): with h = n / 2, re[0..h] receive the
  // power P[k] and im[0..h] the frequency k / (n dt); elements h + 1 to n - 1 keep the
  // transform values. A dt of 0 gives the frequencies NaN and infinity.
  static bool Periodogram(NumericArray &re, NumericArray &im, double dt);

  // Transforms every row of a grid (forward, or inverse scaled by 1 / column count); the
  // columns are not transformed. re and im must be two-dimensional of the same shape,
  // with at least one row and a power of two of columns.
  static bool Transform2D(NumericArray &re, NumericArray &im, bool inverse);
};
