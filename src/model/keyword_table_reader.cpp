#include "keyword_table_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "arithmetic/int16_math.h"
#include "file_text.h"
#include "table_keywords.h"

namespace {

// How far past the support table the look for support-like lines goes, so that a note of any
// length after the tables costs little; a support-like line is no longer than four values and
// their commas.
constexpr int64_t kSupportLookBytes = 16 * 1024 * 1024;
constexpr size_t kSupportLineBytes = 4 * (kMaxValueLength + 1);
// How much of a line is kept: more than any record's values and commas.
constexpr size_t kKeptLineBytes = 8 * (kMaxValueLength + 1);

// The values of a record that stands on one line, split at its commas. `line` must outlive it.
class LineRecord {
 public:
  LineRecord(std::string_view line, bool cut, int64_t lineNumber)
      : line_(line), cut_(cut), lineNumber_(lineNumber) {
    for (size_t start = 0;;) {
      const size_t comma = line.find(',', start);
      pieces_.push_back(line.substr(start, comma - start));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  }

  std::string_view Text(int32_t field) const {
    const auto position = static_cast<size_t>(field);
    return position < pieces_.size() ? TrimBlanks(pieces_[position]) : std::string_view();
  }

  // The value of `field`, checked as the other tables' values are. A line whose first value is
  // no number at all is no record.
  double Value(int32_t field, FieldKind kind) const {
    const auto position = static_cast<size_t>(field);
    if (position >= pieces_.size()) throw Failure(ReadFault::LineEnded);
    try {
      return ValueOfField(pieces_[position], cut_ && position + 1 == pieces_.size(), kind,
                          lineNumber_);
    } catch (const ModelFileFailure& failure) {
      if (field != 0 || failure.fault != ReadFault::NotANumber) throw;
    }
    ModelFileFailure failure = Failure(ReadFault::NotARecord, TrimBlanks(line_));
    failure.part = FilePart::AfterTables;
    if (const TableKeyword* like = ResembledTableKeyword(line_)) {
      failure.keyword = std::string(like->keyword);
    }
    throw failure;
  }

  // Nothing may follow the record's last value.
  void ExpectEnd(int32_t fields) const {
    if (pieces_.size() > static_cast<size_t>(fields)) {
      throw Failure(ReadFault::ExtraValue, Text(fields));
    }
  }

 private:
  ModelFileFailure Failure(ReadFault fault, std::string_view text = {}) const {
    ModelFileFailure failure;
    failure.fault = fault;
    failure.part = FilePart::Value;
    failure.line = lineNumber_;
    failure.text = std::string(text);
    failure.textCut = cut_ && text.data() + text.size() == line_.data() + line_.size();
    return failure;
  }

  std::string_view line_;
  bool cut_;
  int64_t lineNumber_;
  std::vector<std::string_view> pieces_;
};

class KeywordTableReader {
 public:
  KeywordTableReader(ModelTextReader& reader, Model& model, ReadWarnings& warnings)
      : reader_(reader), model_(model), warnings_(warnings) {}

  void Read() {
    try {
      ReadLines();
    } catch (ModelFileFailure& failure) {
      if (failure.part == FilePart::File) throw;  // the file could not be read on
      failure.table = table_;
      failure.record = record_;
      failure.field = field_;
      throw;
    }
  }

 private:
  void ReadLines();
  void LookAtLineBeforeKeywords(const std::string& line, bool cut, int64_t lineNumber,
                                bool withinSupportLook);
  void StartKeywordTable(const TableKeyword& table, int64_t lineNumber);
  void ReadMemberLoad(const std::string& line, bool cut, int64_t lineNumber);
  void CheckMemberLoad(const MemberLoadRecord& load, const LineRecord& values, int64_t lineNumber);
  std::optional<double> MemberLength(int16_t memberNo);

  // A whole-number field; a fraction is read rounded, halves to even, and warned of.
  int16_t Integer(const LineRecord& values, int32_t field, int64_t lineNumber) {
    field_ = field;
    const double number = values.Value(field, FieldKind::Integer);
    const auto value = static_cast<int16_t>(RoundHalfEven(number));
    if (number != static_cast<double>(value)) {
      ReadWarning warning;
      warning.kind = ReadWarningKind::Fraction;
      warning.line = lineNumber;
      warning.table = table_;
      warning.record = record_;
      warning.field = field;
      warning.text = std::string(values.Text(field));
      warning.number = value;
      warnings_.Add(std::move(warning));
    }
    return value;
  }
  double Real(const LineRecord& values, int32_t field) {
    field_ = field;
    return values.Value(field, FieldKind::Real);
  }

