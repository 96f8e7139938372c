#include "member_curves.h"

#include <algorithm>

namespace {

constexpr size_t kMostPointsUnderOneHeader = 32767;

}  // namespace

void AppendMemberCurve(DrawingList& curves, int16_t memberPosition,
                       std::span<const LineSegment> points, std::string_view viewName) {
  if (points.empty()) return;
  size_t first = 0;
  do {
    const size_t count = std::min(points.size() - first, kMostPointsUnderOneHeader);
    curves.Append({memberPosition, static_cast<int16_t>(count), 0, 0}, viewName);
    for (const LineSegment& point : points.subspan(first, count)) curves.Append(point, viewName);
    // The next header repeats the last point, so that the pieces join.
    first += count - 1;
  } while (first + 1 < points.size());
}

std::vector<MemberCurve> MemberCurvesOf(const DrawingList& curves) {
  const std::span<const LineSegment> records = curves.InUse();
  std::vector<MemberCurve> found;
  for (size_t k = 0; k < records.size();) {
    const LineSegment& header = records[k];
    const size_t count =
        std::min(static_cast<size_t>(std::max<int16_t>(header.Y1, 0)), records.size() - k - 1);
    found.push_back({header.X1, records.subspan(k + 1, count)});
    k += 1 + count;
  }
  return found;
}
