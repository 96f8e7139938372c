// The joint symbols of the model view, laid out as joint_symbols.h says and sized from the load
// symbols' length L: a small circle just inside every released member end, a zig-zag or a coil
// for every spring stiffness, leaning out of the structure, and an arrow or an arc for every
// prescribed displacement, its tail at the node, so that it does not cover a load's arrow.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "analysis/joint_conditions.h"
#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "joint_symbols.h"
#include "symbol_strokes.h"

namespace {

constexpr const char* kView = "解析モデル";

DrawingPoint NodePoint(const Model& model, const ViewFit& fit, int16_t nodeIndex) {
  return NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(nodeIndex)]);
}

void AppendLine(DrawingList& symbols, DrawingPoint from, DrawingPoint to) {
  symbols.Append({from.X, from.Y, to.X, to.Y}, kView);
}

// The circle of the released end at `end` of a member drawn towards `other`: its radius L/8, or a
// quarter of the drawn member where that is less so that the circles of both ends stay apart,
// its centre one radius inside the member so that it touches the joint. A member drawn as a
// point has the circle around it.
void AppendHingeCircle(DrawingList& symbols, DrawingPoint end, DrawingPoint other, int16_t length) {
  const double dx = other.X - end.X, dy = other.Y - end.Y;
  const double drawn = std::hypot(dx, dy);
  const double radius = drawn > 0.0 ? std::min(length / 8.0, drawn / 4.0) : length / 8.0;
  const double t = drawn > 0.0 ? radius / drawn : 0.0;
  const int16_t r = ToCoordinate(radius);
  symbols.Append({ToCoordinate(end.X + dx * t), ToCoordinate(end.Y + dy * t), r, r}, kView);
}

void AppendHinges(const Model& model, const ViewFit& fit, int16_t length, DrawingList& symbols) {
  for (const HingeRecord& hinge : model.hinges) {
    const MemberRecord& member = model.members[static_cast<size_t>(hinge.memberIndex)];
    const DrawingPoint p1 = NodePoint(model, fit, member.node1Index);
    const DrawingPoint p2 = NodePoint(model, fit, member.node2Index);
    if (hinge.release1 != 0) AppendHingeCircle(symbols, p1, p2, length);
    if (hinge.release2 != 0) AppendHingeCircle(symbols, p2, p1, length);
  }
}

// A translational spring from the node out along `out`, 3L/4 long as a settlement's arrow so that
// it stays inside the picture below a beam drawn at the foot of it: a lead of L/8, the zig-zag
// over L/2 swinging L/8 to either side, a lead of L/8 and the ground line of L/2 across its end.
void AppendZigzag(DrawingList& symbols, DrawingPoint node, StrokeDirection out, int16_t length) {
  const double lead = length / 8.0, zigzag = length / 2.0, swing = length / 8.0;
  const double reach = length * 3.0 / 4.0;
  DrawingPoint previous = OffsetPoint(node, out, lead, 0.0);
  AppendLine(symbols, node, previous);
  for (int k = 1; k <= kZigzagStrokes; ++k) {
    const double across = k == kZigzagStrokes ? 0.0 : (k % 2 == 1 ? swing : -swing);
    const DrawingPoint next = OffsetPoint(node, out, lead + zigzag * k / kZigzagStrokes, across);
    AppendLine(symbols, previous, next);
    previous = next;
  }
  const DrawingPoint ground = OffsetPoint(node, out, reach, 0.0);
  AppendLine(symbols, previous, ground);
  AppendLine(symbols, OffsetPoint(ground, out, 0.0, length / 4.0),
             OffsetPoint(ground, out, 0.0, -length / 4.0));
}

