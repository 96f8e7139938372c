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
  void ReadRecord(ModelTable table, const LineRecord& values, int64_t lineNumber);
  void ReadMemberLoad(const LineRecord& values, int64_t lineNumber);
  void CheckMemberLoad(const MemberLoadRecord& load, const LineRecord& values, int64_t lineNumber);
  void ReadHinge(const LineRecord& values, int64_t lineNumber);
  template <typename Record>
  void ReadNodeRecord(const LineRecord& values, int64_t lineNumber, std::vector<Record>& table,
                      std::vector<int64_t>& lines, const std::array<double Record::*, 3>& fields,
                      ReadFault fault);
  void RefuseRepeated(int16_t number, const std::vector<int64_t>& lines, const LineRecord& values,
                      int64_t lineNumber);
  void CheckAgainstSupports(int16_t nodeNo, const std::array<double, 3>& values, ReadFault fault,
                            const LineRecord& record, int64_t lineNumber);
  void FindFirstNumbers();
  std::optional<double> MemberLength(int16_t memberNo);

  // A value of the record refused for `fault`, at its field.
  ModelFileFailure Refusal(ReadFault fault, int32_t field, const LineRecord& values,
                           int64_t lineNumber) {
    field_ = field;
    ModelFileFailure failure;
    failure.fault = fault;
    failure.part = FilePart::Value;
    failure.line = lineNumber;
    failure.text = std::string(values.Text(field));
    return failure;
  }
  // Nothing may follow the record's last field.
  void EndRecord(const LineRecord& values, int32_t fields) {
    field_ = fields;
    values.ExpectEnd(fields);
  }

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
  std::array<int64_t, kModelTables> keywordLines_{};
  // The position of the first node and member with each number, made when first needed.
  std::optional<std::unordered_map<int16_t, size_t>> firstNodes_;
  std::optional<std::unordered_map<int16_t, size_t>> firstMembers_;
  // By node number, for u, v and θ, the line of the first support record that restrains it, 0
  // where none does; made when first needed.
  std::optional<std::unordered_map<int16_t, std::array<int64_t, 3>>> restraints_;
  // In the table being read, the record that named each member or node first.
  std::unordered_map<int16_t, int32_t> numbersInTable_;
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
      ReadRecord(table->table, LineRecord(line, cut, lineNumber), lineNumber);
    }
  }
}

