#include "maxima_places.h"

#include <cmath>

#include "analysis/analysis_store.h"
#include "analysis/dof_numbering.h"
#include "model/model_store.h"

namespace {

// The member-force step's rule: a value replaces the maximum only when strictly larger, so a
// tie keeps the first place in table order.
class MaximumScan {
 public:
  void Consider(double value, size_t member, int16_t node) {
    if (std::fabs(value) <= largest_) return;
    largest_ = std::fabs(value);
    memberIndex_ = static_cast<int16_t>(member);
    nodeIndex_ = node;
  }
  // The stored maximum with the place found; no place when it is 0.
  MaximumPlace Place(double storedValue) const {
    MaximumPlace place;
    place.value = storedValue;
    if (storedValue != 0.0) {
      place.memberIndex = memberIndex_;
      place.nodeIndex = nodeIndex_;
    }
    return place;
  }

 private:
  double largest_ = 0.0;
  int16_t memberIndex_ = -1;
  int16_t nodeIndex_ = -1;
};

}  // namespace

// Members in table order; within a member the order of the member-force step: u at end 1 and
// end 2, then v at end 1 and end 2; N2; Q1; M1, then M2.
ResultMaxima LocateMaxima(const std::vector<double>& endForces) {
  const AnalysisStore& store = analysisStore;
  MaximumScan displacement, moment, shear, axial;
  for (size_t m = 0; m < static_cast<size_t>(modelStore.memberCount); ++m) {
    const MemberRecord& member = modelStore.members[m];
    for (const int16_t direction : {DirectionU, DirectionV}) {
      for (const int16_t node : {member.node1Index, member.node2Index}) {
        displacement.Consider(store.displacements[static_cast<size_t>(NodeDof(node, direction))],
                              m, node);
      }
    }
    const double* fe = endForces.data() + 6 * m;
    axial.Consider(fe[3], m, member.node2Index);
    shear.Consider(fe[1], m, member.node1Index);
    moment.Consider(fe[2], m, member.node1Index);
    moment.Consider(fe[5], m, member.node2Index);
  }
  return {displacement.Place(store.maxDisplacement), moment.Place(store.maxMoment / 100.0),
          shear.Place(store.maxShearForce), axial.Place(store.maxAxialForce)};
}
