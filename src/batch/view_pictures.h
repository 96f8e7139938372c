// The five view pictures of --images, drawn by the picture module: a shared library found from
// the executable's own place (beside it in the build tree, in the package's library folder when
// installed) and loaded on first use, so that a run without pictures never loads Qt.
#pragma once

#include <string>

#include "views/tab_views.h"

// The entry point `name` of the picture module, loaded on first use. Throws RunError when the
// module cannot be loaded or lacks the entry.
void* PictureModuleEntry(const char* name);

// Saves the five views of `data` as PNG pictures into directory, which exists. Throws RunError when the
// module cannot be loaded (naming where it was looked for, or why it would not load) or when a
// picture cannot be saved (naming the file).
void SaveViewPictures(const std::string& directory, const ViewData& data);
