#pragma once

// The complex-number window's way to ComplexCalc. Each operand box of the window holds one
// number n, which stands for the complex number n + n i: the same number is both parts.
class ComplexAdapter {
 public:
  struct Parts {
    double re = 0.0;
    double im = 0.0;
  };

  // v (1 + i) combined with u (1 + i).
  Parts Add(double v, double u) const;
  Parts Subtract(double v, double u) const;
  Parts Multiply(double v, double u) const;
  Parts Divide(double v, double u) const;
  // e raised to u (1 + i): the first operand plays no part in it.
  Parts Exp(double v, double u) const;

  // The length and the polar angle of v (1 + i).
  double Modulus(double v) const;
  double Angle(double v) const;
};
