#include "member_extremes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The share of an interval between stations within which a root counts as the station.
constexpr double kStationMargin = 1e-9;

// f(t) = c0 + c1·t + c2·t² over an interval, t = 0 at its start and 1 at its end.
struct Quadratic {
  double c0 = 0.0;
  double c1 = 0.0;
  double c2 = 0.0;
};

// The quadratic through the values at the start, the middle and the end.
Quadratic FitQuadratic(double atStart, double atMiddle, double atEnd) {
  return {atStart, -3.0 * atStart + 4.0 * atMiddle - atEnd,
          2.0 * atStart - 4.0 * atMiddle + 2.0 * atEnd};
}

// The roots, by the pair of formulas that does not cancel: a c2 that is only rounding leaves the
// root of the linear part and sends the other one far away.
std::vector<double> Roots(const Quadratic& f) {
  if (f.c2 == 0.0) {
    if (f.c1 == 0.0) return {};
    return {-f.c0 / f.c1};
  }
  const double discriminant = f.c1 * f.c1 - 4.0 * f.c2 * f.c0;
  if (discriminant < 0.0) return {};
  const double q = -0.5 * (f.c1 + std::copysign(std::sqrt(discriminant), f.c1));
  if (q == 0.0) return {0.0};
  return {f.c0 / q, q / f.c2};
}

// The stationary points of N, Q and M strictly between result stations, sorted by x.
struct InteriorPeaks {
  std::vector<MemberStation> moment;  // Q = 0
  std::vector<MemberStation> shear;   // vertex of Q
  std::vector<MemberStation> axial;   // vertex of N
};

// The distinct x of the result stations.
std::vector<double> StationPlaces(const LoadedMember& member) {
  std::vector<double> places;
  for (const MemberStation& station : ResultStations(member.beam, member.loads)) {
    if (places.empty() || places.back() != station.x) places.push_back(station.x);
  }
  return places;
}

// Between two stations no load starts, ends or acts, so N and Q are polynomials of degree 2 at
// most there and the quadratic through three of their values is exact.
InteriorPeaks FindInteriorPeaks(const LoadedMember& member) {
  InteriorPeaks peaks;
  const std::vector<double> places = StationPlaces(member);
  for (size_t i = 0; i + 1 < places.size(); ++i) {
    const double x0 = places[i];
    const double x1 = places[i + 1];
    const AlongMemberValues atStart = ValuesAt(member, {x0, StationSide::After});
    const AlongMemberValues atMiddle = ValuesAt(member, {(x0 + x1) / 2.0, StationSide::After});
    const AlongMemberValues atEnd = ValuesAt(member, {x1, StationSide::Before});
    // A stationary point that rounding puts a hair inside the interval is the station itself,
    // as at midspan of a symmetric beam.
    const auto keepInside = [&](double t, std::vector<MemberStation>& into) {
      if (t > kStationMargin && t < 1.0 - kStationMargin) {
        into.push_back({x0 + t * (x1 - x0), StationSide::After});
      }
    };
    const Quadratic shear = FitQuadratic(atStart.shearForce, atMiddle.shearForce, atEnd.shearForce);
    std::vector<double> roots = Roots(shear);
    std::sort(roots.begin(), roots.end());
    for (double t : roots) keepInside(t, peaks.moment);
    if (shear.c2 != 0.0) keepInside(-shear.c1 / (2.0 * shear.c2), peaks.shear);
    const Quadratic axial = FitQuadratic(atStart.axialForce, atMiddle.axialForce, atEnd.axialForce);
    if (axial.c2 != 0.0) keepInside(-axial.c1 / (2.0 * axial.c2), peaks.axial);
  }
  return peaks;
}

// The stations and the interior points merged in order of x; interior points never share an x
// with a station.
std::vector<MemberStation> Merged(std::vector<MemberStation> stations,
                                  const std::vector<MemberStation>& inner) {
  stations.insert(stations.end(), inner.begin(), inner.end());
  std::stable_sort(stations.begin(), stations.end(),
                   [](const MemberStation& p, const MemberStation& q) { return p.x < q.x; });
  return stations;
}

// The first place with the largest |value|: a later place must be strictly larger.
template <typename Value>
MemberExtreme Largest(const std::vector<MemberStation>& places, Value value) {
  MemberExtreme largest;
  bool first = true;
  for (const MemberStation& place : places) {
    const double v = value(place);
    if (first || std::fabs(v) > std::fabs(largest.value)) largest = {v, place};
    first = false;
  }
  return largest;
}

