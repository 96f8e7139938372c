// One beam of 600 cm on a horizontal axis, simply supported, fixed at both ends or a cantilever
// clamped at node 1, under each kind of load along it, with its closed forms: end forces, end
// motion, moments, peaks and deflections. The kernel's tests and the whole runs' share them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/member_load_record.h"

// The section: A 50 cm², I 8000 cm⁴, E 2100000 kg/cm².
inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kL = 600.0;                    // cm
inline constexpr double kEI = 2.1e6 * 8000.0;          // kg·cm²
inline constexpr double kEA = 2.1e6 * 50.0;            // kg
inline constexpr double kW = 2.0;                      // kg/cm, downward
inline constexpr double kP = 1000.0;                   // kg, downward
inline constexpr double kM0 = 1.0e5;                   // kg·cm, counter-clockwise
inline constexpr double kE1 = 100.0, kE2 = 250.0;      // where the partial load starts and ends, cm
inline constexpr double kA = 200.0, kB = kL - kA;      // the point load, cm from node 1 and node 2
inline constexpr double kMa = 150.0, kMb = kL - kMa;   // the moment, likewise
// The partial load's length and centre.
inline constexpr double kC = kE2 - kE1, kD = (kE1 + kE2) / 2;
inline constexpr double kWL = kW * kL, kWL2 = kWL * kL;         // kg, kg·cm
inline constexpr double kWL3 = kWL2 * kL / kEI, kWL4 = kWL3 * kL;  // rad, cm

// To 1e-6 of the expected value, or of `scale` where that is larger.
inline void ExpectClose(double actual, double expected, double scale, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-6 * std::max(std::fabs(expected), scale)) << what;
}

// F(e2) − F(e1): the partial load's closed forms are integrals of point-load ones over it.
template <typename F>
inline double OverPartial(F f) {
  return f(kE2) - f(kE1);
}

// Simply supported, triangle: M(x) = wLx/6 − wx³/6L, largest at L/√3; the deflection
// wx(7L⁴ − 10L²x² + 3x⁴)/360LEI is largest where 15x⁴ − 30L²x² + 7L⁴ = 0.
inline double SimpleTriangleM(double x) { return kWL * x / 6 - kW * x * x * x / (6 * kL); }
inline double SimpleTriangleDeflection(double x) {
  const double l2 = kL * kL, x2 = x * x;
  return kW * x * (7 * l2 * l2 - 10 * l2 * x2 + 3 * x2 * x2) / (360 * kL * kEI);
}
inline const double kSimpleTriangleAt = kL * std::sqrt(1 - std::sqrt(8.0 / 15));
// Fixed ends, triangle: M(x) = −wL²/30 + 3wLx/20 − wx³/6L, stationary at L√0.3.
inline double FixedTriangleM(double x) {
  return -kWL2 / 30 + 3 * kWL * x / 20 - kW * x * x * x / (6 * kL);
}
// Partial load: the reactions of the simple span, and those of the fixed ends as the integrals
// of Pb²(L + 2a)/L³ and Pab²/L², Pa²b/L² over it; M inside it from either.
inline const double kSimplePartialQ1 = kW * kC * (kL - kD) / kL;
inline const double kFixedPartialQ1 = kW / std::pow(kL, 3) * OverPartial([](double t) {
  return kL * kL * kL * t - kL * t * t * t + t * t * t * t / 2;
});
inline const double kFixedPartialM1 = kW / (kL * kL) * OverPartial([](double t) {
  return kL * kL * t * t / 2 - 2 * kL * t * t * t / 3 + t * t * t * t / 4;
});
inline const double kFixedPartialM2 = -kW / (kL * kL) * OverPartial([](double t) {
  return kL * t * t * t / 3 - t * t * t * t / 4;
});
inline double PartialM(double m1, double q1, double x) {
  return -m1 + q1 * x - kW * (x - kE1) * (x - kE1) / 2;
}
inline const double kSimplePartialPeakAt = kE1 + kSimplePartialQ1 / kW;
inline const double kFixedPartialPeakAt = kE1 + kFixedPartialQ1 / kW;
// Simple span: θ1 = −w/6LEI ∫ ξ(L−ξ)(2L−ξ), θ2 = w/6LEI ∫ ξ(L−ξ)(L+ξ),
// v(L/2) = −w/12EI ∫ ξ(3L²/4 − ξ²); fixed ends: v(L/2) = −w/48EI ∫ ξ²(3L − 4ξ); the load lies
// left of midspan.
inline const double kSimplePartialTheta1 = -kW / (6 * kL * kEI) * OverPartial([](double t) {
  return kL * kL * t * t - kL * t * t * t + t * t * t * t / 4;
});
inline const double kSimplePartialTheta2 = kW / (6 * kL * kEI) * OverPartial([](double t) {
  return kL * kL * t * t / 2 - t * t * t * t / 4;
});
inline const double kSimplePartialMid = -kW / (12 * kEI) * OverPartial([](double t) {
  return 3 * kL * kL * t * t / 8 - t * t * t * t / 4;
});
inline const double kFixedPartialMid = -kW / (48 * kEI) * OverPartial([](double t) {
  return kL * t * t * t - t * t * t * t;
});
// Fixed ends, moment M0 at a: M1 = M0·b(2a − b)/L², M2 = M0·a(2b − a)/L², Q1 = 6·M0·a·b/L³.
inline const double kFixedMomentM1 = kM0 * kMb * (2 * kMa - kMb) / (kL * kL);
inline const double kFixedMomentM2 = kM0 * kMa * (2 * kMb - kMa) / (kL * kL);
inline const double kFixedMomentQ1 = 6 * kM0 * kMa * kMb / std::pow(kL, 3);

