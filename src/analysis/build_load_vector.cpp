#include "build_load_vector.h"

#include "arithmetic/checked_math.h"
#include "dof_numbering.h"
#include "member_error.h"

// Stored, not added: two records at one node leave only the second one's components.
void BuildLoadVector(const Model& model, AnalysisSystem& system) {
  std::vector<double>& loads = system.loadVector;
  for (int32_t l = 0; l < model.loadCount; ++l) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(l)];
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionU))] = load.fx;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionV))] = load.fy;
    loads[static_cast<size_t>(NodeDof(load.nodeIndex, DirectionTheta))] = load.moment;
  }
}

// The member exerts −fe on its nodes; in global axes, with c and s of its stiffness step,
// (−(c·N − s·Q), −(s·N + c·Q), −M) at each end. Members in table order, end 1 then end 2.
void AddEquivalentNodalLoads(const Model& model, const MemberLoading& loading,
                             AnalysisSystem& system) {
  if (loading.loads.empty()) return;
  std::vector<double>& loads = system.loadVector;
  ForEachMember(model, "部材荷重の計算", [&](const MemberRecord& member) {
    const auto position = static_cast<size_t>(&member - model.members.data());
    if (loading.loads[position].empty()) return;
    const MemberBeam beam = BeamOf(model, member);
    const MemberEndVector& fixedEnd = loading.heldEndForces[position];
    const std::array<int16_t, 6> dofs = MemberDofs(member);
    for (size_t end = 0; end < 2; ++end) {
      const double n = fixedEnd[3 * end], q = fixedEnd[3 * end + 1], m = fixedEnd[3 * end + 2];
      const double fx = CheckedSub(CheckedMul(beam.cosine, n), CheckedMul(beam.sine, q));
      const double fy = CheckedAdd(CheckedMul(beam.sine, n), CheckedMul(beam.cosine, q));
      double& u = loads[static_cast<size_t>(dofs[3 * end])];
      double& v = loads[static_cast<size_t>(dofs[3 * end + 1])];
      double& theta = loads[static_cast<size_t>(dofs[3 * end + 2])];
      u = CheckedSub(u, fx);
      v = CheckedSub(v, fy);
      theta = CheckedSub(theta, m);
    }
  });
}
