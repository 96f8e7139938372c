#include "views/picking.h"

#include <algorithm>
#include <cmath>

#include "views/window_picture.h"

namespace {

double Distance(DrawingPlace place, double x, double y) {
  return std::hypot(place.x - x, place.y - y);
}

// From the point to the nearest point of the segment; a segment of one point is that point.
double DistanceToSegment(DrawingPlace place, const LineSegment& line) {
  const double dx = static_cast<double>(line.X2) - line.X1;
  const double dy = static_cast<double>(line.Y2) - line.Y1;
  const double squared = dx * dx + dy * dy;
  double t = 0.0;
  if (squared > 0.0) {
    t = std::clamp(((place.x - line.X1) * dx + (place.y - line.Y1) * dy) / squared, 0.0, 1.0);
  }
  return Distance(place, line.X1 + t * dx, line.Y1 + t * dy);
}

// Keeps the nearer candidate; an equal distance keeps the earlier one.
struct Nearest {
  PickedItem item;
  double distance = 0.0;
  void Offer(PickedItem::Kind kind, int index, double candidate, double tolerance) {
    if (candidate > tolerance) return;
    if (item.kind != PickedItem::Kind::None && candidate >= distance) return;
    item = {kind, index};
    distance = candidate;
  }
};

}  // namespace

DrawingPlace DrawingPlaceOfPixel(int imageX, int imageY, float pictureHeight) {
  return {static_cast<double>(imageX) * kTwipsPerPixel,
          static_cast<double>(pictureHeight) - static_cast<double>(imageY) * kTwipsPerPixel};
}

PickedItem PickAt(const Model& model, const DrawingGeometry& geometry, DrawingPlace place,
                  double tolerance) {
  const std::span<const LineSegment> lines = geometry.memberLines.InUse();
  const size_t members = std::min(lines.size(), model.members.size());
  Nearest node;
  for (size_t m = 0; m < members; ++m) {
    const LineSegment& line = lines[m];
    const MemberRecord& member = model.members[m];
    node.Offer(PickedItem::Kind::Node, member.node1Index, Distance(place, line.X1, line.Y1),
               tolerance);
    node.Offer(PickedItem::Kind::Node, member.node2Index, Distance(place, line.X2, line.Y2),
               tolerance);
  }
  if (node.item.kind != PickedItem::Kind::None) return node.item;
  Nearest member;
  for (size_t m = 0; m < members; ++m) {
    member.Offer(PickedItem::Kind::Member, static_cast<int>(m), DistanceToSegment(place, lines[m]),
                 tolerance);
  }
  return member.item;
}
