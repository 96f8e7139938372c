#include "text_file.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Bytes gathered before one write.
constexpr size_t kFlushSize = 1 << 20;

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
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

TextFileWriter::TextFileWriter(const std::string& path) : file_(path) {}

void TextFileWriter::WriteLine(std::string_view utf8) {
  if (IsAscii(utf8)) {
    text_ += utf8;
  } else {
    text_ += ToCp932(utf8);
  }
  text_ += "\r\n";
  if (text_.size() >= kFlushSize) Flush();
}

void TextFileWriter::Flush() {
  file_.Write(text_);
  text_.clear();
}

void TextFileWriter::Close() {
  Flush();
  file_.Commit();
}
