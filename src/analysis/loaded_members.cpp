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

LoadedMember LoadedMemberOf(const Model& model, size_t position, const MemberLoading& loading,
                            const std::vector<double>& displacements,
                            const std::vector<double>& endForces) {
  const MemberRecord& member = model.members[position];
  LoadedMember loaded;
  loaded.beam = BeamOf(model, member);
  loaded.loads = loading.loads[position];
  const double c = loaded.beam.cosine, s = loaded.beam.sine;
  const std::array<int16_t, 6> dofs = MemberDofs(member);
  for (size_t end = 0; end < 2; ++end) {
    const double u = displacements[static_cast<size_t>(dofs[3 * end])];
    const double v = displacements[static_cast<size_t>(dofs[3 * end + 1])];
    loaded.endDisplacements[3 * end] = c * u + s * v;
    loaded.endDisplacements[3 * end + 1] = -s * u + c * v;
    loaded.endDisplacements[3 * end + 2] = displacements[static_cast<size_t>(dofs[3 * end + 2])];
  }
  // t and t·cm to kg and kg·cm.
  for (size_t k = 0; k < 6; ++k) loaded.endForces[k] = endForces[6 * position + k] * 1000.0;
  loaded.fixedEndForces = loading.fixedEndForces[position];
  return loaded;
}

// A record the reader would have refused reaches here only from a model built otherwise; it
// is named like an invalid operation at its member.
MemberLoading LoadAlongMembers(const Model& model) {
  MemberLoading loading;
  if (!HasMemberLoads(model)) return loading;
  const std::vector<std::vector<MemberLoadRecord>> records = RecordsByMember(model);
  loading.loads.resize(records.size());
  loading.fixedEndForces.resize(records.size());
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
  });
  return loading;
}
