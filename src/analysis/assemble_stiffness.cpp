#include "assemble_stiffness.h"

#include <vector>

#include "analysis_store.h"
#include "basics/checked_math.h"
#include "dof_numbering.h"
#include "member_error.h"
#include "member_stiffness.h"
#include "work_files.h"

namespace {

// Entries shared by several members accumulate in member order, each Kₑ(i, j) summed on its own
// first and then added to what the matrix already holds. The envelope was sized from these same
// members, so every (d(i), d(j)) lies inside it.
void AddMemberStiffness(const std::array<int16_t, 6>& dofs, const Matrix6& contribution) {
  ProfileMatrix& stiffness = analysisStore.globalStiffness;
  for (int i = 0; i < 6; ++i) {
    const auto row = static_cast<size_t>(dofs[static_cast<size_t>(i)]);
    for (int j = 0; j < 6; ++j) {
      const auto column = static_cast<size_t>(dofs[static_cast<size_t>(j)]);
      double& entry = stiffness.At(row, column);
      entry = CheckedAdd(contribution[i][j], entry);
    }
  }
}

}  // namespace

// The member matrices are collected first and "work1.txt" is written once they are all known,
// so a member that fails leaves the previous run's file whole instead of half rewritten.
void AssembleStiffness() {
  std::vector<double> memberMatrices;
  memberMatrices.reserve(36 * static_cast<size_t>(modelStore.memberCount));
  ForEachMember("部材の剛性の計算", [&](const MemberRecord& member) {
    const NodeRecord& end1 = modelStore.nodes[static_cast<size_t>(member.node1Index)];
    const NodeRecord& end2 = modelStore.nodes[static_cast<size_t>(member.node2Index)];
    const MemberGeometry geometry = MeasureMember(end1, end2);
    if (geometry.length == 0.0) throw ZeroLengthMemberError(member);
    const MemberMatrices matrices = FormMemberMatrices(
        geometry, modelStore.sections[static_cast<size_t>(member.sectionIndex)]);
    for (const auto& row : matrices.memberMatrix) {
      memberMatrices.insert(memberMatrices.end(), row, row + 6);
    }
    AddMemberStiffness(MemberDofs(member), matrices.globalContribution);
  });
  WriteWork1(memberMatrices);
}
