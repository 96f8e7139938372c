// Loads along one member: simply supported, fixed-ended and cantilever beams under each kind of
// load against their closed forms (end forces, moments, peaks, deflections), and an inclined
// member under global loads against the same member split at its load points.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "analysis/member_extremes.h"
#include "analysis/member_load_effects.h"
#include "analysis/values_along_member.h"
#include "support/reference_ldu.h"

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kL = 600.0;                    // cm
constexpr double kEI = 2.1e6 * 8000.0;          // kg·cm²
constexpr double kEA = 2.1e6 * 50.0;            // kg
constexpr double kW = 2.0;                      // kg/cm, downward
constexpr double kP = 1000.0;                   // kg, downward
constexpr double kM0 = 1.0e5;                   // kg·cm, counter-clockwise
constexpr double kE1 = 100.0, kE2 = 250.0;      // where the partial load starts and ends, cm
constexpr double kA = 200.0, kB = kL - kA;      // the point load, cm from node 1 and node 2
constexpr double kMa = 150.0, kMb = kL - kMa;   // the moment, likewise
constexpr double kC = kE2 - kE1, kD = (kE1 + kE2) / 2;  // the partial load's length and centre
constexpr double kWL = kW * kL, kWL2 = kWL * kL;         // kg, kg·cm
constexpr double kWL3 = kWL2 * kL / kEI, kWL4 = kWL3 * kL;  // rad, cm

void ExpectClose(double actual, double expected, double scale, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-6 * std::max(std::fabs(expected), scale)) << what;
}

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

// F(e2) − F(e1): the partial load's closed forms are integrals of point-load ones over it.
template <typename F>
double OverPartial(F f) {
  return f(kE2) - f(kE1);
}

// Simply supported, triangle: M(x) = wLx/6 − wx³/6L, largest at L/√3; the deflection
// wx(7L⁴ − 10L²x² + 3x⁴)/360LEI is largest where 15x⁴ − 30L²x² + 7L⁴ = 0.
double SimpleTriangleM(double x) { return kWL * x / 6 - kW * x * x * x / (6 * kL); }
double SimpleTriangleDeflection(double x) {
  const double l2 = kL * kL, x2 = x * x;
  return kW * x * (7 * l2 * l2 - 10 * l2 * x2 + 3 * x2 * x2) / (360 * kL * kEI);
}
const double kSimpleTriangleAt = kL * std::sqrt(1 - std::sqrt(8.0 / 15));
// Fixed ends, triangle: M(x) = −wL²/30 + 3wLx/20 − wx³/6L, stationary at L√0.3.
double FixedTriangleM(double x) {
  return -kWL2 / 30 + 3 * kWL * x / 20 - kW * x * x * x / (6 * kL);
}
// Partial load: the reactions of the simple span, and those of the fixed ends as the integrals
// of Pb²(L + 2a)/L³ and Pab²/L², Pa²b/L² over it; M inside it from either.
const double kSimplePartialQ1 = kW * kC * (kL - kD) / kL;
const double kFixedPartialQ1 = kW / std::pow(kL, 3) * OverPartial([](double t) {
  return kL * kL * kL * t - kL * t * t * t + t * t * t * t / 2;
});
const double kFixedPartialM1 = kW / (kL * kL) * OverPartial([](double t) {
  return kL * kL * t * t / 2 - 2 * kL * t * t * t / 3 + t * t * t * t / 4;
});
const double kFixedPartialM2 = -kW / (kL * kL) * OverPartial([](double t) {
  return kL * t * t * t / 3 - t * t * t * t / 4;
});
double PartialM(double m1, double q1, double x) {
  return -m1 + q1 * x - kW * (x - kE1) * (x - kE1) / 2;
}
const double kSimplePartialPeakAt = kE1 + kSimplePartialQ1 / kW;
const double kFixedPartialPeakAt = kE1 + kFixedPartialQ1 / kW;
// Simple span: θ1 = −w/6LEI ∫ ξ(L−ξ)(2L−ξ), θ2 = w/6LEI ∫ ξ(L−ξ)(L+ξ),
// v(L/2) = −w/12EI ∫ ξ(3L²/4 − ξ²); fixed ends: v(L/2) = −w/48EI ∫ ξ²(3L − 4ξ); the load lies
// left of midspan.
const double kSimplePartialTheta1 = -kW / (6 * kL * kEI) * OverPartial([](double t) {
  return kL * kL * t * t - kL * t * t * t + t * t * t * t / 4;
});
const double kSimplePartialTheta2 = kW / (6 * kL * kEI) * OverPartial([](double t) {
  return kL * kL * t * t / 2 - t * t * t * t / 4;
});
const double kSimplePartialMid = -kW / (12 * kEI) * OverPartial([](double t) {
  return 3 * kL * kL * t * t / 8 - t * t * t * t / 4;
});
const double kFixedPartialMid = -kW / (48 * kEI) * OverPartial([](double t) {
  return kL * t * t * t - t * t * t * t;
});
// Fixed ends, moment M0 at a: M1 = M0·b(2a − b)/L², M2 = M0·a(2b − a)/L², Q1 = 6·M0·a·b/L³.
const double kFixedMomentM1 = kM0 * kMb * (2 * kMa - kMb) / (kL * kL);
const double kFixedMomentM2 = kM0 * kMa * (2 * kMb - kMa) / (kL * kL);
const double kFixedMomentQ1 = 6 * kM0 * kMa * kMb / std::pow(kL, 3);

