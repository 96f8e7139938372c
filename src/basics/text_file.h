// The text files the program writes: created anew (truncated), written a whole line at a time,
// lines ending in CR LF, Japanese text converted from UTF-8 to CP932 (which has ㎝ and ㎏).
// Failures throw RunError naming the file.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class TextFileWriter {
 public:
  // Creates or truncates the file; throws RunError (FileCreate) when it cannot.
  explicit TextFileWriter(const std::string& path);
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Writes the UTF-8 text converted to CP932, then CR LF.
  void WriteLine(std::string_view utf8);
  // Writes the ASCII text that format(std::string& out) appends to out, then CR LF. The text is
  // formatted straight into the file's buffer: a line of the solver trace holds a whole matrix
  // row, and building it apart would copy every byte once more.
  template <typename Format>
  void WriteAsciiLine(Format format) {
    format(buffer_);
    EndLine();
  }
  // Flushes and closes; throws RunError (FileCreate) when the data did not reach the file.
  void Close();
  const std::string& path() const { return path_; }

 private:
  void EndLine();
  void Flush();

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string buffer_;
};

// UTF-8 to CP932; a character CP932 lacks becomes "?".
std::string ToCp932(std::string_view utf8);
