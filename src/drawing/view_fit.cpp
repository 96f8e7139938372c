#include "view_fit.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "drawing_coordinate.h"

namespace {

// Twips per centimetre that fit the extent into the usable length, in single precision. An
// extent of 0 sets no limit in its direction, and a quotient beyond the float range (a vanishing
// extent) is held at the largest float, so the scale is never infinite.
float CandidateScale(int16_t usable, float extent) {
  if (extent == 0.0f) return FLT_MAX;
  const float scale = static_cast<float>(usable) / extent;
  if (std::isfinite(scale)) return scale;
  return scale > 0.0f ? FLT_MAX : -FLT_MAX;
}

}  // namespace

ViewFit ComputeViewFit(float pictureWidth, int16_t pictureHeight,
                       const DrawingGeometry& geometry) {
  const float modelWidth = geometry.modelWidth;
  const float modelHeight = geometry.modelHeight;
  ViewFit fit;
  fit.UsableWidth = ToCoordinate(static_cast<double>(pictureWidth) * 0.8);
  fit.UsableHeight = ToCoordinate(static_cast<double>(pictureHeight) * 0.8);
  const float widthScale = CandidateScale(fit.UsableWidth, modelWidth);
  const float heightScale = CandidateScale(fit.UsableHeight, modelHeight);
  // The smaller scale wins; on a tie the height limits.
  if (heightScale > widthScale) {
    fit.DrawScale = widthScale;
    fit.LimitingExtent = fit.UsableWidth;
  } else {
    fit.DrawScale = heightScale;
    fit.LimitingExtent = fit.UsableHeight;
  }
  // All nodes at one point: no scale is defined, so every node is drawn at the offsets, the
  // middle of the usable area shifted by its 10 % margins.
  if (modelWidth == 0.0f && modelHeight == 0.0f) fit.DrawScale = 0.0f;

  const double usableWidth = fit.UsableWidth;
  const double usableHeight = fit.UsableHeight;
  const double drawScale = fit.DrawScale;
  fit.OffsetX = ToCoordinate(usableWidth * 0.1 +
                             (usableWidth - static_cast<double>(modelWidth) * drawScale) / 2.0);
  fit.OffsetY = ToCoordinate((usableHeight - static_cast<double>(modelHeight) * drawScale) / 2.0 +
                             usableHeight * 0.1);
  return fit;
}

ViewFit RoomyViewFit(const ViewFit& fit, const DrawnExtents& drawn, float pictureWidth,
                     int16_t pictureHeight, double margin) {
  const double roomX = static_cast<double>(pictureWidth) - 2.0 * margin;
  const double roomY = static_cast<double>(pictureHeight) - 2.0 * margin;
  const double textsX = drawn.textLeft + drawn.textRight;
  const double textsY = drawn.textBottom + drawn.textTop;
  const double width = drawn.maxX - drawn.minX;
  const double height = drawn.maxY - drawn.minY;
  double shrink = 1.0;
  if (width + textsX > roomX && width > 0.0) shrink = (roomX - textsX) / width;
  if (height + textsY > roomY && height > 0.0) {
    shrink = std::min(shrink, (roomY - textsY) / height);
  }
  shrink = std::max(shrink, 0.01);
  // A drawn point p goes to shrink·p + shift, the drawing with its texts centred in the room.
  const double shiftX =
      margin + (roomX - shrink * width - textsX) / 2.0 + drawn.textLeft - shrink * drawn.minX;
  const double shiftY =
      margin + (roomY - shrink * height - textsY) / 2.0 + drawn.textBottom - shrink * drawn.minY;
  ViewFit roomy = fit;
  roomy.DrawScale = static_cast<float>(static_cast<double>(fit.DrawScale) * shrink);
  roomy.LimitingExtent = ToCoordinate(fit.LimitingExtent * shrink);
  roomy.OffsetX = ToCoordinate(fit.OffsetX * shrink + shiftX);
  roomy.OffsetY = ToCoordinate(fit.OffsetY * shrink + shiftY);
  return roomy;
}

DrawingPoint NodeDrawingPoint(const ViewFit& fit, const NodeRecord& node) {
  // x * DrawScale is one double product of the two single-precision values, rounded first; the
  // integer offset is added after.
  const double drawScale = fit.DrawScale;
  return {ShiftCoordinate(fit.OffsetX, static_cast<double>(node.x) * drawScale),
          ShiftCoordinate(fit.OffsetY, static_cast<double>(node.y) * drawScale)};
}
