#include <algorithm>

#include "drawing_builders.h"

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

// The extents of every record drawn and every value's point. In the lists of symbols a record's
// second point is an arrow's tip at its node or, for an arc or circle, its radius twice, so only
// the first points count there: the tails, the head strokes and the centres.
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
           list == &geometry.details.reactionArrows;
  };
  for (const NamedDrawingList& named : NamedDrawingLists(geometry)) {
    const bool firstOnly = firstPointsOnly(named.list);
    for (const LineSegment& record : named.list->InUse()) {
      take(record.X1, record.Y1);
      if (!firstOnly) take(record.X2, record.Y2);
    }
  }
  for (const auto& marks : geometry.details.values) {
    for (const ValueMark& mark : marks) take(mark.X, mark.Y);
  }
  if (extents.minX > extents.maxX) return {};
  return extents;
}

// Room for a value text beside the outermost points: about six characters across and a line
// and a half of text up and down, in twips of the window's font.
constexpr double kTextRoomX = 600.0;
constexpr double kTextRoomY = 300.0;

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
    fit = RoomyViewFit(fit, ExtentsOf(built), size.width, size.height, kTextRoomX, kTextRoomY);
    built = BuildWithFit(model, result, fit, geometry, true);
  }
  return built;
}
