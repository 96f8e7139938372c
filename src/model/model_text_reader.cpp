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
    if (!AreNumbersSeparatedByBlanks(text.substr(parsed.numberLength))) {
      parsed.fault = ReadFault::TextAfterNumber;
    } else if (text.find('\t') != std::string_view::npos) {
      parsed.fault = ReadFault::TabSeparated;
    } else {
      parsed.fault = ReadFault::SpaceSeparated;
    }
  }
  return parsed;
}

}  // namespace

double ValueOfField(std::string_view text, bool cut, FieldKind kind, int64_t line) {
  text = TrimBlanks(text);
  const auto failure = [&](ReadFault fault, size_t numberLength = 0) {
    ModelFileFailure found;
    found.fault = fault;
    found.part = FilePart::Value;
    found.line = line;
    found.text = std::string(text.substr(0, kMaxValueLength));
    found.textCut = cut || text.size() > kMaxValueLength;
    found.kind = kind;
    found.numberLength = numberLength;
    return found;
  };
  if (cut || text.size() > kMaxValueLength) throw failure(ReadFault::TooLong);
  const ParsedNumber parsed = ParseNumber(text);
  if (parsed.fault) throw failure(*parsed.fault, parsed.numberLength);
  const double rounded = RoundHalfEven(parsed.value);
  switch (kind) {
    case FieldKind::Count:
      if (rounded < 0.0) throw failure(ReadFault::NegativeCount);
      if (rounded > 32767.0) throw failure(ReadFault::OutOfRange);
      break;
    case FieldKind::Integer:
      if (!FitsInt16(rounded)) throw failure(ReadFault::OutOfRange);
      break;
    case FieldKind::Real:
      if (std::fabs(parsed.value) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw failure(ReadFault::OutOfRange);
      }
      break;
  }
  return parsed.value;
}

bool ReadsAsRecord(std::string_view line, int fields, bool wholeNumbers) {
  int found = 0;
  while (true) {
    const size_t comma = line.find(',');
    const ParsedNumber parsed = ParseNumber(TrimBlanks(line.substr(0, comma)));
    if (parsed.fault) return false;
    if (wholeNumbers && (RoundHalfEven(parsed.value) != parsed.value || !FitsInt16(parsed.value))) {
      return false;
    }
    ++found;
    if (comma == std::string_view::npos) return found == fields;
    if (found == fields) return false;
    line.remove_prefix(comma + 1);
  }
}

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

ModelFileFailure ModelTextReader::ValueFailure(ReadFault fault, FieldKind kind) const {
  ModelFileFailure failure = Failure(fault, value_);
  failure.line = valueLine_;
  failure.kind = kind;
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

void ModelTextReader::SkipLine(std::string* kept) {
  if (kept != nullptr) kept->clear();
  int c = NextByte();
  if (c == -1) throw Failure(ReadFault::EndOfFile);
  while (c != -1 && c != '\n') {
    if (kept != nullptr && kept->size() <= kMaxValueLength) kept->push_back(static_cast<char>(c));
    c = NextByte();
  }
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
  number_ = ValueOfField(value_, false, kind, valueLine_);
  return number_;
}

int16_t ModelTextReader::ReadCount() {
  return static_cast<int16_t>(RoundHalfEven(ReadNumber(FieldKind::Count)));
}

int16_t ModelTextReader::ReadInteger() {
  return static_cast<int16_t>(RoundHalfEven(ReadNumber(FieldKind::Integer)));
}

float ModelTextReader::ReadReal() { return static_cast<float>(ReadNumber(FieldKind::Real)); }

int64_t ModelTextReader::SkipRestOfLine() {
  int64_t bytes = 0;
  if (atLineStart_) return bytes;
  for (int c = NextByte(); c != -1; c = NextByte()) {
    ++bytes;
    if (c == '\n') break;
  }
  return bytes;
}

bool ModelTextReader::ReadLine(std::string& line, size_t keep, bool& cut, int64_t& bytes) {
  line.clear();
  cut = false;
  bytes = 0;
  int c = NextByte();
  if (c == -1) return false;
  // One byte more than kept, so that a line of exactly `keep` bytes and its CR is not cut.
  while (c != -1 && c != '\n') {
    ++bytes;
    if (line.size() <= keep) {
      line.push_back(static_cast<char>(c));
    } else {
      cut = true;
    }
    c = NextByte();
  }
  if (c == '\n') ++bytes;
  if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > keep) {
    line.resize(keep);
    cut = true;
  }
  return true;
}
