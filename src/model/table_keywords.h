// The tables that may follow the support table, each begun by its upper-case keyword alone on a
// line: the list the reader goes by, and the look for a line that was meant as a keyword but is
// written otherwise. A new table is one more row of the list.
#pragma once

#include <cstdint>
#include <string_view>

#include "model_file_failure.h"

struct TableKeyword {
  std::string_view keyword;
  ModelTable table;
  int32_t fields;  // values of each record, all on the record's one line
};

// The table whose keyword the line is, blanks around it ignored; nullptr for any other line.
const TableKeyword* FindTableKeyword(std::string_view line);

// For a line that is no keyword, the table whose keyword it looks like a slip for: the keyword in
// another case, or with one character added, dropped or changed (blanks around it ignored);
// nullptr when it looks like none.
const TableKeyword* ResembledTableKeyword(std::string_view line);

// The keyword and record of a table that has a keyword; nullptr for the five counted tables.
const TableKeyword* TableKeywordOf(ModelTable table);
