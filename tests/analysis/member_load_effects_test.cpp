// Loads along one member: simply supported, fixed-ended and cantilever beams under each kind of
// load against their closed forms (end forces, moments, peaks, deflections), and an inclined
// member under global loads against the same member split at its load points.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "analysis/beam_closed_forms.h"
#include "analysis/member_extremes.h"
#include "analysis/member_load_effects.h"
#include "analysis/values_along_member.h"
#include "support/reference_ldu.h"

namespace {

// k · d for the textbook local stiffness of a prismatic member.
MemberEndVector StiffnessTimes(const MemberBeam& beam, const MemberEndVector& d) {
  const double l = beam.length, ei = beam.bendingStiffness;
  const double n = beam.axialStiffness / l * (d[0] - d[3]);
  const double q = 12 * ei / (l * l * l) * (d[1] - d[4]) + 6 * ei / (l * l) * (d[2] + d[5]);
  const double m1 = 6 * ei / (l * l) * (d[1] - d[4]) + 2 * ei / l * (2 * d[2] + d[5]);
  const double m2 = 6 * ei / (l * l) * (d[1] - d[4]) + 2 * ei / l * (d[2] + 2 * d[5]);
  return {n, q, m1, -n, -q, m2};
}

MemberEndVector Plus(const MemberEndVector& a, const MemberEndVector& b) {
  MemberEndVector sum;
  for (size_t i = 0; i < 6; ++i) sum[i] = a[i] + b[i];
  return sum;
}
}  // namespace

// For simple spans and cantilevers the end displacements are the closed form's, so the structure's
// end forces k·u + fixed-end forces and the curve between the ends are checked together.
TEST(MemberLoadEffects, BeamsAgreeWithClosedForms) {
  const MemberBeam beam{kL, 1.0, 0.0, kEA, kEI};
  for (const BeamCase& c : kBeamCases) {
    SCOPED_TRACE(c.name);
    const std::vector<LocalMemberLoad> loads = ToMemberAxes(beam, {&c.load, 1});
    const auto [q1, m1, q2, m2] = c.endForces;
    const auto [theta1, v2, theta2] = c.endMotion;
    const MemberEndVector expected{0, q1, m1, 0, q2, m2};
    const MemberEndVector ends{0, 0, theta1, 0, v2, theta2};
    const double forceScale = std::max(std::fabs(q1), std::fabs(q2));
    const double momentScale = std::fabs(c.largestMoment[0]);
    const double deflectionScale = std::fabs(c.midDeflection);

    const MemberEndVector full = Plus(StiffnessTimes(beam, ends), FixedEndForces(beam, loads));
    for (size_t i : {0u, 1u, 3u, 4u}) ExpectClose(full[i], expected[i], forceScale, "end force");
    for (size_t i : {2u, 5u}) ExpectClose(full[i], expected[i], momentScale, "end moment");

    const LoadedMember member{beam, loads, ends, expected};
    const AlongMemberValues atNode1 = ValuesAt(member, {0, StationSide::Before});
    const AlongMemberValues atNode2 = ValuesAt(member, {kL, StationSide::After});
    ExpectClose(atNode1.shearForce, -q1, forceScale, "Q at node 1");
    ExpectClose(atNode2.shearForce, q2, forceScale, "Q at node 2");
    ExpectClose(atNode2.moment, m2, momentScale, "M at node 2");
    ExpectClose(atNode2.transverseDisplacement, v2, deflectionScale, "v at node 2");
    const auto [x, before, after] = c.momentAtX;
    ExpectClose(ValuesAt(member, {x, StationSide::Before}).moment, before, momentScale, "M before");
    ExpectClose(ValuesAt(member, {x, StationSide::After}).moment, after, momentScale, "M after");
    ExpectClose(ValuesAt(member, {kL / 2, StationSide::After}).transverseDisplacement,
                c.midDeflection, deflectionScale, "v at midspan");

    const MemberMaxima maxima = FindMemberMaxima(member);
    ExpectClose(maxima.moment.value, c.largestMoment[0], momentScale, "largest M");
    const double at = maxima.moment.place.x;
    EXPECT_TRUE(std::fabs(at - c.largestMoment[1]) < 1e-6 * kL ||
                (c.mirrored && std::fabs(kL - at - c.largestMoment[1]) < 1e-6 * kL))
        << at;
    const std::vector<MemberStation> peaks = MomentPeaks(member);
    if (std::isnan(c.peak[0])) {
      EXPECT_TRUE(peaks.empty());
    } else {
      ASSERT_EQ(peaks.size(), 1u);
      ExpectClose(peaks[0].x, c.peak[0], kL, "peak place");
      ExpectClose(ValuesAt(member, peaks[0]).moment, c.peak[1], momentScale, "peak moment");
    }
    if (!std::isnan(c.largestDeflection[0])) {
      ExpectClose(maxima.displacement.value, c.largestDeflection[0], deflectionScale, "largest v");
      ExpectClose(maxima.displacement.place.x, c.largestDeflection[1], kL, "its place");
      // u = 0, so the largest global dy is the same deflection.
      ExpectClose(std::fabs(maxima.displacementY.value), c.largestDeflection[0], deflectionScale,
                  "largest dy");
      ExpectClose(maxima.displacementY.place.x, c.largestDeflection[1], kL, "its place");
    }
  }
}

