// The view of the model tab: the members, an arrow or arc for every non-zero nodal load
// component with its running number, and the numbered list of those loads beside the drawing;
// then, numbered on, the symbols of the loads along members and their list under 「部材荷重」;
// then the hinges, springs and settlements (draw_joint_conditions.h).
#pragma once

#include <string>

#include "views/tab_views.h"

void DrawModelTab(DrawingSurface& surface, const ViewData& data);
std::string ModelTabLabel(const ViewData& data);
