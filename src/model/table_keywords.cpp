#include "table_keywords.h"

#include "file_text.h"

namespace {

constexpr TableKeyword kTableKeywords[] = {
    {"MEMBERLOADS", ModelTable::MemberLoads, 7},
    {"HINGES", ModelTable::Hinges, 3},
    {"SPRINGS", ModelTable::Springs, 4},
    {"SETTLEMENTS", ModelTable::Settlements, 4},
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether `text`, upper-cased, is `keyword` with at most one character added, dropped or
// changed. `keyword` is upper case.
bool WithinOneEdit(std::string_view text, std::string_view keyword) {
  if (text.size() + 1 < keyword.size() || text.size() > keyword.size() + 1) return false;
  size_t i = 0;
  while (i < text.size() && i < keyword.size() && UpperAscii(text[i]) == keyword[i]) ++i;
  // Past the first difference, the rest must match after one change, addition or drop.
  const auto restMatches = [&](size_t textFrom, size_t keywordFrom) {
    if (textFrom > text.size() || keywordFrom > keyword.size()) return false;
    if (text.size() - textFrom != keyword.size() - keywordFrom) return false;
    for (size_t k = 0; textFrom + k < text.size(); ++k) {
      if (UpperAscii(text[textFrom + k]) != keyword[keywordFrom + k]) return false;
    }
    return true;
  };
  if (i == text.size() && i == keyword.size()) return true;
  return restMatches(i + 1, i + 1) || restMatches(i + 1, i) || restMatches(i, i + 1);
}

}  // namespace

const TableKeyword* FindTableKeyword(std::string_view line) {
  line = TrimBlanks(line);
  for (const TableKeyword& table : kTableKeywords) {
    if (line == table.keyword) return &table;
  }
  return nullptr;
}

const TableKeyword* ResembledTableKeyword(std::string_view line) {
  line = TrimBlanks(line);
  for (const TableKeyword& table : kTableKeywords) {
    if (line != table.keyword && WithinOneEdit(line, table.keyword)) return &table;
  }
  return nullptr;
}

const TableKeyword* TableKeywordOf(ModelTable table) {
  for (const TableKeyword& entry : kTableKeywords) {
    if (entry.table == table) return &entry;
  }
  return nullptr;
}
