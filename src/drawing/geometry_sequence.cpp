#include "drawing_builders.h"

DrawingGeometry BuildDrawingGeometry(const Model& model, const AnalysisResult* result,
                                     PictureSize size) {
  DrawingGeometry geometry;
  ComputeModelExtents(model, geometry);
  const ViewFit fit = ComputeViewFit(size.width, size.height, geometry);
  LayoutMembers(model, fit, geometry.memberLines);
  BuildLoadSymbols(model, fit, geometry.loadSymbols);
  BuildJointSymbols(model, fit, geometry.jointSymbols);
  if (result != nullptr) {
    BuildDeflectedShape(model, *result, fit, geometry);
    BuildBendingMomentDiagram(model, *result, fit, geometry);
    BuildShearForceDiagram(model, *result, fit, geometry);
    BuildAxialForceDiagram(model, *result, fit, geometry);
  }
  return geometry;
}
