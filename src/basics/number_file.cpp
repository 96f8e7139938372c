#include "number_file.h"

#include <charconv>
#include <cmath>

#include "run_error.h"

namespace {
// No number of a work file comes near this length: a longer line is not a work file.
constexpr size_t kMaxLineLength = 4096;
}  // namespace

NumberFileReader::NumberFileReader(const std::string& path) : path_(path), source_(path) {
  if (!source_.isOpen()) throw FileReadError(path);
}

// The program ends every line it writes with CR LF, so text after the last line end is a line
// cut short (the file was truncated behind the program's back) and would read as a wrong number.
bool NumberFileReader::ReadLine() {
  line_.clear();
  for (int c = source_.Next(); c != -1; c = source_.Next()) {
    if (c == '\n') return true;
    if (line_.size() == kMaxLineLength) throw FileReadError(path_);
    line_.push_back(static_cast<char>(c));
  }
  if (source_.failed()) throw FileReadError(path_);
  return false;
}

double NumberFileReader::Next() {
  if (!ReadLine()) throw FileTooShortError(path_);
  const char* begin = line_.data();
  const char* end = begin + line_.size();
  while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r')) --end;
  // The sign place holds "-" directly before the digits; from_chars takes it as the sign.
  double value = 0.0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
    throw FileReadError(path_);
  }
  return value;
}
