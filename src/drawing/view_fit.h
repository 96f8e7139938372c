// The one rule by which every drawing builder fits the model into the drawing area: the usable
// extents (80 % of the picture), the scale in twips per centimetre and the offsets that place
// the model's origin, and the drawing point of a node under that fit.
#pragma once

#include <cstdint>

#include "drawing_lists.h"
#include "model/model.h"

struct ViewFit {
  int16_t UsableWidth = 0;     // twips
  int16_t UsableHeight = 0;    // twips
  float DrawScale = 0.0f;      // twips per cm
  int16_t LimitingExtent = 0;  // the usable extent that limits the scale, twips
  int16_t OffsetX = 0;         // drawing x of the model's x = 0
  int16_t OffsetY = 0;         // drawing y of the model's y = 0
};

// From the picture size in twips and the model extents of the geometry.
ViewFit ComputeViewFit(float pictureWidth, int16_t pictureHeight, const DrawingGeometry& geometry);

// What a fit draws: the extents of the records and the points of the texts, which scale with the
// fit, and how far the texts, which keep their size, reach beyond them on each side (0 or more).
struct DrawnExtents {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  double textLeft = 0.0, textBottom = 0.0, textRight = 0.0, textTop = 0.0;
};

// The fit narrowed and moved so that what `drawn` holds (under `fit`), texts included, comes to
// lie inside the picture less `margin` twips on each side, centred; never enlarged. Everything the
// builders scale by DrawScale or LimitingExtent shrinks with it; the texts keep their size.
ViewFit RoomyViewFit(const ViewFit& fit, const DrawnExtents& drawn, float pictureWidth,
                     int16_t pictureHeight, double margin);

struct DrawingPoint {
  int16_t X = 0;
  int16_t Y = 0;
};

// The node's drawing point: its coordinates times DrawScale, rounded, plus the offsets.
DrawingPoint NodeDrawingPoint(const ViewFit& fit, const NodeRecord& node);
