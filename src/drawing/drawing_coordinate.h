// Conversion of computed drawing positions to the 16-bit coordinates of the drawing lists:
// round to nearest with halves to even, then saturate at -32768 / 32767, so that a model or a
// result far outside the drawing area lands on its edge instead of wrapping around.
#pragma once

#include <cstdint>

#include "arithmetic/checked_math.h"
#include "arithmetic/int16_math.h"

// A computed position in twips. An infinity or NaN (an overflow upstream) throws ArithmeticFault.
inline int16_t ToCoordinate(double twips) {
  const double rounded = RoundHalfEven(CheckFinite(twips));
  if (rounded < -32768.0) return INT16_MIN;
  if (rounded > 32767.0) return INT16_MAX;
  return static_cast<int16_t>(rounded);
}

// An integer coordinate moved by a computed offset: the offset is rounded on its own first, then
// added, as the member lines carry the view offsets and the diagrams offset from them.
inline int16_t ShiftCoordinate(int16_t base, double offset) {
  return ToCoordinate(static_cast<double>(base) + RoundHalfEven(CheckFinite(offset)));
}
