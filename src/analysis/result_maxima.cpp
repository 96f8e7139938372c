#include "result_maxima.h"

#include <cmath>
#include <utility>

#include "dof_numbering.h"
#include "member_stiffness.h"

namespace {

// A value replaces the maximum only when strictly larger, so a tie keeps the first in member
// order; the place follows the shown values by the same rule.
class MaximumScan {
 public:
  void Consider(double exact, double shown, size_t member, int16_t node, double x) {
    if (std::fabs(exact) > largest_) largest_ = std::fabs(exact);
    if (std::fabs(shown) <= largestShown_) return;
    largestShown_ = std::fabs(shown);
    memberIndex_ = static_cast<int16_t>(member);
    nodeIndex_ = node;
    x_ = x;
  }
  // The maximum with the place found; no place when it is 0.
  MaximumPlace Place() const {
    MaximumPlace place;
    place.value = largest_;
    if (largest_ != 0.0) {
      place.memberIndex = memberIndex_;
      place.nodeIndex = nodeIndex_;
      place.x = x_;
    }
    return place;
  }

 private:
  double largest_ = 0.0;
  double largestShown_ = 0.0;
  int16_t memberIndex_ = -1;
  int16_t nodeIndex_ = -1;
  double x_ = 0.0;
};

// A place along a loaded member found by the kernel, offered as the value both exact and shown.
void ConsiderAlong(MaximumScan& scan, const MemberExtreme& extreme, size_t m,
                   const MemberRecord& member, double length) {
  const double x = extreme.place.x;
  const int16_t node = x == 0.0 ? member.node1Index : x == length ? member.node2Index : -1;
  scan.Consider(extreme.value, extreme.value, m, node, x);
}

}  // namespace

// Members in table order; within a member without loads along it u at end 1 and end 2, then v
// at end 1 and end 2 (rotations do not count); N2; Q1; M1, then M2.
ResultMaxima LocateMaxima(const Model& model, const std::vector<double>& displacements,
                          const std::vector<double>& exactForces,
                          const std::vector<double>& shownForces,
                          const std::vector<MemberAlong>& along) {
  MaximumScan displacement, moment, shear, axial;
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const double length =
        MeasureMember(model.nodes[static_cast<size_t>(member.node1Index)],
                      model.nodes[static_cast<size_t>(member.node2Index)])
            .length;
    if (!along.empty() && along[m].extremes) {
      const MemberMaxima& extremes = *along[m].extremes;
      ConsiderAlong(displacement, extremes.displacementX, m, member, length);
      ConsiderAlong(displacement, extremes.displacementY, m, member, length);
      ConsiderAlong(axial, extremes.axial, m, member, length);
      ConsiderAlong(shear, extremes.shear, m, member, length);
      ConsiderAlong(moment, extremes.moment, m, member, length);
      continue;
    }
    for (const int16_t direction : {DirectionU, DirectionV}) {
      for (const auto& [node, x] : {std::pair{member.node1Index, 0.0},
                                    std::pair{member.node2Index, length}}) {
        const double value = displacements[static_cast<size_t>(NodeDof(node, direction))];
        displacement.Consider(value, value, m, node, x);
      }
    }
    const double* exact = exactForces.data() + 6 * m;
    const double* shown = shownForces.data() + 6 * m;
    axial.Consider(exact[3], shown[3], m, member.node2Index, length);
    shear.Consider(exact[1], shown[1], m, member.node1Index, 0.0);
    moment.Consider(exact[2], shown[2], m, member.node1Index, 0.0);
    moment.Consider(exact[5], shown[5], m, member.node2Index, length);
  }
  return {displacement.Place(), moment.Place(), shear.Place(), axial.Place()};
}