// A 3:4 member under its self-weight, a global-x load falling linearly from 4 to 1 kg/cm over
// 100..350, a global-y force at 220 and a moment at 420, against the same member cut at those
// points and halfway between, each piece loaded along its whole length in member axes turned by
// hand, the pieces assembled with both outer ends clamped.
TEST(MemberLoadEffects, InclinedMemberAgreesWithItsPiecesAssembled) {
  const double c = 0.8, s = 0.6;
  const MemberBeam whole{500.0, c, s, kEA, kEI};
  const std::vector<MemberLoadRecord> records = {
      {1, kDistributedLoad, kGlobalY, -3, -3, 0, 0},
      {1, kDistributedLoad, kGlobalX, 4, 1, 100, 150},
      {1, kConcentratedForce, kGlobalY, -800, 0, 220, 0},
      {1, kConcentratedMoment, kMomentDirection, 50000, 0, 420, 0}};
  const LoadedMember clamped{whole, ToMemberAxes(whole, records), {}, {}};
  const MemberEndVector fixedEnd = FixedEndForces(whole, clamped.loads);
  const LoadedMember member{whole, clamped.loads, {}, fixedEnd};

  const std::vector<double> cuts = {0, 50, 100, 160, 220, 285, 350, 385, 420, 460, 500};
  const size_t pieces = cuts.size() - 1;
  // Unknowns: u, v, θ of the inner nodes 1 .. pieces − 1 in member axes.
  DenseSolve solve = ZeroDenseSolve(3 * (pieces - 1));
  const auto row = [](size_t node, size_t i) { return 3 * (node - 1) + i; };
  solve.b[row(4, 0)] = -800 * s;  // the force at 220 in member axes
  solve.b[row(4, 1)] = -800 * c;
  solve.b[row(8, 2)] = 50000;     // the moment at 420
  std::vector<MemberBeam> beams;
  std::vector<MemberEndVector> pieceFixedEnd;
  for (size_t p = 0; p < pieces; ++p) {
    const MemberBeam beam{cuts[p + 1] - cuts[p], c, s, kEA, kEI};
    std::vector<MemberLoadRecord> own = {{1, kDistributedLoad, kMemberAxisX, -3 * s, -3 * s, 0, 0},
                                         {1, kDistributedLoad, kMemberAxisY, -3 * c, -3 * c, 0, 0}};
    if (cuts[p] >= 100 && cuts[p + 1] <= 350) {
      const double p1 = 4 - 3 * (cuts[p] - 100) / 250, p2 = 4 - 3 * (cuts[p + 1] - 100) / 250;
      own.push_back({1, kDistributedLoad, kMemberAxisX, p1 * c, p2 * c, 0, 0});
      own.push_back({1, kDistributedLoad, kMemberAxisY, -p1 * s, -p2 * s, 0, 0});
    }
    beams.push_back(beam);
    pieceFixedEnd.push_back(FixedEndForces(beam, ToMemberAxes(beam, own)));
    for (size_t j = 0; j < 6; ++j) {
      const size_t nodeJ = p + j / 3;
      if (nodeJ == 0 || nodeJ == pieces) continue;
      MemberEndVector unit{};
      unit[j] = 1.0;
      const MemberEndVector column = StiffnessTimes(beam, unit);
      for (size_t i = 0; i < 6; ++i) {
        const size_t nodeI = p + i / 3;
        if (nodeI == 0 || nodeI == pieces) continue;
        solve.a(row(nodeI, i % 3), row(nodeJ, j % 3)) += column[i];
      }
    }
    for (size_t i = 0; i < 6; ++i) {
      const size_t nodeI = p + i / 3;
      if (nodeI != 0 && nodeI != pieces) solve.b[row(nodeI, i % 3)] -= pieceFixedEnd[p][i];
    }
  }
  SolveDense(solve);

  const auto displacementsOf = [&](size_t node) {
    std::array<double, 3> d{};
    if (node != 0 && node != pieces) {
      for (size_t i = 0; i < 3; ++i) d[i] = solve.x[row(node, i)];
    }
    return d;
  };
  const auto pieceEndForces = [&](size_t p) {
    const std::array<double, 3> d1 = displacementsOf(p), d2 = displacementsOf(p + 1);
    return Plus(StiffnessTimes(beams[p], {d1[0], d1[1], d1[2], d2[0], d2[1], d2[2]}),
                pieceFixedEnd[p]);
  };
  const MemberEndVector first = pieceEndForces(0), last = pieceEndForces(pieces - 1);
  for (size_t i = 0; i < 3; ++i) {
    ExpectClose(fixedEnd[i], first[i], 1e3, "end 1");
    ExpectClose(fixedEnd[3 + i], last[3 + i], 1e3, "end 2");
  }
  for (size_t node = 1; node < pieces; ++node) {
    SCOPED_TRACE(cuts[node]);
    const AlongMemberValues values = ValuesAt(member, {cuts[node], StationSide::After});
    const std::array<double, 3> d = displacementsOf(node);
    ExpectClose(values.axialDisplacement, d[0], 1e-4, "u");
    ExpectClose(values.transverseDisplacement, d[1], 1e-2, "v");
    const MemberEndVector beyond = pieceEndForces(node);  // the piece that starts here
    ExpectClose(values.axialForce, -beyond[0], 1e3, "N");
    ExpectClose(values.shearForce, -beyond[1], 1e3, "Q");
    ExpectClose(values.moment, -beyond[2], 1e4, "M");
  }
}

