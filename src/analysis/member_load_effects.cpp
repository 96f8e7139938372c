#include "member_load_effects.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

void Require(bool condition, const char* what) {
  if (!condition) throw std::invalid_argument(std::string("member loads: ") + what);
}

void CheckBeam(const MemberBeam& beam) {
  Require(std::isfinite(beam.length) && beam.length > 0.0, "member length must be > 0");
  Require(std::isfinite(beam.cosine) && std::isfinite(beam.sine), "direction not finite");
  Require(std::isfinite(beam.axialStiffness), "EA must be finite");
  Require(std::isfinite(beam.bendingStiffness), "EI must be finite");
}

// The member parts (x, y) of a force or intensity p in the record's direction.
std::array<double, 2> MemberParts(const MemberBeam& beam, int16_t direction, double p) {
  switch (direction) {
    case kMemberAxisX: return {p, 0.0};
    case kMemberAxisY: return {0.0, p};
    case kGlobalX: return {beam.cosine * p, -beam.sine * p};
    case kGlobalY: return {beam.sine * p, beam.cosine * p};
    default: throw std::invalid_argument("member loads: direction must be 1 to 4");
  }
}

LocalMemberLoad ToMemberAxes(const MemberBeam& beam, const MemberLoadRecord& record) {
  Require(std::isfinite(record.p1) && std::isfinite(record.p2) && std::isfinite(record.a) &&
              std::isfinite(record.b),
          "value not finite");
  Require(record.a >= 0.0 && record.a <= beam.length, "a must be from 0 to L");
  LocalMemberLoad load;
  load.kind = record.kind;
  load.start = record.a;
  load.end = record.a;
  switch (record.kind) {
    case kDistributedLoad: {
      Require(record.b >= 0.0 && record.a + record.b <= beam.length, "a + b must be from 0 to L");
      load.end = beam.length - record.b;
      const std::array<double, 2> atStart = MemberParts(beam, record.direction, record.p1);
      const std::array<double, 2> atEnd = MemberParts(beam, record.direction, record.p2);
      load.axialStart = atStart[0];
      load.transverseStart = atStart[1];
      load.axialEnd = atEnd[0];
      load.transverseEnd = atEnd[1];
      break;
    }
    case kConcentratedForce: {
      const std::array<double, 2> parts = MemberParts(beam, record.direction, record.p1);
      load.axialStart = parts[0];
      load.transverseStart = parts[1];
      break;
    }
    case kConcentratedMoment:
      Require(record.direction == kMomentDirection, "a moment has direction 0");
      load.moment = record.p1;
      break;
    default: throw std::invalid_argument("member loads: kind must be 1, 2 or 3");
  }
  return load;
}

// (x − ξ)^k / k! for k = 0..3.
std::array<double, 4> Lever(double distance) {
  return {1.0, distance, distance * distance / 2.0, distance * distance * distance / 6.0};
}

// Adds the integrals over the part of a distributed load that lies before x. The integrands are
// at most of degree 4 in ξ; three-point Gauss is exact to degree 5.
void AddDistributed(const LocalMemberLoad& load, double x, LoadIntegrals& sums) {
  if (!(load.end > load.start) || !(x > load.start)) return;
  const double last = std::min(x, load.end);
  const double halfWidth = (last - load.start) / 2.0;
  const double middle = load.start + halfWidth;
  const double offset = halfWidth * std::sqrt(0.6);
  const std::array<double, 3> points = {middle - offset, middle, middle + offset};
  const std::array<double, 3> weights = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  const double span = load.end - load.start;
  for (size_t g = 0; g < 3; ++g) {
    const double along = (points[g] - load.start) / span;  // 0 at start, 1 at end
    const double axial = load.axialStart + (load.axialEnd - load.axialStart) * along;
    const double transverse =
        load.transverseStart + (load.transverseEnd - load.transverseStart) * along;
    const std::array<double, 4> lever = Lever(x - points[g]);
    for (size_t k = 0; k < 4; ++k) {
      const double weight = weights[g] * halfWidth * lever[k];
      sums.axial[k] += weight * axial;
      sums.transverse[k] += weight * transverse;
    }
  }
}

}  // namespace

std::vector<LocalMemberLoad> ToMemberAxes(const MemberBeam& beam,
                                          std::span<const MemberLoadRecord> records) {
  CheckBeam(beam);
  std::vector<LocalMemberLoad> loads;
  loads.reserve(records.size());
  for (const MemberLoadRecord& record : records) loads.push_back(ToMemberAxes(beam, record));
  return loads;
}

LoadIntegrals IntegrateLoads(std::span<const LocalMemberLoad> loads, double x, StationSide side) {
  LoadIntegrals sums;
  for (const LocalMemberLoad& load : loads) {
    if (load.kind == kDistributedLoad) {
      AddDistributed(load, x, sums);
      continue;
    }
    const bool passed = load.start < x || (load.start == x && side == StationSide::After);
    if (!passed) continue;
    const std::array<double, 4> lever = Lever(x - load.start);
    for (size_t k = 0; k < 4; ++k) {
      sums.axial[k] += load.axialStart * lever[k];
      sums.transverse[k] += load.transverseStart * lever[k];
      sums.moment[k] += load.moment * lever[k];
    }
  }
  return sums;
}

// The member held at node 1 alone by the end forces N1, Q1, M1 has, by statics and two
// integrations of EI·v'' = M with v(0) = θ(0) = 0,
//   EA·u(x) = −N1·x − I.axial[1],
//   EI·θ(x) = −M1·x + Q1·x²/2 + I.transverse[2] − I.moment[1],
//   EI·v(x) = −M1·x²/2 + Q1·x³/6 + I.transverse[3] − I.moment[2].
// The clamp at node 2 asks u(L) = θ(L) = v(L) = 0, which gives N1, Q1 and M1; the forces at
// node 2 then follow from the equilibrium of the whole member.
MemberEndVector FixedEndForces(const MemberBeam& beam, std::span<const LocalMemberLoad> loads) {
  CheckBeam(beam);
  const double length = beam.length;
  const LoadIntegrals whole = IntegrateLoads(loads, length, StationSide::After);
  const double n1 = -whole.axial[1] / length;
  double q1 = 0.0;
  double m1 = 0.0;
  if (beam.bendingStiffness != 0.0) {
    const double rotationTerm = whole.transverse[2] - whole.moment[1];    // kg·cm²
    const double deflectionTerm = whole.transverse[3] - whole.moment[2];  // kg·cm³
    q1 = (12.0 * deflectionTerm - 6.0 * length * rotationTerm) / (length * length * length);
    m1 = (6.0 * deflectionTerm - 2.0 * length * rotationTerm) / (length * length);
  } else {
    // Pinned ends: M1 = 0 and the moment about node 2 vanishes.
    q1 = (whole.moment[0] - whole.transverse[1]) / length;
  }
  const double n2 = -n1 - whole.axial[0];
  const double q2 = -q1 - whole.transverse[0];
  const double m2 = beam.bendingStiffness != 0.0
                        ? -m1 + length * q1 + whole.transverse[1] - whole.moment[0]
                        : 0.0;
  return {n1, q1, m1, n2, q2, m2};
}
