#include "node_forces.h"

#include "arithmetic/checked_math.h"
#include "loaded_members.h"

// Loads are read in kg and kg·cm: ÷ 1000 gives t, ÷ 100000 gives t·m.
std::vector<NodeForces> AppliedNodeLoads(const Model& model) {
  std::vector<NodeForces> applied(static_cast<size_t>(model.nodeCount), NodeForces{});
  for (size_t l = 0; l < static_cast<size_t>(model.loadCount); ++l) {
    const NodalLoadRecord& load = model.loads[l];
    applied[static_cast<size_t>(load.nodeIndex)] = {load.fx / 1000.0, load.fy / 1000.0,
                                                    load.moment / 100000.0};
  }
  return applied;
}

// In member axes the loads sum to X along the member and Y across it, and their moment about
// node 1 is ∫ ξ·q(ξ) dξ plus the concentrated moments: L·I.transverse[0] − I.transverse[1] +
// I.moment[0] with the integrals I over the whole member (the loads along x pass through node 1).
std::vector<MemberLoadResultant> MemberLoadResultants(const Model& model) {
  std::vector<MemberLoadResultant> resultants;
  if (!HasMemberLoads(model)) return resultants;
  const std::vector<std::vector<LocalMemberLoad>> loads = LoadAlongMembers(model).loads;
  for (size_t m = 0; m < loads.size(); ++m) {
    if (loads[m].empty()) continue;
    const MemberRecord& member = model.members[m];
    const MemberBeam beam = BeamOf(model, member);
    const LoadIntegrals whole = IntegrateLoads(loads[m], beam.length, StationSide::After);
    const double along = CheckFinite(whole.axial[0]), across = CheckFinite(whole.transverse[0]);
    const double moment = CheckedAdd(
        CheckedSub(CheckedMul(beam.length, across), CheckFinite(whole.transverse[1])),
        CheckFinite(whole.moment[0]));
    const double fx = CheckedSub(CheckedMul(beam.cosine, along), CheckedMul(beam.sine, across));
    const double fy = CheckedAdd(CheckedMul(beam.sine, along), CheckedMul(beam.cosine, across));
    resultants.push_back({member.node1Index, {fx / 1000.0, fy / 1000.0, moment / 100000.0}});
  }
  return resultants;
}

double NodeXMetres(const Model& model, int16_t nodeIndex) {
  return model.nodes[static_cast<size_t>(nodeIndex)].x / 100.0;
}

double NodeYMetres(const Model& model, int16_t nodeIndex) {
  return model.nodes[static_cast<size_t>(nodeIndex)].y / 100.0;
}
