#include "member_extremes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// The share of an interval between stations within which a root or a maximum counts as the
// station.
constexpr double kStationMargin = 1e-9;

// A later place is the larger only by more than this share of the value: values that are equal
// but for rounding, as M all along an unloaded stretch, keep the first place.
constexpr double kTieShare = 1e-12;

bool Beyond(double value, double largest) {
  return std::fabs(value) > std::fabs(largest) * (1.0 + kTieShare);
}

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

struct PlacedValues {
  MemberStation place;
  AlongMemberValues values;
};

// The values at the result stations, worked out once: in their order, and at each distinct place
// x the values just before and just after it, which differ only where a concentrated load acts.
struct StationValues {
  std::vector<PlacedValues> atStations;
  std::vector<double> places;
  std::vector<AlongMemberValues> before;
  std::vector<AlongMemberValues> after;
};

StationValues ValuesAtStations(const LoadedMember& member) {
  const std::vector<MemberStation> stations = ResultStations(member.beam, member.loads);
  StationValues values;
  values.atStations.reserve(stations.size());
  values.places.reserve(stations.size());
  values.before.reserve(stations.size());
  values.after.reserve(stations.size());
  for (const MemberStation& station : stations) {
    const AlongMemberValues at = ValuesAt(member, station);
    values.atStations.push_back({station, at});
    if (values.places.empty() || values.places.back() != station.x) {
      values.places.push_back(station.x);
      values.before.push_back(at);
      values.after.push_back(at);
    } else {
      values.after.back() = at;  // the side after a concentrated load
    }
  }
  return values;
}

