// The views as pictures: each tab's view drawn by the same view code on an offscreen surface
// that is the window's picture, pixel for pixel (the 413 × 397 image inside the control's
// frame), and saved as a PNG file. The picture module of the batch front end is built on it.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "views/tab_views.h"

// Saves "<caption>.png" for every tab into directory, in order. Returns tabs.size() when all
// were saved, otherwise the index of the first that could not be. Works without a display.
size_t SaveViewImages(const std::string& directory, std::span<const TabView> tabs);
