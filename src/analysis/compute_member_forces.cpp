#include "compute_member_forces.h"

#include <array>
#include <cmath>
#include <vector>

#include "analysis_store.h"
#include "basics/checked_math.h"
#include "basics/number_file.h"
#include "dof_numbering.h"
#include "member_error.h"
#include "member_stiffness.h"
#include "work_files.h"

namespace {

// A maximum is replaced only by a strictly larger value.
void KeepLarger(double& maximum, double value) {
  if (std::fabs(value) > maximum) maximum = std::fabs(value);
}

// The six end forces of one member, in t and t·cm, from P (kg per cm or rad) and ue.
std::array<double, 6> EndForces(const Matrix6& memberMatrix, const double (&ue)[6]) {
  std::array<double, 6> forces{};
  for (int i = 0; i < 6; ++i) {
    double sum = 0.0;
    for (int n = 0; n < 6; ++n) sum = CheckedAdd(sum, CheckedMul(memberMatrix[i][n], ue[n]));
    forces[static_cast<size_t>(i)] = CheckedDiv(sum, 1000.0);
  }
  return forces;
}

}  // namespace

// "work2.txt" is written only once every member's forces are known, so a failed step leaves the
// previous run's file whole.
void ComputeMemberForces() {
  NumberFileReader work1(Work1Path());
  AnalysisStore& store = analysisStore;
  store.maxDisplacement = 0.0;
  store.maxAxialForce = 0.0;
  store.maxShearForce = 0.0;
  store.maxMoment = 0.0;
  std::vector<double> endForces;
  endForces.reserve(6 * static_cast<size_t>(modelStore.memberCount));
  ForEachMember("部材応力の計算", [&](const MemberRecord& member) {
    const std::array<int16_t, 6> dofs = MemberDofs(member);
    double ue[6];
    for (size_t n = 0; n < 6; ++n) ue[n] = store.displacements[static_cast<size_t>(dofs[n])];
    // Translations only, u before v at each end; rotations do not count.
    for (int n : {0, 3, 1, 4}) KeepLarger(store.maxDisplacement, ue[n]);
    Matrix6 memberMatrix;
    for (auto& row : memberMatrix) {
      for (double& entry : row) entry = work1.Next();
    }
    const std::array<double, 6> forces = EndForces(memberMatrix, ue);
    endForces.insert(endForces.end(), forces.begin(), forces.end());
    KeepLarger(store.maxAxialForce, forces[3]);
    KeepLarger(store.maxShearForce, forces[1]);
    KeepLarger(store.maxMoment, forces[2]);
    KeepLarger(store.maxMoment, forces[5]);
  });
  WriteWork2(endForces);
}
