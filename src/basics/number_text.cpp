#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

// std::to_chars with a precision rounds the exact binary value as printf does in the "C" locale,
// and formats straight into a buffer, which matters for the trace file's millions of numbers.

namespace {

// Fixed-point text of a value whose every number text fits: "0.00000" of 1e308 has 315 chars.
constexpr size_t kBufferSize = 400;

}  // namespace

void AppendFixed5(std::string& out, double value) {
  if (value == 0.0) {
    out.append("0.00000", 7);
    return;
  }
  char buffer[kBufferSize];
  const auto result = std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::fixed, 5);
  const char* begin = buffer;
  const size_t length = static_cast<size_t>(result.ptr - buffer);
  if (length == 8 && std::memcmp(buffer, "-0.00000", 8) == 0) ++begin;  // rounds to zero: no sign
  out.append(begin, static_cast<size_t>(result.ptr - begin));
}

std::string FormatFixed5(double value) {
  std::string out;
  AppendFixed5(out, value);
  return out;
}

void AppendGeneral15(std::string& out, double value) {
  if (value == 0.0) {  // also -0.0: the work files never show "-0"
    out += '0';
    return;
  }
  char buffer[kBufferSize];
  const auto result =
      std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::general, 15);
  for (char* p = buffer; p < result.ptr; ++p) {
    if (*p == 'e') *p = 'E';
  }
  out.append(buffer, result.ptr);
}

std::string FormatGeneral15(double value) {
  std::string out;
  AppendGeneral15(out, value);
  return out;
}

void AppendWorkValue(std::string& out, double value) {
  out += value < 0.0 ? '-' : ' ';
  AppendGeneral15(out, std::fabs(value));
  out += ' ';
}

std::string FormatWorkValue(double value) {
  std::string out;
  AppendWorkValue(out, value);
  return out;
}

std::string FormatSingle(float value) {
  if (value == 0.0f) return "0";
  char buffer[kBufferSize];
  const auto result = std::to_chars(buffer, buffer + kBufferSize, static_cast<double>(value),
                                    std::chars_format::general, 7);
  for (char* p = buffer; p < result.ptr; ++p) {
    if (*p == 'e') *p = 'E';
  }
  return std::string(buffer, result.ptr);
}

std::string FormatInteger(long value) { return std::to_string(value); }

std::string FormatMegabytes(uint64_t bytes) {
  constexpr uint64_t kMegabyte = 1024 * 1024;
  return std::to_string(bytes / kMegabyte + (bytes % kMegabyte != 0 ? 1 : 0)) + " MB";
}
