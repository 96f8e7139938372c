// The supports of the detailed view, in black strokes from each supported node: a restrained u
// and v is a pin (a triangle under the node on a hatched ground line), a restrained v alone a
// roller (the triangle on a line with a gap under it, hatched below), a restrained u alone the
// same on its side, and a restrained θ a hatched wall across the node, facing away from the
// members. Directions are taken over every support record of the node.
#include <cmath>
#include <vector>

#include "drawing_builders.h"
#include "symbol_strokes.h"

namespace {

constexpr const char* kView = "解析モデル";
constexpr int kHatches = 5;

// Unit direction from the node away from its members, snapped to the nearest axis: where the
// members leave the node, the support stands on the other side; a node without members or with
// members all round stands on the ground below.
StrokeDirection AwayFromMembers(const Model& model, int16_t nodeIndex) {
  const NodeRecord& node = model.nodes[static_cast<size_t>(nodeIndex)];
  double sumX = 0.0, sumY = 0.0;
  for (int32_t j = 0; j < model.memberCount; ++j) {
    const MemberRecord& member = model.members[static_cast<size_t>(j)];
    int16_t other = -1;
    if (member.node1Index == nodeIndex) other = member.node2Index;
    if (member.node2Index == nodeIndex) other = member.node1Index;
    if (other < 0) continue;
    const NodeRecord& far = model.nodes[static_cast<size_t>(other)];
    const double dx = far.x - node.x, dy = far.y - node.y;
    const double length = std::hypot(dx, dy);
    if (length > 0.0) sumX += dx / length, sumY += dy / length;
  }
  if (std::fabs(sumX) < 1e-9 && std::fabs(sumY) < 1e-9) return {0.0, -1.0};
  if (std::fabs(sumY) >= std::fabs(sumX)) return {0.0, sumY > 0.0 ? -1.0 : 1.0};
  return {sumX > 0.0 ? -1.0 : 1.0, 0.0};
}

// Whether a member that bends meets the node. Where none does (a truss, whose sections have
// I = 0), a held rotation only keeps the equations solvable: it is not drawn as a clamp.
bool BendingMemberMeets(const Model& model, int16_t nodeIndex) {
  for (int32_t j = 0; j < model.memberCount; ++j) {
    const MemberRecord& member = model.members[static_cast<size_t>(j)];
    if (member.node1Index != nodeIndex && member.node2Index != nodeIndex) continue;
    const auto section = static_cast<size_t>(member.sectionIndex);
    if (member.sectionIndex >= 0 && section < model.sections.size() &&
        model.sections[section].inertia != 0.0f) {
      return true;
    }
  }
  return false;
}

class SupportStrokes {
 public:
  SupportStrokes(DrawingList& list, DrawingPoint node, double length)
      : list_(list), node_(node), length_(length) {}

  // A stroke between two points given in units of L along `along` and across it (to its left).
  void Stroke(StrokeDirection along, double a1, double c1, double a2, double c2) {
    const DrawingPoint from = OffsetPoint(node_, along, a1 * length_, c1 * length_);
    const DrawingPoint to = OffsetPoint(node_, along, a2 * length_, c2 * length_);
    list_.Append({from.X, from.Y, to.X, to.Y}, kView);
  }

  // A ground line across `along` at a, hatched on its far side.
  void HatchedLine(StrokeDirection along, double a, double halfWidth) {
    Stroke(along, a, -halfWidth, a, halfWidth);
    for (int k = 0; k < kHatches; ++k) {
      const double c = -halfWidth + 2.0 * halfWidth * (k + 0.5) / kHatches;
      Stroke(along, a, c, a + 0.3, c - 0.3);
    }
  }

  // The triangle with its apex at the node and its base at 1 L along `along`.
  void Triangle(StrokeDirection along) {
    Stroke(along, 0.0, 0.0, 1.0, -0.6);
    Stroke(along, 0.0, 0.0, 1.0, 0.6);
    Stroke(along, 1.0, -0.6, 1.0, 0.6);
  }

 private:
  DrawingList& list_;
  DrawingPoint node_;
  double length_;
};

}  // namespace

void BuildSupportSymbols(const Model& model, const ViewFit& fit, DrawingList& supportSymbols) {
  supportSymbols.count = 0;
  std::vector<std::array<bool, 3>> held(static_cast<size_t>(std::max(model.nodeCount, 0)));
  for (int16_t k = 0; k < model.supportCount && static_cast<size_t>(k) < model.supports.size();
       ++k) {
    const SupportRecord& support = model.supports[static_cast<size_t>(k)];
    if (support.nodeIndex < 0 || static_cast<size_t>(support.nodeIndex) >= held.size()) continue;
    std::array<bool, 3>& node = held[static_cast<size_t>(support.nodeIndex)];
    node[0] = node[0] || support.fixU != 0;
    node[1] = node[1] || support.fixV != 0;
    node[2] = node[2] || support.fixTheta != 0;
  }
  const double length = fit.LimitingExtent * 0.06;
  for (size_t i = 0; i < held.size(); ++i) {
    const int16_t nodeIndex = static_cast<int16_t>(i);
    const auto [u, v, heldTheta] = held[i];
    const bool theta = heldTheta && BendingMemberMeets(model, nodeIndex);
    if (!u && !v && !theta) continue;
    SupportStrokes strokes(supportSymbols, NodeDrawingPoint(fit, model.nodes[i]), length);
    StrokeDirection away = AwayFromMembers(model, nodeIndex);
    if (theta) {
      // A clamp: the wall across the direction it holds; sliding along the wall where only one
      // translation is held as well, shown by the gap line of a roller.
      if (u && !v) away = {away.x != 0.0 ? away.x : -1.0, 0.0};
      if (v && !u) away = {0.0, away.y != 0.0 ? away.y : -1.0};
      strokes.HatchedLine(away, 0.0, 1.0);
      if (u != v) strokes.Stroke(away, 0.35, -1.0, 0.35, 1.0);
      continue;
    }
    if (u && v) {
      // A pin stands on the ground below, unless its members go down from it.
      const StrokeDirection side = away.y != 0.0 ? away : StrokeDirection{0.0, -1.0};
      strokes.Triangle(side);
      strokes.HatchedLine(side, 1.0, 0.9);
      continue;
    }
    // A roller: it holds only the translation along `along`, so it stands on that side.
    const StrokeDirection along = v ? StrokeDirection{0.0, away.y != 0.0 ? away.y : -1.0}
                            : StrokeDirection{away.x != 0.0 ? away.x : -1.0, 0.0};
    strokes.Triangle(along);
    strokes.HatchedLine(along, 1.25, 0.9);
  }
}
