#include "result_maxima.h"

#include <cmath>

#include "dof_numbering.h"

namespace {

// A value replaces the maximum only when strictly larger, so a tie keeps the first in member
// order; the place follows the shown values by the same rule.
class MaximumScan {
 public:
  void Consider(double exact, double shown, size_t member, int16_t node) {
    if (std::fabs(exact) > largest_) largest_ = std::fabs(exact);
    if (std::fabs(shown) <= largestShown_) return;
    largestShown_ = std::fabs(shown);
    memberIndex_ = static_cast<int16_t>(member);
    nodeIndex_ = node;
  }
  // The maximum with the place found; no place when it is 0.
  MaximumPlace Place() const {
    MaximumPlace place;
    place.value = largest_;
    if (largest_ != 0.0) {
      place.memberIndex = memberIndex_;
      place.nodeIndex = nodeIndex_;
    }
    return place;
  }

 private:
  double largest_ = 0.0;
  double largestShown_ = 0.0;
  int16_t memberIndex_ = -1;
  int16_t nodeIndex_ = -1;
};

}  // namespace

// Members in table order; within a member u at end 1 and end 2, then v at end 1 and end 2
// (rotations do not count); N2; Q1; M1, then M2.
ResultMaxima LocateMaxima(const Model& model, const std::vector<double>& displacements,
                          const std::vector<double>& exactForces,
                          const std::vector<double>& shownForces) {
  MaximumScan displacement, moment, shear, axial;
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    for (const int16_t direction : {DirectionU, DirectionV}) {
      for (const int16_t node : {member.node1Index, member.node2Index}) {
        const double value = displacements[static_cast<size_t>(NodeDof(node, direction))];
        displacement.Consider(value, value, m, node);
      }
    }
    const double* exact = exactForces.data() + 6 * m;
    const double* shown = shownForces.data() + 6 * m;
    axial.Consider(exact[3], shown[3], m, member.node2Index);
    shear.Consider(exact[1], shown[1], m, member.node1Index);
    moment.Consider(exact[2], shown[2], m, member.node1Index);
    moment.Consider(exact[5], shown[5], m, member.node2Index);
  }
  return {displacement.Place(), moment.Place(), shear.Place(), axial.Place()};
}
