#include "drawing_lists.h"

#include <limits>
#include <string>

#include "basics/number_text.h"
#include "basics/run_error.h"

DrawingList MemberLines;
DrawingList LoadSymbols;
DrawingList DeflectedShapeLines;
DrawingList BendingMomentLines;
DrawingList ShearForceLines;
DrawingList AxialForceLines;

float ModelWidth = 0.0f;
float ModelHeight = 0.0f;

const std::array<NamedDrawingList, 6> AllDrawingLists = {{
    {"MemberLines", &MemberLines},
    {"LoadSymbols", &LoadSymbols},
    {"DeflectedShapeLines", &DeflectedShapeLines},
    {"BendingMomentLines", &BendingMomentLines},
    {"ShearForceLines", &ShearForceLines},
    {"AxialForceLines", &AxialForceLines},
}};

void DrawingList::Reset() {
  records.assign(1, LineSegment{});
  count = 0;
}

void DrawingList::SetCount(long newCount, std::string_view viewName) {
  constexpr long kLargest = std::numeric_limits<DrawingListCount>::max();
  if (newCount < 0 || newCount > kLargest) {
    throw RunError(RunErrorCause::Arithmetic,
                   std::string(viewName) + "の線分が多すぎて描けません（" +
                       FormatInteger(newCount) + " 本、" + FormatInteger(kLargest) + " 本まで）。");
  }
  count = static_cast<DrawingListCount>(newCount);
  if (records.size() < static_cast<size_t>(count)) records.resize(static_cast<size_t>(count));
}

void DrawingList::Append(const LineSegment& record, std::string_view viewName) {
  const DrawingListCount index = count;
  SetCount(static_cast<long>(index) + 1, viewName);
  records[static_cast<size_t>(index)] = record;
}

std::span<const LineSegment> DrawingList::InUse() const {
  return std::span<const LineSegment>(records).first(count > 0 ? static_cast<size_t>(count) : 0);
}

void ClearResultLists() {
  for (DrawingList* list :
       {&DeflectedShapeLines, &BendingMomentLines, &ShearForceLines, &AxialForceLines}) {
    list->count = 0;
  }
}

DrawingGeometry DrawingGeometry::Current() {
  DrawingGeometry geometry;
  for (size_t i = 0; i < AllDrawingLists.size(); ++i) geometry.lists[i] = *AllDrawingLists[i].list;
  geometry.modelWidth = ModelWidth;
  geometry.modelHeight = ModelHeight;
  return geometry;
}

void DrawingGeometry::Restore() const {
  for (size_t i = 0; i < AllDrawingLists.size(); ++i) *AllDrawingLists[i].list = lists[i];
  ModelWidth = modelWidth;
  ModelHeight = modelHeight;
}