double SquaredDisplacement(const LoadedMember& member, double x) {
  const AlongMemberValues values = ValuesAt(member, {x, StationSide::After});
  return values.axialDisplacement * values.axialDisplacement +
         values.transverseDisplacement * values.transverseDisplacement;
}

// The place of the largest f between lo and hi, f having one maximum there.
double GoldenSectionMaximum(const LoadedMember& member, double lo, double hi) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  const double tolerance = 1e-12 * member.beam.length;
  double c = hi - ratio * (hi - lo);
  double d = lo + ratio * (hi - lo);
  double fc = SquaredDisplacement(member, c);
  double fd = SquaredDisplacement(member, d);
  for (int iteration = 0; iteration < 200 && hi - lo > tolerance; ++iteration) {
    if (fc > fd) {
      hi = d;
      d = c;
      fd = fc;
      c = hi - ratio * (hi - lo);
      fc = SquaredDisplacement(member, c);
    } else {
      lo = c;
      c = d;
      fc = fd;
      d = lo + ratio * (hi - lo);
      fd = SquaredDisplacement(member, d);
    }
  }
  return fc > fd ? c : d;
}

// Between two stations the displacement is a polynomial of degree 5 at most in each component;
// sixteen samples there bracket each of its maxima, which golden-section search then refines.
MemberExtreme LargestDisplacement(const LoadedMember& member) {
  constexpr size_t kSamples = 16;
  const std::vector<double> places = StationPlaces(member);
  double largestSquare = -1.0;
  double largestAt = 0.0;
  const auto consider = [&](double x, double square) {
    if (square > largestSquare) {
      largestSquare = square;
      largestAt = x;
    }
  };
  for (size_t i = 0; i + 1 < places.size(); ++i) {
    const double x0 = places[i];
    const double x1 = places[i + 1];
    const double step = (x1 - x0) / static_cast<double>(kSamples);
    // Rounding must not carry the last sample past the station, which may be node 2.
    std::array<double, kSamples + 1> xs{};
    std::array<double, kSamples + 1> squares{};
    for (size_t j = 0; j <= kSamples; ++j) {
      xs[j] = j == kSamples ? x1 : std::min(x0 + step * static_cast<double>(j), x1);
      squares[j] = SquaredDisplacement(member, xs[j]);
    }
    consider(x0, squares[0]);
    // A sample no smaller than its neighbours and above one of them brackets a maximum with
    // them (a flat run brackets nothing worth refining); at either end of the interval the
    // maximum may lie between the end and the first sample inside.
    for (size_t j = 0; j <= kSamples; ++j) {
      const size_t before = j == 0 ? 0 : j - 1;
      const size_t after = j == kSamples ? kSamples : j + 1;
      const bool atLeastNeighbours = squares[j] >= squares[before] && squares[j] >= squares[after];
      const bool aboveOne = squares[j] > squares[before] || squares[j] > squares[after];
      if (atLeastNeighbours && aboveOne) {
        const double x = GoldenSectionMaximum(member, xs[before], xs[after]);
        consider(x, SquaredDisplacement(member, x));
      }
    }
  }
  consider(places.back(), SquaredDisplacement(member, places.back()));
  return {std::sqrt(largestSquare), {largestAt, StationSide::After}};
}

}  // namespace

std::vector<MemberStation> MomentPeaks(const LoadedMember& member) {
  return FindInteriorPeaks(member).moment;
}

MemberMaxima FindMemberMaxima(const LoadedMember& member) {
  const std::vector<MemberStation> stations = ResultStations(member.beam, member.loads);
  const InteriorPeaks peaks = FindInteriorPeaks(member);
  MemberMaxima maxima;
  maxima.moment = Largest(Merged(stations, peaks.moment),
                          [&](MemberStation at) { return ValuesAt(member, at).moment; });
  maxima.shear = Largest(Merged(stations, peaks.shear),
                         [&](MemberStation at) { return ValuesAt(member, at).shearForce; });
  maxima.axial = Largest(Merged(stations, peaks.axial),
                         [&](MemberStation at) { return ValuesAt(member, at).axialForce; });
  maxima.displacement = LargestDisplacement(member);
  return maxima;
}
