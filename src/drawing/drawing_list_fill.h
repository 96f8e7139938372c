// Filling the drawing lists: setting a list's count and growing the list to hold it, or appending
// records one at a time. Counts are 16-bit; a model that needs more records than that gets a
// RunError naming the view instead of a wrapped count.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "drawing_lists.h"

// count = records, and the list holds at least that many.
void SetListCount(std::vector<LineSegment>& list, int16_t& count, long records,
                  std::string_view viewName);
// Writes the record at index count and increments count.
void AppendRecord(std::vector<LineSegment>& list, int16_t& count, const LineSegment& record,
                  std::string_view viewName);
