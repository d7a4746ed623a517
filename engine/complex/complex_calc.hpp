#pragma once

// A complex number of two doubles with the four arithmetic operations, the complex
// exponential, the modulus and the polar angle. The operations read only their arguments
// and return new values: they may be called on any object, or on none.
class ComplexCalc {
 public:
  ComplexCalc() = default;
  ComplexCalc(double real, double imaginary) : real_(real), imaginary_(imaginary) {}

  bool SetReal(double v) {
    real_ = v;
    return true;
  }
  bool SetImaginary(double v) {
    imaginary_ = v;
    return true;
  }
  double GetReal() const { return real_; }
  double GetImaginary() const { return imaginary_; }

  static ComplexCalc Add(const ComplexCalc &a, const ComplexCalc &b);
  static ComplexCalc Subtract(const ComplexCalc &a, const ComplexCalc &b);
  static ComplexCalc Multiply(const ComplexCalc &a, const ComplexCalc &b);
  // No test for a zero divisor: dividing by 0 + 0i gives NaN in both parts.
  static ComplexCalc Divide(const ComplexCalc &a, const ComplexCalc &b);
  static ComplexCalc Exp(const ComplexCalc &z);
  static double Modulus(const ComplexCalc &z);
  // The polar angle in [0, 2 pi). A part whose magnitude is at most 1e-20 counts as zero,
  // so 0 + 0i (and anything as small) has the angle 0. NaN when a part is NaN.
  static double Angle(const ComplexCalc &z);

 private:
  double real_ = 0.0;
  double imaginary_ = 0.0;
};
