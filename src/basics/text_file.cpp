#include "text_file.h"

#include <iconv.h>

#include <cerrno>

#include "run_error.h"

namespace {

constexpr size_t kFlushSize = 1 << 20;

bool IsAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
  std::string out;
  out.resize(utf8.size() * 2 + 8);
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
    if (errno == EILSEQ || errno == EINVAL) {
      // Skip one UTF-8 character CP932 cannot hold and write "?" for it.
      do {
        ++in;
        --inLeft;
      } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
      *outPtr++ = '?';
      --outLeft;
    } else {
      break;  // E2BIG cannot happen: CP932 never takes more bytes than UTF-8
    }
  }
  out.resize(out.size() - outLeft);
  iconv_close(converter);
  return out;
}

TextFileWriter::TextFileWriter(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) throw FileCreateError(path);
  // The writer gathers megabyte blocks itself; the stream's own buffer would only copy them.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kFlushSize + 4096);
}

TextFileWriter::~TextFileWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void TextFileWriter::WriteLine(std::string_view utf8) {
  if (IsAscii(utf8)) {
    buffer_.append(utf8);
  } else {
    buffer_ += ToCp932(utf8);
  }
  EndLine();
}

void TextFileWriter::EndLine() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kFlushSize) Flush();
}

void TextFileWriter::Flush() {
  if (buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    throw FileWriteError(path_);
  }
  buffer_.clear();
}

void TextFileWriter::Close() {
  if (file_ == nullptr) return;
  Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) throw FileWriteError(path_);
}
