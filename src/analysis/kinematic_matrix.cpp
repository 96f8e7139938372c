#include "kinematic_matrix.h"

#include <array>

#include "apply_supports.h"
#include "basics/checked_math.h"
#include "dof_numbering.h"
#include "member_stiffness.h"
#include "model/model_store.h"

namespace {

using DeformationRow = std::array<double, 6>;

// Adds row·rowᵀ at the member's degrees of freedom. The entries are products of direction
// cosines and member lengths (finite coordinates give lengths far inside the double range), so
// nothing here can overflow.
void AddOuterProduct(ProfileMatrix& g, const std::array<int16_t, 6>& dofs,
                     const DeformationRow& row) {
  for (size_t i = 0; i < 6; ++i) {
    if (row[i] == 0.0) continue;
    const auto r = static_cast<size_t>(dofs[i]);
    for (size_t j = 0; j < 6; ++j) g.At(r, static_cast<size_t>(dofs[j])) += row[i] * row[j];
  }
}

}  // namespace

ProfileMatrix KinematicMatrix(const std::vector<size_t>& envelope) {
  ProfileMatrix g(envelope);
  for (size_t m = 0; m < static_cast<size_t>(modelStore.memberCount); ++m) {
    const MemberRecord& member = modelStore.members[m];
    const MemberGeometry geometry =
        MeasureMember(modelStore.nodes[static_cast<size_t>(member.node1Index)],
                      modelStore.nodes[static_cast<size_t>(member.node2Index)]);
    const double c = CheckedDiv(geometry.dx, geometry.length);
    const double s = CheckedDiv(geometry.dy, geometry.length);
    const double l = geometry.length;
    const SectionProducts products =
        FormSectionProducts(modelStore.sections[static_cast<size_t>(member.sectionIndex)]);
    const std::array<int16_t, 6> dofs = MemberDofs(member);
    if (products.ae != 0.0f) AddOuterProduct(g, dofs, {-c, -s, 0.0, c, s, 0.0});
    if (products.ei2 != 0.0f || products.ei4 != 0.0f || products.ei6 != 0.0f ||
        products.ei12 != 0.0f) {
      AddOuterProduct(g, dofs, {-s, c, l, s, -c, 0.0});
      AddOuterProduct(g, dofs, {-s, c, 0.0, s, -c, l});
    }
  }
  RestrainSupportedDofs(g);
  return g;
}
