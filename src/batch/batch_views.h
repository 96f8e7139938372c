// What the batch front end draws after an analysis, from the views of the model, its result and
// the geometry fitted to the window's picture: the geometry JSON and the five view pictures.
#pragma once

#include <string>

#include "views/tab_views.h"

// The geometry JSON: the drawing lists and each tab's label texts. Throws RunError when the file
// cannot be written.
void ExportGeometry(const std::string& path, const ViewData& data);

// The five view pictures, into `directory`, which is made when missing. Throws RunError when a
// picture or the directory cannot be made.
void ExportPictures(const std::string& directory, const ViewData& data);
