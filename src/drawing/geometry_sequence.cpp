#include "drawing_builders.h"

void BuildModelGeometry(float pictureWidth, int16_t pictureHeight) {
  ComputeModelExtents();
  LayoutMembers(pictureWidth, pictureHeight);
  BuildLoadSymbols(pictureWidth, pictureHeight);
}

void BuildResultGeometry(float pictureWidth, int16_t pictureHeight) {
  BuildDeflectedShape(pictureWidth, pictureHeight);
  BuildBendingMomentDiagram(pictureWidth, pictureHeight);
  BuildShearForceDiagram(pictureWidth, pictureHeight);
  BuildAxialForceDiagram(pictureWidth, pictureHeight);
}