// Between two stations no load starts, ends or acts, so N and Q are polynomials of degree 2 at
// most there and the quadratic through three of their values is exact.
InteriorPeaks FindInteriorPeaks(const LoadedMember& member, const StationValues& stations) {
  InteriorPeaks peaks;
  const std::vector<double>& places = stations.places;
  for (size_t i = 0; i + 1 < places.size(); ++i) {
    const double x0 = places[i];
    const double x1 = places[i + 1];
    const AlongMemberValues& atStart = stations.after[i];
    const AlongMemberValues atMiddle = ValuesAt(member, {(x0 + x1) / 2.0, StationSide::After});
    const AlongMemberValues& atEnd = stations.before[i + 1];
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

// The values at the stations, already known, and at the interior points, merged in order of x;
// interior points never share an x with a station.
std::vector<PlacedValues> Merged(const LoadedMember& member,
                                 const std::vector<PlacedValues>& atStations,
                                 const std::vector<MemberStation>& inner) {
  std::vector<PlacedValues> merged = atStations;
  for (const MemberStation& place : inner) merged.push_back({place, ValuesAt(member, place)});
  std::stable_sort(merged.begin(), merged.end(), [](const PlacedValues& p, const PlacedValues& q) {
    return p.place.x < q.place.x;
  });
  return merged;
}

// The first place with the largest |value|.
MemberExtreme Largest(const std::vector<PlacedValues>& places,
                      double AlongMemberValues::*quantity) {
  MemberExtreme largest;
  bool first = true;
  for (const PlacedValues& at : places) {
    const double v = at.values.*quantity;
    if (first || Beyond(v, largest.value)) largest = {v, at.place};
    first = false;
  }
  return largest;
}

// A polynomial of degree n ≤ 10 in t over 0 ≤ t ≤ 1 by its Bernstein coefficients c_k of
// C(n,k)·t^k·(1 − t)^(n−k): its value lies between the least and the largest of them, equals c_0
// at t = 0 and c_n at t = 1, and it has at most as many roots in 0 < t < 1 as the c_k change sign.
struct Bernstein {
  size_t degree = 0;
  std::array<double, 11> c{};
};

// The displacement between neighbouring stations is a polynomial of degree 5 at most in each
// component (the ends' cubic, and the member's own deflection under loads at most linear), so its
// values at t = 0, 1/5, .., 1 give it exactly. kToBernstein turns those six values into the
// coefficients: the inverse of the matrix of C(5,k)·(j/5)^k·(1 − j/5)^(5−k), worked out once by
// the compiler.
constexpr size_t kNodes = 6;
using NodeMatrix = std::array<std::array<double, kNodes>, kNodes>;
constexpr std::array<double, kNodes> kBinomial5 = {1, 5, 10, 10, 5, 1};

constexpr NodeMatrix InvertedBernsteinAtNodes() {
  NodeMatrix a{}, inverse{};
  for (size_t j = 0; j < kNodes; ++j) {
    for (size_t k = 0; k < kNodes; ++k) {
      double power = 1.0;
      for (size_t i = 0; i < k; ++i) power *= static_cast<double>(j);
      for (size_t i = 0; i + k + 1 < kNodes; ++i) power *= static_cast<double>(kNodes - 1 - j);
      a[j][k] = kBinomial5[k] * power / 3125.0;  // 5^5
      inverse[j][k] = j == k ? 1.0 : 0.0;
    }
  }
  // Gauss–Jordan with the largest pivot of each column.
  for (size_t col = 0; col < kNodes; ++col) {
    size_t pivot = col;
    for (size_t r = col + 1; r < kNodes; ++r) {
      const double candidate = a[r][col] < 0 ? -a[r][col] : a[r][col];
      const double chosen = a[pivot][col] < 0 ? -a[pivot][col] : a[pivot][col];
      if (candidate > chosen) pivot = r;
    }
    std::swap(a[col], a[pivot]);
    std::swap(inverse[col], inverse[pivot]);
    const double diagonal = a[col][col];
    for (size_t k = 0; k < kNodes; ++k) {
      a[col][k] /= diagonal;
      inverse[col][k] /= diagonal;
    }
    for (size_t r = 0; r < kNodes; ++r) {
      if (r == col) continue;
      const double factor = a[r][col];
      for (size_t k = 0; k < kNodes; ++k) {
        a[r][k] -= factor * a[col][k];
        inverse[r][k] -= factor * inverse[col][k];
      }
    }
  }
  return inverse;
}

constexpr NodeMatrix kToBernstein = InvertedBernsteinAtNodes();

Bernstein FromNodeValues(const std::array<double, kNodes>& values) {
  Bernstein p;
  p.degree = kNodes - 1;
  for (size_t k = 0; k < kNodes; ++k) {
    double sum = 0.0;
    for (size_t j = 0; j < kNodes; ++j) sum += kToBernstein[k][j] * values[j];
    p.c[k] = sum;
  }
  p.c[0] = values[0];  // exact at the stations
  p.c[kNodes - 1] = values[kNodes - 1];
  return p;
}

// p·p + q·q for p and q of degree 5: C(5,i)·C(5,j)/C(10,i+j) of each product p_i·p_j.
Bernstein SumOfSquares(const Bernstein& p, const Bernstein& q) {
  constexpr std::array<double, 11> kOf10 = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1};
  Bernstein sum;
  sum.degree = 10;
  for (size_t i = 0; i < 6; ++i) {
    for (size_t j = 0; j < 6; ++j) {
      sum.c[i + j] += kBinomial5[i] * kBinomial5[j] * (p.c[i] * p.c[j] + q.c[i] * q.c[j]);
    }
  }
  for (size_t k = 0; k <= 10; ++k) sum.c[k] /= kOf10[k];
  return sum;
}

Bernstein Derivative(const Bernstein& p) {
  Bernstein d;
  d.degree = p.degree - 1;
  for (size_t k = 0; k < p.degree; ++k) {
    d.c[k] = static_cast<double>(p.degree) * (p.c[k + 1] - p.c[k]);
  }
  return d;
}

// de Casteljau's construction at t: the value, and the coefficients of the parts before and
// after t over their own 0..1.
double Split(const Bernstein& p, double t, Bernstein* before, Bernstein* after) {
  std::array<double, 11> work = p.c;
  if (before != nullptr) *before = {p.degree, {}};
  if (after != nullptr) *after = {p.degree, {}};
  for (size_t level = 0; level <= p.degree; ++level) {
    if (before != nullptr) before->c[level] = work[0];
    if (after != nullptr) after->c[p.degree - level] = work[p.degree - level];
    for (size_t k = 0; k + level < p.degree; ++k) work[k] = work[k] + t * (work[k + 1] - work[k]);
  }
  return work[0];
}

double ValueAt(const Bernstein& p, double t) { return Split(p, t, nullptr, nullptr); }

// The root of p between 0 and 1, where p(0) and p(1) have opposite signs and p has no other
// root, by regula falsi with the Illinois step.
double SimpleRoot(const Bernstein& p) {
  double lo = 0.0, hi = 1.0, flo = p.c[0], fhi = p.c[p.degree];
  int side = 0;
  for (int iteration = 0; iteration < 100 && hi - lo > 1e-15; ++iteration) {
    const double t = (lo * fhi - hi * flo) / (fhi - flo);
    const double ft = ValueAt(p, t);
    if (ft == 0.0 || !(t > lo && t < hi)) return std::clamp(t, lo, hi);
    if ((ft < 0.0) == (flo < 0.0)) {
      lo = t;
      flo = ft;
      if (side == -1) fhi /= 2.0;
      side = -1;
    } else {
      hi = t;
      fhi = ft;
      if (side == 1) flo /= 2.0;
      side = 1;
    }
  }
  return (lo + hi) / 2.0;
}

// Adds, in increasing order, where p = 0 in a < t < b, p being the polynomial over a..b in its
// own 0..1. Coefficients within `floor` of 0 count as 0: below it p is only rounding. A part
// with one sign change holds one root; one with more is halved until its parts hold one or
// none, or are too short to matter. A root where a part is halved, which neither half counts,
// is the middle itself.
void AddRoots(const Bernstein& p, double a, double b, double floor, int depth,
              std::vector<double>& roots) {
  int changes = 0;
  int lastSign = 0;
  for (size_t k = 0; k <= p.degree; ++k) {
    const int sign = p.c[k] > floor ? 1 : p.c[k] < -floor ? -1 : 0;
    if (sign == 0) continue;
    if (lastSign != 0 && sign != lastSign) ++changes;
    lastSign = sign;
  }
  if (changes == 0) return;
  const bool endsApart = std::fabs(p.c[0]) > floor && std::fabs(p.c[p.degree]) > floor &&
                         (p.c[0] < 0.0) != (p.c[p.degree] < 0.0);
  if (changes == 1 && endsApart) {
    roots.push_back(a + (b - a) * SimpleRoot(p));
    return;
  }
  if (depth == 0) {
    roots.push_back((a + b) / 2.0);
    return;
  }
  Bernstein before, after;
  const double atMiddle = Split(p, 0.5, &before, &after);
  const double middle = (a + b) / 2.0;
  AddRoots(before, a, middle, floor, depth - 1, roots);
  if (std::fabs(atMiddle) <= floor) roots.push_back(middle);
  AddRoots(after, middle, b, floor, depth - 1, roots);
}

double LargestCoefficient(const Bernstein& p) {
  double largest = 0.0;
  for (size_t k = 0; k <= p.degree; ++k) largest = std::max(largest, std::fabs(p.c[k]));
  return largest;
}

// The places in 0 < t < 1 where p' = 0.
std::vector<double> StationaryPlaces(const Bernstein& p) {
  const double floor = 1e-10 * static_cast<double>(p.degree) * LargestCoefficient(p);
  std::vector<double> places;
  AddRoots(Derivative(p), 0.0, 1.0, floor, 30, places);
  return places;
}

// The displacement over the piece between neighbouring stations x0 and x1 in global axes: its
// values at the six nodes and its Bernstein form in t = (x − x0)/(x1 − x0).
struct DisplacementPiece {
  double x0 = 0.0;
  double x1 = 0.0;
  std::array<double, kNodes> dxAtNodes{};
  std::array<double, kNodes> dyAtNodes{};
  Bernstein dx;
  Bernstein dy;
};

// The displacement is the same on both sides of a station.
std::vector<DisplacementPiece> DisplacementPieces(const LoadedMember& member,
                                                  const StationValues& stations) {
  const double c = member.beam.cosine, s = member.beam.sine;
  const std::vector<double>& places = stations.places;
  std::vector<DisplacementPiece> pieces;
  pieces.reserve(places.size());
  for (size_t i = 0; i + 1 < places.size(); ++i) {
    DisplacementPiece piece;
    piece.x0 = places[i];
    piece.x1 = places[i + 1];
    for (size_t k = 0; k < kNodes; ++k) {
      // Rounding must not carry a node past the station, which may be node 2.
      const double share = static_cast<double>(k) / (kNodes - 1);
      const double x = std::min(piece.x0 + (piece.x1 - piece.x0) * share, piece.x1);
      const AlongMemberValues values = k == 0            ? stations.after[i]
                                       : k + 1 == kNodes ? stations.after[i + 1]
                                                         : ValuesAt(member, {x, StationSide::After});
      piece.dxAtNodes[k] = c * values.axialDisplacement - s * values.transverseDisplacement;
      piece.dyAtNodes[k] = s * values.axialDisplacement + c * values.transverseDisplacement;
    }
    piece.dx = FromNodeValues(piece.dxAtNodes);
    piece.dy = FromNodeValues(piece.dyAtNodes);
    pieces.push_back(piece);
  }
  return pieces;
}

// The first place from node 1 with the largest |q|, q one quantity of the displacement given by
// its values at a piece's nodes, a bound of |q| over a piece and its polynomial there, and q
// there. The largest lies at a station or where q' = 0; a piece whose bound does not pass the
// largest |q| at the stations holds nothing larger and is passed over. A stationary place a
// hair from a station is the station's, as at the end of a cantilever.
template <typename AtNode, typename Bound, typename Polynomial>
MemberExtreme LargestAlong(const std::vector<DisplacementPiece>& pieces, AtNode atNode,
                           Bound bound, Polynomial polynomial) {
  double largestAtStations = std::fabs(atNode(pieces.front(), 0));
  for (const DisplacementPiece& piece : pieces) {
    largestAtStations = std::max(largestAtStations, std::fabs(atNode(piece, kNodes - 1)));
  }
  MemberExtreme largest{atNode(pieces.front(), 0), {pieces.front().x0, StationSide::After}};
  const auto consider = [&](double x, double value) {
    if (Beyond(value, largest.value)) largest = {value, {x, StationSide::After}};
  };
  for (const DisplacementPiece& piece : pieces) {
    if (bound(piece) > largestAtStations) {
      const Bernstein q = polynomial(piece);
      for (double t : StationaryPlaces(q)) {
        if (t > kStationMargin && t < 1.0 - kStationMargin) {
          consider(piece.x0 + t * (piece.x1 - piece.x0), ValueAt(q, t));
        }
      }
    }
    consider(piece.x1, atNode(piece, kNodes - 1));
  }
  return largest;
}

}  // namespace

