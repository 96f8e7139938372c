#include "joint_conditions.h"

#include "dof_numbering.h"

std::vector<MemberReleases> ReleasesOfMembers(const Model& model) {
  std::vector<MemberReleases> releases;
  if (model.hinges.empty()) return releases;
  releases.resize(static_cast<size_t>(model.memberCount));
  for (const HingeRecord& hinge : model.hinges) {
    MemberReleases& member = releases.at(static_cast<size_t>(hinge.memberIndex));
    member[0] = member[0] || hinge.release1 != 0;
    member[1] = member[1] || hinge.release2 != 0;
  }
  return releases;
}

namespace {

// u, v, θ of each record on its node's three equations, `count` entries; empty without records.
// `combine` takes the entry so far and the record's value.
template <typename Record, typename Combine>
std::vector<double> PerEquation(const std::vector<Record>& records,
                                const std::array<double Record::*, 3>& fields, size_t count,
                                Combine combine) {
  std::vector<double> values;
  if (records.empty()) return values;
  values.assign(count, 0.0);
  for (const Record& record : records) {
    for (int16_t direction = DirectionU; direction <= DirectionTheta; ++direction) {
      double& entry = values.at(static_cast<size_t>(NodeDof(record.nodeIndex, direction)));
      entry = combine(entry, record.*fields[static_cast<size_t>(direction)]);
    }
  }
  return values;
}

}  // namespace

std::vector<double> SpringStiffnesses(const Model& model, size_t count) {
  return PerEquation(model.springs,
                     {&SpringRecord::kx, &SpringRecord::ky, &SpringRecord::kTheta}, count,
                     [](double sum, double k) { return sum + k; });
}

std::vector<double> PrescribedDisplacements(const Model& model, size_t count) {
  return PerEquation(model.settlements,
                     {&SettlementRecord::u, &SettlementRecord::v, &SettlementRecord::theta},
                     count, [](double, double value) { return value; });
}
