#include "assemble_stiffness.h"

#include <vector>

#include "arithmetic/checked_math.h"
#include "dof_numbering.h"
#include "member_error.h"
#include "member_stiffness.h"

namespace {

// Entries shared by several members accumulate in member order, each Kₑ(i, j) summed on its own
// first and then added to what the matrix already holds. The envelope was sized from these same
// members, so every (d(i), d(j)) lies inside it.
void AddMemberStiffness(ProfileMatrix& stiffness, const std::array<int16_t, 6>& dofs,
                        const Matrix6& contribution) {
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

std::vector<double> AssembleStiffness(const Model& model, AnalysisSystem& system) {
  const std::vector<MemberReleases> releases = ReleasesOfMembers(model);
  std::vector<double> memberMatrices;
  memberMatrices.reserve(36 * static_cast<size_t>(model.memberCount));
  ForEachMember(model, "部材の剛性の計算", [&](const MemberRecord& member) {
    const NodeRecord& end1 = model.nodes[static_cast<size_t>(member.node1Index)];
    const NodeRecord& end2 = model.nodes[static_cast<size_t>(member.node2Index)];
    const MemberGeometry geometry = MeasureMember(end1, end2);
    if (geometry.length == 0.0) throw ZeroLengthMemberError(member);
    const auto position = static_cast<size_t>(&member - model.members.data());
    const MemberMatrices matrices =
        FormMemberMatrices(geometry, model.sections[static_cast<size_t>(member.sectionIndex)],
                           ReleasesAt(releases, position));
    for (const auto& row : matrices.memberMatrix) {
      memberMatrices.insert(memberMatrices.end(), row, row + 6);
    }
    AddMemberStiffness(system.globalStiffness, MemberDofs(member), matrices.globalContribution);
  });
  AddSprings(model, system);
  return memberMatrices;
}

// After the members, so that a spring adds to what they put on the diagonal.
void AddSprings(const Model& model, AnalysisSystem& system) {
  const std::vector<double> springs =
      SpringStiffnesses(model, static_cast<size_t>(system.dofCount));
  for (size_t dof = 0; dof < springs.size(); ++dof) {
    if (springs[dof] == 0.0) continue;
    double& diagonal = system.globalStiffness.At(dof, dof);
    diagonal = CheckedAdd(diagonal, springs[dof]);
  }
}