// A rotational spring: a spiral of two turns counter-clockwise around the node in strokes of an
// eighth of a turn, from L/10 to 3L/8 out, starting and ending straight below the node, then the
// ground line of L/4 across its outer end. The eighths are exact, so the strokes do not hang on
// the platform's sine.
void AppendCoil(DrawingList& symbols, DrawingPoint node, int16_t length) {
  const double half = std::sqrt(0.5);
  const std::array<StrokeDirection, 8> eighths{{{0.0, -1.0},
                                                {half, -half},
                                                {1.0, 0.0},
                                                {half, half},
                                                {0.0, 1.0},
                                                {-half, half},
                                                {-1.0, 0.0},
                                                {-half, -half}}};
  const double inner = length / 10.0, outer = length * 3.0 / 8.0;
  const auto at = [&](int k) {
    const double radius = inner + (outer - inner) * k / kCoilStrokes;
    return OffsetPoint(node, eighths[static_cast<size_t>(k % 8)], radius, 0.0);
  };
  for (int k = 0; k < kCoilStrokes; ++k) AppendLine(symbols, at(k), at(k + 1));
  const DrawingPoint end = at(kCoilStrokes);
  AppendLine(symbols, OffsetPoint(end, {1.0, 0.0}, -length / 8.0, 0.0),
             OffsetPoint(end, {1.0, 0.0}, length / 8.0, 0.0));
}

// The middle of the drawn nodes: a spring leans out of the structure, away from it.
struct DrawnMiddle {
  double x = 0.0;
  double y = 0.0;
};

DrawnMiddle MiddleOfNodes(const Model& model, const ViewFit& fit) {
  double left = std::numeric_limits<double>::max(), right = -left;
  double bottom = left, top = -left;
  for (size_t j = 0; j < static_cast<size_t>(model.nodeCount); ++j) {
    const DrawingPoint point = NodeDrawingPoint(fit, model.nodes[j]);
    left = std::min<double>(left, point.X);
    right = std::max<double>(right, point.X);
    bottom = std::min<double>(bottom, point.Y);
    top = std::max<double>(top, point.Y);
  }
  return {(left + right) / 2.0, (bottom + top) / 2.0};
}

void AppendSprings(const Model& model, const ViewFit& fit, int16_t length, DrawingList& symbols) {
  const DrawnMiddle middle = MiddleOfNodes(model, fit);
  for (const SpringRecord& spring : model.springs) {
    const DrawingPoint node = NodePoint(model, fit, spring.nodeIndex);
    if (spring.kx != 0.0) {
      AppendZigzag(symbols, node, {node.X <= middle.x ? -1.0 : 1.0, 0.0}, length);
    }
    if (spring.ky != 0.0) {
      AppendZigzag(symbols, node, {0.0, node.Y <= middle.y ? -1.0 : 1.0}, length);
    }
    if (spring.kTheta != 0.0) AppendCoil(symbols, node, length);
  }
}

// An arrow of 3L/4 from the node the way the node is moved, its head L/4, the first head stroke
// on the +y side of an x arrow and on the +x side of a y arrow, as a load's. The shaft is a whole
// number of twips, so that its tail is the node itself.
void AppendSettlementArrow(DrawingList& symbols, DrawingPoint node, StrokeDirection along,
                           int16_t length) {
  const double shaft = ToCoordinate(length * 3.0 / 4.0);
  AppendArrow(symbols, OffsetPoint(node, along, shaft, 0.0), along, shaft, length / 4.0,
              {std::fabs(along.y), std::fabs(along.x)});
}

void AppendSettlements(const Model& model, const ViewFit& fit, int16_t length,
                       DrawingList& symbols) {
  for (const SettlementRecord& settlement : model.settlements) {
    const DrawingPoint node = NodePoint(model, fit, settlement.nodeIndex);
    if (settlement.u != 0.0) {
      AppendSettlementArrow(symbols, node, {settlement.u > 0.0 ? 1.0 : -1.0, 0.0}, length);
    }
    if (settlement.v != 0.0) {
      AppendSettlementArrow(symbols, node, {0.0, settlement.v > 0.0 ? 1.0 : -1.0}, length);
    }
    if (settlement.theta != 0.0) {
      // An arc of radius L/2, inside a load moment's at the same node.
      AppendMomentSymbol(symbols, node, ToCoordinate(length * 2.0 / 3.0),
                         settlement.theta > 0.0 ? 1 : -1);
    }
  }
}

}  // namespace

void BuildJointSymbols(const Model& model, const ViewFit& fit, DrawingList& jointSymbols) {
  jointSymbols.count = 0;
  if (!HasJointConditions(model)) return;
  const int16_t length = ToCoordinate(fit.LimitingExtent * 0.1);
  AppendHinges(model, fit, length, jointSymbols);
  AppendSprings(model, fit, length, jointSymbols);
  AppendSettlements(model, fit, length, jointSymbols);
}