void KeywordTableReader::ReadRecord(ModelTable table, const LineRecord& values,
                                    int64_t lineNumber) {
  switch (table) {
    case ModelTable::MemberLoads: ReadMemberLoad(values, lineNumber); break;
    case ModelTable::Hinges: ReadHinge(values, lineNumber); break;
    case ModelTable::Springs:
      ReadNodeRecord(values, lineNumber, model_.springs, model_.springLines,
                     {&SpringRecord::kx, &SpringRecord::ky, &SpringRecord::kTheta},
                     ReadFault::SpringOnRestrained);
      break;
    case ModelTable::Settlements:
      ReadNodeRecord(values, lineNumber, model_.settlements, model_.settlementLines,
                     {&SettlementRecord::u, &SettlementRecord::v, &SettlementRecord::theta},
                     ReadFault::SettlementOnFree);
      break;
    default: break;
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
  numbersInTable_.clear();
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

void KeywordTableReader::ReadMemberLoad(const LineRecord& values, int64_t lineNumber) {
  record_ = static_cast<int32_t>(model_.memberLoads.size());
  MemberLoadRecord load;
  load.memberNo = Integer(values, 0, lineNumber);
  load.kind = Integer(values, 1, lineNumber);
  load.direction = Integer(values, 2, lineNumber);
  load.p1 = Real(values, 3);
  load.p2 = Real(values, 4);
  load.a = Real(values, 5);
  load.b = Real(values, 6);
  EndRecord(values, 7);
  CheckMemberLoad(load, values, lineNumber);
  model_.memberLoads.push_back(load);
  model_.memberLoadLines.push_back(lineNumber);
}

// The kind and direction from the lists; zero in the fields the kind does not use, which catches
// values written one field off; distances from the member's ends that stay within it.
void KeywordTableReader::CheckMemberLoad(const MemberLoadRecord& load, const LineRecord& values,
                                         int64_t lineNumber) {
  const auto refuse = [&](ReadFault fault, int32_t field) {
    ModelFileFailure failure = Refusal(fault, field, values, lineNumber);
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

// A member's two ends, each 0 (rigidly joined) or 1 (transmits no moment).
void KeywordTableReader::ReadHinge(const LineRecord& values, int64_t lineNumber) {
  record_ = static_cast<int32_t>(model_.hinges.size());
  HingeRecord hinge;
  hinge.memberNo = Integer(values, 0, lineNumber);
  hinge.release1 = Integer(values, 1, lineNumber);
  hinge.release2 = Integer(values, 2, lineNumber);
  EndRecord(values, 3);
  if (hinge.release1 != 0 && hinge.release1 != 1) {
    throw Refusal(ReadFault::NotAFlag, 1, values, lineNumber);
  }
  if (hinge.release2 != 0 && hinge.release2 != 1) {
    throw Refusal(ReadFault::NotAFlag, 2, values, lineNumber);
  }
  RefuseRepeated(hinge.memberNo, model_.hingeLines, values, lineNumber);
  model_.hinges.push_back(hinge);
  model_.hingeLines.push_back(lineNumber);
}

// A spring or a settlement: the node's number, its values for u, v and θ and nothing after them.
// A spring is not negative; the node is named once in the table, and its values must suit its
// supports (`fault` says which way).
template <typename Record>
void KeywordTableReader::ReadNodeRecord(const LineRecord& values, int64_t lineNumber,
                                        std::vector<Record>& table, std::vector<int64_t>& lines,
                                        const std::array<double Record::*, 3>& fields,
                                        ReadFault fault) {
  record_ = static_cast<int32_t>(table.size());
  Record record;
  record.nodeNo = Integer(values, 0, lineNumber);
  std::array<double, 3> read{};
  for (size_t direction = 0; direction < 3; ++direction) {
    read[direction] = Real(values, static_cast<int32_t>(direction) + 1);
  }
  EndRecord(values, 4);
  for (size_t direction = 0; direction < 3; ++direction) {
    if (fault == ReadFault::SpringOnRestrained && read[direction] < 0.0) {
      throw Refusal(ReadFault::NegativeSpring, static_cast<int32_t>(direction) + 1, values,
                    lineNumber);
    }
  }
  RefuseRepeated(record.nodeNo, lines, values, lineNumber);
  CheckAgainstSupports(record.nodeNo, read, fault, values, lineNumber);
  for (size_t direction = 0; direction < 3; ++direction) {
    record.*fields[direction] = read[direction];
  }
  table.push_back(record);
  lines.push_back(lineNumber);
}

// Each member or node has one record in a table, so that no record silently overrides or adds
// to another; `lines` holds the lines of the table's records so far.
void KeywordTableReader::RefuseRepeated(int16_t number, const std::vector<int64_t>& lines,
                                        const LineRecord& values, int64_t lineNumber) {
  const auto [first, isNew] = numbersInTable_.try_emplace(number, record_);
  if (isNew) return;
  ModelFileFailure failure = Refusal(ReadFault::NumberRepeated, 0, values, lineNumber);
  failure.number = number;
  failure.firstRecord = first->second;
  failure.firstLine = lines.at(static_cast<size_t>(first->second));
  throw failure;
}

// A spring (SpringOnRestrained) must not be given on a direction a support restrains, where it
// would carry nothing, and a settlement (SettlementOnFree) not on a direction no support
// restrains, where nothing could impose it. A direction is restrained when any support record of
// the node has a flag other than 0 there, as the analysis takes it. A node the node table does
// not define is left to the reference check.
void KeywordTableReader::CheckAgainstSupports(int16_t nodeNo, const std::array<double, 3>& values,
                                              ReadFault fault, const LineRecord& record,
                                              int64_t lineNumber) {
  FindFirstNumbers();
  if (!firstNodes_->contains(nodeNo)) return;
  if (!restraints_) {
    restraints_.emplace();
    const size_t inUse = std::min({static_cast<size_t>(std::max<int32_t>(model_.supportCount, 0)),
                                   model_.supports.size(), model_.supportLines.size()});
    for (size_t i = 0; i < inUse; ++i) {
      const SupportRecord& support = model_.supports[i];
      std::array<int64_t, 3>& lines = (*restraints_)[support.nodeNo];
      const int16_t flags[3] = {support.fixU, support.fixV, support.fixTheta};
      for (size_t direction = 0; direction < 3; ++direction) {
        if (flags[direction] != 0 && lines[direction] == 0) {
          lines[direction] = model_.supportLines[i];
        }
      }
    }
  }
  const auto found = restraints_->find(nodeNo);
  const std::array<int64_t, 3> lines = found != restraints_->end() ? found->second
                                                                   : std::array<int64_t, 3>{};
  for (size_t direction = 0; direction < 3; ++direction) {
    const bool restrained = lines[direction] != 0;
    if (values[direction] == 0.0 || restrained != (fault == ReadFault::SpringOnRestrained)) {
      continue;
    }
    ModelFileFailure failure =
        Refusal(fault, static_cast<int32_t>(direction) + 1, record, lineNumber);
    failure.number = nodeNo;
    failure.firstLine = lines[direction];
    throw failure;
  }
}

// The position of the first member and node with each number, as the reference check resolves
// them.
void KeywordTableReader::FindFirstNumbers() {
  if (firstMembers_) return;
  const auto firstOf = [](const auto& table, int32_t count, auto numberField) {
    std::unordered_map<int16_t, size_t> first;
    for (size_t i = 0; i < static_cast<size_t>(std::max(count, 0)) && i < table.size(); ++i) {
      first.try_emplace(table[i].*numberField, i);
    }
    return first;
  };
  firstMembers_ = firstOf(model_.members, model_.memberCount, &MemberRecord::memberNo);
  firstNodes_ = firstOf(model_.nodes, model_.nodeCount, &NodeRecord::nodeNo);
}

// The length of the first member with the number, measured as the stiffness step measures it
// (the differences of the coordinates in single precision); none when the member or one of its
// nodes is missing, which the reference check refuses, or when the length is zero or too large,
// which the analysis refuses.
std::optional<double> KeywordTableReader::MemberLength(int16_t memberNo) {
  FindFirstNumbers();
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
