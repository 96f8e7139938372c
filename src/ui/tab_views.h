// The five tabs of the window in their order: each tab's caption and the view it shows.
#pragma once

#include <array>

struct TabView {
  const char* caption;
  void (*draw)();
};

extern const std::array<TabView, 5> TabViews;