// M is sagging positive, v is upward.
enum class BeamSupport { Simple, Fixed, Cantilever };

struct BeamCase {
  BeamSupport support;
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

inline const MemberLoadRecord kUniform{1, kDistributedLoad, kGlobalY, -kW, -kW, 0, 0};
inline const MemberLoadRecord kTriangle{1, kDistributedLoad, kMemberAxisY, 0, -kW, 0, 0};
inline const MemberLoadRecord kPartial{1, kDistributedLoad, kGlobalY, -kW, -kW, kE1, kL - kE2};
inline const MemberLoadRecord kPoint{1, kConcentratedForce, kMemberAxisY, -kP, 0, kA, 0};
inline const MemberLoadRecord kMoment{1, kConcentratedMoment, kMomentDirection, kM0, 0, kMa, 0};
inline const std::array<double, 2> kNoValue{kNone, kNone};

inline const BeamCase kBeamCases[] = {
    {BeamSupport::Simple, "simple, uniform", kUniform,
     {kWL / 2, 0, kWL / 2, 0}, {-kWL3 / 24, 0, kWL3 / 24},
     {kA, kW * kA * kB / 2, kW * kA * kB / 2}, {kWL2 / 8, kL / 2}, kNoValue,
     -5 * kWL4 / 384, {5 * kWL4 / 384, kL / 2}},
    {BeamSupport::Simple, "simple, triangle", kTriangle,
     {kWL / 6, 0, kWL / 3, 0}, {-7 * kWL3 / 360, 0, 8 * kWL3 / 360},
     {kA, SimpleTriangleM(kA), SimpleTriangleM(kA)},
     {SimpleTriangleM(kL / std::sqrt(3.0)), kL / std::sqrt(3.0)},
     {kL / std::sqrt(3.0), kWL2 / (9 * std::sqrt(3.0))},
     -5 * kWL4 / 768, {SimpleTriangleDeflection(kSimpleTriangleAt), kSimpleTriangleAt}},
    {BeamSupport::Simple, "simple, partial", kPartial,
     {kSimplePartialQ1, 0, kW * kC - kSimplePartialQ1, 0},
     {kSimplePartialTheta1, 0, kSimplePartialTheta2},
     {kA, PartialM(0, kSimplePartialQ1, kA), PartialM(0, kSimplePartialQ1, kA)},
     {PartialM(0, kSimplePartialQ1, kSimplePartialPeakAt), kSimplePartialPeakAt},
     {kSimplePartialPeakAt, PartialM(0, kSimplePartialQ1, kSimplePartialPeakAt)},
     kSimplePartialMid, kNoValue},
    // The largest deflection, Pa(L² − a²)^(3/2)/(9√3·L·EI), is √((L² − a²)/3) from node 2.
    {BeamSupport::Simple, "simple, point", kPoint,
     {kP * kB / kL, 0, kP * kA / kL, 0},
     {-kP * kA * kB * (kL + kB) / (6 * kL * kEI), 0, kP * kA * kB * (kL + kA) / (6 * kL * kEI)},
     {kA, kP * kA * kB / kL, kP * kA * kB / kL}, {kP * kA * kB / kL, kA}, kNoValue,
     -kP * kA * (3 * kL * kL - 4 * kA * kA) / (48 * kEI),
     {kP * kA * std::pow(kL * kL - kA * kA, 1.5) / (9 * std::sqrt(3.0) * kL * kEI),
      kL - std::sqrt((kL * kL - kA * kA) / 3)}},
    {BeamSupport::Simple, "simple, moment", kMoment,
     {kM0 / kL, 0, -kM0 / kL, 0},
     {kM0 * (3 * kMb * kMb - kL * kL) / (6 * kL * kEI), 0,
      kM0 * (3 * kMa * kMa - kL * kL) / (6 * kL * kEI)},
     {kMa, kM0 * kMa / kL, -kM0 * kMb / kL}, {-kM0 * kMb / kL, kMa}, kNoValue,
     kM0 * (kL * kL - 4 * kMa * kMa) / (16 * kEI), kNoValue},
    {BeamSupport::Fixed, "fixed, uniform", kUniform,
     {kWL / 2, kWL2 / 12, kWL / 2, -kWL2 / 12}, {0, 0, 0},
     {kA, -kWL2 / 12 + kW * kA * kB / 2, -kWL2 / 12 + kW * kA * kB / 2}, {-kWL2 / 12, 0}, kNoValue,
     -kWL4 / 384, {kWL4 / 384, kL / 2}, true},
    {BeamSupport::Fixed, "fixed, triangle", kTriangle,
     {3 * kWL / 20, kWL2 / 30, 7 * kWL / 20, -kWL2 / 20}, {0, 0, 0},
     {kA, FixedTriangleM(kA), FixedTriangleM(kA)}, {-kWL2 / 20, kL},
     {kL * std::sqrt(0.3), FixedTriangleM(kL * std::sqrt(0.3))}, -kWL4 / 768, kNoValue},
    {BeamSupport::Fixed, "fixed, partial", kPartial,
     {kFixedPartialQ1, kFixedPartialM1, kW * kC - kFixedPartialQ1, kFixedPartialM2}, {0, 0, 0},
     {kA, PartialM(kFixedPartialM1, kFixedPartialQ1, kA),
      PartialM(kFixedPartialM1, kFixedPartialQ1, kA)},
     {-kFixedPartialM1, 0},
     {kFixedPartialPeakAt, PartialM(kFixedPartialM1, kFixedPartialQ1, kFixedPartialPeakAt)},
     kFixedPartialMid, kNoValue},
    // The largest deflection, 2Pa²b³/3(3b + a)²EI, is 2bL/(3b + a) from node 2.
    {BeamSupport::Fixed, "fixed, point", kPoint,
     {kP * kB * kB * (kL + 2 * kA) / std::pow(kL, 3), kP * kA * kB * kB / (kL * kL),
      kP * kA * kA * (kL + 2 * kB) / std::pow(kL, 3), -kP * kA * kA * kB / (kL * kL)},
     {0, 0, 0},
     {kA, 2 * kP * kA * kA * kB * kB / std::pow(kL, 3),
      2 * kP * kA * kA * kB * kB / std::pow(kL, 3)},
     {-kP * kA * kB * kB / (kL * kL), 0}, kNoValue, -kP * kA * kA * (3 * kL - 4 * kA) / (48 * kEI),
     {2 * kP * std::pow(kB, 3) * kA * kA / (3 * std::pow(3 * kB + kA, 2) * kEI),
      kL - 2 * kB * kL / (3 * kB + kA)}},
    {BeamSupport::Fixed, "fixed, moment", kMoment,
     {kFixedMomentQ1, kFixedMomentM1, -kFixedMomentQ1, kFixedMomentM2}, {0, 0, 0},
     {kMa, -kFixedMomentM1 + kFixedMomentQ1 * kMa, -kFixedMomentM1 + kFixedMomentQ1 * kMa - kM0},
     {-kFixedMomentM1 + kFixedMomentQ1 * kMa - kM0, kMa}, kNoValue,
     kM0 * kMa * (kL - 2 * kMa) / (8 * kEI), kNoValue},
    {BeamSupport::Cantilever, "cantilever, uniform", kUniform,
     {kWL, kWL2 / 2, 0, 0}, {0, -kWL4 / 8, -kWL3 / 6},
     {kA, -kW * kB * kB / 2, -kW * kB * kB / 2}, {-kWL2 / 2, 0}, kNoValue,
     -17 * kWL4 / 384, {kWL4 / 8, kL}},
    // M(x) = −w(L − x)²(2L + x)/6L, v(x) = −wx²(20L³ − 10L²x + x³)/120LEI.
    {BeamSupport::Cantilever, "cantilever, triangle", kTriangle,
     {kWL / 2, kWL2 / 3, 0, 0}, {0, -11 * kWL4 / 120, -kWL3 / 8},
     {kA, -kW * kB * kB * (2 * kL + kA) / (6 * kL), -kW * kB * kB * (2 * kL + kA) / (6 * kL)},
     {-kWL2 / 3, 0}, kNoValue, -121 * kWL4 / 3840, {11 * kWL4 / 120, kL}},
    // A point load P at ξ moves the tip Pξ²(3L − ξ)/6EI and turns it Pξ²/2EI.
    {BeamSupport::Cantilever, "cantilever, partial", kPartial,
     {kW * kC, kW * kC * kD, 0, 0},
     {0, -kW / (6 * kEI) * OverPartial([](double t) { return kL * t * t * t - t * t * t * t / 4; }),
      -kW * (std::pow(kE2, 3) - std::pow(kE1, 3)) / (6 * kEI)},
     {kA, -kW * (kE2 - kA) * (kE2 - kA) / 2, -kW * (kE2 - kA) * (kE2 - kA) / 2},
     {-kW * kC * kD, 0}, kNoValue,
     -kW / (6 * kEI) * OverPartial([](double t) { return kL / 2 * t * t * t - t * t * t * t / 4; }),
     kNoValue},
    {BeamSupport::Cantilever, "cantilever, point", kPoint,
     {kP, kP * kA, 0, 0}, {0, -kP * kA * kA * (3 * kL - kA) / (6 * kEI), -kP * kA * kA / (2 * kEI)},
     {kA / 2, -kP * kA / 2, -kP * kA / 2}, {-kP * kA, 0}, kNoValue,
     -kP * kA * kA * (3 * kL / 2 - kA) / (6 * kEI), {kP * kA * kA * (3 * kL - kA) / (6 * kEI), kL}},
    {BeamSupport::Cantilever, "cantilever, moment", kMoment,
     {0, -kM0, 0, 0}, {0, kM0 * kMa * (2 * kL - kMa) / (2 * kEI), kM0 * kMa / kEI},
     {kMa, kM0, 0}, {kM0, 0}, kNoValue,
     kM0 * kMa * (kL - kMa) / (2 * kEI), {kM0 * kMa * (2 * kL - kMa) / (2 * kEI), kL}},
};
