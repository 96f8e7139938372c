// The texts and reaction arrows of the detailed view. Each value sits beside the point of the
// drawing it belongs to: a force diagram's values at the ends of its outline and at the extremes
// along loaded members, on the side the diagram lies; the largest displacement at its place on
// the deflected shape; a support's reactions in a block under it; a settlement beside its node.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "member_direction.h"
#include "symbol_strokes.h"

namespace {

constexpr size_t kValuesPerMember = 6;

// Four significant digits, the exponent form only beyond them; -0 is 0, and so is what rounding
// leaves of a zero beside `largest`, the largest value of its kind (1e-16 at a pinned end).
std::string ValueText(double value, double largest = 0.0) {
  if (value == 0.0 || !std::isfinite(value) || std::fabs(value) <= 1e-9 * std::fabs(largest)) {
    value = 0.0;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

int8_t SideOf(double value) { return static_cast<int8_t>(value > 1e-9 ? 1 : (value < -1e-9 ? -1 : 0)); }

ValueMark Mark(double x, double y, double sideX, double sideY, std::string text) {
  return {ToCoordinate(x), ToCoordinate(y), SideOf(sideX), SideOf(sideY), std::move(text)};
}

struct DiagramValues {
  DrawingList DrawingGeometry::*lines;
  size_t tab;
  int firstEnd;        // position among N1, Q1, M1, N2, Q2, M2 shown at end 1
  int secondEnd;       // shown at end 2
  double firstSign;    // the diagram plots firstSign × the value at end 1
  double secondSign;   // and secondSign × the value at end 2
  double shownPerStored;
  MaximumPlace ResultMaxima::*maximum;
  MemberExtreme MemberMaxima::*extreme;
  double alongSign;  // the curve plots alongSign × the value along the member
};

// As force_diagrams.cpp plots them: the moment -M1 .. M2, the bands Q1 .. -Q2 and N1 .. -N2
// (equal at both ends of a member without loads), and along loaded members M, -Q and -N.
const DiagramValues kDiagrams[] = {
    {&DrawingGeometry::bendingMomentLines, 2, 2, 5, -1.0, 1.0, 100.0, &ResultMaxima::moment,
     &MemberMaxima::moment, 1.0},
    {&DrawingGeometry::shearForceLines, 3, 1, 4, 1.0, -1.0, 1.0, &ResultMaxima::shear,
     &MemberMaxima::shear, -1.0},
    {&DrawingGeometry::axialForceLines, 4, 0, 3, 1.0, -1.0, 1.0, &ResultMaxima::axial,
     &MemberMaxima::axial, -1.0},
};

void AddDiagramValues(const DiagramValues& diagram, const Model& model,
                      const AnalysisResult& result, const ViewFit& fit,
                      DrawingGeometry& geometry) {
  std::vector<ValueMark>& marks = geometry.details.values[diagram.tab];
  const DrawingList& lines = geometry.*diagram.lines;
  const double largest = (result.maxima.*diagram.maximum).value;
  const double scale = fit.LimitingExtent * 0.1 / (largest == 0.0 ? 1.0 : largest);
  const double shownLargest = largest / diagram.shownPerStored;
  for (size_t j = 0; j < static_cast<size_t>(std::min(lines.count, model.memberCount)); ++j) {
    if (kValuesPerMember * (j + 1) > result.endForces.size()) break;
    const LineSegment& member = geometry.memberLines.records[j];
    const LineSegment& outline = lines.records[j];
    const double* values = result.endForces.data() + kValuesPerMember * j;
    const double first = diagram.firstSign * values[diagram.firstEnd] / diagram.shownPerStored;
    const double second = diagram.secondSign * values[diagram.secondEnd] / diagram.shownPerStored;
    // The text lies beyond the outline, away from the member; on the member when it is 0.
    marks.push_back(Mark(outline.X1, outline.Y1, outline.X1 - member.X1, outline.Y1 - member.Y1,
                         ValueText(first, shownLargest)));
    marks.push_back(Mark(outline.X2, outline.Y2, outline.X2 - member.X2, outline.Y2 - member.Y2,
                         ValueText(second, shownLargest)));
    if (j >= result.alongMembers.size() || !result.alongMembers[j].extremes) continue;
    const MemberExtreme& extreme = *result.alongMembers[j].extremes.*diagram.extreme;
    const MemberDirection direction = MemberDirectionOf(model, model.members[j]);
    if (direction.length <= 0.0) continue;
    const double t = extreme.place.x / direction.length;
    // An extreme at an end repeats the end's value.
    if (t < 1e-6 || t > 1.0 - 1e-6) continue;
    const double offset = diagram.alongSign * extreme.value * scale;  // t, t·cm as the end forces
    const double baseX = member.X1 + (member.X2 - member.X1) * t;
    const double baseY = member.Y1 + (member.Y2 - member.Y1) * t;
    const double dx = direction.sinTheta * offset, dy = -(direction.cosTheta * offset);
    const double shown = diagram.alongSign * extreme.value / diagram.shownPerStored;
    marks.push_back(Mark(baseX + dx, baseY + dy, dx, dy, ValueText(shown, shownLargest)));
  }
}

// The largest translation where the deflected shape draws it.
void AddDisplacementValue(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                          DrawingGeometry& geometry) {
  const MaximumPlace& largest = result.maxima.displacement;
  if (largest.value == 0.0 || largest.memberIndex < 0) return;
  const double scale = fit.LimitingExtent * 0.1 / largest.value;
  double x = 0.0, y = 0.0, dx = 0.0, dy = 0.0;
  if (largest.nodeIndex >= 0) {
    const DrawingPoint node = NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(largest.nodeIndex)]);
    const size_t dof = 3 * static_cast<size_t>(largest.nodeIndex);
    if (dof + 1 >= result.displacements.size()) return;
    x = node.X, y = node.Y;
    dx = result.displacements[dof], dy = result.displacements[dof + 1];
  } else {
    const size_t j = static_cast<size_t>(largest.memberIndex);
    if (j >= result.alongMembers.size() || result.alongMembers[j].points.empty()) return;
    const MemberDirection direction = MemberDirectionOf(model, model.members[j]);
    const LineSegment& member = geometry.memberLines.records[j];
    const AlongPoint* nearest = &result.alongMembers[j].points.front();
    for (const AlongPoint& point : result.alongMembers[j].points) {
      if (std::fabs(point.station.x - largest.x) < std::fabs(nearest->station.x - largest.x)) {
        nearest = &point;
      }
    }
    const double t = direction.length > 0.0 ? nearest->station.x / direction.length : 0.0;
    x = member.X1 + (member.X2 - member.X1) * t;
    y = member.Y1 + (member.Y2 - member.Y1) * t;
    dx = nearest->dx, dy = nearest->dy;
  }
  geometry.details.values[1].push_back(Mark(x + dx * scale, y + dy * scale, dx, dy,
                                            "δ = " + ValueText(largest.value) + " cm"));
}

// An arrow for every reaction force, pointing as it acts and stopping short of the node beyond
// the support symbol, and an arc for a reaction moment; the values stand in one block of lines
// (Rx, Ry, Rm) centred under the node below the upward arrow's place, so that neighbouring
// supports' values stay apart and clear of each other's symbols.
void AddReactions(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                  DrawingGeometry& geometry) {
  DrawingList& arrows = geometry.details.reactionArrows;
  std::vector<ValueMark>& marks = geometry.details.values[0];
  const double length = fit.LimitingExtent * 0.1;
  const double gap = fit.LimitingExtent * 0.06 * 1.6;
  const char* names[] = {"Rx = ", "Ry = ", "Rm = "};
  const char* units[] = {" t", " t", " t·m"};
  double largestForce = 0.0;
  for (const SupportReaction& reaction : result.reactions) {
    largestForce = std::max({largestForce, std::fabs(reaction.force[0]), std::fabs(reaction.force[1])});
  }
  for (const SupportReaction& reaction : result.reactions) {
    if (reaction.nodeIndex < 0 || reaction.nodeIndex >= model.nodeCount) continue;
    const DrawingPoint node = NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(reaction.nodeIndex)]);
    double lineY = node.Y - gap - length;
    for (size_t c = 0; c < 3; ++c) {
      const double value = reaction.force[c];
      // What rounding leaves of a zero reaction is not drawn (moments measured as if by forces
      // 1 m apart).
      if (!reaction.Holds(c) || ValueText(value, largestForce) == "0") continue;
      marks.push_back(Mark(node.X, lineY, 0.0, -1.0,
                           names[c] + ValueText(value, largestForce) + units[c]));
      lineY -= kValueLineHeight;
      if (c == 2) {
        AppendMomentSymbol(geometry.details.reactionMoments, node, ToCoordinate(length * 1.4),
                           value > 0.0 ? 1 : -1);
        continue;
      }
      const double sign = value > 0.0 ? 1.0 : -1.0;
      const StrokeDirection along{c == 0 ? sign : 0.0, c == 1 ? sign : 0.0};
      const DrawingPoint tip{ToCoordinate(node.X - along.x * gap), ToCoordinate(node.Y - along.y * gap)};
      AppendArrow(arrows, tip, along, length, length / 4.0, {std::fabs(along.y), std::fabs(along.x)});
    }
  }
}

