// The nodal-load symbols of the model view: an arrow for every non-zero force component and an
// arc with an arrowhead for every non-zero moment, three records each, in the order the model
// view numbers them (loads in table order; Fx, Fy, M within a load).
#include "drawing_builders.h"
#include "drawing_coordinate.h"

namespace {

void AppendSymbol(DrawingList& symbols, const LineSegment& first, const LineSegment& second,
                  const LineSegment& third) {
  for (const LineSegment& record : {first, second, third}) {
    symbols.Append(record, "解析モデル");
  }
}

// Arrow with its tip at the node, pointing along the force. (dirX, dirY) is the unit direction
// of the force; the shaft runs back a length L from the tip and the head strokes start a quarter
// of L back and a quarter of L to either side.
void AppendForceArrow(DrawingList& symbols, DrawingPoint tip, int16_t length, int dirX, int dirY) {
  const double x = tip.X, y = tip.Y, quarter = length / 4.0;
  const LineSegment shaft{ToCoordinate(x - dirX * length), ToCoordinate(y - dirY * length), tip.X,
                          tip.Y};
  // Head stroke corners: back along the shaft, and to either side across it. The first stroke
  // is the one on the +y side of an x arrow and on the +x side of a y arrow.
  const double backX = x - dirX * quarter, backY = y - dirY * quarter;
  const double sideX = dirY != 0 ? quarter : 0.0, sideY = dirX != 0 ? quarter : 0.0;
  const LineSegment head1{ToCoordinate(backX + sideX), ToCoordinate(backY + sideY), tip.X, tip.Y};
  const LineSegment head2{ToCoordinate(backX - sideX), ToCoordinate(backY - sideY), tip.X, tip.Y};
  AppendSymbol(symbols, shaft, head1, head2);
}

// Arc of radius 3L/4 around the node with the arrowhead at its rightmost point (counter-clockwise
// moment, sign +1) or leftmost point (clockwise, sign -1). The first record holds the centre and
// the signed radius twice; the head strokes rise a quarter of L from the tip to either side.
void AppendMomentSymbol(DrawingList& symbols, DrawingPoint centre, int16_t length, int sign) {
  const double quarter = length / 4.0;
  const int16_t radius = ToCoordinate(sign * quarter * 3.0);
  const int16_t tipX = ToCoordinate(centre.X + sign * quarter * 3.0);
  const int16_t tipY = centre.Y;
  const LineSegment arc{centre.X, centre.Y, radius, radius};
  const LineSegment head1{tipX, tipY, ToCoordinate(tipX + quarter), ToCoordinate(tipY + quarter)};
  const LineSegment head2{tipX, tipY, ToCoordinate(tipX - quarter), ToCoordinate(tipY + quarter)};
  AppendSymbol(symbols, arc, head1, head2);
}

int SignOf(float value) { return value > 0.0f ? 1 : -1; }

}  // namespace

void BuildLoadSymbols(const Model& model, const ViewFit& fit, DrawingList& loadSymbols) {
  const int16_t length = ToCoordinate(fit.LimitingExtent * 0.1);
  loadSymbols.count = 0;
  for (int32_t i = 0; i < model.loadCount; ++i) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(i)];
    const DrawingPoint point =
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(load.nodeIndex)]);
    if (load.fx != 0.0f) AppendForceArrow(loadSymbols, point, length, SignOf(load.fx), 0);
    if (load.fy != 0.0f) AppendForceArrow(loadSymbols, point, length, 0, SignOf(load.fy));
    if (load.moment != 0.0f) AppendMomentSymbol(loadSymbols, point, length, SignOf(load.moment));
  }
}
