// The view of the deflection tab: the undeformed members in black, the magnified deflected shape
// in yellow over them, and the largest displacement of the last analysis beside the drawing.
#pragma once

#include "views/drawing_surface.h"
#include "views/label_target.h"

void DrawDeflectionTab(DrawingSurface& surface, LabelTarget& label);
