// The view of the model tab: the members, an arrow or arc for every non-zero nodal load
// component with its running number, and the numbered list of those loads beside the drawing.
#pragma once

#include "views/drawing_surface.h"
#include "views/label_target.h"

void DrawModelTab(DrawingSurface& surface, LabelTarget& label);
