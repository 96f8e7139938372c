// Length and direction of a member from the coordinates of its two nodes, in double precision,
// as the force diagrams and the deflected shape offset and bend each member.
#pragma once

#include "model/model.h"

struct MemberDirection {
  double length = 0.0;    // cm
  double cosTheta = 0.0;  // (x2 - x1) / length
  double sinTheta = 0.0;  // (y2 - y1) / length
};

// A member whose two nodes coincide has no direction: length, cosθ and sinθ are then all 0, so
// its diagram and deflected-shape records collapse onto its single point instead of dividing by 0.
MemberDirection MemberDirectionOf(const Model& model, const MemberRecord& member);
