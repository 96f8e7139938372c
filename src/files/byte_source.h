// A file read front to back a byte at a time through a buffer of one block, whatever the file's
// size: the model file reader and the work-file reader take their bytes from it. It reports what
// went wrong and leaves the message to its reader.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class ByteSource {
 public:
  // Opens the file for reading; isOpen() tells whether it could.
  explicit ByteSource(const std::string& path);
  ~ByteSource();
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  // The next byte, or -1 at the end of the file or when it cannot be read (a directory opens on
  // Linux, then fails here); failed() tells the two apart.
  int Next() {
    if (position_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(buffer_[position_++]);
  }
  bool failed() const { return failed_; }
  // The system's error number when the file could not be opened or read, else 0.
  int errorNumber() const { return errorNumber_; }

 private:
  bool Refill();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  int errorNumber_ = 0;
};
