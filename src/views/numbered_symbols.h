// What the model tab's numbered symbols share, the loads' and the settlements' (and the detailed
// view's reactions): the number printed on the symbol, and the symbol drawn from its three records.
#pragma once

#include <span>

#include "drawing/drawing_lists.h"
#include "views/drawing_surface.h"

// A component of a numbered symbol as the list names it: the text between the number and the
// value, the value's unit, and whether the symbol is a moment's arc rather than an arrow.
struct NumberedComponent {
  const char* listText;
  const char* unit;
  bool isMoment;
};

// Prints `number` centred on the middle of the arrow shaft `first`, or for a moment on the node,
// whose first record holds the arc's centre. The halvings are floating point, the sums integer.
void PrintSymbolNumber(DrawingSurface& surface, int number, const LineSegment& first,
                       bool isMoment);

// A symbol of three records: an arrow's shaft, or a moment's arc (see DrawMomentArc), then the
// two strokes of its head.
void DrawThreeRecordSymbol(DrawingSurface& surface, std::span<const LineSegment, 3> records,
                           bool isMoment, bool positive, SurfaceColour colour);

// The arc of a moment's symbol from its first record (the centre and the signed radius), with the
// arrowhead where the symbol builder put it for a positive or a negative moment.
void DrawMomentArc(DrawingSurface& surface, const LineSegment& first, bool positive,
                   SurfaceColour colour);
