#include <initializer_list>

#include "drawing_builders.h"

namespace {

using SizedBuilder = void (*)(float pictureWidth, int16_t pictureHeight);

void BuildInOrder(std::initializer_list<SizedBuilder> builders,
                  const std::function<PictureSize()>& pictureSize) {
  for (const SizedBuilder build : builders) {
    const PictureSize size = pictureSize();
    build(size.width, size.height);
  }
}

std::function<PictureSize()> FixedSize(float pictureWidth, int16_t pictureHeight) {
  return [=] { return PictureSize{pictureWidth, pictureHeight}; };
}

}  // namespace

void BuildModelGeometry(const std::function<PictureSize()>& pictureSize) {
  ComputeModelExtents();
  BuildInOrder({LayoutMembers, BuildLoadSymbols}, pictureSize);
}

void BuildResultGeometry(const std::function<PictureSize()>& pictureSize) {
  BuildInOrder({BuildDeflectedShape, BuildBendingMomentDiagram, BuildShearForceDiagram,
                BuildAxialForceDiagram},
               pictureSize);
}

void BuildModelGeometry(float pictureWidth, int16_t pictureHeight) {
  BuildModelGeometry(FixedSize(pictureWidth, pictureHeight));
}

void BuildResultGeometry(float pictureWidth, int16_t pictureHeight) {
  BuildResultGeometry(FixedSize(pictureWidth, pictureHeight));
}