std::vector<MemberStation> MomentPeaks(const LoadedMember& given) {
  const LoadedMember member = WithFixedEndForces(given);
  return FindInteriorPeaks(member, ValuesAtStations(member)).moment;
}

// A member from LoadedMemberOf has its fixed-end forces already and is not copied.
MemberMaxima FindMemberMaxima(const LoadedMember& given) {
  const std::optional<LoadedMember> filled =
      given.fixedEndForces ? std::nullopt : std::optional(WithFixedEndForces(given));
  const LoadedMember& member = filled ? *filled : given;
  const StationValues stations = ValuesAtStations(member);
  const InteriorPeaks peaks = FindInteriorPeaks(member, stations);
  const std::vector<PlacedValues>& at = stations.atStations;
  MemberMaxima maxima;
  maxima.moment = Largest(Merged(member, at, peaks.moment), &AlongMemberValues::moment);
  maxima.shear = Largest(Merged(member, at, peaks.shear), &AlongMemberValues::shearForce);
  maxima.axial = Largest(Merged(member, at, peaks.axial), &AlongMemberValues::axialForce);

  const std::vector<DisplacementPiece> pieces = DisplacementPieces(member, stations);
  maxima.displacementX = LargestAlong(
      pieces, [](const DisplacementPiece& p, size_t k) { return p.dxAtNodes[k]; },
      [](const DisplacementPiece& p) { return LargestCoefficient(p.dx); },
      [](const DisplacementPiece& p) { return p.dx; });
  maxima.displacementY = LargestAlong(
      pieces, [](const DisplacementPiece& p, size_t k) { return p.dyAtNodes[k]; },
      [](const DisplacementPiece& p) { return LargestCoefficient(p.dy); },
      [](const DisplacementPiece& p) { return p.dy; });
  // The square of the length, so that it stays a polynomial; a piece whose components cannot
  // reach the largest length at the stations is passed over before its square is formed.
  maxima.displacement = LargestAlong(
      pieces,
      [](const DisplacementPiece& p, size_t k) {
        return p.dxAtNodes[k] * p.dxAtNodes[k] + p.dyAtNodes[k] * p.dyAtNodes[k];
      },
      [](const DisplacementPiece& p) {
        const double dx = LargestCoefficient(p.dx), dy = LargestCoefficient(p.dy);
        return dx * dx + dy * dy;
      },
      [](const DisplacementPiece& p) { return SumOfSquares(p.dx, p.dy); });
  maxima.displacement.value = std::sqrt(maxima.displacement.value);
  return maxima;
}
