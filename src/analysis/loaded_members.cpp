#include "loaded_members.h"

#include <span>
#include <stdexcept>
#include <utility>

#include "arithmetic/checked_math.h"
#include "dof_numbering.h"
#include "member_error.h"
#include "member_stiffness.h"

namespace {

// The records of each member in table order, in record order.
std::vector<std::vector<MemberLoadRecord>> RecordsByMember(const Model& model) {
  std::vector<std::vector<MemberLoadRecord>> records(static_cast<size_t>(model.memberCount));
  for (const MemberLoadRecord& record : model.memberLoads) {
    records.at(static_cast<size_t>(record.memberIndex)).push_back(record);
  }
  return records;
}

}  // namespace

MemberBeam BeamOf(const Model& model, const MemberRecord& member) {
  const MemberGeometry geometry =
      MeasureMember(model.nodes[static_cast<size_t>(member.node1Index)],
                    model.nodes[static_cast<size_t>(member.node2Index)]);
  const SectionProducts products =
      FormSectionProducts(model.sections[static_cast<size_t>(member.sectionIndex)]);
  MemberBeam beam;
  beam.length = geometry.length;
  beam.cosine = CheckedDiv(geometry.dx, geometry.length);
  beam.sine = CheckedDiv(geometry.dy, geometry.length);
  beam.axialStiffness = products.ae;
  // (E·2)·I is exactly twice the single-precision E·I.
  beam.bendingStiffness = static_cast<double>(products.ei2) / 2.0;
  return beam;
}

// Released at end 1 (r = 2) the clamp's M1 goes ½ to end 2 and ±3/(2L) to the shears; the same
// mirrored at end 2; released at both, (M1 + M2)/L goes to the shears, as on a simple beam.
MemberEndVector ReleasedEndForces(const MemberEndVector& clamped, MemberReleases releases,
                                  double length) {
  MemberEndVector held = clamped;
  const double m1 = clamped[2], m2 = clamped[5];
  if (releases[0] && releases[1]) {
    const double shear = CheckedDiv(CheckedAdd(m1, m2), length);
    held[1] = CheckedSub(clamped[1], shear);
    held[4] = CheckedAdd(clamped[4], shear);
    held[2] = held[5] = 0.0;
  } else if (releases[0] || releases[1]) {
    const size_t released = releases[0] ? 2 : 5, other = releases[0] ? 5 : 2;
    const double moment = clamped[released];
    const double shear = CheckedDiv(CheckedMul(1.5, moment), length);
    held[1] = CheckedSub(clamped[1], shear);
    held[4] = CheckedAdd(clamped[4], shear);
    held[other] = CheckedSub(clamped[other], moment / 2.0);
    held[released] = 0.0;
  }
  return held;
}

// With ψ = (v2 − v1)/L and F the clamped end moments of the loads, M1 = EI/L·(4θ1 + 2θ2 − 6ψ)
// + F1 and M2 = EI/L·(2θ1 + 4θ2 − 6ψ) + F2; a released end's θ makes its M zero, both together
// when both ends are released.
MemberEndVector MemberEndDisplacements(const Model& model, size_t position,
                                       const MemberLoading& loading,
                                       const std::vector<double>& displacements) {
  const MemberRecord& member = model.members[position];
  const MemberBeam beam = BeamOf(model, member);
  const double c = beam.cosine, s = beam.sine;
  const std::array<int16_t, 6> dofs = MemberDofs(member);
  MemberEndVector ends{};
  for (size_t end = 0; end < 2; ++end) {
    const double u = displacements[static_cast<size_t>(dofs[3 * end])];
    const double v = displacements[static_cast<size_t>(dofs[3 * end + 1])];
    ends[3 * end] = c * u + s * v;
    ends[3 * end + 1] = -s * u + c * v;
    ends[3 * end + 2] = displacements[static_cast<size_t>(dofs[3 * end + 2])];
  }
  const MemberReleases releases = ReleasesAt(loading.releases, position);
  if ((!releases[0] && !releases[1]) || beam.bendingStiffness == 0.0) return ends;
  const bool loaded = position < loading.loads.size() && !loading.loads[position].empty();
  const double f1 = loaded ? loading.fixedEndForces[position][2] : 0.0;
  const double f2 = loaded ? loading.fixedEndForces[position][5] : 0.0;
  const double psi = (ends[4] - ends[1]) / beam.length;
  const double flexibility = beam.length / beam.bendingStiffness;  // L / EI
  if (releases[0] && releases[1]) {
    ends[2] = psi - (2.0 * f1 - f2) * flexibility / 6.0;
    ends[5] = psi - (2.0 * f2 - f1) * flexibility / 6.0;
  } else if (releases[0]) {
    ends[2] = 1.5 * psi - ends[5] / 2.0 - f1 * flexibility / 4.0;
  } else {
    ends[5] = 1.5 * psi - ends[2] / 2.0 - f2 * flexibility / 4.0;
  }
  return ends;
}

LoadedMember LoadedMemberOf(const Model& model, size_t position, const MemberLoading& loading,
                            const std::vector<double>& displacements,
                            const std::vector<double>& endForces) {
  const MemberRecord& member = model.members[position];
  LoadedMember loaded;
  loaded.beam = BeamOf(model, member);
  loaded.loads = loading.loads[position];
  loaded.endDisplacements = MemberEndDisplacements(model, position, loading, displacements);
  // t and t·cm to kg and kg·cm.
  for (size_t k = 0; k < 6; ++k) loaded.endForces[k] = endForces[6 * position + k] * 1000.0;
  loaded.fixedEndForces = loading.fixedEndForces[position];
  return loaded;
}

// A record the reader would have refused reaches here only from a model built otherwise; it
// is named like an invalid operation at its member.
MemberLoading LoadAlongMembers(const Model& model) {
  MemberLoading loading;
  loading.releases = ReleasesOfMembers(model);
  if (!HasMemberLoads(model)) return loading;
  const std::vector<std::vector<MemberLoadRecord>> records = RecordsByMember(model);
  loading.loads.resize(records.size());
  loading.fixedEndForces.resize(records.size());
  loading.heldEndForces.resize(records.size());
  ForEachMember(model, "部材荷重の計算", [&](const MemberRecord& member) {
    const auto position = static_cast<size_t>(&member - model.members.data());
    if (records[position].empty()) return;
    const MemberBeam beam = BeamOf(model, member);
    try {
      loading.loads[position] = ToMemberAxes(beam, records[position]);
      loading.fixedEndForces[position] = FixedEndForces(beam, loading.loads[position]);
    } catch (const std::invalid_argument&) {
      throw ArithmeticFault{FaultKind::InvalidOperation};
    }
    for (double force : loading.fixedEndForces[position]) CheckFinite(force);
    const MemberReleases releases = ReleasesAt(loading.releases, position);
    loading.heldEndForces[position] =
        beam.bendingStiffness == 0.0
            ? loading.fixedEndForces[position]
            : ReleasedEndForces(loading.fixedEndForces[position], releases, beam.length);
  });
  return loading;
}
