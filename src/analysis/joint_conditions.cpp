#include "joint_conditions.h"

#include "dof_numbering.h"

std::vector<MemberReleases> ReleasesOfMembers(const Model& model) {
  std::vector<MemberReleases> releases;
  if (model.hinges.empty()) return releases;
  releases.resize(static_cast<size_t>(model.memberCount));
  for (const HingeRecord& hinge : model.hinges) {
    MemberReleases& member = releases.at(static_cast<size_t>(hinge.memberIndex));
    member[0] = member[0] || hinge.release1 != 0;
    member[1] = member[1] || hinge.release2 != 0;
  }
  return releases;
}

std::vector<double> SpringStiffnesses(const Model& model, size_t count) {
  std::vector<double> stiffness;
  if (model.springs.empty()) return stiffness;
  stiffness.assign(count, 0.0);
  for (const SpringRecord& spring : model.springs) {
    const double values[3] = {spring.kx, spring.ky, spring.kTheta};
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      stiffness.at(static_cast<size_t>(NodeDof(spring.nodeIndex, direction))) += values[direction];
    }
  }
  return stiffness;
}

std::vector<double> PrescribedDisplacements(const Model& model, size_t count) {
  std::vector<double> prescribed;
  if (model.settlements.empty()) return prescribed;
  prescribed.assign(count, 0.0);
  for (const SettlementRecord& settlement : model.settlements) {
    const double values[3] = {settlement.u, settlement.v, settlement.theta};
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      prescribed.at(static_cast<size_t>(NodeDof(settlement.nodeIndex, direction))) =
          values[direction];
    }
  }
  return prescribed;
}
