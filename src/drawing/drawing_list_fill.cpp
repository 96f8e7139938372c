#include "drawing_list_fill.h"

#include <string>

#include "basics/run_error.h"

void SetListCount(std::vector<LineSegment>& list, int16_t& count, long records,
                  std::string_view viewName) {
  if (records < 0 || records > INT16_MAX) {
    throw RunError(RunErrorCause::Arithmetic,
                   std::string(viewName) + "の線分が多すぎて描けません（" +
                       std::to_string(records) + " 本、32767 本まで）。");
  }
  count = static_cast<int16_t>(records);
  if (list.size() < static_cast<size_t>(count)) list.resize(static_cast<size_t>(count));
}

void AppendRecord(std::vector<LineSegment>& list, int16_t& count, const LineSegment& record,
                  std::string_view viewName) {
  const int16_t index = count;
  SetListCount(list, count, static_cast<long>(index) + 1, viewName);
  list[static_cast<size_t>(index)] = record;
}
