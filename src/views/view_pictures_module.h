// The view pictures of the batch front end are drawn by Qt, which nothing else in the batch
// needs, so they live in a shared library of their own that the batch loads only for --images.
// This is what the two agree on: the library's file name, its one entry point and what it does.
#pragma once

#include <cstddef>

#include "views/tab_views.h"

inline constexpr const char* kViewPicturesModuleName = "femframe-pictures.so";
inline constexpr const char* kSaveViewPicturesEntryName = "femframe_save_view_pictures";

// Draws each of tabs[0 .. count-1] on an offscreen surface that is the window's picture, pixel
// for pixel, and saves it as "<caption>.png" in directory, which exists. Returns count when every
// picture was saved, otherwise the index of the first that could not be. The views run in the
// caller and read its stores; the module only gives them the surface. Works without a display.
using SaveViewPicturesEntry = size_t (*)(const char* directory, const TabView* tabs, size_t count);
