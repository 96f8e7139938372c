#include "byte_source.h"

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

ByteSource::ByteSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (file_ != nullptr) buffer_.resize(kBlockSize);
}

ByteSource::~ByteSource() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ByteSource::Refill() {
  if (atEnd_ || file_ == nullptr) return false;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  position_ = 0;
  if (std::ferror(file_)) {
    failed_ = true;
    end_ = 0;
  }
  atEnd_ = end_ == 0;
  return !atEnd_;
}
