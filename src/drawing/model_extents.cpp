// The model extents, which the view fit scales to the picture.
#include <cfloat>
#include <cmath>

#include "drawing_builders.h"

namespace {

// max - min in single precision; a span beyond the float range is held at the largest float.
float Span(float minimum, float maximum) {
  const float span = maximum - minimum;
  return std::isfinite(span) ? span : FLT_MAX;
}

}  // namespace

void ComputeModelExtents(const Model& model, DrawingGeometry& geometry) {
  float& width = geometry.modelWidth;
  float& height = geometry.modelHeight;
  // A model without nodes has no extents; the fit then treats it as a single point.
  if (model.nodeCount < 1 || model.nodes.empty()) {
    width = 0.0f;
    height = 0.0f;
    return;
  }
  const NodeRecord& first = model.nodes[0];
  float minX = first.x, maxX = first.x, minY = first.y, maxY = first.y;
  for (int32_t i = 1; i < model.nodeCount; ++i) {
    const NodeRecord& node = model.nodes[static_cast<size_t>(i)];
    if (node.x > maxX) maxX = node.x;
    if (node.x < minX) minX = node.x;
    if (node.y > maxY) maxY = node.y;
    if (node.y < minY) minY = node.y;
  }
  width = Span(minX, maxX);
  height = Span(minY, maxY);
  // A line of nodes is fitted as a square of its length; the width is settled first, so nodes
  // that all coincide keep both extents 0.
  if (width == 0.0f) width = height;
  if (height == 0.0f) height = width;
}
