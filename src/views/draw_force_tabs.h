// The views of the three force diagram tabs (bending moment, shear force, axial force): one
// filled quadrilateral per member between the member and its offset line, black outlines, the
// members drawn thick on top, and the diagram's maximum beside the drawing.
#pragma once

#include "views/drawing_surface.h"
#include "views/label_target.h"

void DrawMomentTab(DrawingSurface& surface, LabelTarget& label);
void DrawShearTab(DrawingSurface& surface, LabelTarget& label);
void DrawAxialTab(DrawingSurface& surface, LabelTarget& label);
