#include "model_file_reader.h"

#include <algorithm>
#include <array>

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

// Reads the file part by part, keeping track of where it is, so that a failure can be told at
// its line, table, record and field, with the likely cause when the tables have shifted.
class ModelFileParser {
 public:
  ModelFileParser(const std::string& path, Model& model) : reader_(path), model_(model) {}

  void Read() {
    try {
      ReadParts();
    } catch (ModelFileFailure& failure) {
      Locate(failure);
      throw;
    }
  }

  TrailingSupportLines TrailingSupports() {
    TrailingSupportLines lines;
    lines.count = reader_.CountRecordLikeLines(4, lines.firstLine);
    return lines;
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
  int16_t Count(int32_t field) { return Field(field, &ModelTextReader::ReadCount); }
  int16_t Integer(int32_t field) { return Field(field, &ModelTextReader::ReadInteger); }
  float Real(int32_t field) { return Field(field, &ModelTextReader::ReadReal); }
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
    Skip(FilePart::Heading, name);
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

  ModelTextReader reader_;
  Model& model_;
  Place place_{FilePart::FirstLine, ModelTable::Counts, 0, 0};
  std::array<int32_t, 6> counts_{};  // by ModelTable; the counts line's own entry is unused
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

  ReadTable(ModelTable::Nodes, 3, model_.nodes, nullptr, [&](NodeRecord& node) {
    node.nodeNo = Integer(0);
    node.x = Real(1);
    node.y = Real(2);
  });
  ReadTable(ModelTable::Sections, 4, model_.sections, nullptr, [&](SectionRecord& section) {
    section.sectionNo = Integer(0);
    section.area = Real(1);
    section.inertia = Real(2);
    section.youngModulus = Real(3);
  });
  ReadTable(ModelTable::Members, 4, model_.members, &model_.memberLines,
            [&](MemberRecord& member) {
              member.memberNo = Integer(0);
              member.node1No = Integer(1);
              member.node2No = Integer(2);
              member.sectionNo = Integer(3);
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
              support.fixU = Integer(1);
              support.fixV = Integer(2);
              support.fixTheta = Integer(3);
            });
}

void ModelFileParser::Locate(ModelFileFailure& failure) const {
  if (failure.part == FilePart::File) return;  // the file could not be read at all
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
  // Without its heading line a table takes its first record as the heading and reads the line
  // after its last record (the next heading, or the end of the file) as that record.
  const bool lastRecord = place_.field == 0 && place_.record == counts_[table] - 1;
  const bool headingThere = failure.fault == ReadFault::NotANumber && HasNoDigit(failure.text);
  const bool nothingAfter = std::all_of(counts_.begin() + static_cast<long>(table) + 1,
                                        counts_.end(), [](int32_t count) { return count == 0; });
  if (lastRecord && (headingThere || (failure.fault == ReadFault::EndOfFile && nothingAfter))) {
    failure.hint = ShiftHint::HeadingMissing;
  }
}

}  // namespace

std::optional<Model> ReadModelFile(const std::string& path, TrailingSupportLines* trailing) {
  Model model;
  model.modelPath = path;
  try {
    // The reader closes the file on every way out, a failed read included.
    ModelFileParser parser(path, model);
    parser.Read();
    if (trailing != nullptr) *trailing = parser.TrailingSupports();
    return model;
  } catch (ModelFileFailure& failure) {
    failure.path = path;
    ShowMessage(ModelFileFailureMessage(failure));
    return std::nullopt;
  }
}
