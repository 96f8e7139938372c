// The writer of the solver trace, whose lines hold whole matrix rows: numbers are formatted
// straight into its buffer and the long runs of one text outside a matrix's envelope are written
// from one block of copies, so no byte is copied twice on its way to the (atomic) file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"

// A long run of one short ASCII text (the trace's "0.00000" outside a matrix's envelope), held
// once as a block of copies from which the writer writes the run without copying it.
class RepeatedText {
 public:
  // A block of as many copies of `unit` as fit in about `blockBytes`; at least one.
  RepeatedText(std::string_view unit, size_t blockBytes);
  size_t unitSize() const { return unitSize_; }
  size_t copiesPerBlock() const { return block_.size() / unitSize_; }
  const char* block() const { return block_.data(); }

 private:
  size_t unitSize_;
  std::string block_;
};

class TraceFileWriter {
 public:
  // Starts the file anew; throws RunError (FileCreate) as AtomicFile does.
  explicit TraceFileWriter(const std::string& path);

  // Writes the UTF-8 text converted to CP932, then CR LF.
  void WriteLine(std::string_view utf8);
  // A line of ASCII pieces, ended by EndLine.
  // Room for at most `maxBytes` of text, valid until CommitAscii(end of what was written).
  char* ReserveAscii(size_t maxBytes);
  void CommitAscii(const char* end);
  // `count` copies of the text's unit. The RepeatedText must outlive the writer's next write,
  // at the latest Close.
  void WriteRepeated(const RepeatedText& text, size_t count);
  // CR LF.
  void EndLine();

  // Writes what is gathered, closes, and puts the new file in place of the old one; throws
  // RunError when the data did not reach the file. Without Close the target stays as it was.
  void Close();
  // The bytes in the file so far, without those still gathered.
  uint64_t bytesInFile() const { return file_.bytesWritten(); }

 private:
  void QueueText();
  void QueuePiece(const char* data, size_t size);
  void FlushWhenFull();
  void Flush();

  AtomicFile file_;
  // Text formatted by the writer, from which pieces_ point at [0, textQueued_); text past it up
  // to textUsed_ is not queued yet. Reallocated only when nothing points into it.
  std::unique_ptr<char[]> text_;
  size_t textCapacity_ = 0;
  size_t textUsed_ = 0;
  size_t textQueued_ = 0;
  // The pieces of the next gathered write, in file order, and their byte count.
  std::vector<std::string_view> pieces_;
  size_t pieceBytes_ = 0;
};