// One beam of the member's section on a horizontal axis: simply supported, fixed at both ends,
// or a cantilever clamped at node 1 and free at node 2. M is sagging positive, v is upward.
struct BeamCase {
  const char* name;
  MemberLoadRecord load;
  std::array<double, 4> endForces;          // Q1, M1, Q2, M2; N1 = N2 = 0
  std::array<double, 3> endMotion;          // θ1, v2, θ2; u1, v1 and u2 are 0
  std::array<double, 3> momentAtX;          // x, M just before x, M just after x
  std::array<double, 2> largestMoment;      // M where |M| is largest, and its x
  std::array<double, 2> peak;               // x and M where Q = 0 between stations, or kNone
  double midDeflection;                     // v(L/2)
  std::array<double, 2> largestDeflection;  // √(u² + v²) and its x, or kNone
  bool mirrored = false;                    // the largest |M| is at L − x as well
};

const MemberLoadRecord kUniform{1, kDistributedLoad, kGlobalY, -kW, -kW, 0, 0};
const MemberLoadRecord kTriangle{1, kDistributedLoad, kMemberAxisY, 0, -kW, 0, 0};
const MemberLoadRecord kPartial{1, kDistributedLoad, kGlobalY, -kW, -kW, kE1, kL - kE2};
const MemberLoadRecord kPoint{1, kConcentratedForce, kMemberAxisY, -kP, 0, kA, 0};
const MemberLoadRecord kMoment{1, kConcentratedMoment, kMomentDirection, kM0, 0, kMa, 0};
const std::array<double, 2> kNoValue{kNone, kNone};

