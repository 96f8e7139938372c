#include "values_along_member.h"

#include <algorithm>
#include <stdexcept>

LoadedMember WithFixedEndForces(LoadedMember member) {
  if (!member.fixedEndForces) member.fixedEndForces = FixedEndForces(member.beam, member.loads);
  return member;
}

AlongMemberValues ValuesAt(const LoadedMember& member, MemberStation station) {
  const MemberBeam& beam = member.beam;
  const MemberEndVector clamped =
      member.fixedEndForces ? *member.fixedEndForces : FixedEndForces(beam, member.loads);
  const double length = beam.length;
  const double x = station.x;
  if (!(x >= 0.0 && x <= length)) throw std::invalid_argument("member loads: x outside 0..L");
  const LoadIntegrals passed = IntegrateLoads(member.loads, x, station.side);
  const MemberEndVector& f = member.endForces;
  const MemberEndVector& d = member.endDisplacements;

  AlongMemberValues values;
  values.axialForce = -f[0] - passed.axial[0];
  values.shearForce = -f[1] - passed.transverse[0];
  values.moment = -f[2] + x * f[1] + passed.transverse[1] - passed.moment[0];

  // The ends' interpolation plus the deformation of the member clamped at both ends, whose
  // curves FixedEndForces is derived from.
  const double xi = x / length;
  values.axialDisplacement = (1.0 - xi) * d[0] + xi * d[3];
  if (beam.axialStiffness != 0.0) {
    values.axialDisplacement += (-clamped[0] * x - passed.axial[1]) / beam.axialStiffness;
  }
  if (beam.bendingStiffness != 0.0) {
    const double xi2 = xi * xi;
    const double xi3 = xi2 * xi;
    const double ownBending = -clamped[2] * x * x / 2.0 + clamped[1] * x * x * x / 6.0 +
                              passed.transverse[3] - passed.moment[2];  // kg·cm³
    values.transverseDisplacement = (1.0 - 3.0 * xi2 + 2.0 * xi3) * d[1] +
                                    length * (xi - 2.0 * xi2 + xi3) * d[2] +
                                    (3.0 * xi2 - 2.0 * xi3) * d[4] + length * (xi3 - xi2) * d[5] +
                                    ownBending / beam.bendingStiffness;
  } else {
    values.transverseDisplacement = (1.0 - xi) * d[1] + xi * d[4];
  }
  return values;
}

// The division points are L·i/10, so that a load placed at a tenth of a round length falls on
// the same x and is not listed twice.
std::vector<MemberStation> ResultStations(const MemberBeam& beam,
                                          std::span<const LocalMemberLoad> loads) {
  std::vector<double> places;
  std::vector<double> jumps;
  places.push_back(0.0);
  for (int i = 1; i < 10; ++i) places.push_back(beam.length * i / 10.0);
  places.push_back(beam.length);  // L·10/10 may round past L
  for (const LocalMemberLoad& load : loads) {
    places.push_back(load.start);
    if (load.kind == kDistributedLoad) {
      places.push_back(load.end);
    } else {
      jumps.push_back(load.start);
    }
  }
  std::sort(places.begin(), places.end());
  places.erase(std::unique(places.begin(), places.end()), places.end());

  std::vector<MemberStation> stations;
  for (double x : places) {
    if (std::find(jumps.begin(), jumps.end(), x) != jumps.end()) {
      stations.push_back({x, StationSide::Before});
    }
    stations.push_back({x, StationSide::After});
  }
  return stations;
}
