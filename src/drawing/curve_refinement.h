// The pieces a curve along a loaded member is drawn in: the stations where its loads start, end
// or act, and between them as many more as keep the polygon within a pixel of the true curve in
// the picture, so that a member a few pixels long needs few pieces.
#pragma once

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "analysis/values_along_member.h"

// A drawn displacement from a reference point, in twips (y upward).
struct DrawingOffset {
  double dx = 0.0;
  double dy = 0.0;
};

struct CurveSample {
  MemberStation station;
  DrawingOffset offset;
};

// Node 1, node 2 and every place a load starts, ends or acts, sorted by x. With `jumps`, a place
// where a concentrated load acts is two stations, the side before first; otherwise every place
// is one station, after it.
std::vector<MemberStation> CurveStations(const MemberBeam& beam,
                                         std::span<const LocalMemberLoad> loads, bool jumps);

// How far, in twips, the polygon may lie from the curve at the points it is checked at: four
// fifths of a pixel of 15 twips, so that the largest departure between those points (a cubic's
// is at most 3 % more) and the rounding of both ends stay within the pixel.
inline constexpr double kCurveTolerance = 12.0;
inline constexpr int kMostRefinements = 10;  // 1024 pieces between two stations at most

// Appends the samples strictly between `from` and `to`, where the curve `offsetAt` (a station to
// its DrawingOffset, the part linear in x left out or not: it does not change the departure) has
// no jump: halves the interval while the curve at a quarter, half or three quarters of it lies
// further than kCurveTolerance from the chord.
template <typename OffsetAt>
void RefineCurve(const OffsetAt& offsetAt, const CurveSample& from, const CurveSample& to,
                 std::vector<CurveSample>& samples, int depth = 0) {
  CurveSample quarters[3];
  double departure = 0.0;
  for (int k = 0; k < 3; ++k) {
    const double t = (k + 1) / 4.0;
    const MemberStation station{from.station.x * (1.0 - t) + to.station.x * t,
                                StationSide::After};
    quarters[k] = {station, offsetAt(station)};
    const double chordX = from.offset.dx * (1.0 - t) + to.offset.dx * t;
    const double chordY = from.offset.dy * (1.0 - t) + to.offset.dy * t;
    departure = std::max(departure, std::hypot(quarters[k].offset.dx - chordX,
                                               quarters[k].offset.dy - chordY));
  }
  if (!(departure > kCurveTolerance) || depth == kMostRefinements) return;
  RefineCurve(offsetAt, from, quarters[1], samples, depth + 1);
  samples.push_back(quarters[1]);
  RefineCurve(offsetAt, quarters[1], to, samples, depth + 1);
}

// The samples of a whole member: at its stations, refined between them.
template <typename OffsetAt>
std::vector<CurveSample> SampleCurve(const OffsetAt& offsetAt,
                                     std::span<const MemberStation> stations) {
  std::vector<CurveSample> samples;
  for (const MemberStation& station : stations) {
    const CurveSample sample{station, offsetAt(station)};
    if (!samples.empty() && samples.back().station.x != station.x) {
      RefineCurve(offsetAt, CurveSample(samples.back()), sample, samples);
    }
    samples.push_back(sample);
  }
  return samples;
}
