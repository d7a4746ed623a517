#include "windows/fourier_adapter.hpp"

#include <limits>

#include "engine/fourier/fourier_transform.hpp"

namespace {

// The sample count the transform is asked for. A count beyond int cannot be a valid one;
// -1 makes the transform refuse it instead of wrapping round to some other count.
int SampleCount(const NumericArray &re) {
  return re.Size() <= static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? static_cast<int>(re.Size())
             : -1;
}

bool EmptiedOnRefusal(bool done, NumericArray &re, NumericArray &im) {
  if (!done) re = im = NumericArray();
  return done;
}

}  // namespace

bool FourierAdapter::Transform(NumericArray &re, NumericArray &im) const {
  return EmptiedOnRefusal(FourierTransform::Transform(re, im, SampleCount(re)), re, im);
}

bool FourierAdapter::InverseTransform(NumericArray &re, NumericArray &im) const {
  return EmptiedOnRefusal(FourierTransform::InverseTransform(re, im, SampleCount(re)), re, im);
}

bool FourierAdapter::ApplyWindow(NumericArray &re, NumericArray &im, int type) const {
  return EmptiedOnRefusal(FourierTransform::ApplyWindow(re, im, SampleCount(re), type), re, im);
}

bool FourierAdapter::Transform2D(NumericArray &re, NumericArray &im, bool inverse) const {
  return EmptiedOnRefusal(FourierTransform::Transform2D(re, im, inverse), re, im);
}

bool FourierAdapter::Periodogram(NumericArray &re, NumericArray &im, double dt) const {
  return EmptiedOnRefusal(FourierTransform::Periodogram(re, im, dt), re, im);
}
