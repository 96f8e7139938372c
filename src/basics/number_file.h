// Reads a work file back: one number per line, blanks around it ignored. The member-force step
// reads "work1.txt" this way, the report and the diagram builders "work2.txt".
#pragma once

#include <cstdio>
#include <string>

class NumberFileReader {
 public:
  // Opens the file; throws RunError (FileRead) when it cannot.
  explicit NumberFileReader(const std::string& path);
  ~NumberFileReader();
  NumberFileReader(const NumberFileReader&) = delete;
  NumberFileReader& operator=(const NumberFileReader&) = delete;

  // The number on the next line; throws RunError (FileRead) at the end of the file, when the
  // line is not a finite number, or when it lacks its line end (a file cut short).
  double Next();

 private:
  bool ReadLine();

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string line_;
  std::string buffer_;
  size_t bufferPos_ = 0;
  bool atEnd_ = false;
};
