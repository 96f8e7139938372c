#include "text_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "run_error.h"

namespace {

// Bytes gathered before one write, and the most pieces one writev takes.
constexpr size_t kFlushSize = 1 << 20;
constexpr size_t kMaxPieces = IOV_MAX;
// Room for the gathered text and a reservation of a trace row's numbers past it.
constexpr size_t kTextCapacity = kFlushSize + (1 << 19);

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The regular file a path names: a link is followed to its end; a path that names a directory,
// a device or a link to nowhere cannot be written as a text file.
std::string TargetOf(const std::string& path) {
  std::string target = path;
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) throw FileCreateError(path);
    target = resolved;
    std::free(resolved);
  }
  if (stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) throw FileCreateError(path);
  return target;
}

// A hidden name beside the target, unique to this process: ".work1.txt.1234.tmp".
std::string TemporaryPathFor(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return directory + "." + name + "." + std::to_string(getpid()) + ".tmp";
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

RepeatedText::RepeatedText(std::string_view unit, size_t blockBytes) : unitSize_(unit.size()) {
  if (unitSize_ == 0) throw std::invalid_argument("RepeatedText of an empty text");
  const size_t copies = std::max<size_t>(1, blockBytes / unitSize_);
  block_.reserve(copies * unitSize_);
  for (size_t copy = 0; copy < copies; ++copy) block_ += unit;
}

TextFileWriter::TextFileWriter(const std::string& path)
    : path_(path), targetPath_(TargetOf(path)), tempPath_(TemporaryPathFor(targetPath_)) {
  fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) throw FileCreateError(path);
  textCapacity_ = kTextCapacity;
  text_ = std::make_unique<char[]>(textCapacity_);
  pieces_.reserve(kMaxPieces + 1);
}

TextFileWriter::~TextFileWriter() {
  if (fd_ < 0) return;
  close(fd_);
  unlink(tempPath_.c_str());
}

void TextFileWriter::WriteLine(std::string_view utf8) {
  const bool ascii = IsAscii(utf8);
  const std::string converted = ascii ? std::string() : ToCp932(utf8);
  const std::string_view bytes = ascii ? utf8 : std::string_view(converted);
  char* out = ReserveAscii(bytes.size());
  std::memcpy(out, bytes.data(), bytes.size());
  CommitAscii(out + bytes.size());
  EndLine();
}

char* TextFileWriter::ReserveAscii(size_t maxBytes) {
  if (maxBytes > textCapacity_ - textUsed_) {
    Flush();
    if (maxBytes > textCapacity_) {
      textCapacity_ = maxBytes;
      text_ = std::make_unique<char[]>(textCapacity_);
    }
  }
  return text_.get() + textUsed_;
}

void TextFileWriter::CommitAscii(const char* end) {
  textUsed_ = static_cast<size_t>(end - text_.get());
  FlushWhenFull();
}

void TextFileWriter::WriteRepeated(const RepeatedText& text, size_t count) {
  QueueText();
  const size_t perBlock = text.copiesPerBlock();
  for (; count > 0; count -= std::min(count, perBlock)) {
    QueuePiece(text.block(), std::min(count, perBlock) * text.unitSize());
    FlushWhenFull();
  }
}

void TextFileWriter::EndLine() {
  char* out = ReserveAscii(2);
  out[0] = '\r';
  out[1] = '\n';
  CommitAscii(out + 2);
}

void TextFileWriter::QueueText() {
  QueuePiece(text_.get() + textQueued_, textUsed_ - textQueued_);
  textQueued_ = textUsed_;
}

void TextFileWriter::QueuePiece(const char* data, size_t size) {
  if (size == 0) return;
  pieceBytes_ += size;
  if (!pieces_.empty()) {
    iovec& last = pieces_.back();
    if (static_cast<const char*>(last.iov_base) + last.iov_len == data) {
      last.iov_len += size;
      return;
    }
  }
  // writev only reads the pieces; its iovec has no const member.
  pieces_.push_back({const_cast<char*>(data), size});
}

void TextFileWriter::FlushWhenFull() {
  if (pieceBytes_ + (textUsed_ - textQueued_) >= kFlushSize || pieces_.size() >= kMaxPieces) {
    Flush();
  }
}

// One gathered write of every piece, repeated after a short count until all bytes are in.
void TextFileWriter::Flush() {
  QueueText();
  iovec* next = pieces_.data();
  iovec* const end = next + pieces_.size();
  while (next != end) {
    const int count = static_cast<int>(std::min<size_t>(static_cast<size_t>(end - next), kMaxPieces));
    const ssize_t written = writev(fd_, next, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw FileWriteError(path_);
    for (auto left = static_cast<size_t>(written); left > 0;) {
      const size_t taken = std::min(left, next->iov_len);
      next->iov_base = static_cast<char*>(next->iov_base) + taken;
      next->iov_len -= taken;
      left -= taken;
      if (next->iov_len == 0) ++next;
    }
  }
  pieces_.clear();
  pieceBytes_ = 0;
  textUsed_ = 0;
  textQueued_ = 0;
}

void TextFileWriter::Close() {
  if (fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  const bool closed = close(fd) == 0;
  if (!closed || rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
    unlink(tempPath_.c_str());
    if (!closed) throw FileWriteError(path_);
    throw FileCreateError(path_);
  }
}
