// Rounding to 16-bit coordinates and the checked arithmetic that keeps infinities and NaNs out
// of every result and file.
#include <gtest/gtest.h>

#include <limits>

#include "arithmetic/checked_math.h"
#include "arithmetic/int16_math.h"

namespace {

FaultKind FaultOf(double (*operation)()) {
  try {
    operation();
  } catch (const ArithmeticFault& fault) {
    return fault.kind;
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::Overflow;
}

}  // namespace

TEST(RoundToInt16, HalvesGoToEven) {
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(3.5), 4);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(977.5), 978);
  EXPECT_EQ(RoundToInt16(2022.5), 2022);
  EXPECT_EQ(RoundToInt16(-67.5), -68);
  EXPECT_EQ(RoundToInt16(2.4999999), 2);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
}

TEST(RoundToInt16, OutOfRangeIsAFault) {
  EXPECT_THROW(RoundToInt16(32767.5), ArithmeticFault);
  EXPECT_THROW(RoundToInt16(-32769.0), ArithmeticFault);
  EXPECT_THROW(RoundToInt16(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
  EXPECT_THROW(RoundToInt16(1e300), ArithmeticFault);
}

TEST(Int16Arithmetic, OverflowIsAFault) {
  EXPECT_EQ(Mul16(3, 10922), 32766);
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_THROW(Mul16(3, 10923), ArithmeticFault);
  EXPECT_THROW(Add16(32767, 1), ArithmeticFault);
  EXPECT_THROW(Sub16(-32768, 1), ArithmeticFault);
}

TEST(CheckedMath, EachFaultHasItsCause) {
  EXPECT_EQ(FaultOf([] { return CheckedDiv(1.0, 0.0); }), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return CheckedDiv(0.0, 0.0); }), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return CheckedDiv(1e300, 1e-300); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { return CheckedMul(1e200, 1e200); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { return CheckedSqrt(-1.0); }), FaultKind::InvalidOperation);
  EXPECT_EQ(FaultOf([] {
              return CheckedSub(std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::infinity());
            }),
            FaultKind::InvalidOperation);
  EXPECT_EQ(CheckedDiv(1.0, 4.0), 0.25);
  EXPECT_EQ(CheckedDiv(0.0, -4.0), -0.0);
}
