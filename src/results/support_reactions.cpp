#include "support_reactions.h"

#include "analysis/member_error.h"
#include "analysis/member_stiffness.h"
#include "basics/checked_math.h"

namespace {

// The union of the flags of every support record at each node; any non-zero flag restrains.
std::vector<std::array<bool, 3>> RestrainedDirections() {
  std::vector<std::array<bool, 3>> restrained(static_cast<size_t>(modelStore.nodeCount),
                                              std::array<bool, 3>{});
  for (size_t s = 0; s < static_cast<size_t>(modelStore.supportCount); ++s) {
    const SupportRecord& support = modelStore.supports[s];
    std::array<bool, 3>& node = restrained[static_cast<size_t>(support.nodeIndex)];
    node[0] = node[0] || support.fixU != 0;
    node[1] = node[1] || support.fixV != 0;
    node[2] = node[2] || support.fixTheta != 0;
  }
  return restrained;
}

// Adds the end forces one node exerts on a member end, turned from member axes (N along the
// member from end 1 to end 2, Q 90° counter-clockwise from it) into global axes: Tᵀ·fe.
// N and Q in t, M in t·cm; the sum takes M in t·m.
void AddEndForces(NodeForces& sum, double cosine, double sine, const double* nqm) {
  sum[0] = CheckedAdd(sum[0], CheckedSub(CheckedMul(cosine, nqm[0]), CheckedMul(sine, nqm[1])));
  sum[1] = CheckedAdd(sum[1], CheckedAdd(CheckedMul(sine, nqm[0]), CheckedMul(cosine, nqm[1])));
  sum[2] = CheckedAdd(sum[2], nqm[2] / 100.0);
}

// What the members take from each node, summed over the members in table order.
std::vector<NodeForces> ForcesOnMembers(const std::vector<double>& endForces) {
  std::vector<NodeForces> sums(static_cast<size_t>(modelStore.nodeCount), NodeForces{});
  const double* fe = endForces.data();
  ForEachMember("支点反力の計算", [&](const MemberRecord& member) {
    const MemberGeometry geometry =
        MeasureMember(modelStore.nodes[static_cast<size_t>(member.node1Index)],
                      modelStore.nodes[static_cast<size_t>(member.node2Index)]);
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
std::vector<SupportReaction> ComputeSupportReactions(const std::vector<double>& endForces,
                                                     const std::vector<NodeForces>& applied) {
  const std::vector<std::array<bool, 3>> restrained = RestrainedDirections();
  const std::vector<NodeForces> onMembers = ForcesOnMembers(endForces);
  std::vector<SupportReaction> reactions;
  for (size_t j = 0; j < restrained.size(); ++j) {
    if (!restrained[j][0] && !restrained[j][1] && !restrained[j][2]) continue;
    SupportReaction reaction;
    reaction.nodeIndex = static_cast<int16_t>(j);
    reaction.restrained = restrained[j];
    for (size_t c = 0; c < 3; ++c) {
      if (restrained[j][c]) reaction.force[c] = CheckedSub(onMembers[j][c], applied[j][c]);
    }
    reactions.push_back(reaction);
  }
  return reactions;
}
