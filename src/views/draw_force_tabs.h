// The views of the three force diagram tabs (bending moment, shear force, axial force): one
// filled quadrilateral per member between the member and its offset line, or for a member with
// loads along it one per piece of its curve, black outlines, the members drawn thick on top, and
// the diagram's maximum beside the drawing.
#pragma once

#include <string>

#include "views/tab_views.h"

void DrawMomentTab(DrawingSurface& surface, const ViewData& data);
void DrawShearTab(DrawingSurface& surface, const ViewData& data);
void DrawAxialTab(DrawingSurface& surface, const ViewData& data);
std::string MomentTabLabel(const ViewData& data);
std::string ShearTabLabel(const ViewData& data);
std::string AxialTabLabel(const ViewData& data);
