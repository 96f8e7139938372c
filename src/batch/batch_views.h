// What the batch front end draws after an analysis: the drawing lists fitted to the window's
// picture, built once as the window builds them after a load and an analysis, and from them on
// request the geometry JSON and the five view pictures.
#pragma once

#include <string>

// The geometry JSON: the drawing lists and each tab's label texts. Throws RunError when the file
// cannot be written, or the drawing's own error when the lists cannot be built.
void ExportGeometry(const std::string& path);

// The five view pictures, into `directory`, which is made when missing. Throws RunError when a
// picture or the directory cannot be made, or the drawing's own error.
void ExportPictures(const std::string& directory);
