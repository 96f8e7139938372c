#include "model_text_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "arithmetic/int16_math.h"
#include "file_text.h"

namespace {

// As much of line 1 as a message quotes.
constexpr size_t kFirstLineBytes = 96;
// How far past the support table the reader looks for lines that read as records.
constexpr int64_t kMaxScannedBytes = 16 * 1024 * 1024;

bool IsBlank(int c) { return c == ' ' || c == '\t'; }

// A value read as a number, or the reason it is none.
struct ParsedNumber {
  double value = 0.0;
  std::optional<ReadFault> fault;
  size_t numberLength = 0;  // TextAfterNumber: the bytes of the number before the other text
};

// The number at the start of text: its value and length, or nothing when it starts with none.
// The usual decimal forms: "1", "-1000", "+3", "0.5", ".5", "5.", "2.1E+06"; a single "+" may
// lead, which from_chars alone does not take.
std::optional<std::pair<std::from_chars_result, double>> LeadingNumber(std::string_view text) {
  size_t skipped = 0;
  if (!text.empty() && text.front() == '+') {
    skipped = 1;
    if (text.size() > 1 && (text[1] == '+' || text[1] == '-')) return std::nullopt;
  }
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data() + skipped, end, value, std::chars_format::general);
  if (result.ptr == text.data() + skipped) return std::nullopt;
  return std::pair{result, value};
}

bool IsNumber(std::string_view text) {
  const auto number = LeadingNumber(text);
  return number && number->first.ec == std::errc() && number->first.ptr == text.data() + text.size();
}

// Blank-separated numbers ("0 0" after the "1" of "1 0 0").
bool AreNumbersSeparatedByBlanks(std::string_view rest) {
  if (rest.empty() || !IsBlank(rest.front())) return false;
  rest = TrimBlanks(rest);
  while (!rest.empty()) {
    size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    if (!IsNumber(rest.substr(0, end))) return false;
    rest = TrimBlanks(rest.substr(end));
  }
  return true;
}

// A value that does not fit a double, an infinity or a NaN, hexadecimal and anything left over
// after the digits are faults.
ParsedNumber ParseNumber(std::string_view text) {
  ParsedNumber parsed;
  if (text.empty()) {
    parsed.fault = ReadFault::EmptyValue;
    return parsed;
  }
  const auto number = LeadingNumber(text);
  const char* end = text.data() + text.size();
  if (number && number->first.ptr == end) {
    if (number->first.ec == std::errc::result_out_of_range) {
      parsed.fault = ReadFault::OutOfRange;
    } else if (number->first.ec != std::errc() || !std::isfinite(number->second)) {
      parsed.fault = ReadFault::NotANumber;  // "inf", "nan"
    } else {
      parsed.value = number->second;
    }
    return parsed;
  }
  if (HasFullWidthNumberCharacters(text)) {
    parsed.fault = ReadFault::FullWidth;
  } else if (!number || !std::isfinite(number->second)) {
    parsed.fault = ReadFault::NotANumber;
  } else {
    parsed.numberLength = static_cast<size_t>(number->first.ptr - text.data());
    parsed.fault = AreNumbersSeparatedByBlanks(text.substr(parsed.numberLength))
                       ? ReadFault::SpaceSeparated
                       : ReadFault::TextAfterNumber;
  }
  return parsed;
}

// A line of a record's shape: exactly `fields` comma-separated whole numbers within 16 bits.
bool ReadsAsRecord(std::string_view line, int fields) {
  int found = 0;
  while (true) {
    const size_t comma = line.find(',');
    const ParsedNumber parsed = ParseNumber(TrimBlanks(line.substr(0, comma)));
    if (parsed.fault || RoundHalfEven(parsed.value) != parsed.value || !FitsInt16(parsed.value)) {
      return false;
    }
    ++found;
    if (comma == std::string_view::npos) return found == fields;
    if (found == fields) return false;
    line.remove_prefix(comma + 1);
  }
}

}  // namespace

ModelTextReader::ModelTextReader(const std::string& path) : source_(path) {
  if (!source_.isOpen()) {
    ModelFileFailure failure;
    failure.fault = ReadFault::CannotOpen;
    failure.systemError = source_.errorNumber();
    throw failure;
  }
}

ModelFileFailure ModelTextReader::Failure(ReadFault fault, std::string_view text,
                                          bool cut) const {
  ModelFileFailure failure;
  failure.fault = fault;
  failure.part = FilePart::Value;
  failure.line = line_;
  failure.text = std::string(text);
  failure.textCut = cut;
  return failure;
}

