// Drawing the stored line records on a surface: a record's y is measured upward from the bottom
// of the drawing area, so each point (X, Y) is drawn at (X, H - Y), H the surface height read
// just before the line is drawn.
#pragma once

#include "drawing/drawing_lists.h"
#include "views/drawing_surface.h"

void DrawStoredLine(DrawingSurface& surface, const LineSegment& line, SurfaceColour colour);
// The records in use of a list, each as DrawStoredLine draws it.
void DrawStoredLines(DrawingSurface& surface, const DrawingList& list, SurfaceColour colour);
// The member lines of the geometry in black with the given pen width; the pen is then back at 1
// pixel.
void DrawMemberLines(DrawingSurface& surface, const DrawingGeometry& geometry, int penWidth);
