#include "curve_refinement.h"

#include <algorithm>

std::vector<MemberStation> CurveStations(const MemberBeam& beam,
                                         std::span<const LocalMemberLoad> loads, bool jumps) {
  // The result stations less the tenths of the member that no load starts, ends or acts at.
  const auto loadPlace = [&](double x) {
    return std::any_of(loads.begin(), loads.end(), [x](const LocalMemberLoad& load) {
      return load.start == x || (load.kind == kDistributedLoad && load.end == x);
    });
  };
  std::vector<MemberStation> stations = ResultStations(beam, loads);
  std::erase_if(stations, [&](const MemberStation& station) {
    if (!jumps && station.side == StationSide::Before) return true;
    return station.x != 0.0 && station.x != beam.length && !loadPlace(station.x);
  });
  return stations;
}
