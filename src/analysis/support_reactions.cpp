#include "support_reactions.h"

#include "apply_supports.h"
#include "joint_conditions.h"
#include "member_error.h"
#include "member_stiffness.h"
#include "arithmetic/checked_math.h"

namespace {

// Adds the end forces one node exerts on a member end, turned from member axes (N along the
// member from end 1 to end 2, Q 90° counter-clockwise from it) into global axes: Tᵀ·fe.
// N and Q in t, M in t·cm; the sum takes M in t·m.
void AddEndForces(NodeForces& sum, double cosine, double sine, const double* nqm) {
  sum[0] = CheckedAdd(sum[0], CheckedSub(CheckedMul(cosine, nqm[0]), CheckedMul(sine, nqm[1])));
  sum[1] = CheckedAdd(sum[1], CheckedAdd(CheckedMul(sine, nqm[0]), CheckedMul(cosine, nqm[1])));
  sum[2] = CheckedAdd(sum[2], nqm[2] / 100.0);
}

// What the members take from each node, summed over the members in table order.
std::vector<NodeForces> ForcesOnMembers(const Model& model, const std::vector<double>& endForces) {
  std::vector<NodeForces> sums(static_cast<size_t>(model.nodeCount), NodeForces{});
  const double* fe = endForces.data();
  ForEachMember(model, "支点反力の計算", [&](const MemberRecord& member) {
    const MemberGeometry geometry =
        MeasureMember(model.nodes[static_cast<size_t>(member.node1Index)],
                      model.nodes[static_cast<size_t>(member.node2Index)]);
    const double cosine = CheckedDiv(geometry.dx, geometry.length);
    const double sine = CheckedDiv(geometry.dy, geometry.length);
    AddEndForces(sums[static_cast<size_t>(member.node1Index)], cosine, sine, fe);
    AddEndForces(sums[static_cast<size_t>(member.node2Index)], cosine, sine, fe + 3);
    fe += 6;
  });
  return sums;
}

}  // namespace

// The load at a restrained node counts, though the supports took it out of the solved system:
// the supports carry it straight away.
// A spring's force is −k·d in kg or kg·cm, given in t or t·m.
std::vector<SupportReaction> ComputeSupportReactions(const Model& model,
                                                     const std::vector<double>& endForces,
                                                     const std::vector<NodeForces>& applied,
                                                     const std::vector<double>& displacements) {
  const size_t nodes = static_cast<size_t>(model.nodeCount);
  // Any non-zero flag of any support record of the node restrains, as the supports step has it.
  const std::vector<bool> restrained = RestrainedDofs(model, 3 * nodes);
  const std::vector<double> springs = SpringStiffnesses(model, 3 * nodes);
  const std::vector<NodeForces> onMembers = ForcesOnMembers(model, endForces);
  constexpr double kToReactionUnits[3] = {1000.0, 1000.0, 100000.0};
  std::vector<SupportReaction> reactions;
  for (size_t j = 0; j < nodes; ++j) {
    SupportReaction reaction;
    reaction.nodeIndex = static_cast<int16_t>(j);
    for (size_t c = 0; c < 3; ++c) {
      reaction.restrained[c] = restrained[3 * j + c];
      reaction.spring[c] = !restrained[3 * j + c] && !springs.empty() && springs[3 * j + c] != 0.0;
    }
    if (reaction.restrained == std::array<bool, 3>{} && reaction.spring == std::array<bool, 3>{}) {
      continue;
    }
    for (size_t c = 0; c < 3; ++c) {
      if (reaction.restrained[c]) reaction.force[c] = CheckedSub(onMembers[j][c], applied[j][c]);
      if (reaction.spring[c]) {
        reaction.force[c] = CheckedDiv(-CheckedMul(springs[3 * j + c], displacements[3 * j + c]),
                                       kToReactionUnits[c]);
      }
    }
    reactions.push_back(reaction);
  }
  return reactions;
}
