// What the views add in the detailed view (ViewData::detailed): the support symbols on every
// tab, the reaction arrows on the model tab, and each tab's value texts, a text whose box would
// overlap one already printed, or leave the picture, left out.
#pragma once

#include <cstddef>

#include "views/tab_views.h"

void DrawDetails(DrawingSurface& surface, const ViewData& data, size_t tab);
