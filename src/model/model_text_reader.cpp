#include "model_text_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "basics/int16_math.h"

namespace {

// No number a model needs comes near this length; a longer value is a fault in the file, and
// the limit keeps a line of digits from growing memory.
constexpr size_t kMaxValueLength = 256;

bool IsBlank(int c) { return c == ' ' || c == '\t'; }

// The usual decimal forms: "1", "-1000", "+3", "0.5", ".5", "5.", "2.1E+06". A value that does
// not fit a double, an infinity or a NaN, hexadecimal and anything left over after the digits
// are faults.
double ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) throw ModelFileReadFailure{};
  }
  if (text.empty()) throw ModelFileReadFailure{};
  const char* end = text.data() + text.size();
  double value = 0.0;
  const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
    throw ModelFileReadFailure{};
  }
  return value;
}

}  // namespace

ModelTextReader::ModelTextReader(const std::string& path) : source_(path) {
  if (!source_.isOpen()) throw ModelFileReadFailure{};
}

int ModelTextReader::NextByte() {
  const int c = source_.Next();
  if (c == -1 && source_.failed()) throw ModelFileReadFailure{};
  return c;
}

bool ModelTextReader::FirstLineIs(std::string_view expected) {
  std::string line;
  int c = NextByte();
  if (c == -1) throw ModelFileReadFailure{};
  while (c != -1 && c != '\n') {
    // Room for the expected text and a CR; one byte more and the line cannot match.
    if (line.size() > expected.size()) return false;
    line.push_back(static_cast<char>(c));
    c = NextByte();
  }
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  return line == expected;
}

void ModelTextReader::SkipLine() {
  int c = NextByte();
  if (c == -1) throw ModelFileReadFailure{};
  while (c != -1 && c != '\n') c = NextByte();
}

double ModelTextReader::ReadNumber() {
  int c = NextByte();
  while (IsBlank(c)) c = NextByte();
  if (c == -1) throw ModelFileReadFailure{};
  value_.clear();
  while (c != -1 && c != ',' && c != '\n') {
    if (value_.size() == kMaxValueLength) throw ModelFileReadFailure{};
    value_.push_back(static_cast<char>(c));
    c = NextByte();
  }
  if (c == '\n' && !value_.empty() && value_.back() == '\r') value_.pop_back();
  while (!value_.empty() && IsBlank(value_.back())) value_.pop_back();
  return ParseNumber(value_);
}

int16_t ModelTextReader::ReadCount() {
  const double rounded = RoundHalfEven(ReadNumber());
  if (rounded < 0.0 || rounded > 32767.0) throw ModelFileReadFailure{};
  return static_cast<int16_t>(rounded);
}

int16_t ModelTextReader::ReadInteger() {
  const double rounded = RoundHalfEven(ReadNumber());
  if (!FitsInt16(rounded)) throw ModelFileReadFailure{};
  return static_cast<int16_t>(rounded);
}

float ModelTextReader::ReadReal() {
  const double value = ReadNumber();
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw ModelFileReadFailure{};
  }
  return static_cast<float>(value);
}