  ModelTextReader& reader_;
  Model& model_;
  ReadWarnings& warnings_;
  // Where the reader is, for a failure to name.
  ModelTable table_ = ModelTable::Supports;
  int32_t record_ = 0;
  int32_t field_ = 0;
  // By ModelTable: the line of each keyword table's keyword, 0 until it is met.
  std::array<int64_t, 7> keywordLines_{};
  // The position of the first node and member with each number, made when first needed.
  std::optional<std::unordered_map<int16_t, size_t>> firstNodes_;
  std::optional<std::unordered_map<int16_t, size_t>> firstMembers_;
};

// Before the first keyword, lines are free text, only looked at for support records beyond the
// count and for keywords written otherwise. From the first keyword on, every line is a keyword,
// a record of the table the last keyword began, or empty.
void KeywordTableReader::ReadLines() {
  int64_t lookedAt = reader_.SkipRestOfLine();
  const TableKeyword* table = nullptr;
  std::string line;
  bool cut = false;
  int64_t bytes = 0;
  while (true) {
    const bool withinSupportLook = lookedAt < kSupportLookBytes;
    if (!reader_.ReadLine(line, kKeptLineBytes, cut, bytes)) break;
    lookedAt += bytes;
    const int64_t lineNumber = reader_.line();
    if (const TableKeyword* keyword = cut ? nullptr : FindTableKeyword(line)) {
      StartKeywordTable(*keyword, lineNumber);
      table = keyword;
    } else if (table == nullptr) {
      LookAtLineBeforeKeywords(line, cut, lineNumber, withinSupportLook);
    } else if (cut || !TrimBlanks(line).empty()) {
      switch (table->table) {
        case ModelTable::MemberLoads: ReadMemberLoad(line, cut, lineNumber); break;
        default: break;
      }
    }
  }
}

void KeywordTableReader::LookAtLineBeforeKeywords(const std::string& line, bool cut,
                                                  int64_t lineNumber, bool withinSupportLook) {
  TrailingSupportLines& supports = warnings_.trailingSupports;
  if (withinSupportLook && !cut && line.size() <= kSupportLineBytes &&
      ReadsAsRecord(line, 4, true)) {
    if (supports.count == 0) supports.firstLine = lineNumber;
    ++supports.count;
  }
  if (cut) return;
  if (const TableKeyword* like = ResembledTableKeyword(line)) {
    ReadWarning warning;
    warning.kind = ReadWarningKind::KeywordLike;
    warning.line = lineNumber;
    warning.table = ModelTable::Supports;
    warning.text = std::string(TrimBlanks(line));
    warning.keyword = std::string(like->keyword);
    warnings_.Add(std::move(warning));
  }
}

// A table is begun once, by its keyword; the first line after it that is not empty is its free
// heading, and a heading that reads as a record means the heading was left out and that record
// would be lost.
void KeywordTableReader::StartKeywordTable(const TableKeyword& table, int64_t lineNumber) {
  int64_t& keywordLine = keywordLines_[static_cast<size_t>(table.table)];
  table_ = table.table;
  record_ = 0;
  field_ = 0;
  ModelFileFailure failure;
  failure.part = FilePart::AfterTables;
  failure.line = lineNumber;
  if (keywordLine != 0) {
    failure.fault = ReadFault::TableRepeated;
    failure.firstLine = keywordLine;
    throw failure;
  }
  keywordLine = lineNumber;
  std::string heading;
  bool cut = false;
  int64_t bytes = 0;
  failure.part = FilePart::Heading;
  do {
    if (!reader_.ReadLine(heading, kKeptLineBytes, cut, bytes)) {
      failure.fault = ReadFault::EndOfFile;
      failure.line = reader_.line();
      throw failure;
    }
  } while (!cut && TrimBlanks(heading).empty());
  if (!cut && ReadsAsRecord(heading, table.fields, false)) {
    failure.fault = ReadFault::HeadingIsRecord;
    failure.line = reader_.line();
    failure.text = heading;
    throw failure;
  }
}

void KeywordTableReader::ReadMemberLoad(const std::string& line, bool cut, int64_t lineNumber) {
  const LineRecord values(line, cut, lineNumber);
  record_ = static_cast<int32_t>(model_.memberLoads.size());
  MemberLoadRecord load;
  load.memberNo = Integer(values, 0, lineNumber);
  load.kind = Integer(values, 1, lineNumber);
  load.direction = Integer(values, 2, lineNumber);
  load.p1 = Real(values, 3);
  load.p2 = Real(values, 4);
  load.a = Real(values, 5);
  load.b = Real(values, 6);
  field_ = 7;
  values.ExpectEnd(7);
  CheckMemberLoad(load, values, lineNumber);
  model_.memberLoads.push_back(load);
  model_.memberLoadLines.push_back(lineNumber);
}

// The kind and direction from the lists; zero in the fields the kind does not use, which catches
// values written one field off; distances from the member's ends that stay within it.
void KeywordTableReader::CheckMemberLoad(const MemberLoadRecord& load, const LineRecord& values,
                                         int64_t lineNumber) {
  const auto refuse = [&](ReadFault fault, int32_t field) {
    field_ = field;
    ModelFileFailure failure;
    failure.fault = fault;
    failure.part = FilePart::Value;
    failure.line = lineNumber;
    failure.text = std::string(values.Text(field));
    failure.number = fault == ReadFault::BeyondMember || fault == ReadFault::NoSpanLeft
                         ? load.memberNo
                         : load.kind;
    if (const std::optional<double> length = MemberLength(load.memberNo)) failure.length = *length;
    return failure;
  };
  const bool force = load.kind == kDistributedLoad || load.kind == kConcentratedForce;
  if (!force && load.kind != kConcentratedMoment) throw refuse(ReadFault::NotInList, 1);
  if (force && (load.direction < kMemberAxisX || load.direction > kGlobalY)) {
    throw refuse(ReadFault::NotInList, 2);
  }
  if (!force && load.direction != kMomentDirection) throw refuse(ReadFault::UnusedNotZero, 2);
  if (load.kind != kDistributedLoad) {
    if (load.p2 != 0.0) throw refuse(ReadFault::UnusedNotZero, 4);
    if (load.b != 0.0) throw refuse(ReadFault::UnusedNotZero, 6);
  }
  if (load.a < 0.0) throw refuse(ReadFault::NegativeDistance, 5);
  if (load.b < 0.0) throw refuse(ReadFault::NegativeDistance, 6);
  const std::optional<double> length = MemberLength(load.memberNo);
  if (!length) return;
  if (load.kind == kDistributedLoad && !(load.a + load.b < *length)) {
    throw refuse(ReadFault::NoSpanLeft, 7);
  }
  if (load.kind != kDistributedLoad && load.a > *length) throw refuse(ReadFault::BeyondMember, 5);
}

// The length of the first member with the number, measured as the stiffness step measures it
// (the differences of the coordinates in single precision); none when the member or one of its
// nodes is missing, which the reference check refuses, or when the length is zero or too large,
// which the analysis refuses.
std::optional<double> KeywordTableReader::MemberLength(int16_t memberNo) {
  const auto firstOf = [](const auto& table, int32_t count, auto numberField) {
    std::unordered_map<int16_t, size_t> first;
    for (size_t i = 0; i < static_cast<size_t>(std::max(count, 0)) && i < table.size(); ++i) {
      first.try_emplace(table[i].*numberField, i);
    }
    return first;
  };
  if (!firstMembers_) {
    firstMembers_ = firstOf(model_.members, model_.memberCount, &MemberRecord::memberNo);
    firstNodes_ = firstOf(model_.nodes, model_.nodeCount, &NodeRecord::nodeNo);
  }
  const auto member = firstMembers_->find(memberNo);
  if (member == firstMembers_->end()) return std::nullopt;
  const MemberRecord& record = model_.members[member->second];
  const auto node1 = firstNodes_->find(record.node1No);
  const auto node2 = firstNodes_->find(record.node2No);
  if (node1 == firstNodes_->end() || node2 == firstNodes_->end()) return std::nullopt;
  const NodeRecord& end1 = model_.nodes[node1->second];
  const NodeRecord& end2 = model_.nodes[node2->second];
  const auto dx = static_cast<double>(end2.x - end1.x);
  const auto dy = static_cast<double>(end2.y - end1.y);
  const double length = std::sqrt(dx * dx + dy * dy);
  if (!std::isfinite(length) || length == 0.0) return std::nullopt;
  return length;
}

}  // namespace

void ReadKeywordTables(ModelTextReader& reader, Model& model, ReadWarnings& warnings) {
  KeywordTableReader(reader, model, warnings).Read();
}
