#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

// std::to_chars with a precision rounds the exact binary value as printf does in the "C" locale,
// and formats straight into a buffer, which matters for the trace file's millions of numbers.

namespace {

// Fixed-point text of a value whose every number text fits: "0.00000" of 1e308 has 315 chars.
constexpr size_t kBufferSize = 400;
static_assert(kFixed5MaxChars <= kBufferSize);

// Hundred-thousandths below which WriteFixed5 takes its exact integer path.
constexpr double kExactPathLimit = 0x1p50;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

int DecimalDigitCount(uint64_t value) {
  int count = 1;
  for (; value >= 100; value /= 100) count += 2;
  return count + (value >= 10 ? 1 : 0);
}

// Writes `value` as `count` digits ending just before `end`, two at a time.
void WriteDigitsBefore(char* end, uint64_t value, int count) {
  for (; count >= 2; count -= 2) {
    end -= 2;
    std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
    value /= 100;
  }
  if (count == 1) end[-1] = static_cast<char>('0' + value);
}

// The text of `units` hundred-thousandths: the whole part, the point and five decimals.
char* WriteHundredThousandths(char* out, uint64_t units, bool negative) {
  if (negative) *out++ = '-';
  const uint64_t wholePart = units / 100000;
  const int wholeDigits = DecimalDigitCount(wholePart);
  char* point = out + wholeDigits;
  WriteDigitsBefore(point, wholePart, wholeDigits);
  *point = '.';
  WriteDigitsBefore(point + 6, units % 100000, 5);
  return point + 6;
}

// "%.5f" of the exact binary value through std::to_chars, which rounds as printf does.
char* WriteFixed5ByToChars(char* out, double value) {
  const auto result = std::to_chars(out, out + kFixed5MaxChars, value, std::chars_format::fixed, 5);
  const size_t length = static_cast<size_t>(result.ptr - out);
  if (length == 8 && std::memcmp(out, "-0.00000", 8) == 0) {  // rounds to zero: no sign
    std::memcpy(out, "0.00000", 7);
    return out + 7;
  }
  return result.ptr;
}

// C's "%.<precision>G": fixed or exponent form by the magnitude, no trailing zeros, an uppercase
// E. Zero of either sign is "0": the files never show "-0".
void AppendGeneral(std::string& out, double value, int precision) {
  if (value == 0.0) {
    out += '0';
    return;
  }
  char buffer[kBufferSize];
  const auto result =
      std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::general, precision);
  for (char* p = buffer; p < result.ptr; ++p) {
    if (*p == 'e') *p = 'E';
  }
  out.append(buffer, result.ptr);
}

}  // namespace

// The exact path: |value|·1e5 is rounded to the double `scaled`. Below 2^50 every half k + 0.5
// is itself a double, and rounding to the nearest double keeps order, so the exact product lies
// on the same side of each half as `scaled` unless `scaled` is that half. Away from a half the
// exact value thus rounds to the same whole hundred-thousandths as `scaled` (the integer part and
// the fraction are exact); a half itself, large magnitudes, NaN and infinity go to std::to_chars.
char* WriteFixed5(char* out, double value) {
  const double scaled = std::fabs(value) * 1e5;
  if (scaled < kExactPathLimit) {
    const auto whole = static_cast<int64_t>(scaled);  // truncation: the floor of a magnitude
    const double fraction = scaled - static_cast<double>(whole);
    if (fraction != 0.5) {
      const auto units = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
      return WriteHundredThousandths(out, units, units != 0 && value < 0.0);
    }
  }
  return WriteFixed5ByToChars(out, value);
}

size_t Fixed5Length(double value) {
  const double scaled = std::fabs(value) * 1e5;
  if (scaled < kExactPathLimit) {
    const auto whole = static_cast<int64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (fraction != 0.5) {
      const auto units = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
      const size_t sign = units != 0 && value < 0.0 ? 1 : 0;
      return sign + static_cast<size_t>(DecimalDigitCount(units / 100000)) + 6;
    }
  }
  char buffer[kFixed5MaxChars];
  return static_cast<size_t>(WriteFixed5ByToChars(buffer, value) - buffer);
}

void AppendFixed5(std::string& out, double value) {
  char buffer[kFixed5MaxChars];
  out.append(buffer, WriteFixed5(buffer, value));
}

std::string FormatFixed5(double value) {
  std::string out;
  AppendFixed5(out, value);
  return out;
}

std::string FormatGeneral15(double value) {
  std::string out;
  AppendGeneral(out, value, 15);
  return out;
}

std::string FormatWorkValue(double value) {
  std::string out;
  out += value < 0.0 ? '-' : ' ';
  AppendGeneral(out, std::fabs(value), 15);
  out += ' ';
  return out;
}

std::string FormatSingle(float value) {
  std::string out;
  AppendGeneral(out, static_cast<double>(value), 7);
  return out;
}

std::string FormatInteger(long value) { return std::to_string(value); }

std::string FormatMegabytes(uint64_t bytes) {
  constexpr uint64_t kMegabyte = 1024 * 1024;
  return FormatInteger(static_cast<long>(bytes / kMegabyte + (bytes % kMegabyte != 0 ? 1 : 0))) +
         " MB";
}

std::string FormatFileSize(uint64_t bytes, SizeRounding rounding) {
  constexpr uint64_t kMegabyte = 1024 * 1024;
  if (bytes < kMegabyte) return FormatInteger(static_cast<long>(bytes)) + " バイト";
  return FormatMegabytes(rounding == SizeRounding::Up ? bytes : bytes / kMegabyte * kMegabyte);
}
