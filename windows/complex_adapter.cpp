#include "windows/complex_adapter.hpp"

#include "engine/complex/complex_calc.hpp"

namespace {

ComplexCalc Operand(double n) {
  ComplexCalc z;
  z.SetReal(n);
  z.SetImaginary(n);
  return z;
}

ComplexAdapter::Parts PartsOf(const ComplexCalc &z) { return {z.GetReal(), z.GetImaginary()}; }

}  // namespace

ComplexAdapter::Parts ComplexAdapter::Add(double v, double u) const {
  return PartsOf(ComplexCalc::Add(Operand(v), Operand(u)));
}

ComplexAdapter::Parts ComplexAdapter::Subtract(double v, double u) const {
  return PartsOf(ComplexCalc::Subtract(Operand(v), Operand(u)));
}

ComplexAdapter::Parts ComplexAdapter::Multiply(double v, double u) const {
  return PartsOf(ComplexCalc::Multiply(Operand(v), Operand(u)));
}

ComplexAdapter::Parts ComplexAdapter::Divide(double v, double u) const {
  return PartsOf(ComplexCalc::Divide(Operand(v), Operand(u)));
}

ComplexAdapter::Parts ComplexAdapter::Exp(double /*v*/, double u) const {
  return PartsOf(ComplexCalc::Exp(Operand(u)));
}

double ComplexAdapter::Modulus(double v) const { return ComplexCalc::Modulus(Operand(v)); }

double ComplexAdapter::Angle(double v) const { return ComplexCalc::Angle(Operand(v)); }
