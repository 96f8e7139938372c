#include "drawing_test_fixture.h"

#include <utility>

std::vector<LineSegment> InUse(const DrawingList& list) {
  return {list.InUse().begin(), list.InUse().end()};
}

DrawnModel::DrawnModel(const std::string& path, float pictureWidth, int16_t pictureHeight)
    : DrawnModel(LoadModelFile(path), pictureWidth, pictureHeight) {}

DrawnModel::DrawnModel(Model built, float pictureWidth, int16_t pictureHeight)
    : model(std::move(built)),
      geometry(BuildDrawingGeometry(model, nullptr, {pictureWidth, pictureHeight})),
      fit(ComputeViewFit(pictureWidth, pictureHeight, geometry)) {}

AnalysisResult Displaced(std::vector<double> perNode, double maxDisplacement) {
  AnalysisResult result;
  result.displacements = std::move(perNode);
  result.displacements.push_back(0.0);  // the spare entry at dofCount
  result.maxima.displacement.value = maxDisplacement;
  return result;
}

AnalysisResult Forces(std::vector<double> endForces, double moment, double shear, double axial) {
  AnalysisResult result;
  result.endForces = std::move(endForces);
  result.maxima.moment.value = moment;
  result.maxima.shear.value = shear;
  result.maxima.axial.value = axial;
  return result;
}