TEST(MemberLoadEffects, StationsListEndsTenthsAndBothSidesOfConcentratedLoads) {
  const MemberBeam beam{kL, 1.0, 0.0, kEA, kEI};
  const std::vector<MemberLoadRecord> records = {
      {1, kDistributedLoad, kMemberAxisY, -1, -1, 100, 350},
      {1, kConcentratedForce, kMemberAxisY, -10, 0, 200, 0},
      {1, kConcentratedMoment, kMomentDirection, 5, 0, 150, 0},
      {1, kConcentratedForce, kMemberAxisX, 10, 0, 0, 0},
      {1, kDistributedLoad, kGlobalY, -1, -1, 0, 0},
      {1, kConcentratedForce, kGlobalX, 10, 0, kL, 0}};
  const StationSide B = StationSide::Before, A = StationSide::After;
  const std::vector<MemberStation> expected = {
      {0, B},   {0, A},   {60, A},  {100, A}, {120, A}, {150, B}, {150, A},
      {180, A}, {200, B}, {200, A}, {240, A}, {250, A}, {300, A}, {360, A},
      {420, A}, {480, A}, {540, A}, {600, B}, {600, A}};
  EXPECT_EQ(ResultStations(beam, ToMemberAxes(beam, records)), expected);
}

// Without EI the member is pinned at both ends: a uniform load w and a moment M0 at a give the
// reactions wL/2 ± M0/L and no end moments, M(L/2) = wL²/8 − M0/2, and v is linear in v1, v2.
TEST(MemberLoadEffects, BarWithoutBendingStiffnessSpansSimply) {
  const MemberBeam bar{kL, 1.0, 0.0, kEA, 0.0};
  const MemberLoadRecord records[] = {kUniform, kMoment};
  const std::vector<LocalMemberLoad> loads = ToMemberAxes(bar, records);
  const MemberEndVector fixedEnd = FixedEndForces(bar, loads);
  const MemberEndVector expected{0, kW * kL / 2 + kM0 / kL, 0, 0, kW * kL / 2 - kM0 / kL, 0};
  for (size_t i = 0; i < 6; ++i) ExpectClose(fixedEnd[i], expected[i], kW * kL, "end force");
  const LoadedMember member{bar, loads, {0, 0.1, 0.7, 0, 0.3, -0.2}, fixedEnd};
  const AlongMemberValues middle = ValuesAt(member, {kL / 2, StationSide::After});
  ExpectClose(middle.moment, kW * kL * kL / 8 - kM0 / 2, kM0, "M");
  ExpectClose(middle.transverseDisplacement, 0.2, 0.2, "v");
}

