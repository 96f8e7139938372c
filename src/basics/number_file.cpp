#include "number_file.h"

#include <charconv>
#include <cmath>

#include "run_error.h"

namespace {
constexpr size_t kChunk = 1 << 20;
}

NumberFileReader::NumberFileReader(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) throw FileReadError(path);
}

NumberFileReader::~NumberFileReader() {
  if (file_ != nullptr) std::fclose(file_);
}

// The program ends every line it writes with CR LF, so text after the last line end is a line
// cut short (the file was truncated behind the program's back) and would read as a wrong number.
bool NumberFileReader::ReadLine() {
  line_.clear();
  for (;;) {
    if (bufferPos_ == buffer_.size()) {
      if (atEnd_) return false;
      buffer_.resize(kChunk);
      const size_t got = std::fread(buffer_.data(), 1, kChunk, file_);
      if (std::ferror(file_)) throw FileReadError(path_);
      buffer_.resize(got);
      bufferPos_ = 0;
      if (got < kChunk) atEnd_ = true;
      if (got == 0) return false;
    }
    const size_t newline = buffer_.find('\n', bufferPos_);
    if (newline == std::string::npos) {
      line_.append(buffer_, bufferPos_, std::string::npos);
      bufferPos_ = buffer_.size();
      if (line_.size() > 4096) throw FileReadError(path_);  // not a work file
    } else {
      line_.append(buffer_, bufferPos_, newline - bufferPos_);
      bufferPos_ = newline + 1;
      return true;
    }
  }
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