ModelFileFailure ModelTextReader::ValueFailure(ReadFault fault, FieldKind kind,
                                               size_t numberLength) const {
  ModelFileFailure failure = Failure(fault, value_);
  failure.line = valueLine_;
  failure.kind = kind;
  failure.numberLength = numberLength;
  return failure;
}

int ModelTextReader::NextByte() {
  if (atLineStart_) {
    ++line_;
    atLineStart_ = false;
  }
  const int c = source_.Next();
  if (c == -1 && source_.failed()) {
    ModelFileFailure failure;
    failure.fault = ReadFault::CannotRead;
    failure.systemError = source_.errorNumber();
    throw failure;
  }
  if (c == '\n') atLineStart_ = true;
  return c;
}

void ModelTextReader::ExpectFirstLine(std::string_view expected) {
  std::string line;
  int c = NextByte();
  if (c == -1) throw Failure(ReadFault::EndOfFile);
  while (c != -1 && c != '\n' && line.size() < kFirstLineBytes) {
    line.push_back(static_cast<char>(c));
    c = NextByte();
  }
  const bool cut = c != -1 && c != '\n';
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  if (cut || line != expected) throw Failure(ReadFault::NotFemdata, line, cut);
}

void ModelTextReader::SkipLine() {
  int c = NextByte();
  if (c == -1) throw Failure(ReadFault::EndOfFile);
  while (c != -1 && c != '\n') c = NextByte();
}

double ModelTextReader::ReadNumber(FieldKind kind) {
  int c = NextByte();
  while (IsBlank(c)) c = NextByte();
  valueLine_ = line_;
  if (c == -1) throw Failure(ReadFault::EndOfFile);
  value_.clear();
  while (c != -1 && c != ',' && c != '\n') {
    if (value_.size() == kMaxValueLength) {
      ModelFileFailure failure = ValueFailure(ReadFault::TooLong, kind);
      failure.textCut = true;
      throw failure;
    }
    value_.push_back(static_cast<char>(c));
    c = NextByte();
  }
  valueEndedAtComma_ = c == ',';
  if (c == '\n' && !value_.empty() && value_.back() == '\r') value_.pop_back();
  while (!value_.empty() && IsBlank(value_.back())) value_.pop_back();
  const ParsedNumber parsed = ParseNumber(value_);
  if (parsed.fault) throw ValueFailure(*parsed.fault, kind, parsed.numberLength);
  return parsed.value;
}

int16_t ModelTextReader::ReadCount() {
  const double rounded = RoundHalfEven(ReadNumber(FieldKind::Count));
  if (rounded < 0.0) throw ValueFailure(ReadFault::NegativeCount, FieldKind::Count);
  if (rounded > 32767.0) throw ValueFailure(ReadFault::OutOfRange, FieldKind::Count);
  return static_cast<int16_t>(rounded);
}

int16_t ModelTextReader::ReadInteger() {
  const double rounded = RoundHalfEven(ReadNumber(FieldKind::Integer));
  if (!FitsInt16(rounded)) throw ValueFailure(ReadFault::OutOfRange, FieldKind::Integer);
  return static_cast<int16_t>(rounded);
}

float ModelTextReader::ReadReal() {
  const double value = ReadNumber(FieldKind::Real);
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw ValueFailure(ReadFault::OutOfRange, FieldKind::Real);
  }
  return static_cast<float>(value);
}

int64_t ModelTextReader::CountRecordLikeLines(int fields, int64_t& firstLine) {
  int64_t count = 0;
  int64_t scanned = 0;
  const size_t maxRecordLength = static_cast<size_t>(fields) * (kMaxValueLength + 1);
  try {
    int c = 0;
    // The rest of the line the last record ended on is not a line of its own.
    if (!atLineStart_) {
      while (c != -1 && c != '\n' && scanned < kMaxScannedBytes) {
        c = NextByte();
        ++scanned;
      }
    }
    std::string line;
    while (scanned < kMaxScannedBytes) {
      c = NextByte();
      if (c == -1) break;
      const int64_t lineNumber = line_;
      line.clear();
      bool tooLong = false;
      while (c != -1 && c != '\n' && scanned < kMaxScannedBytes) {
        ++scanned;
        if (line.size() < maxRecordLength) {
          line.push_back(static_cast<char>(c));
        } else {
          tooLong = true;
        }
        c = NextByte();
      }
      if (c == '\n') ++scanned;  // so that a run of empty lines counts too
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!tooLong && ReadsAsRecord(line, fields)) {
        if (count == 0) firstLine = lineNumber;
        ++count;
      }
    }
  } catch (const ModelFileFailure&) {
    // The tables are read; a fault in what follows them only ends the look.
  }
  return count;
}
