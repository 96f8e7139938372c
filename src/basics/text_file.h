// The text files the program writes: created anew, written a whole line at a time, lines ending
// in CR LF, Japanese text converted from UTF-8 to CP932 (which has ㎝ and ㎏). The text goes to a
// temporary file beside the target, which replaces the target only when it is complete, so a
// write that fails part-way (a full disk) leaves the earlier file whole. Failures throw RunError
// naming the file.
#pragma once

#include <sys/uio.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

class TextFileWriter {
 public:
  // Starts the file anew; throws RunError (FileCreate) when it cannot: the directory is missing
  // or not writable, or the path is taken by something that is not a regular file (a directory,
  // a device, a link to nowhere). A link to a regular file is followed: the file it names is
  // replaced.
  explicit TextFileWriter(const std::string& path);
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Writes the UTF-8 text converted to CP932, then CR LF.
  void WriteLine(std::string_view utf8);

  // A line of ASCII pieces, ended by EndLine. A line of the solver trace holds a whole matrix
  // row: its numbers are formatted straight into the writer's buffer, and its zeros are written
  // from the RepeatedText block, so no byte is copied twice on its way to the file.
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
  const std::string& path() const { return path_; }

 private:
  void QueueText();
  void QueuePiece(const char* data, size_t size);
  void FlushWhenFull();
  void Flush();

  std::string path_;        // as the caller named it, for messages
  std::string targetPath_;  // the regular file that is replaced, links followed
  std::string tempPath_;    // the new text until Close
  int fd_ = -1;
  // Text formatted by the writer, from which pieces_ point at [0, textQueued_); text past it up
  // to textUsed_ is not queued yet. Reallocated only when nothing points into it.
  std::unique_ptr<char[]> text_;
  size_t textCapacity_ = 0;
  size_t textUsed_ = 0;
  size_t textQueued_ = 0;
  // The pieces of the next gathered write, in file order, and their byte count.
  std::vector<iovec> pieces_;
  size_t pieceBytes_ = 0;
};

// UTF-8 to CP932; a character CP932 lacks becomes "?".
std::string ToCp932(std::string_view utf8);