const BeamCase kCases[] = {
    {"simple, uniform", kUniform,
     {kWL / 2, 0, kWL / 2, 0}, {-kWL3 / 24, 0, kWL3 / 24},
     {kA, kW * kA * kB / 2, kW * kA * kB / 2}, {kWL2 / 8, kL / 2}, kNoValue,
     -5 * kWL4 / 384, {5 * kWL4 / 384, kL / 2}},
    {"simple, triangle", kTriangle,
     {kWL / 6, 0, kWL / 3, 0}, {-7 * kWL3 / 360, 0, 8 * kWL3 / 360},
     {kA, SimpleTriangleM(kA), SimpleTriangleM(kA)},
     {SimpleTriangleM(kL / std::sqrt(3.0)), kL / std::sqrt(3.0)},
     {kL / std::sqrt(3.0), kWL2 / (9 * std::sqrt(3.0))},
     -5 * kWL4 / 768, {SimpleTriangleDeflection(kSimpleTriangleAt), kSimpleTriangleAt}},
    {"simple, partial", kPartial,
     {kSimplePartialQ1, 0, kW * kC - kSimplePartialQ1, 0},
     {kSimplePartialTheta1, 0, kSimplePartialTheta2},
     {kA, PartialM(0, kSimplePartialQ1, kA), PartialM(0, kSimplePartialQ1, kA)},
     {PartialM(0, kSimplePartialQ1, kSimplePartialPeakAt), kSimplePartialPeakAt},
     {kSimplePartialPeakAt, PartialM(0, kSimplePartialQ1, kSimplePartialPeakAt)},
     kSimplePartialMid, kNoValue},
    // The largest deflection, Pa(L² − a²)^(3/2)/(9√3·L·EI), is √((L² − a²)/3) from node 2.
    {"simple, point", kPoint,
     {kP * kB / kL, 0, kP * kA / kL, 0},
     {-kP * kA * kB * (kL + kB) / (6 * kL * kEI), 0, kP * kA * kB * (kL + kA) / (6 * kL * kEI)},
     {kA, kP * kA * kB / kL, kP * kA * kB / kL}, {kP * kA * kB / kL, kA}, kNoValue,
     -kP * kA * (3 * kL * kL - 4 * kA * kA) / (48 * kEI),
     {kP * kA * std::pow(kL * kL - kA * kA, 1.5) / (9 * std::sqrt(3.0) * kL * kEI),
      kL - std::sqrt((kL * kL - kA * kA) / 3)}},
    {"simple, moment", kMoment,
     {kM0 / kL, 0, -kM0 / kL, 0},
     {kM0 * (3 * kMb * kMb - kL * kL) / (6 * kL * kEI), 0,
      kM0 * (3 * kMa * kMa - kL * kL) / (6 * kL * kEI)},
     {kMa, kM0 * kMa / kL, -kM0 * kMb / kL}, {-kM0 * kMb / kL, kMa}, kNoValue,
     kM0 * (kL * kL - 4 * kMa * kMa) / (16 * kEI), kNoValue},
    {"fixed, uniform", kUniform,
     {kWL / 2, kWL2 / 12, kWL / 2, -kWL2 / 12}, {0, 0, 0},
     {kA, -kWL2 / 12 + kW * kA * kB / 2, -kWL2 / 12 + kW * kA * kB / 2}, {-kWL2 / 12, 0}, kNoValue,
     -kWL4 / 384, {kWL4 / 384, kL / 2}, true},
    {"fixed, triangle", kTriangle,
     {3 * kWL / 20, kWL2 / 30, 7 * kWL / 20, -kWL2 / 20}, {0, 0, 0},
     {kA, FixedTriangleM(kA), FixedTriangleM(kA)}, {-kWL2 / 20, kL},
     {kL * std::sqrt(0.3), FixedTriangleM(kL * std::sqrt(0.3))}, -kWL4 / 768, kNoValue},
    {"fixed, partial", kPartial,
     {kFixedPartialQ1, kFixedPartialM1, kW * kC - kFixedPartialQ1, kFixedPartialM2}, {0, 0, 0},
     {kA, PartialM(kFixedPartialM1, kFixedPartialQ1, kA),
      PartialM(kFixedPartialM1, kFixedPartialQ1, kA)},
     {-kFixedPartialM1, 0},
     {kFixedPartialPeakAt, PartialM(kFixedPartialM1, kFixedPartialQ1, kFixedPartialPeakAt)},
     kFixedPartialMid, kNoValue},
    // The largest deflection, 2Pa²b³/3(3b + a)²EI, is 2bL/(3b + a) from node 2.
    {"fixed, point", kPoint,
     {kP * kB * kB * (kL + 2 * kA) / std::pow(kL, 3), kP * kA * kB * kB / (kL * kL),
      kP * kA * kA * (kL + 2 * kB) / std::pow(kL, 3), -kP * kA * kA * kB / (kL * kL)},
     {0, 0, 0},
     {kA, 2 * kP * kA * kA * kB * kB / std::pow(kL, 3),
      2 * kP * kA * kA * kB * kB / std::pow(kL, 3)},
     {-kP * kA * kB * kB / (kL * kL), 0}, kNoValue, -kP * kA * kA * (3 * kL - 4 * kA) / (48 * kEI),
     {2 * kP * std::pow(kB, 3) * kA * kA / (3 * std::pow(3 * kB + kA, 2) * kEI),
      kL - 2 * kB * kL / (3 * kB + kA)}},
    {"fixed, moment", kMoment,
     {kFixedMomentQ1, kFixedMomentM1, -kFixedMomentQ1, kFixedMomentM2}, {0, 0, 0},
     {kMa, -kFixedMomentM1 + kFixedMomentQ1 * kMa, -kFixedMomentM1 + kFixedMomentQ1 * kMa - kM0},
     {-kFixedMomentM1 + kFixedMomentQ1 * kMa - kM0, kMa}, kNoValue,
     kM0 * kMa * (kL - 2 * kMa) / (8 * kEI), kNoValue},
    {"cantilever, uniform", kUniform,
     {kWL, kWL2 / 2, 0, 0}, {0, -kWL4 / 8, -kWL3 / 6},
     {kA, -kW * kB * kB / 2, -kW * kB * kB / 2}, {-kWL2 / 2, 0}, kNoValue,
     -17 * kWL4 / 384, {kWL4 / 8, kL}},
    // M(x) = −w(L − x)²(2L + x)/6L, v(x) = −wx²(20L³ − 10L²x + x³)/120LEI.
    {"cantilever, triangle", kTriangle,
     {kWL / 2, kWL2 / 3, 0, 0}, {0, -11 * kWL4 / 120, -kWL3 / 8},
     {kA, -kW * kB * kB * (2 * kL + kA) / (6 * kL), -kW * kB * kB * (2 * kL + kA) / (6 * kL)},
     {-kWL2 / 3, 0}, kNoValue, -121 * kWL4 / 3840, {11 * kWL4 / 120, kL}},
    // A point load P at ξ moves the tip Pξ²(3L − ξ)/6EI and turns it Pξ²/2EI.
    {"cantilever, partial", kPartial,
     {kW * kC, kW * kC * kD, 0, 0},
     {0, -kW / (6 * kEI) * OverPartial([](double t) { return kL * t * t * t - t * t * t * t / 4; }),
      -kW * (std::pow(kE2, 3) - std::pow(kE1, 3)) / (6 * kEI)},
     {kA, -kW * (kE2 - kA) * (kE2 - kA) / 2, -kW * (kE2 - kA) * (kE2 - kA) / 2},
     {-kW * kC * kD, 0}, kNoValue,
     -kW / (6 * kEI) * OverPartial([](double t) { return kL / 2 * t * t * t - t * t * t * t / 4; }),
     kNoValue},
    {"cantilever, point", kPoint,
     {kP, kP * kA, 0, 0}, {0, -kP * kA * kA * (3 * kL - kA) / (6 * kEI), -kP * kA * kA / (2 * kEI)},
     {kA / 2, -kP * kA / 2, -kP * kA / 2}, {-kP * kA, 0}, kNoValue,
     -kP * kA * kA * (3 * kL / 2 - kA) / (6 * kEI), {kP * kA * kA * (3 * kL - kA) / (6 * kEI), kL}},
    {"cantilever, moment", kMoment,
     {0, -kM0, 0, 0}, {0, kM0 * kMa * (2 * kL - kMa) / (2 * kEI), kM0 * kMa / kEI},
     {kMa, kM0, 0}, {kM0, 0}, kNoValue,
     kM0 * kMa * (kL - kMa) / (2 * kEI), {kM0 * kMa * (2 * kL - kMa) / (2 * kEI), kL}},
};

}  // namespace

// For simple spans and cantilevers the end displacements are the closed form's, so the structure's
// end forces k·u + fixed-end forces and the curve between the ends are checked together.
TEST(MemberLoadEffects, BeamsAgreeWithClosedForms) {
  const MemberBeam beam{kL, 1.0, 0.0, kEA, kEI};
  for (const BeamCase& c : kCases) {
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
  EXPECT_THROW(FixedEndForces({kL, 1.0, 0.0, kEA, -1.0}, {}), std::invalid_argument);
  EXPECT_THROW(ValuesAt({beam, {}, {}, {}}, {kL + 1, StationSide::After}), std::invalid_argument);
}
