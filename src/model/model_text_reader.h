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
  // Skips the rest of the current line, whatever bytes it holds; with `kept`, its first bytes
  // (as many as one value holds) are kept there.
  void SkipLine(std::string* kept = nullptr);

  // A count of records: a whole number 0 .. 32767 (fractions round to nearest, halves to even).
  int16_t ReadCount();
  // A 16-bit signed integer field (fractions round to nearest, halves to even).
  int16_t ReadInteger();
  // A real field, read in double precision and stored in single precision.
  float ReadReal();

  // The line the last value started on, and whether a comma rather than a line end closed it.
  int64_t valueLine() const { return valueLine_; }
  bool valueEndedAtComma() const { return valueEndedAtComma_; }
  // The last value as written, blanks trimmed, and the number it is before any rounding.
  const std::string& valueText() const { return value_; }
  double number() const { return number_; }

  // After the tables, the file is read a line at a time. The rest of the line the last value
  // ended on is no line of its own: it is skipped, and the bytes skipped returned.
  int64_t SkipRestOfLine();
  // The next line without its line end, the first `keep` bytes of it in `line` (`cut` says more
  // followed) and the number of its bytes, its line end included, in `bytes`. False at the end of
  // the file.
  bool ReadLine(std::string& line, size_t keep, bool& cut, int64_t& bytes);
  // The line the last byte read stands on.
  int64_t line() const { return line_; }

 private:
  double ReadNumber(FieldKind kind);
  // The next byte, or -1 at the end of the file; keeps line_ on the byte's line.
  int NextByte();
  // A failure at the current line, and one about the value just read, at the line it started.
  ModelFileFailure Failure(ReadFault fault, std::string_view text = {}, bool cut = false) const;
  ModelFileFailure ValueFailure(ReadFault fault, FieldKind kind) const;

  ByteSource source_;
  std::string value_;
  int64_t line_ = 0;
  bool atLineStart_ = true;
  int64_t valueLine_ = 0;
  bool valueEndedAtComma_ = false;
  double number_ = 0.0;
};

// The number a value of a field of `kind` holds, checked as ReadCount, ReadInteger and ReadReal
// check it but not rounded; `text` is trimmed of blanks first. Throws the failure of the value at
// `line`; `cut` says the file held more of the value than `text`.
double ValueOfField(std::string_view text, bool cut, FieldKind kind, int64_t line);

// Whether a line holds exactly `fields` comma-separated numbers, each a whole 16-bit number when
// `wholeNumbers` says so, as a record would.
bool ReadsAsRecord(std::string_view line, int fields, bool wholeNumbers);
