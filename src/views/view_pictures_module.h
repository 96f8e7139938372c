// The view pictures of the batch front end are drawn by Qt, which nothing else in the batch
// needs, so they live in a shared library of their own that the batch loads only for --images.
// This is what the two agree on: the library's file name, its one entry point and what it does.
#pragma once

#include <string>

#include "views/tab_views.h"

inline constexpr const char* kViewPicturesModuleName = "femframe-pictures.so";
inline constexpr const char* kViewPicturePngEntryName = "femframe_view_picture_png";

// Draws the tab's view of `data` on an offscreen surface that is the window's picture, pixel for
// pixel, and puts its PNG bytes in *png (the batch and the module share the C++ library); false
// when the picture cannot be encoded. The module only gives the view its surface. Works without
// a display. The batch writes the file itself, as it writes every output.
using ViewPicturePngEntry = bool (*)(const TabView* tab, const ViewData* data, std::string* png);
