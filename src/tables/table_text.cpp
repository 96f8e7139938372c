#include "table_text.h"

#include <algorithm>
#include <string_view>

namespace {

// The field as it is, or in double quotes with its quotes doubled when it holds any of `special`.
void AppendField(std::string& out, std::string_view field, std::string_view special) {
  if (field.find_first_of(special) == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendLine(std::string& out, const std::vector<std::string>& fields, size_t first,
                size_t count, char separator, std::string_view special, std::string_view end) {
  const size_t last = std::min(fields.size(), first + count);
  for (size_t i = first; i < last; ++i) {
    if (i > first) out += separator;
    AppendField(out, fields[i], special);
  }
  out += end;
}

}  // namespace

std::string TablesAsCsv(const std::vector<ResultTable>& tables) {
  constexpr std::string_view kSpecial = ",\"\r\n";
  std::string csv = "\xEF\xBB\xBF";
  for (size_t t = 0; t < tables.size(); ++t) {
    const ResultTable& table = tables[t];
    if (t > 0) csv += "\r\n";
    AppendLine(csv, {table.title}, 0, 1, ',', kSpecial, "\r\n");
    AppendLine(csv, table.headings, 0, table.headings.size(), ',', kSpecial, "\r\n");
    for (const std::vector<std::string>& row : table.rows) {
      AppendLine(csv, row, 0, row.size(), ',', kSpecial, "\r\n");
    }
  }
  return csv;
}

std::string CellsAsTsv(const ResultTable& table, const CellRange& range) {
  constexpr std::string_view kSpecial = "\t\"\r\n";
  std::string tsv;
  if (range.withHeadings) {
    AppendLine(tsv, table.headings, range.firstColumn, range.columnCount, '\t', kSpecial, "\n");
  }
  const size_t lastRow = std::min(table.rows.size(), range.firstRow + range.rowCount);
  for (size_t r = range.firstRow; r < lastRow; ++r) {
    AppendLine(tsv, table.rows[r], range.firstColumn, range.columnCount, '\t', kSpecial, "\n");
  }
  return tsv;
}
