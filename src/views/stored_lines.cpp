#include "views/stored_lines.h"

void DrawStoredLine(DrawingSurface& surface, const LineSegment& line, SurfaceColour colour) {
  const float height = surface.Height();
  surface.Line(line.X1, height - static_cast<float>(line.Y1), line.X2,
               height - static_cast<float>(line.Y2), colour);
}

void DrawStoredLines(DrawingSurface& surface, const DrawingList& list, SurfaceColour colour) {
  for (const LineSegment& line : list.InUse()) DrawStoredLine(surface, line, colour);
}

void DrawMemberLines(DrawingSurface& surface, const DrawingGeometry& geometry, int penWidth) {
  surface.SetPenWidth(penWidth);
  DrawStoredLines(surface, geometry.memberLines, kBlack);
  surface.SetPenWidth(1);
}
