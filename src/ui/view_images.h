// The five views as the batch front end exports them: PNG pictures drawn by the same view code
// on an offscreen surface of the window's picture size.
#pragma once

#include <string>

// Saves "解析モデル.png", "δ図.png", "Ｍ図.png", "Ｑ図.png" and "Ｎ図.png" into directory.
// Throws RunError naming the file when one cannot be saved. Works without a display.
void SaveViewImages(const std::string& directory);
