// The curve lists of the force diagrams: the diagram of a member with loads along it is a curve,
// not one offset line. For each such member, in member order, the list holds a header record
// {member position, n, 0, 0} and then n point records {baseX, baseY, curveX, curveY}: the point
// of the member line at a station and the point of the diagram there, from node 1 to node 2, two
// at the station of a concentrated load (the values before and after it). Consecutive points
// bound one filled piece of the diagram. A member of more than 32767 points goes on under a
// second header that starts again from its last point.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "drawing_lists.h"

struct MemberCurve {
  int32_t memberPosition = 0;
  std::span<const LineSegment> points;
};

// Appends one member's points under its header(s).
void AppendMemberCurve(DrawingList& curves, int16_t memberPosition,
                       std::span<const LineSegment> points, std::string_view viewName);

// The curves of a list in its order. A header whose points run past the list's count keeps
// those within it.
std::vector<MemberCurve> MemberCurvesOf(const DrawingList& curves);
