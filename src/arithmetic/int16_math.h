// 16-bit signed integer arithmetic of the stores (counts, positions, coordinates, degrees of
// freedom). Every conversion of a computed value rounds to nearest with halves to even; a result
// outside -32768..32767 throws ArithmeticFault instead of wrapping around.
#pragma once

#include <cmath>
#include <cstdint>

#include "arithmetic_fault.h"

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline double RoundHalfEven(double value) { return std::nearbyint(value); }

inline bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

inline int16_t RoundToInt16(double value) {
  if (std::isnan(value)) throw ArithmeticFault{FaultKind::InvalidOperation};
  const double rounded = RoundHalfEven(value);
  if (!FitsInt16(rounded)) throw ArithmeticFault{FaultKind::Int16Overflow};
  return static_cast<int16_t>(rounded);
}

inline int16_t CheckedInt16(long value) {
  if (value < -32768 || value > 32767) throw ArithmeticFault{FaultKind::Int16Overflow};
  return static_cast<int16_t>(value);
}

inline int16_t Add16(long a, long b) { return CheckedInt16(a + b); }
inline int16_t Sub16(long a, long b) { return CheckedInt16(a - b); }
inline int16_t Mul16(long a, long b) { return CheckedInt16(a * b); }
