// The number texts of the report, the trace and the work files, checked against the patterns
// the files must hold byte for byte.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

TEST(FormatFixed5, RoundsCorrectlyAndDropsTheSignOfZero) {
  EXPECT_EQ(FormatFixed5(1.0), "1.00000");
  EXPECT_EQ(FormatFixed5(10.0), "10.00000");
  EXPECT_EQ(FormatFixed5(0.123456), "0.12346");
  EXPECT_EQ(FormatFixed5(12.5), "12.50000");
  EXPECT_EQ(FormatFixed5(-3.0), "-3.00000");
  EXPECT_EQ(FormatFixed5(-10.714285714), "-10.71429");
  EXPECT_EQ(FormatFixed5(0.0123456), "0.01235");
  EXPECT_EQ(FormatFixed5(1.23456), "1.23456");
  EXPECT_EQ(FormatFixed5(0.0), "0.00000");
  EXPECT_EQ(FormatFixed5(-0.0), "0.00000");
  EXPECT_EQ(FormatFixed5(-0.000004), "0.00000");
  EXPECT_EQ(FormatFixed5(-4.44e-16), "0.00000");
  EXPECT_EQ(FormatFixed5(-0.000005), "-0.00001");  // binary value lies just above the half
  // No double lies exactly halfway at the fifth decimal: the binary value decides.
  EXPECT_EQ(FormatFixed5(1.000005), "1.00001");   // 1.00000500000000003...
  EXPECT_EQ(FormatFixed5(2.675e-5), "0.00003");
  EXPECT_EQ(FormatFixed5(0.000015), "0.00002");   // 1.50000000000000004e-05
  EXPECT_EQ(FormatFixed5(1e20), "100000000000000000000.00000");
  // The trace's space check counts these lengths without writing the texts.
  for (const double value : {1.0, 9.999995, 9.999994, -99999.999996, 0.5, -0.000004, -0.000005,
                             0.000015, 1e20, 0x1p50 / 1e5, -1e300, 123456.78901}) {
    EXPECT_EQ(Fixed5Length(value), FormatFixed5(value).size()) << value;
  }
}

