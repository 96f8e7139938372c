// Tables as text a spreadsheet reads: all of them as one CSV file, and a block of cells as the
// tab-separated text a spreadsheet pastes into cells. No Qt.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "result_tables.h"

// UTF-8 with a byte-order mark (so that a spreadsheet does not take it for the locale's code
// page), lines ended by CR LF, a field with a comma, a double quote, a CR or an LF in double quotes
// and its quotes doubled (RFC 4180). Each table is a block: its title alone on a line, the
// headings, the rows; an empty line between blocks.
std::string TablesAsCsv(const std::vector<ResultTable>& tables);

// A rectangle of a table's cells: rows and columns from the first, counted; a rectangle that
// reaches past the table is cut at its edge.
struct CellRange {
  size_t firstRow = 0;
  size_t rowCount = 0;
  size_t firstColumn = 0;
  size_t columnCount = 0;
  bool withHeadings = false;  // the headings of its columns as a first line
};

// The cells of the range, TABs between them and LF after each line. A cell with a TAB, a line end
// or a double quote is quoted as in CSV, which spreadsheets take back as one cell.
std::string CellsAsTsv(const ResultTable& table, const CellRange& range);
