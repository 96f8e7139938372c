#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// glibc's printf rounds the exact binary value correctly, halves of the decimal text to even.
std::string Printf(const char* format, double value) {
  char buffer[512];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace

void AppendFixed5(std::string& out, double value) {
  char buffer[512];
  int length = std::snprintf(buffer, sizeof buffer, "%.5f", value);
  const char* text = buffer;
  if (buffer[0] == '-' && std::strcmp(buffer, "-0.00000") == 0) {
    ++text;
    --length;
  }
  out.append(text, static_cast<size_t>(length));
}

std::string FormatFixed5(double value) {
  std::string out;
  AppendFixed5(out, value);
  return out;
}

std::string FormatGeneral15(double value) {
  if (value == 0.0) return "0";  // also -0.0: the work files and reports never show "-0"
  return Printf("%.15G", value);
}

std::string FormatWorkValue(double value) {
  std::string out(1, value < 0.0 ? '-' : ' ');
  out += FormatGeneral15(std::fabs(value));
  out += ' ';
  return out;
}

std::string FormatSingle(float value) {
  if (value == 0.0f) return "0";
  return Printf("%.7G", static_cast<double>(value));
}

std::string FormatInteger(long value) { return std::to_string(value); }
