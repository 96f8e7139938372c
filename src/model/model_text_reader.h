// Takes the model file apart into lines and values: free lines are skipped as raw bytes, values
// end at a comma or a line end (CR LF or a lone LF) and are checked as numbers. Memory stays
// bounded whatever the file holds; any fault throws ModelFileReadFailure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "basics/byte_source.h"

// The file could not be opened or read, ended early, or held a value that is not a number of
// the kind its field needs.
struct ModelFileReadFailure {};

class ModelTextReader {
 public:
  // Opens the file; throws ModelFileReadFailure when it cannot.
  explicit ModelTextReader(const std::string& path);

  // Reads the first line and tells whether it is exactly `expected`. A longer line is known to
  // differ after a few bytes, so the rest of it is never read.
  bool FirstLineIs(std::string_view expected);
  // Skips the rest of the current line, whatever bytes it holds.
  void SkipLine();

  // A count of records: a whole number 0 .. 32767 (fractions round to nearest, halves to even).
  int16_t ReadCount();
  // A 16-bit signed integer field (fractions round to nearest, halves to even).
  int16_t ReadInteger();
  // A real field, read in double precision and stored in single precision.
  float ReadReal();

 private:
  double ReadNumber();
  // The next byte, or -1 at the end of the file.
  int NextByte();

  ByteSource source_;
  std::string value_;
};
