#include "member_direction.h"

#include "arithmetic/checked_math.h"

MemberDirection MemberDirectionOf(const Model& model, const MemberRecord& member) {
  const NodeRecord& node1 = model.nodes[static_cast<size_t>(member.node1Index)];
  const NodeRecord& node2 = model.nodes[static_cast<size_t>(member.node2Index)];
  const double dx = static_cast<double>(node2.x) - static_cast<double>(node1.x);
  const double dy = static_cast<double>(node2.y) - static_cast<double>(node1.y);
  MemberDirection direction;
  direction.length = CheckedSqrt(dx * dx + dy * dy);
  if (direction.length == 0.0) return direction;
  direction.cosTheta = dx / direction.length;
  direction.sinTheta = dy / direction.length;
  return direction;
}
