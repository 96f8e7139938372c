// Arithmetic modulo 2^61 − 1 and 2^61 − 229: coordinates taken in exactly (fractions, negative
// values, subnormal numbers, differences that single precision rounds), sums of products past
// the reduction interval, and inverses.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

#include "arithmetic/prime_field.h"

TEST(PrimeField, FloatsAreTheExactBinaryFractionsTheyHold) {
  for (const PrimeField field : {PrimeField(1), PrimeField(229)}) {
    SCOPED_TRACE(field.prime());
    // value = integer / 2^shift, checked as OfFloat(value)·2^shift = integer.
    struct Case {
      float value;
      int64_t integer;
      uint64_t shift;
    };
    const Case cases[] = {
        {0.0f, 0, 0},
        {-0.0f, 0, 0},
        {300.0f, 300, 0},
        {0.5f, 1, 1},
        {-0.75f, -3, 2},
        {1000.1f, 8192819, 13},             // 1000.1f = 8192819 / 2^13
        {std::ldexp(3.0f, -140), 3, 140},   // subnormal
        {std::ldexp(1.0f, -149), 1, 149},   // the smallest subnormal
        {-FLT_MIN, -1, 126},
    };
    for (const Case& c : cases) {
      EXPECT_EQ(field.Mul(field.OfFloat(c.value), field.Power(2, c.shift)),
                field.OfInteger(c.integer))
          << c.value;
    }
    // The largest float, (2^24 − 1)·2^104.
    EXPECT_EQ(field.OfFloat(FLT_MAX),
              field.Mul(field.OfInteger((1 << 24) - 1), field.Power(2, 104)));
    // 2^24 − 0.5 rounds to 2^24 in single precision; in the field the difference stays exact.
    const uint64_t difference = field.Sub(field.OfFloat(16777216.0f), field.OfFloat(0.5f));
    EXPECT_EQ(field.Mul(difference, 2), field.OfInteger(33554431));
  }
}

TEST(PrimeField, LongSumsOfLargestProductsAndInverses) {
  for (const PrimeField field : {PrimeField(1), PrimeField(229)}) {
    SCOPED_TRACE(field.prime());
    const uint64_t largest = field.prime() - 1;  // −1, so every product is 1
    const std::vector<uint64_t> terms(200, largest);
    for (size_t count : {size_t{62}, size_t{63}, size_t{64}, size_t{126}, size_t{200}}) {
      EXPECT_EQ(DotProduct(field, terms.data(), terms.data(), count), count) << count;
    }
    // 2^128 − 1, the largest sum a reduction can meet.
    const uint64_t twoTo64 = field.Power(2, 64);
    EXPECT_EQ(field.Reduce(~Uint128{0}), field.Sub(field.Mul(twoTo64, twoTo64), 1));
    for (uint64_t a : {uint64_t{2}, uint64_t{250000}, largest, field.prime() / 3}) {
      EXPECT_EQ(field.Mul(a, field.Inverse(a)), 1u) << a;
    }
  }
}
