#include "kinematic_matrix.h"

#include <array>

#include "apply_supports.h"
#include "dof_numbering.h"
#include "joint_conditions.h"
#include "member_stiffness.h"
#include "model/model.h"

namespace {

using DeformationRow = std::array<uint64_t, 6>;

// Adds row·rowᵀ at the member's degrees of freedom, lower triangle only, leaving out the
// restrained ones.
void AddOuterProduct(const PrimeField& field, ResidueEnvelope& g,
                     const std::array<int16_t, 6>& dofs, const std::vector<bool>& restrained,
                     const DeformationRow& row) {
  for (size_t i = 0; i < 6; ++i) {
    const auto r = static_cast<size_t>(dofs[i]);
    if (row[i] == 0 || restrained[r]) continue;
    for (size_t j = 0; j < 6; ++j) {
      const auto c = static_cast<size_t>(dofs[j]);
      if (c > r || restrained[c]) continue;
      uint64_t& entry = g.At(r, c);
      entry = field.Add(entry, field.Mul(row[i], row[j]));
    }
  }
}

}  // namespace

bool HasBendingStiffness(const SectionProducts& products) {
  return products.ei2 != 0.0f || products.ei4 != 0.0f || products.ei6 != 0.0f ||
         products.ei12 != 0.0f;
}

ResidueEnvelope KinematicMatrix(const Model& model, const std::vector<size_t>& envelope,
                                const PrimeField& field) {
  ResidueEnvelope g(envelope);
  const std::vector<bool> restrained = RestrainedDofs(model, envelope.size());
  const std::vector<MemberReleases> releases = ReleasesOfMembers(model);
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const NodeRecord& end1 = model.nodes[static_cast<size_t>(member.node1Index)];
    const NodeRecord& end2 = model.nodes[static_cast<size_t>(member.node2Index)];
    const uint64_t dx = field.Sub(field.OfFloat(end2.x), field.OfFloat(end1.x));
    const uint64_t dy = field.Sub(field.OfFloat(end2.y), field.OfFloat(end1.y));
    const uint64_t minusDx = field.Sub(0, dx);
    const uint64_t minusDy = field.Sub(0, dy);
    const uint64_t lengthSquared = field.Add(field.Mul(dx, dx), field.Mul(dy, dy));
    const SectionProducts products =
        FormSectionProducts(model.sections[static_cast<size_t>(member.sectionIndex)]);
    const std::array<int16_t, 6> dofs = MemberDofs(member);
    if (products.ae != 0.0f) {
      AddOuterProduct(field, g, dofs, restrained, {minusDx, minusDy, 0, dx, dy, 0});
    }
    if (HasBendingStiffness(products)) {
      const MemberReleases released = ReleasesAt(releases, m);
      if (!released[0]) {
        AddOuterProduct(field, g, dofs, restrained, {minusDy, dx, lengthSquared, dy, minusDx, 0});
      }
      if (!released[1]) {
        AddOuterProduct(field, g, dofs, restrained, {minusDy, dx, 0, dy, minusDx, lengthSquared});
      }
    }
  }
  // The reader keeps springs off restrained directions; one there would change nothing.
  const std::vector<double> springs = SpringStiffnesses(model, restrained.size());
  for (size_t d = 0; d < restrained.size(); ++d) {
    if (restrained[d]) {
      g.At(d, d) = 1;
    } else if (!springs.empty() && springs[d] != 0.0) {
      g.At(d, d) = field.Add(g.At(d, d), 1);
    }
  }
  return g;
}
