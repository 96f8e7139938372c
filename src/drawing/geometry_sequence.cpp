#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "drawing_builders.h"
#include "member_curves.h"

namespace {

// The lists built with one fit, the details included when asked for.
DrawingGeometry BuildWithFit(const Model& model, const AnalysisResult* result, const ViewFit& fit,
                             DrawingGeometry geometry, bool detailed) {
  LayoutMembers(model, fit, geometry.memberLines);
  BuildLoadSymbols(model, fit, geometry.loadSymbols);
  BuildJointSymbols(model, fit, geometry.jointSymbols);
  if (result != nullptr) {
    BuildDeflectedShape(model, *result, fit, geometry);
    BuildBendingMomentDiagram(model, *result, fit, geometry);
    BuildShearForceDiagram(model, *result, fit, geometry);
    BuildAxialForceDiagram(model, *result, fit, geometry);
  }
  if (detailed) {
    BuildSupportSymbols(model, fit, geometry.details.supportSymbols);
    BuildValueMarks(model, result, fit, geometry);
  }
  return geometry;
}

// The width of a value's text in twips of the window's font (IPAGothic, 12 pixels): half an em
// for Latin letters, digits and the minus sign, a whole em for the rest (Greek, Japanese).
double TextWidth(const std::string& text) {
  double width = 0.0;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    const bool narrow = byte < 0x80 || text.compare(i, length, "·") == 0 ||
                        text.compare(i, length, "−") == 0;
    width += narrow ? 90.0 : 180.0;
    i += length;
  }
  return width;
}
constexpr double kTextHeight = 195.0;

// The extents of every record drawn and every value's point, and how far the values' texts reach
// beyond them. In the lists of symbols a record's second point is an arrow's tip at its node or,
// for an arc or circle, its radius twice, so only the first points count there: the tails, the
// head strokes and the centres; a reaction moment's arc counts whole. The curve lists count their
// points, not their headers.
DrawnExtents ExtentsOf(const DrawingGeometry& geometry) {
  DrawnExtents extents{1e300, 1e300, -1e300, -1e300};
  const auto take = [&](double x, double y) {
    extents.minX = std::min(extents.minX, x);
    extents.maxX = std::max(extents.maxX, x);
    extents.minY = std::min(extents.minY, y);
    extents.maxY = std::max(extents.maxY, y);
  };
  const auto firstPointsOnly = [&](const DrawingList* list) {
    return list == &geometry.loadSymbols || list == &geometry.jointSymbols ||
           list == &geometry.details.reactionArrows || list == &geometry.details.reactionMoments;
  };
  const auto curves = [&](const DrawingList* list) {
    return list == &geometry.bendingMomentCurves || list == &geometry.shearForceCurves ||
           list == &geometry.axialForceCurves;
  };
  for (const NamedDrawingList& named : NamedDrawingLists(geometry)) {
    if (curves(named.list)) {
      for (const MemberCurve& curve : MemberCurvesOf(*named.list)) {
        for (const LineSegment& point : curve.points) {
          take(point.X1, point.Y1);
          take(point.X2, point.Y2);
        }
      }
      continue;
    }
    const bool firstOnly = firstPointsOnly(named.list);
    for (const LineSegment& record : named.list->InUse()) {
      take(record.X1, record.Y1);
      if (!firstOnly) take(record.X2, record.Y2);
    }
  }
  const std::span<const LineSegment> moments = geometry.details.reactionMoments.InUse();
  for (size_t k = 0; k < moments.size(); k += 3) {
    const double radius = std::abs(moments[k].X2);
    take(moments[k].X1 - radius, moments[k].Y1 - radius);
    take(moments[k].X1 + radius, moments[k].Y1 + radius);
  }
  for (const auto& marks : geometry.details.values) {
    for (const ValueMark& mark : marks) take(mark.X, mark.Y);
  }
  if (extents.minX > extents.maxX) return {};
  // Each text's box, as the view places it on its side of the point.
  for (const auto& marks : geometry.details.values) {
    for (const ValueMark& mark : marks) {
      const double width = TextWidth(mark.text);
      const double left = mark.sideX > 0   ? mark.X + kValueTextGap
                          : mark.sideX < 0 ? mark.X - kValueTextGap - width
                                           : mark.X - width / 2.0;
      const double bottom = mark.sideY > 0   ? mark.Y + kValueTextGap
                            : mark.sideY < 0 ? mark.Y - kValueTextGap - kTextHeight
                                             : mark.Y - kTextHeight / 2.0;
      extents.textLeft = std::max(extents.textLeft, extents.minX - left);
      extents.textRight = std::max(extents.textRight, left + width - extents.maxX);
      extents.textBottom = std::max(extents.textBottom, extents.minY - bottom);
      extents.textTop = std::max(extents.textTop, bottom + kTextHeight - extents.maxY);
    }
  }
  return extents;
}

// The room left free around the drawing and its texts: the parts of symbols that are not
// counted (a load moment's arc around its node, a hinge's circle), and a little air.
constexpr double kMargin = 240.0;

}  // namespace

DrawingGeometry BuildDrawingGeometry(const Model& model, const AnalysisResult* result,
                                     PictureSize size, DrawingOptions options) {
  DrawingGeometry geometry;
  ComputeModelExtents(model, geometry);
  ViewFit fit = ComputeViewFit(size.width, size.height, geometry);
  if (!options.detailed) return BuildWithFit(model, result, fit, std::move(geometry), false);
  // Everything drawn scales with the fit but for rounding, so one narrowing nearly fits; a second
  // takes up what the rounding and the symbols of fixed size left outside.
  DrawingGeometry built = BuildWithFit(model, result, fit, geometry, true);
  for (int pass = 0; pass < 2; ++pass) {
    fit = RoomyViewFit(fit, ExtentsOf(built), size.width, size.height, kMargin);
    built = BuildWithFit(model, result, fit, geometry, true);
  }
  return built;
}
