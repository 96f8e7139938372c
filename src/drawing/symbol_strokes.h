// The strokes the symbols of the model view are built from, three records each: an arrow (its
// shaft, then its two head strokes) and a moment's arc with the two strokes of its head. The
// load symbols and the settlements' symbols share them, so that a view draws both alike.
#pragma once

#include <cstdint>

#include "drawing_lists.h"
#include "view_fit.h"

// A unit direction in the drawing (y upward), or the unit side a head's first stroke leans to.
struct StrokeDirection {
  double x = 0.0;
  double y = 0.0;
};

// The point `along` twips from `origin` in the unit direction `d` and `across` twips to its left.
DrawingPoint OffsetPoint(DrawingPoint origin, StrokeDirection d, double along, double across);

// Arrow with its tip at `tip`, pointing along the unit direction `along`: the shaft runs back
// `length` twips from the tip, the head strokes start `head` back from it and `head` across it,
// the first one towards `side`.
void AppendArrow(DrawingList& symbols, DrawingPoint tip, StrokeDirection along, double length,
                 double head, StrokeDirection side);

// Arc of radius 3L/4 around `centre` with the arrowhead at its rightmost point (counter-clockwise,
// sign +1) or leftmost point (clockwise, sign -1). The first record holds the centre and the
// signed radius twice; the head strokes rise a quarter of L from the tip to either side.
void AppendMomentSymbol(DrawingList& symbols, DrawingPoint centre, int16_t length, int sign);