TEST(FormatGeneral15, MatchesPercent15G) {
  EXPECT_EQ(FormatGeneral15(350000.0), "350000");
  EXPECT_EQ(FormatGeneral15(2100000.0 * 400.0 * 12.0 / 27000000.0), "373.333333333333");
  EXPECT_EQ(FormatGeneral15(2.5), "2.5");
  EXPECT_EQ(FormatGeneral15(0.1), "0.1");
  EXPECT_EQ(FormatGeneral15(1.5e-7), "1.5E-07");
  EXPECT_EQ(FormatGeneral15(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral15(0.00001), "1E-05");
  EXPECT_EQ(FormatGeneral15(1e15), "1E+15");
  EXPECT_EQ(FormatGeneral15(999999999999999.0), "999999999999999");
  EXPECT_EQ(FormatGeneral15(-0.125), "-0.125");
  EXPECT_EQ(FormatGeneral15(1e300), "1E+300");
  EXPECT_EQ(FormatGeneral15(-0.0), "0");
  EXPECT_EQ(FormatGeneral15(0.999999999999996), "0.999999999999996");
  EXPECT_EQ(FormatGeneral15(0.9999999999999996), "1");
}

TEST(FormatWorkValue, PutsTheSignInItsPlaceAndOneTrailingBlank) {
  EXPECT_EQ(FormatWorkValue(2.5), " 2.5 ");
  EXPECT_EQ(FormatWorkValue(-0.125), "-0.125 ");
  EXPECT_EQ(FormatWorkValue(0.0), " 0 ");
  EXPECT_EQ(FormatWorkValue(-0.0), " 0 ");
  EXPECT_EQ(FormatWorkValue(300.0), " 300 ");
  EXPECT_EQ(FormatWorkValue(-1.5e-7), "-1.5E-07 ");
}

TEST(FormatSingle, MatchesPercent7GOfTheFloat) {
  EXPECT_EQ(FormatSingle(150.0f), "150");
  EXPECT_EQ(FormatSingle(0.5f), "0.5");
  EXPECT_EQ(FormatSingle(2100000.0f), "2100000");
  EXPECT_EQ(FormatSingle(1e7f), "1E+07");
  EXPECT_EQ(FormatSingle(-1000.0f), "-1000");
  EXPECT_EQ(FormatSingle(0.1f), "0.1");  // 0.100000001490116 as a double
  EXPECT_EQ(FormatSingle(12345678.0f), "1.234568E+07");
  EXPECT_EQ(FormatSingle(0.0001f), "0.0001");
  EXPECT_EQ(FormatSingle(0.00001f), "1E-05");
  EXPECT_EQ(FormatSingle(-0.0f), "0");
}

TEST(FormatMegabytes, RoundsUpToWholeMegabytes) {
  EXPECT_EQ(FormatMegabytes(0), "0 MB");
  EXPECT_EQ(FormatMegabytes(1), "1 MB");
  EXPECT_EQ(FormatMegabytes(1048576), "1 MB");
  EXPECT_EQ(FormatMegabytes(1048577), "2 MB");
  EXPECT_EQ(FormatMegabytes(uint64_t{30} << 30), "30720 MB");
}

// Bytes below a megabyte; above, a size needed rounds up and the room there is rounds down.
TEST(FormatFileSize, BytesThenMegabytesRoundedAgainstTheShortfall) {
  EXPECT_EQ(FormatFileSize(1048575, SizeRounding::Up), "1048575 バイト");
  EXPECT_EQ(FormatFileSize(1048577, SizeRounding::Up), "2 MB");
  EXPECT_EQ(FormatFileSize(2097151, SizeRounding::Down), "1 MB");
}

TEST(FormatInteger, PlainDecimal) {
  EXPECT_EQ(FormatInteger(12), "12");
  EXPECT_EQ(FormatInteger(-32768), "-32768");
  EXPECT_EQ(FormatInteger(0), "0");
}

// The texts are formatted straight into buffers; printf is the reference they must equal byte
// for byte, over values of every magnitude, both signs and both kinds of rounding edge.
TEST(NumberTexts, EqualPrintfOverManyValues) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-20, 20);
  char expected[512];
  for (int i = 0; i < 200000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    std::snprintf(expected, sizeof expected, "%.5f", value);
    std::string fixed = expected;
    if (fixed == "-0.00000") fixed = "0.00000";
    ASSERT_EQ(FormatFixed5(value), fixed) << value;
    std::snprintf(expected, sizeof expected, "%.15G", value);
    ASSERT_EQ(FormatGeneral15(value), expected) << value;
    const float single = static_cast<float>(value);
    std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
    ASSERT_EQ(FormatSingle(single), expected) << single;
  }
}

// The trace's numbers take an exact integer path unless they lie near a half of the fifth
// decimal: values at (k + 0.5)·1e-5 and their closest neighbours, of the magnitudes a stiffness
// matrix and its factors hold, must still round as printf rounds the binary value.
TEST(FormatFixed5, EqualsPrintfNextToEveryHalfOfTheFifthDecimal) {
  std::mt19937_64 random(2024);
  std::uniform_int_distribution<int64_t> wholeUnits(0, int64_t{1} << 50);
  std::uniform_int_distribution<int> digits(0, 15);
  char expected[512];
  for (int i = 0; i < 100000; ++i) {
    const int64_t units = wholeUnits(random) % static_cast<int64_t>(std::pow(10.0, digits(random)));
    double value = (static_cast<double>(units) + 0.5) / 1e5;
    if (i % 2 == 1) value = -value;
    for (int step = -3; step <= 3; ++step) {
      double near = value;
      for (int k = 0; k < std::abs(step); ++k) near = std::nextafter(near, step < 0 ? -1e300 : 1e300);
      std::snprintf(expected, sizeof expected, "%.5f", near);
      std::string fixed = expected;
      if (fixed == "-0.00000") fixed = "0.00000";
      ASSERT_EQ(FormatFixed5(near), fixed) << near;
    }
  }
  EXPECT_EQ(FormatFixed5(11258999068.42623), "11258999068.42623");  // just below 2^50 units
  EXPECT_EQ(FormatFixed5(-2.5e-6), "0.00000");
  EXPECT_EQ(FormatFixed5(std::numeric_limits<double>::denorm_min()), "0.00000");
  EXPECT_EQ(FormatFixed5(-std::numeric_limits<double>::max()).size(), 316u);
}
