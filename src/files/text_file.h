// The text files the program writes: created anew, written a whole line at a time, lines ending
// in CR LF, Japanese text converted from UTF-8 to CP932 (which has ㎝ and ㎏). Each goes through
// an AtomicFile, so the file it replaces stays whole until the new text is complete.
#pragma once

#include <string>
#include <string_view>

#include "atomic_file.h"

class TextFileWriter {
 public:
  // Starts the file anew; throws RunError (FileCreate) as AtomicFile does.
  explicit TextFileWriter(const std::string& path);

  // Writes the UTF-8 text converted to CP932, then CR LF.
  void WriteLine(std::string_view utf8);
  // Writes what is gathered, closes, and puts the new file in place of the old one; throws
  // RunError when the data did not reach the file. Without Close the target stays as it was.
  void Close();

 private:
  void Flush();

  AtomicFile file_;
  std::string text_;  // CP932 lines gathered for the next write
};

// UTF-8 to CP932; a character CP932 lacks becomes "?".
std::string ToCp932(std::string_view utf8);
