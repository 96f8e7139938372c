// Reads a work file back: one number per line, blanks around it ignored. The member-force step
// reads "work1.txt" this way, the report and the diagram builders "work2.txt".
#pragma once

#include <string>

#include "byte_source.h"

class NumberFileReader {
 public:
  // Opens the file; throws RunError (FileRead) when it cannot.
  explicit NumberFileReader(const std::string& path);

  // The number on the next line; throws RunError (FileRead) at the end of the file, when the
  // line is not a finite number, or when it lacks its line end (a file cut short).
  double Next();

 private:
  bool ReadLine();

  std::string path_;
  ByteSource source_;
  std::string line_;
};
