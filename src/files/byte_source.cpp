#include "byte_source.h"

#include <cerrno>

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

ByteSource::ByteSource(const std::string& path) {
  errno = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ != nullptr) {
    buffer_.resize(kBlockSize);
  } else {
    errorNumber_ = errno;
  }
}

ByteSource::~ByteSource() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ByteSource::Refill() {
  if (atEnd_ || file_ == nullptr) return false;
  errno = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  position_ = 0;
  if (std::ferror(file_)) {
    failed_ = true;
    errorNumber_ = errno;
    end_ = 0;
  }
  atEnd_ = end_ == 0;
  return !atEnd_;
}
