#include "trace_file.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "files/file_replacement.h"
#include "files/text_file.h"

namespace {

// Bytes gathered before one write, and the pieces one write of the file takes at once.
constexpr size_t kFlushSize = 1 << 20;
constexpr size_t kMaxPieces = 1024;
// Room for the gathered text and a reservation of a trace row's numbers past it.
constexpr size_t kTextCapacity = kFlushSize + (1 << 19);

}  // namespace

RepeatedText::RepeatedText(std::string_view unit, size_t blockBytes) : unitSize_(unit.size()) {
  if (unitSize_ == 0) throw std::invalid_argument("RepeatedText of an empty text");
  const size_t copies = std::max<size_t>(1, blockBytes / unitSize_);
  block_.reserve(copies * unitSize_);
  for (size_t copy = 0; copy < copies; ++copy) block_ += unit;
}

TraceFileWriter::TraceFileWriter(const std::string& path)
    : file_(path),
      text_(std::make_unique_for_overwrite<char[]>(kTextCapacity)),
      textCapacity_(kTextCapacity) {
  ReleaseCachedPages(path);
  pieces_.reserve(kMaxPieces + 1);
}

void TraceFileWriter::WriteLine(std::string_view utf8) {
  const std::string bytes = ToCp932(utf8);
  char* out = ReserveAscii(bytes.size());
  std::memcpy(out, bytes.data(), bytes.size());
  CommitAscii(out + bytes.size());
  EndLine();
}

char* TraceFileWriter::ReserveAscii(size_t maxBytes) {
  if (maxBytes > textCapacity_ - textUsed_) {
    Flush();
    if (maxBytes > textCapacity_) {
      textCapacity_ = maxBytes;
      text_ = std::make_unique_for_overwrite<char[]>(textCapacity_);
    }
  }
  return text_.get() + textUsed_;
}

void TraceFileWriter::CommitAscii(const char* end) {
  textUsed_ = static_cast<size_t>(end - text_.get());
  FlushWhenFull();
}

void TraceFileWriter::WriteRepeated(const RepeatedText& text, size_t count) {
  QueueText();
  const size_t perBlock = text.copiesPerBlock();
  for (; count > 0; count -= std::min(count, perBlock)) {
    QueuePiece(text.block(), std::min(count, perBlock) * text.unitSize());
    FlushWhenFull();
  }
}

void TraceFileWriter::EndLine() {
  char* out = ReserveAscii(2);
  out[0] = '\r';
  out[1] = '\n';
  CommitAscii(out + 2);
}

void TraceFileWriter::QueueText() {
  QueuePiece(text_.get() + textQueued_, textUsed_ - textQueued_);
  textQueued_ = textUsed_;
}

// A piece that continues the last one in memory lengthens it.
void TraceFileWriter::QueuePiece(const char* data, size_t size) {
  if (size == 0) return;
  pieceBytes_ += size;
  if (!pieces_.empty()) {
    std::string_view& last = pieces_.back();
    if (last.data() + last.size() == data) {
      last = std::string_view(last.data(), last.size() + size);
      return;
    }
  }
  pieces_.emplace_back(data, size);
}

void TraceFileWriter::FlushWhenFull() {
  if (pieceBytes_ + (textUsed_ - textQueued_) >= kFlushSize || pieces_.size() >= kMaxPieces) {
    Flush();
  }
}

void TraceFileWriter::Flush() {
  QueueText();
  file_.Write(pieces_);
  pieces_.clear();
  pieceBytes_ = 0;
  textUsed_ = 0;
  textQueued_ = 0;
}

void TraceFileWriter::Close() {
  Flush();
  file_.Commit();
}
