#include "symbol_strokes.h"

#include "drawing_coordinate.h"

namespace {

void AppendSymbol(DrawingList& symbols, const LineSegment& first, const LineSegment& second,
                  const LineSegment& third) {
  for (const LineSegment& record : {first, second, third}) {
    symbols.Append(record, "解析モデル");
  }
}

}  // namespace

DrawingPoint OffsetPoint(DrawingPoint origin, StrokeDirection d, double along, double across) {
  return {ToCoordinate(origin.X + d.x * along - d.y * across),
          ToCoordinate(origin.Y + d.y * along + d.x * across)};
}

void AppendArrow(DrawingList& symbols, DrawingPoint tip, StrokeDirection along, double length,
                 double head, StrokeDirection side) {
  const double x = tip.X, y = tip.Y;
  const LineSegment shaft{ToCoordinate(x - along.x * length), ToCoordinate(y - along.y * length),
                          tip.X, tip.Y};
  const double backX = x - along.x * head, backY = y - along.y * head;
  const double sideX = side.x * head, sideY = side.y * head;
  const LineSegment head1{ToCoordinate(backX + sideX), ToCoordinate(backY + sideY), tip.X, tip.Y};
  const LineSegment head2{ToCoordinate(backX - sideX), ToCoordinate(backY - sideY), tip.X, tip.Y};
  AppendSymbol(symbols, shaft, head1, head2);
}

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
