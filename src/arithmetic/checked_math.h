// Checked double-precision operations: the analysis never carries an infinity or a NaN on.
// Each returns the IEEE result when it is finite and throws ArithmeticFault otherwise.
#pragma once

#include <cmath>

#include "arithmetic_fault.h"

// A finite value passes; an infinity is an overflow, a NaN an invalid operation.
inline double CheckFinite(double value) {
  if (std::isfinite(value)) return value;
  throw ArithmeticFault{std::isnan(value) ? FaultKind::InvalidOperation : FaultKind::Overflow};
}

// a / b; b == 0 is a division by zero whatever a is (0 / 0 included).
inline double CheckedDiv(double a, double b) {
  if (b == 0.0) throw ArithmeticFault{FaultKind::DivisionByZero};
  return CheckFinite(a / b);
}

inline double CheckedMul(double a, double b) { return CheckFinite(a * b); }
inline double CheckedAdd(double a, double b) { return CheckFinite(a + b); }
inline double CheckedSub(double a, double b) { return CheckFinite(a - b); }

// Square root of a negative number is an invalid operation.
inline double CheckedSqrt(double a) {
  if (a < 0.0) throw ArithmeticFault{FaultKind::InvalidOperation};
  return CheckFinite(std::sqrt(a));
}

// Single-precision product, as the member stiffness forms A*E and E*k*I. Widening to double
// keeps an infinity or a NaN as it is, so the double check serves.
inline float CheckedMulF(float a, float b) {
  const float product = a * b;
  CheckFinite(static_cast<double>(product));
  return product;
}
