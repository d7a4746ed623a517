// The one-argument functions of UnlNum: absolute value, integer part and the
// trigonometric functions of whole degrees.

#include "engine/bignum/unl_num.hpp"
#include "engine/bignum/unl_num_internal.hpp"

using natural::Natural;

namespace {

using Access = UnlNumAccess;

UnlNum Integer(std::uint64_t value) {
  return Access::FromScaled(natural::FromInteger(value), 0, false);
}

// The pi of every trigonometric result: its fourteen decimals bound their accuracy.
const UnlNum &Pi() {
  static const UnlNum pi = [] {
    UnlNum value;
    UnlNum::FromText("3.14159265358979", value);
    return value;
  }();
  return pi;
}

}  // namespace

UnlNum UnlNum::Abs(const UnlNum &x) {
  return ZeroOnExhaustion([&] { return Access::WithSign(x, false); });
}

UnlNum UnlNum::IntPart(const UnlNum &x) {
  return ZeroOnExhaustion([&] {
    UnlNum whole;
    whole.integerGroups_ = x.integerGroups_;
    return Access::WithSign(std::move(whole), x.negative_);
  });
}

UnlNum UnlNum::RoundHalfUp(const UnlNum &v, std::int32_t n) {
  return ZeroOnExhaustion([&] {
    if (n < 0) return UnlNum();
    const std::int64_t decimals = 9 * static_cast<std::int64_t>(v.fractionGroups_.size());
    if (decimals == n) return Abs(v);
    Natural kept = Access::Scaled(v);
    if (decimals < n) {
      kept = natural::ShiftLeftDigits(std::move(kept), n - decimals);
    } else {
      // Keep n decimals; the first digit cut off decides whether the last kept one goes up.
      kept = natural::ShiftRightDigits(std::move(kept), decimals - n - 1);
      if (natural::DivideSmall(kept, 10) >= 5) kept = natural::Add(kept, {1});
    }
    const std::int64_t groups = (std::int64_t{n} + 8) / 9;
    return Access::FromScaled(natural::ShiftLeftDigits(std::move(kept), 9 * groups - n),
                              static_cast<std::size_t>(groups), false);
  });
}

UnlNum::ReducedAngle UnlNum::ReduceAngle(const UnlNum &angle) {
  return ZeroOnExhaustion([&] {
    ReducedAngle reduced{Abs(Mod(angle, Integer(360))), 0};
    for (std::uint64_t end : {90, 180, 270}) {
      if (Compare(reduced.r, Integer(end), true) <= 0) break;
      ++reduced.quadrant;
    }
    reduced.r = Subtract(reduced.r, Integer(90 * static_cast<std::uint64_t>(reduced.quadrant)));
    return reduced;
  });
}

// Each power of x is the previous one times x^2 and each factorial the previous one
// times (a - 1) a: the same exact values (and fraction groups) as building every term
// from scratch, at a fraction of the work.
UnlNum UnlNum::SineSeries(const UnlNum &degrees, std::int32_t places) {
  return ZeroOnExhaustion([&] {
    const UnlNum x = Divide(Multiply(degrees, Pi()), Integer(180), places);
    const UnlNum xSquared = Multiply(x, x);
    UnlNum sum = x;
    UnlNum power = x;
    UnlNum factorial = Integer(1);
    for (std::int32_t i = 2; i <= places; ++i) {
      const std::uint64_t a = 2 * static_cast<std::uint64_t>(i) - 1;
      power = Multiply(power, xSquared);
      factorial = Multiply(Multiply(factorial, Integer(a - 1)), Integer(a));
      const UnlNum term = Divide(power, factorial, places);
      sum = i % 2 == 0 ? Subtract(sum, term) : Add(sum, term);
    }
    return sum;
  });
}

UnlNum UnlNum::Sin(const UnlNum &degrees, std::int32_t places) {
  return ZeroOnExhaustion([&] {
    if (places < 0) return UnlNum();
    const UnlNum angle = IntPart(degrees);
    auto [r, quadrant] = ReduceAngle(angle);
    if (quadrant == 1 || quadrant == 3) r = Subtract(Integer(90), r);
    if (r.IsZero()) return UnlNum();

    UnlNum result = Integer(1);
    if (Compare(r, Integer(90), true) != 0) {
      // Whole multiples of 9 degrees are computed from an angle nudged up by one unit
      // in decimal places + 11, far below the digits the rounding keeps.
      UnlNum v = r;
      if (r.ToInt() % 9 == 0) v = Add(r, Access::UnitAtDecimal(std::int64_t{places} + 11));
      result = RoundHalfUp(SineSeries(v, places), places > INT32_MAX - 2 ? INT32_MAX : places + 2);
    }
    if (quadrant >= 2) result = Access::Negated(std::move(result));
    if (angle.IsNegative()) result = Access::Negated(std::move(result));
    return result;
  });
}

UnlNum UnlNum::Cos(const UnlNum &degrees, std::int32_t places) {
  return ZeroOnExhaustion([&] {
    if (places < 0) return UnlNum();
    const auto [r, quadrant] = ReduceAngle(IntPart(degrees));
    UnlNum result = quadrant % 2 == 0 ? Sin(Subtract(Integer(90), r), places) : Sin(r, places);
    if (quadrant == 1 || quadrant == 2) result = Access::Negated(std::move(result));
    return result;
  });
}

// Tan and Cot mirror each other: in quadrants 0 and 2 the quotient of the reduced angle's
// sine and cosine, in 1 and 3 the other function of the reduced angle, negated; both are
// odd in the angle. The reduced angle stays in quadrant 0, so the two never call each
// other more than once.
UnlNum UnlNum::TanOrCot(const UnlNum &degrees, std::int32_t places, bool cotangent) {
  return ZeroOnExhaustion([&] {
    if (places < 0) return UnlNum();
    const UnlNum angle = IntPart(degrees);
    const auto [r, quadrant] = ReduceAngle(angle);
    UnlNum result;
    if (quadrant % 2 == 0) {
      const UnlNum sine = Sin(r, places);
      const UnlNum cosine = Cos(r, places);
      result = cotangent ? Divide(cosine, sine, places) : Divide(sine, cosine, places);
    } else {
      result = Access::Negated(TanOrCot(r, places, !cotangent));
    }
    if (angle.IsNegative()) result = Access::Negated(std::move(result));
    return result;
  });
}

UnlNum UnlNum::Tan(const UnlNum &degrees, std::int32_t places) {
  return TanOrCot(degrees, places, false);
}

UnlNum UnlNum::Cot(const UnlNum &degrees, std::int32_t places) {
  return TanOrCot(degrees, places, true);
}
