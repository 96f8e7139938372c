#include "along_member_results.h"

#include <utility>

#include "arithmetic/checked_math.h"
#include "member_error.h"

namespace {

// kg and kg·cm to t and t·cm.
MemberExtreme InTonnes(MemberExtreme extreme) {
  extreme.value = CheckFinite(extreme.value) / 1000.0;
  return extreme;
}

MemberExtreme Checked(MemberExtreme extreme) {
  CheckFinite(extreme.value);
  return extreme;
}

// A finite value with −0 made 0, as a zero force or displacement is written.
double Plain(double value) { return CheckFinite(value) + 0.0; }

}  // namespace

std::vector<MemberAlong> ValuesAlongMembers(const Model& model, const MemberLoading& loading,
                                            const std::vector<double>& displacements,
                                            const std::vector<double>& endForces) {
  std::vector<MemberAlong> along;
  if (loading.loads.empty()) return along;
  along.reserve(loading.loads.size());
  ForEachMember(model, "部材途中の応力と変位の計算", [&](const MemberRecord& member) {
    const auto position = static_cast<size_t>(&member - model.members.data());
    const LoadedMember loaded =
        LoadedMemberOf(model, position, loading, displacements, endForces);
    const double c = loaded.beam.cosine, s = loaded.beam.sine;
    const std::vector<MemberStation> stations = ResultStations(loaded.beam, loaded.loads);
    MemberAlong values;
    values.points.reserve(stations.size());
    for (const MemberStation& station : stations) {
      const AlongMemberValues at = ValuesAt(loaded, station);
      const double u = CheckFinite(at.axialDisplacement);
      const double v = CheckFinite(at.transverseDisplacement);
      values.points.push_back({station, Plain(at.axialForce / 1000.0),
                               Plain(at.shearForce / 1000.0), Plain(at.moment / 1000.0),
                               Plain(c * u - s * v), Plain(s * u + c * v)});
    }
    if (!loaded.loads.empty()) {
      const MemberMaxima found = FindMemberMaxima(loaded);
      values.extremes = MemberMaxima{InTonnes(found.moment),         InTonnes(found.shear),
                                     InTonnes(found.axial),          Checked(found.displacement),
                                     Checked(found.displacementX),   Checked(found.displacementY)};
    }
    along.push_back(std::move(values));
  });
  return along;
}
