// Takes the model file apart into lines and values: free lines are skipped as raw bytes, values
// end at a comma or a line end (CR LF or a lone LF) and are checked as numbers. Memory stays
// bounded whatever the file holds; any fault throws a ModelFileFailure with its line and text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/byte_source.h"
#include "model_file_failure.h"

class ModelTextReader {
 public:
  // Opens the file; throws CannotOpen when it cannot.
  explicit ModelTextReader(const std::string& path);

  // Reads line 1 and throws NotFemdata, with as much of the line as a message quotes, unless it
  // is exactly `expected`. A longer line is known to differ after that, so its rest is not read.
  void ExpectFirstLine(std::string_view expected);
  // Skips the rest of the current line, whatever bytes it holds.
  void SkipLine();

  // A count of records: a whole number 0 .. 32767 (fractions round to nearest, halves to even).
  int16_t ReadCount();
  // A 16-bit signed integer field (fractions round to nearest, halves to even).
  int16_t ReadInteger();
  // A real field, read in double precision and stored in single precision.
  float ReadReal();

  // The line the last value started on, and whether a comma rather than a line end closed it.
  int64_t valueLine() const { return valueLine_; }
  bool valueEndedAtComma() const { return valueEndedAtComma_; }

  // Reads on to the end of the file from the next line and counts the lines that hold exactly
  // `fields` whole 16-bit numbers, as a record would; `firstLine` gets the first of them. Only
  // so much is read: a note of any length after the tables costs little.
  int64_t CountRecordLikeLines(int fields, int64_t& firstLine);

 private:
  double ReadNumber(FieldKind kind);
  // The next byte, or -1 at the end of the file; keeps line_ on the byte's line.
  int NextByte();
  // A failure at the current line, and one about the value just read, at the line it started.
  ModelFileFailure Failure(ReadFault fault, std::string_view text = {}, bool cut = false) const;
  ModelFileFailure ValueFailure(ReadFault fault, FieldKind kind, size_t numberLength = 0) const;

  ByteSource source_;
  std::string value_;
  int64_t line_ = 0;
  bool atLineStart_ = true;
  int64_t valueLine_ = 0;
  bool valueEndedAtComma_ = false;
};
