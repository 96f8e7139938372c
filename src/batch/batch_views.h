// What the batch front end draws after an analysis: the drawing lists fitted to the window's
// picture, then, on request, the geometry JSON and the five view pictures.
#pragma once

#include "batch_arguments.h"

// Builds the model and result geometry as the window does after a load and an analysis, and
// writes what the arguments ask for. Throws RunError when a file cannot be written.
void ExportViews(const BatchArguments& arguments);
