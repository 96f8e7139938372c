#include "equilibrium_check.h"

#include "arithmetic/checked_math.h"

namespace {

// A force at a node adds its moment about the origin, x·Fy − y·Fx, to its own moment.
void AddAtNode(const Model& model, EquilibriumResidual& sum, int16_t nodeIndex,
               const NodeForces& force) {
  sum.fx = CheckedAdd(sum.fx, force[0]);
  sum.fy = CheckedAdd(sum.fy, force[1]);
  const double lever = CheckedSub(CheckedMul(NodeXMetres(model, nodeIndex), force[1]),
                                  CheckedMul(NodeYMetres(model, nodeIndex), force[0]));
  sum.moment = CheckedAdd(sum.moment, CheckedAdd(force[2], lever));
}

}  // namespace

// Loads first, node by node, then the loads along members in member order, then the reactions
// in their order; a free component of a reaction is 0 and adds nothing.
EquilibriumResidual SumLoadsAndReactions(const Model& model, const std::vector<NodeForces>& applied,
                                         const std::vector<SupportReaction>& reactions) {
  EquilibriumResidual sum;
  for (size_t j = 0; j < applied.size(); ++j) AddAtNode(model, sum, static_cast<int16_t>(j), applied[j]);
  for (const MemberLoadResultant& loads : MemberLoadResultants(model)) {
    AddAtNode(model, sum, loads.nodeIndex, loads.force);
  }
  for (const SupportReaction& reaction : reactions) {
    AddAtNode(model, sum, reaction.nodeIndex, reaction.force);
  }
  return sum;
}
