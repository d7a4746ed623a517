#pragma once

#include "engine/numeric_array.hpp"

// The Fourier window's way to FourierTransform. Each operation works in place on the
// program's arrays, with the element count of re as the sample count. When the transform
// refuses the data it returns false and leaves both arrays empty, so that no half-read
// data set is mistaken for a result.
class FourierAdapter {
 public:
  bool Transform(NumericArray &re, NumericArray &im) const;
  bool InverseTransform(NumericArray &re, NumericArray &im) const;
  bool ApplyWindow(NumericArray &re, NumericArray &im, int type) const;
  bool Transform2D(NumericArray &re, NumericArray &im, bool inverse) const;
  bool Periodogram(NumericArray &re, NumericArray &im, double dt) const;
};
