// The load symbols of the model view: an arrow for every non-zero force component and an arc
// with an arrowhead for every non-zero moment of the nodal loads, three records each, in the order
// the model view numbers them (loads in table order; Fx, Fy, M within a load); then the loads
// along members in table order, as member_load_symbols.h lays them out.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "member_direction.h"
#include "member_load_symbols.h"
#include "symbol_strokes.h"

namespace {

// Arrow of a nodal force component with its tip at the node, (dirX, dirY) the force's unit
// direction along a global axis; the shaft is L long and the head strokes a quarter of L. The
// first stroke is the one on the +y side of an x arrow and on the +x side of a y arrow.
void AppendForceArrow(DrawingList& symbols, DrawingPoint tip, int16_t length, int dirX, int dirY) {
  const StrokeDirection along{static_cast<double>(dirX), static_cast<double>(dirY)};
  const StrokeDirection side{static_cast<double>(std::abs(dirY)),
                             static_cast<double>(std::abs(dirX))};
  AppendArrow(symbols, tip, along, length, length / 4.0, side);
}

int SignOf(float value) { return value > 0.0f ? 1 : -1; }

// A member as its load symbols see it: its drawn end points and its direction.
struct DrawnMember {
  DrawingPoint node1;
  DrawingPoint node2;
  MemberDirection direction;

  // The drawing point at x cm from node 1, rounded; a member of no length is its one point.
  DrawingPoint At(double x) const {
    const double t = direction.length > 0.0 ? x / direction.length : 0.0;
    return {ToCoordinate(node1.X + (node2.X - node1.X) * t),
            ToCoordinate(node1.Y + (node2.Y - node1.Y) * t)};
  }
};

// The axis a load along the member acts along, in the drawing (y upward), before the sign of its
// value: the member's own x or y, or a global one.
StrokeDirection LoadAxis(int16_t direction, const MemberDirection& member) {
  switch (direction) {
    case kMemberAxisX: return {member.cosTheta, member.sinTheta};
    case kMemberAxisY: return {-member.sinTheta, member.cosTheta};
    case kGlobalX: return {1.0, 0.0};
    default: return {0.0, 1.0};
  }
}

// An arrow of a load along a member: `extent` twips along `axis` (its sign the load's) with its
// tip at `tip`, its head a quarter of L but never longer than the arrow; the first head stroke
// leans to the left of the arrow.
void AppendLoadArrow(DrawingList& symbols, DrawingPoint tip, StrokeDirection axis, double extent,
                     int16_t length) {
  const double sign = extent < 0.0 ? -1.0 : 1.0;
  const StrokeDirection along{axis.x * sign, axis.y * sign};
  const double shaft = std::fabs(extent);
  AppendArrow(symbols, tip, along, shaft, std::min(length / 4.0, shaft), {-along.y, along.x});
}

// A distributed load from `start` to `end` cm of the member, p1 to p2 kg/cm: its outline through
// the arrows' tails, then the arrows, each as long as the intensity at its place times
// `perIntensity` (twips per kg/cm), from the outline to the member.
void AppendDistributedLoad(DrawingList& symbols, const DrawnMember& member, StrokeDirection axis,
                           const MemberLoadRecord& load, double perIntensity, int16_t length) {
  const double start = load.a, end = member.direction.length - load.b;
  const auto tail = [&](DrawingPoint tip, double extent) {
    return DrawingPoint{ToCoordinate(tip.X - axis.x * extent),
                        ToCoordinate(tip.Y - axis.y * extent)};
  };
  const DrawingPoint first = tail(member.At(start), load.p1 * perIntensity);
  const DrawingPoint last = tail(member.At(end), load.p2 * perIntensity);
  symbols.Append({first.X, first.Y, last.X, last.Y}, "解析モデル");
  for (int i = 0; i < kDistributedLoadArrows; ++i) {
    // Weighted so that the first and last arrows fall exactly on the outline's ends.
    const double t = static_cast<double>(i) / (kDistributedLoadArrows - 1);
    const double intensity = load.p1 * (1.0 - t) + load.p2 * t;
    AppendLoadArrow(symbols, member.At(start * (1.0 - t) + end * t), axis,
                    intensity * perIntensity, length);
  }
}

// Twips of outline height per kg/cm: the largest intensity of the distributed loads is drawn
// as long as a nodal force's arrow.
double HeightPerIntensity(const Model& model, int16_t length) {
  double largest = 0.0;
  for (const MemberLoadRecord& load : model.memberLoads) {
    if (load.kind != kDistributedLoad) continue;
    largest = std::max({largest, std::fabs(load.p1), std::fabs(load.p2)});
  }
  return largest > 0.0 ? length / largest : 0.0;
}

void AppendMemberLoadSymbols(const Model& model, const ViewFit& fit, int16_t length,
                             DrawingList& symbols) {
  const double perIntensity = HeightPerIntensity(model, length);
  for (const MemberLoadRecord& load : model.memberLoads) {
    if (MemberLoadSymbolRecords(load) == 0) continue;
    const MemberRecord& record = model.members[static_cast<size_t>(load.memberIndex)];
    const DrawnMember member{
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(record.node1Index)]),
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(record.node2Index)]),
        MemberDirectionOf(model, record)};
    const StrokeDirection axis = LoadAxis(load.direction, member.direction);
    if (load.kind == kDistributedLoad) {
      AppendDistributedLoad(symbols, member, axis, load, perIntensity, length);
    } else if (load.kind == kConcentratedForce) {
      AppendLoadArrow(symbols, member.At(load.a), axis, load.p1 > 0.0 ? length : -length,
                      length);
    } else {
      AppendMomentSymbol(symbols, member.At(load.a), length, load.p1 > 0.0 ? 1 : -1);
    }
  }
}

}  // namespace

void BuildLoadSymbols(const Model& model, const ViewFit& fit, DrawingList& loadSymbols) {
  const int16_t length = ToCoordinate(fit.LimitingExtent * 0.1);
  loadSymbols.count = 0;
  for (int32_t i = 0; i < model.loadCount; ++i) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(i)];
    const DrawingPoint point =
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(load.nodeIndex)]);
    if (load.fx != 0.0f) AppendForceArrow(loadSymbols, point, length, SignOf(load.fx), 0);
    if (load.fy != 0.0f) AppendForceArrow(loadSymbols, point, length, 0, SignOf(load.fy));
    if (load.moment != 0.0f) AppendMomentSymbol(loadSymbols, point, length, SignOf(load.moment));
  }
  AppendMemberLoadSymbols(model, fit, length, loadSymbols);
}
