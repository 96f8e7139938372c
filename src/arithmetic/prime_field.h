// Exact arithmetic modulo a prime p = 2^61 − c (c small): residues below p, products reduced by
// folding the bits above 2^61 back in times c, and the embedding of a single-precision number,
// a binary fraction m·2^e, as the residue it is congruent to. The mechanism check decides ranks
// with it where floating point could only guess.
#pragma once

#include <cstddef>
#include <cstdint>

__extension__ typedef unsigned __int128 Uint128;

class PrimeField {
 public:
  // p = 2^61 − c; c must be odd, at most 255, and leave p prime.
  explicit constexpr PrimeField(uint64_t c) : c_(c), p_((uint64_t{1} << 61) - c) {}

  uint64_t prime() const { return p_; }

  // x mod p for any 128-bit x. Two folds, each replacing h·2^61 + l by h·c + l: from below 2^128
  // to below 2^67·c + 2^61 < 2^76, then to below 2^15·c + 2^61 < p + 2^24, so one subtraction
  // of p ends below p.
  uint64_t Reduce(Uint128 x) const {
    constexpr uint64_t kLow = (uint64_t{1} << 61) - 1;
    if (c_ == 1) {  // the Mersenne prime the check tries first: no products by c
      x = (x >> 61) + (x & kLow);
      x = (x >> 61) + (x & kLow);
    } else {
      x = (x >> 61) * c_ + (x & kLow);
      x = (x >> 61) * c_ + (x & kLow);
    }
    auto r = static_cast<uint64_t>(x);
    return r >= p_ ? r - p_ : r;
  }
  uint64_t Add(uint64_t a, uint64_t b) const {
    const uint64_t sum = a + b;  // below 2^62, no wrap
    return sum >= p_ ? sum - p_ : sum;
  }
  uint64_t Sub(uint64_t a, uint64_t b) const { return a >= b ? a - b : a + (p_ - b); }
  uint64_t Mul(uint64_t a, uint64_t b) const { return Reduce(static_cast<Uint128>(a) * b); }
  uint64_t Power(uint64_t base, uint64_t exponent) const;
  // a⁻¹ = a^(p−2) (Fermat); needs a ≠ 0.
  uint64_t Inverse(uint64_t a) const { return Power(a, p_ - 2); }

  uint64_t OfInteger(int64_t value) const;
  // The residue of a finite float, exactly: m·2^e with m a 24-bit integer, 2^e for e < 0 taken
  // as a power of the inverse of 2. Subnormal numbers, −0 and 0 included.
  uint64_t OfFloat(float value) const;

 private:
  uint64_t c_;
  uint64_t p_;
};

// Reductions: every residue is below p < 2^61, so a product is below 2^122, and a sum that
// starts below 2^61 stays below 2^128 for kTermsPerReduction more products:
// 2^61 + 63·(p − 1)² < 2^61 + 63·2^122 < 2^128.
inline constexpr size_t kTermsPerReduction = 63;

// Σ a[t]·b[t] mod p over t = 0 .. count − 1, reduced once every kTermsPerReduction products.
// The products alternate between two sums, so that two multiplications are in flight at once;
// together they hold one chunk, within the bound above. Inline: the elimination calls it once
// per matrix entry, mostly for rows of a few dozen entries.
inline uint64_t DotProduct(const PrimeField& field, const uint64_t* a, const uint64_t* b,
                           size_t count) {
  uint64_t sum = 0;
  while (count != 0) {
    const size_t chunk = count < kTermsPerReduction ? count : kTermsPerReduction;
    Uint128 even = sum;
    Uint128 odd = 0;
    size_t t = 0;
    for (; t + 1 < chunk; t += 2) {
      even += static_cast<Uint128>(a[t]) * b[t];
      odd += static_cast<Uint128>(a[t + 1]) * b[t + 1];
    }
    if (t < chunk) even += static_cast<Uint128>(a[t]) * b[t];
    sum = field.Reduce(even + odd);
    a += chunk;
    b += chunk;
    count -= chunk;
  }
  return sum;
}