// The settlements' values beside their nodes, below and to the right.
void AddSettlements(const Model& model, const ViewFit& fit, DrawingGeometry& geometry) {
  for (const SettlementRecord& settlement : model.settlements) {
    if (settlement.nodeIndex < 0 || settlement.nodeIndex >= model.nodeCount) continue;
    std::string text;
    const auto add = [&](const char* name, double value, const char* unit) {
      if (value == 0.0) return;
      if (!text.empty()) text += ", ";
      text += name + ValueText(value) + unit;
    };
    add("u = ", settlement.u, " cm");
    add("v = ", settlement.v, " cm");
    add("θ = ", settlement.theta, " rad");
    if (text.empty()) continue;
    const DrawingPoint node = NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(settlement.nodeIndex)]);
    geometry.details.values[0].push_back(Mark(node.X + fit.LimitingExtent * 0.05,
                                              node.Y - fit.LimitingExtent * 0.05, 1.0, -1.0, text));
  }
}

}  // namespace

void BuildValueMarks(const Model& model, const AnalysisResult* result, const ViewFit& fit,
                     DrawingGeometry& geometry) {
  geometry.details.reactionArrows.count = 0;
  geometry.details.reactionMoments.count = 0;
  for (std::vector<ValueMark>& marks : geometry.details.values) marks.clear();
  // The reactions' values go first, so that none gives way to a settlement's.
  if (result != nullptr) AddReactions(model, *result, fit, geometry);
  AddSettlements(model, fit, geometry);
  if (result == nullptr) return;
  AddDisplacementValue(model, *result, fit, geometry);
  for (const DiagramValues& diagram : kDiagrams) AddDiagramValues(diagram, model, *result, fit, geometry);
}
