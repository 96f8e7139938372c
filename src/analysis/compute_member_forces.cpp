#include "compute_member_forces.h"

#include <array>

#include "arithmetic/checked_math.h"
#include "dof_numbering.h"
#include "member_error.h"
#include "member_stiffness.h"

namespace {

// The six end forces of one member, in t and t·cm, from P (kg per cm or rad) and ue.
std::array<double, 6> EndForces(const double* memberMatrix, const double (&ue)[6]) {
  std::array<double, 6> forces{};
  for (int i = 0; i < 6; ++i) {
    double sum = 0.0;
    for (int n = 0; n < 6; ++n) sum = CheckedAdd(sum, CheckedMul(memberMatrix[6 * i + n], ue[n]));
    forces[static_cast<size_t>(i)] = CheckedDiv(sum, 1000.0);
  }
  return forces;
}

}  // namespace

std::vector<double> ComputeMemberForces(const Model& model,
                                        const std::vector<double>& memberMatrices,
                                        const std::vector<double>& displacements) {
  std::vector<double> endForces;
  endForces.reserve(6 * static_cast<size_t>(model.memberCount));
  const double* memberMatrix = memberMatrices.data();
  ForEachMember(model, "部材応力の計算", [&](const MemberRecord& member) {
    const std::array<int16_t, 6> dofs = MemberDofs(member);
    double ue[6];
    for (size_t n = 0; n < 6; ++n) ue[n] = displacements[static_cast<size_t>(dofs[n])];
    const std::array<double, 6> forces = EndForces(memberMatrix, ue);
    endForces.insert(endForces.end(), forces.begin(), forces.end());
    memberMatrix += 36;
  });
  return endForces;
}

// The fixed-end forces are in kg and kg·cm: ÷ 1000 gives t and t·cm.
void AddFixedEndForces(const Model& model, const MemberLoading& loading,
                       std::vector<double>& endForces) {
  if (loading.loads.empty()) return;
  ForEachMember(model, "部材応力の計算", [&](const MemberRecord& member) {
    const auto position = static_cast<size_t>(&member - model.members.data());
    if (loading.loads[position].empty()) return;
    for (size_t k = 0; k < 6; ++k) {
      double& force = endForces[6 * position + k];
      force = CheckedAdd(force, CheckedDiv(loading.heldEndForces[position][k], 1000.0));
    }
  });
}
