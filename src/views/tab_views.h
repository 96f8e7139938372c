// The five tabs of the window in their order: each tab's caption and the view it shows, drawn on
// the surface it is given with its text set on the label it is given.
#pragma once

#include <array>

#include "views/drawing_surface.h"
#include "views/label_target.h"

struct TabView {
  const char* caption;
  void (*draw)(DrawingSurface& surface, LabelTarget& label);
};

extern const std::array<TabView, 5> TabViews;
