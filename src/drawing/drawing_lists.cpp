#include "drawing_lists.h"

#include <limits>
#include <string>

#include "text/number_text.h"
#include "messages/run_error.h"

std::array<NamedDrawingList, 13> NamedDrawingLists(const DrawingGeometry& geometry) {
  return {{
      {"MemberLines", &geometry.memberLines},
      {"LoadSymbols", &geometry.loadSymbols},
      {"JointSymbols", &geometry.jointSymbols, false},
      {"DeflectedShapeLines", &geometry.deflectedShapeLines},
      {"BendingMomentLines", &geometry.bendingMomentLines},
      {"ShearForceLines", &geometry.shearForceLines},
      {"AxialForceLines", &geometry.axialForceLines},
      {"BendingMomentCurves", &geometry.bendingMomentCurves, false},
      {"ShearForceCurves", &geometry.shearForceCurves, false},
      {"AxialForceCurves", &geometry.axialForceCurves, false},
      {"SupportSymbols", &geometry.details.supportSymbols, false},
      {"ReactionArrows", &geometry.details.reactionArrows, false},
      {"ReactionMoments", &geometry.details.reactionMoments, false},
  }};
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
