// The view of the deflection tab: the undeformed members in black, the magnified deflected shape
// in yellow over them, and the largest displacement of the last analysis beside the drawing.
#pragma once

#include <string>

#include "views/tab_views.h"

void DrawDeflectionTab(DrawingSurface& surface, const ViewData& data);
std::string DeflectionTabLabel(const ViewData& data);
