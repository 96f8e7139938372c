// Why and where a model file was refused, as the reader found it: the line, the table, the
// record and field, the text found there and the reason. The reader throws it; the message the
// user sees is made from it in model_file_messages. The reference check fails the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The counts line and the five tables, in file order, then the tables a keyword begins after
// the support table.
enum class ModelTable {
  Counts,
  Nodes,
  Sections,
  Members,
  Loads,
  Supports,
  MemberLoads,
  Hinges,
  Springs,
  Settlements,
};
inline constexpr size_t kModelTables = 10;

// The part of the file being read when the reader stopped.
enum class FilePart {
  File,       // the file as a whole: it could not be opened or read
  FirstLine,  // line 1, which must be FEMDATA
  FreeLine,   // lines 2 and 3, the title and heading
  Heading,    // the heading line before a table
  Value,      // a value of the counts line or of a record
  AfterTables,  // a line after the support table: a keyword, or what stands where a record should
};

enum class ReadFault {
  CannotOpen,       // the system refused to open the file (systemError says why)
  CannotRead,       // it opened, but its bytes could not be read (a directory)
  NotFemdata,       // line 1 is not exactly FEMDATA
  EndOfFile,        // the file ended while the part was still needed
  EmptyValue,       // nothing between two commas, or before the line end
  FullWidth,        // full-width digits, commas, signs or blanks in the value
  NotANumber,       // no number at the start of the value
  TextAfterNumber,  // a number, then other text ("-2000kg", "3O0")
  SpaceSeparated,   // numbers separated by blanks instead of commas ("1 0 0")
  TabSeparated,     // numbers separated by tabs, which a spreadsheet's text export writes
  OutOfRange,       // beyond what the field holds (16 bits, 32767 records, single precision)
  NegativeCount,    // a count below zero
  TooLong,          // longer than any number needs
  // The tables a keyword begins, whose records stand each on one line:
  LineEnded,         // the line ended before the record's last value
  ExtraValue,        // more values on the line than the record has (text holds the first)
  NotARecord,        // neither a record, a keyword nor empty (keyword: one it resembles)
  TableRepeated,     // the keyword of a table already read (firstLine: where it was)
  HeadingIsRecord,   // the line after the keyword reads as a record: the heading is missing
  NotInList,         // a kind or a direction that is not one of the table's
  UnusedNotZero,     // a value in a field the record's kind does not use
  NegativeDistance,  // a or b below zero
  BeyondMember,      // a point beyond the member's end (length: the member's, cm)
  NoSpanLeft,        // a + b not less than the member's length: nothing left to load
  NotAFlag,          // a hinge's end other than 0 or 1
  NegativeSpring,    // a spring stiffness below zero
  SpringOnRestrained,  // a spring on a direction a support restrains (firstLine: the support)
  SettlementOnFree,  // a settlement on a direction no support restrains
  NumberRepeated,    // a member or node named before in the same table (firstLine, firstRecord)
};

// What a value's field holds; it decides the range a message names.
enum class FieldKind { Count, Integer, Real };

// When a failure shows up where a shifted table would put it, the likely cause lies earlier.
enum class ShiftHint {
  None,
  HeadingMissing,  // a table without its heading line reads one line off
  ExtraValues,     // an earlier record had a comma after its last value ("-2,000")
  FieldsMissing,   // the record's line ended before its last field, which the next line filled
  FreeLineMissing,  // without the title or the counts heading, the counts come from a later line
  CountTooLarge,   // a count beyond the table's records reads the lines after it as records
};

struct ModelFileFailure {
  ReadFault fault = ReadFault::EndOfFile;
  FilePart part = FilePart::File;
  std::string path;
  int systemError = 0;  // errno of CannotOpen and CannotRead

  int64_t line = 0;  // 1-based line of the file where the value or line starts
  ModelTable table = ModelTable::Counts;
  int32_t record = 0;  // 0-based position in the table
  int32_t field = 0;   // 0-based position in the record, or on the counts line
  FieldKind kind = FieldKind::Real;
  std::string text;          // the bytes found there, as much as a message may quote
  bool textCut = false;      // more bytes followed that the text does not hold
  size_t numberLength = 0;   // TextAfterNumber: bytes of the number at the text's start
  int32_t recordsMissing = 0;  // EndOfFile in a table: records it still needed
  int16_t number = 0;        // NotInList, UnusedNotZero: the record's kind; BeyondMember,
                             // NoSpanLeft: the member's number; SpringOnRestrained,
                             // SettlementOnFree: the node's; NumberRepeated: the one repeated
  double length = 0.0;       // BeyondMember, NoSpanLeft: the member's length, cm
  int64_t firstLine = 0;     // TableRepeated: the line of the table's first keyword;
                             // SpringOnRestrained: of the support that restrains the direction;
                             // NumberRepeated: of the record that named the number first
  int32_t firstRecord = 0;   // NumberRepeated: that record's position
  std::string keyword;       // the table's keyword; NotARecord: the keyword the line resembles

  ShiftHint hint = ShiftHint::None;
  int64_t hintLine = 0;  // the record where the shift began, and its values; the counts line
  ModelTable hintTable = ModelTable::Counts;
  int32_t hintRecord = 0;
  int32_t hintFields = 0;
  int32_t hintCount = 0;  // CountTooLarge: the count as read
};

// A member, load or support that names a node or section the file does not define, a load along
// a member or a hinge that names a member, or a spring or settlement that names a node the file
// does not define.
struct ReferenceFailure {
  ModelTable table = ModelTable::Members;
  int32_t record = 0;  // 0-based position in the table
  int64_t line = 0;    // the line the record starts on
  int16_t memberNo = 0;
  // The fields that name a number the file does not define (field positions as read: a
  // member's node 1, node 2 and section are 1, 2 and 3; the node or member every other table
  // names is 0), and those numbers. A member with both ends missing names both.
  int32_t fields[2] = {0, 0};
  int16_t numbers[2] = {0, 0};
  int missingCount = 0;
};
