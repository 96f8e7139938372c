// The drawing geometry as a JSON file for the batch front end: the model extents, the six
// drawing lists (the records in use, each [X1, Y1, X2, Y2]) and the texts the label shows on
// each of the five tabs. UTF-8 with LF line ends.
#pragma once

#include <array>
#include <string>

#include "drawing_lists.h"

// Throws RunError naming the file when it cannot be created or written.
void WriteGeometryJson(const std::string& path, const DrawingGeometry& geometry,
                       const std::array<std::string, 5>& tabLabels);
