#include "prime_field.h"

#include <cmath>
#include <stdexcept>

uint64_t PrimeField::Power(uint64_t base, uint64_t exponent) const {
  uint64_t result = 1;
  while (exponent != 0) {
    if ((exponent & 1) != 0) result = Mul(result, base);
    base = Mul(base, base);
    exponent >>= 1;
  }
  return result;
}

uint64_t PrimeField::OfInteger(int64_t value) const {
  // The magnitude as unsigned, so that the most negative value has one too.
  const uint64_t magnitude =
      value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const uint64_t residue = magnitude % p_;
  return value < 0 && residue != 0 ? p_ - residue : residue;
}

// frexp gives value = f·2^e with 0.5 <= |f| < 1 (normalising subnormal numbers too), so f·2^24
// is an integer of at most 24 bits and the scaling by 2^24 is exact.
uint64_t PrimeField::OfFloat(float value) const {
  if (!std::isfinite(value)) throw std::invalid_argument("PrimeField: a number that is not finite");
  int exponent = 0;
  const float fraction = std::frexp(value, &exponent);
  const auto mantissa = static_cast<int64_t>(std::ldexp(fraction, 24));
  exponent -= 24;
  const uint64_t two = exponent >= 0 ? 2 : (p_ + 1) / 2;  // 2 or its inverse
  const auto magnitude = static_cast<uint64_t>(exponent >= 0 ? exponent : -exponent);
  return Mul(OfInteger(mantissa), Power(two, magnitude));
}