// A cantilever under loads along x and y rising from −w at node 1 to 3w at the free end:
// N(x) = Q(x) = wL + wx − 2wx²/L, largest 9wL/8 at L/4 where the load changes sign, and
// M(0) = 5wL²/6 with no interior peak.
TEST(MemberLoadEffects, LoadChangingSignPeaksShearAndAxialForceInsideTheSpan) {
  const MemberBeam beam{kL, 1.0, 0.0, kEA, kEI};
  const MemberLoadRecord records[] = {{1, kDistributedLoad, kMemberAxisX, -kW, 3 * kW, 0, 0},
                                      {1, kDistributedLoad, kMemberAxisY, -kW, 3 * kW, 0, 0}};
  const LoadedMember member{beam, ToMemberAxes(beam, records), {},
                            {-kW * kL, -kW * kL, -5 * kW * kL * kL / 6, 0, 0, 0}};
  const MemberMaxima maxima = FindMemberMaxima(member);
  ExpectClose(maxima.shear.value, 9 * kW * kL / 8, 0, "Q");
  ExpectClose(maxima.shear.place.x, kL / 4, 0, "its place");
  ExpectClose(maxima.axial.value, 9 * kW * kL / 8, 0, "N");
  ExpectClose(maxima.axial.place.x, kL / 4, 0, "its place");
  ExpectClose(maxima.moment.value, 5 * kW * kL * kL / 6, 0, "M");
  EXPECT_EQ(maxima.moment.place.x, 0.0);
  EXPECT_TRUE(MomentPeaks(member).empty());
}

// Negative section values give negative stiffnesses: a fixed-ended member under a uniform load
// keeps the end forces wL/2 and ±wL²/12, and bends the other way, +wL⁴/384|EI| at midspan.
TEST(MemberLoadEffects, NegativeStiffnessTurnsOnlyTheMembersOwnDeflection) {
  const MemberBeam negative{kL, 1.0, 0.0, -kEA, -kEI};
  const std::vector<LocalMemberLoad> loads = ToMemberAxes(negative, {&kUniform, 1});
  const MemberEndVector expected{0, kWL / 2, kWL2 / 12, 0, kWL / 2, -kWL2 / 12};
  const LoadedMember member{negative, loads, {}, FixedEndForces(negative, loads)};
  for (size_t i = 0; i < 6; ++i) ExpectClose(member.endForces[i], expected[i], kWL2, "end force");
  ExpectClose(ValuesAt(member, {kL / 2, StationSide::After}).transverseDisplacement, kWL4 / 384,
              0, "v at midspan");
  ExpectClose(FindMemberMaxima(member).displacementY.value, kWL4 / 384, 0, "largest v");
}

TEST(MemberLoadEffects, ImpossibleInputsAreRefused) {
  const MemberBeam beam{kL, 1.0, 0.0, kEA, kEI};
  const MemberLoadRecord refused[] = {
      {1, 4, kMemberAxisY, -1, -1, 0, 0},                       // no such kind
      {1, kDistributedLoad, 5, -1, -1, 0, 0},                   // no such direction
      {1, kConcentratedForce, kMomentDirection, -1, 0, 10, 0},  // a force needs a direction
      {1, kConcentratedMoment, kGlobalY, 1, 0, 10, 0},          // a moment has none
      {1, kConcentratedForce, kGlobalY, -1, 0, -1, 0},          // a < 0
      {1, kConcentratedForce, kGlobalY, -1, 0, kL + 1, 0},      // a > L
      {1, kDistributedLoad, kGlobalY, -1, -1, 300, 301},        // a + b > L
      {1, kDistributedLoad, kGlobalY, -1, -1, 0, -1},           // b < 0
      {1, kDistributedLoad, kGlobalY, kNone, -1, 0, 0}};
  for (const MemberLoadRecord& record : refused) {
    EXPECT_THROW(ToMemberAxes(beam, {&record, 1}), std::invalid_argument) << record.kind;
  }
  EXPECT_THROW(FixedEndForces({0.0, 1.0, 0.0, kEA, kEI}, {}), std::invalid_argument);
  EXPECT_THROW(FixedEndForces({kL, 1.0, 0.0, kEA, kNone}, {}), std::invalid_argument);
  EXPECT_THROW(ValuesAt({beam, {}, {}, {}}, {kL + 1, StationSide::After}), std::invalid_argument);
}
