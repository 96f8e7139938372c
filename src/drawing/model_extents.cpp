// The model extents and the reset of the drawing lists after every model load.
#include <cfloat>
#include <cmath>

#include "drawing_builders.h"
#include "drawing_lists.h"
#include "model/model_store.h"

namespace {

// max - min in single precision; a span beyond the float range is held at the largest float.
float Span(float minimum, float maximum) {
  const float span = maximum - minimum;
  return std::isfinite(span) ? span : FLT_MAX;
}

}  // namespace

void ComputeModelExtents() {
  for (const NamedDrawingList& named : AllDrawingLists) named.list->Reset();

  // A model without nodes has no extents; the fit then treats it as a single point.
  if (modelStore.nodeCount < 1 || modelStore.nodes.empty()) {
    ModelWidth = 0.0f;
    ModelHeight = 0.0f;
    return;
  }
  const NodeRecord& first = modelStore.nodes[0];
  float minX = first.x, maxX = first.x, minY = first.y, maxY = first.y;
  for (int32_t i = 1; i < modelStore.nodeCount; ++i) {
    const NodeRecord& node = modelStore.nodes[static_cast<size_t>(i)];
    if (node.x > maxX) maxX = node.x;
    if (node.x < minX) minX = node.x;
    if (node.y > maxY) maxY = node.y;
    if (node.y < minY) minY = node.y;
  }
  ModelWidth = Span(minX, maxX);
  ModelHeight = Span(minY, maxY);
  // A line of nodes is fitted as a square of its length; the width is settled first, so nodes
  // that all coincide keep both extents 0.
  if (ModelWidth == 0.0f) ModelWidth = ModelHeight;
  if (ModelHeight == 0.0f) ModelHeight = ModelWidth;
}
