#include "model_file_reader.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "keyword_table_reader.h"
#include "messages/message_sink.h"
#include "model_file_messages.h"
#include "model.h"
#include "model_text_reader.h"

namespace {

// Zero-filled with one spare record at position count; the reader fills 0 .. count - 1.
template <typename Record>
void RecreateTable(std::vector<Record>& table, int32_t count) {
  table.assign(static_cast<size_t>(count) + 1, Record{});
}

void SetHint(ModelFileFailure& failure, ShiftHint hint, int64_t line, ModelTable table,
             int32_t record, int32_t fields) {
  failure.hint = hint;
  failure.hintLine = line;
  failure.hintTable = table;
  failure.hintRecord = record;
  failure.hintFields = fields;
}

bool HasNoDigit(const std::string& text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A heading line whose first value is a number is a record: the table's heading is missing.
bool StartsWithNumber(std::string_view line) {
  line = line.substr(0, line.find(','));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return ReadsAsRecord(line, 1, false);
}

// Reads the file part by part, keeping track of where it is, so that a failure can be told at
// its line, table, record and field, with the likely cause when the tables have shifted.
class ModelFileParser {
 public:
  ModelFileParser(const std::string& path, Model& model, ReadWarnings& warnings)
      : reader_(path), model_(model), warnings_(warnings) {}

  void Read() {
    try {
      ReadParts();
    } catch (ModelFileFailure& failure) {
      Locate(failure);
      throw;
    }
  }

 private:
  void ReadParts();

  void Skip(FilePart part, ModelTable table = ModelTable::Counts) {
    place_ = {part, table, 0, 0};
    reader_.SkipLine();
  }
  void StartRecord(ModelTable table, int32_t record) {
    place_ = {FilePart::Value, table, record, 0};
  }
  // Each value notes its field first; the record's line is the line of its first value.
  template <typename Value>
  Value Field(int32_t field, Value (ModelTextReader::*read)()) {
    place_.field = field;
    const Value value = (reader_.*read)();
    if (field == 0) recordLine_ = reader_.valueLine();
    return value;
  }
  int16_t Count(int32_t field) {
    const int16_t count = Field(field, &ModelTextReader::ReadCount);
    NoteFraction(count);
    return count;
  }
  int16_t Integer(int32_t field) {
    const int16_t value = Field(field, &ModelTextReader::ReadInteger);
    NoteFraction(value);
    return value;
  }
  float Real(int32_t field) { return Field(field, &ModelTextReader::ReadReal); }
  // A support's restraint: 0 free, any other value restrained, but only 1 is meant so.
  int16_t Flag(int32_t field) {
    const int16_t flag = Integer(field);
    if (flag != 0 && flag != 1) Warn(ReadWarningKind::SupportFlag, flag);
    return flag;
  }

  // A warning about the value just read.
  void Warn(ReadWarningKind kind, int16_t number) {
    ReadWarning warning;
    warning.kind = kind;
    warning.line = reader_.valueLine();
    warning.table = place_.table;
    warning.record = place_.record;
    warning.field = place_.field;
    warning.text = reader_.valueText();
    warning.number = number;
    warnings_.Add(std::move(warning));
  }
  // A fraction in a whole-number field is read rounded, halves to even.
  void NoteFraction(int16_t value) {
    if (reader_.number() != static_cast<double>(value)) Warn(ReadWarningKind::Fraction, value);
  }
  // Each node, section and member number is kept with its first record; a later record with the
  // same number is never used.
  void NoteNumber(int16_t number) {
    auto& first = firstRecords_[static_cast<size_t>(place_.table)];
    const auto [found, isNew] = first.try_emplace(number, FirstRecord{place_.record, recordLine_});
    if (isNew) return;
    ReadWarning warning;
    warning.kind = ReadWarningKind::DuplicateNumber;
    warning.line = recordLine_;
    warning.table = place_.table;
    warning.record = place_.record;
    warning.number = number;
    warning.firstLine = found->second.line;
    warning.firstRecord = found->second.record;
    warnings_.Add(std::move(warning));
  }
  // A comma after a record's last value leaves values on its line that the next record takes:
  // from there on every value is read in the wrong field ("-2,000" is two values).
  void EndRecord(int32_t fields) {
    if (!reader_.valueEndedAtComma() || extraValuesLine_ != 0) return;
    extraValuesLine_ = recordLine_;
    extraValuesTable_ = place_.table;
    extraValuesRecord_ = place_.record;
    extraValuesFields_ = fields;
  }

  // Each table follows its own free header line.
  template <typename Record, typename ReadRecord>
  void ReadTable(ModelTable name, int32_t fields, std::vector<Record>& table,
                 std::vector<int64_t>* lines, ReadRecord readRecord) {
    place_ = {FilePart::Heading, name, 0, 0};
    std::string heading;
    reader_.SkipLine(&heading);
    headingIsRecord_[static_cast<size_t>(name)] = StartsWithNumber(heading);
    const int32_t count = counts_[static_cast<size_t>(name)];
    if (lines != nullptr) lines->assign(static_cast<size_t>(count), 0);
    for (int32_t i = 0; i < count; ++i) {
      StartRecord(name, i);
      readRecord(table[static_cast<size_t>(i)]);
      EndRecord(fields);
      if (lines != nullptr) (*lines)[static_cast<size_t>(i)] = recordLine_;
    }
  }

  void Locate(ModelFileFailure& failure) const;

  struct Place {
    FilePart part;
    ModelTable table;
    int32_t record;
    int32_t field;
  };

  struct FirstRecord {
    int32_t record;
    int64_t line;
  };

  ModelTextReader reader_;
  Model& model_;
  ReadWarnings& warnings_;
  Place place_{FilePart::FirstLine, ModelTable::Counts, 0, 0};
  std::array<int32_t, 6> counts_{};  // by ModelTable; the counts line's own entry is unused
  int64_t countsLine_ = 0;
  // By ModelTable, for the five tables the counts give: whether the line read as the heading
  // starts with a number, as a record does.
  std::array<bool, 6> headingIsRecord_{};
  // By ModelTable, for the node, section and member tables: each number's first record.
  std::array<std::unordered_map<int16_t, FirstRecord>, 4> firstRecords_;
  int64_t recordLine_ = 0;
  // The five counts were read from more than one line: the lines before them are one short.
  bool countsSplit_ = false;
  int64_t extraValuesLine_ = 0;
  ModelTable extraValuesTable_ = ModelTable::Counts;
  int32_t extraValuesRecord_ = 0;
  int32_t extraValuesFields_ = 0;
};

void ModelFileParser::ReadParts() {
  place_ = {FilePart::FirstLine, ModelTable::Counts, 0, 0};
  reader_.ExpectFirstLine("FEMDATA");
  Skip(FilePart::FreeLine);
  Skip(FilePart::FreeLine);
  StartRecord(ModelTable::Counts, 0);
  model_.nodeCount = Count(0);
  model_.sectionCount = Count(1);
  model_.memberCount = Count(2);
  model_.loadCount = Count(3);
  model_.supportCount = Count(4);
  countsLine_ = recordLine_;
  countsSplit_ = reader_.valueLine() != recordLine_;
  EndRecord(5);
  counts_ = {0,
             model_.nodeCount,
             model_.sectionCount,
             model_.memberCount,
             model_.loadCount,
             model_.supportCount};

  RecreateTable(model_.nodes, model_.nodeCount);
  RecreateTable(model_.sections, model_.sectionCount);
  RecreateTable(model_.members, model_.memberCount);
  RecreateTable(model_.loads, model_.loadCount);
  RecreateTable(model_.supports, model_.supportCount);
  model_.memberLines.clear();
  model_.loadLines.clear();
  model_.supportLines.clear();
  model_.memberLoads.clear();
  model_.memberLoadLines.clear();
  model_.hinges.clear();
  model_.hingeLines.clear();
  model_.springs.clear();
  model_.springLines.clear();
  model_.settlements.clear();
  model_.settlementLines.clear();

  ReadTable(ModelTable::Nodes, 3, model_.nodes, nullptr, [&](NodeRecord& node) {
    node.nodeNo = Integer(0);
    node.x = Real(1);
    node.y = Real(2);
    NoteNumber(node.nodeNo);
  });
  ReadTable(ModelTable::Sections, 4, model_.sections, nullptr, [&](SectionRecord& section) {
    section.sectionNo = Integer(0);
    section.area = Real(1);
    section.inertia = Real(2);
    section.youngModulus = Real(3);
    NoteNumber(section.sectionNo);
  });
  ReadTable(ModelTable::Members, 4, model_.members, &model_.memberLines,
            [&](MemberRecord& member) {
              member.memberNo = Integer(0);
              member.node1No = Integer(1);
              member.node2No = Integer(2);
              member.sectionNo = Integer(3);
              NoteNumber(member.memberNo);
            });
  ReadTable(ModelTable::Loads, 4, model_.loads, &model_.loadLines,
            [&](NodalLoadRecord& load) {
              load.nodeNo = Integer(0);
              load.fx = Real(1);
              load.fy = Real(2);
              load.moment = Real(3);
            });
  ReadTable(ModelTable::Supports, 4, model_.supports, &model_.supportLines,
            [&](SupportRecord& support) {
              support.nodeNo = Integer(0);
              support.fixU = Flag(1);
              support.fixV = Flag(2);
              support.fixTheta = Flag(3);
            });
  place_ = {FilePart::AfterTables, ModelTable::Supports, 0, 0};
  ReadKeywordTables(reader_, model_, warnings_);
}

void ModelFileParser::Locate(ModelFileFailure& failure) const {
  if (failure.part == FilePart::File) return;  // the file could not be read at all
  if (place_.part == FilePart::AfterTables) return;  // located where it was found
  failure.part = place_.part;
  failure.table = place_.table;
  failure.record = place_.record;
  failure.field = place_.field;
  // Without the title or the counts heading, the counts are read from the line after them:
  // a table's heading, whose words are no number, or the node table's first records, whose
  // values then run on into the next line and shift every table after them.
  const bool headingAsCounts = place_.table == ModelTable::Counts &&
                               place_.part == FilePart::Value &&
                               failure.fault == ReadFault::NotANumber && HasNoDigit(failure.text);
  if (headingAsCounts) {
    failure.hint = ShiftHint::FreeLineMissing;
    return;
  }
  if (place_.table == ModelTable::Counts) return;
  const auto table = static_cast<size_t>(place_.table);
  if (failure.fault == ReadFault::EndOfFile) failure.recordsMissing = counts_[table] - place_.record;
  if (place_.part != FilePart::Value) return;

  const bool shiftedValue = failure.fault != ReadFault::FullWidth &&
                            failure.fault != ReadFault::SpaceSeparated &&
                            failure.fault != ReadFault::TabSeparated &&
                            failure.fault != ReadFault::TooLong;
  if (!shiftedValue) return;
  if (countsSplit_) {
    failure.hint = ShiftHint::FreeLineMissing;
    return;
  }
  if (extraValuesLine_ != 0) {
    SetHint(failure, ShiftHint::ExtraValues, extraValuesLine_, extraValuesTable_,
            extraValuesRecord_, extraValuesFields_);
    return;
  }
  if (place_.field > 0 && failure.line > recordLine_) {
    SetHint(failure, ShiftHint::FieldsMissing, recordLine_, place_.table, place_.record,
            place_.field);
    return;
  }
  // A record that is the next table's heading, or the end of the file where no table follows,
  // means the table ran out of records before its count. Without its heading line a table takes
  // its first record as the heading and runs out at its last record; with its heading, the count
  // is larger than its records.
  const bool headingThere = failure.fault == ReadFault::NotANumber && HasNoDigit(failure.text);
  const bool nothingAfter = std::all_of(counts_.begin() + static_cast<long>(table) + 1,
                                        counts_.end(), [](int32_t count) { return count == 0; });
  const bool ranOut = place_.field == 0 && (headingThere ||
                                            (failure.fault == ReadFault::EndOfFile && nothingAfter));
  if (!ranOut) return;
  if (headingIsRecord_[table]) {
    if (place_.record == counts_[table] - 1) failure.hint = ShiftHint::HeadingMissing;
    return;
  }
  SetHint(failure, ShiftHint::CountTooLarge, countsLine_, place_.table, 0, 0);
  failure.hintCount = counts_[table];
}

}  // namespace

std::optional<Model> ReadModelFile(const std::string& path, ReadWarnings* warnings) {
  Model model;
  model.modelPath = path;
  ReadWarnings found;
  try {
    // The reader closes the file on every way out, a failed read included.
    ModelFileParser parser(path, model, found);
    parser.Read();
  } catch (ModelFileFailure& failure) {
    failure.path = path;
    ShowMessage(ModelFileFailureMessage(failure));
    return std::nullopt;
  }
  if (warnings != nullptr) *warnings = std::move(found);
  return model;
}

