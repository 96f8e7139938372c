// The five views as the batch front end exports them: PNG pictures drawn by the same view code
// on an offscreen surface that is the window's picture, pixel for pixel: the 413 × 397 image
// inside the control's frame.
#pragma once

#include <string>

// Saves "解析モデル.png", "δ図.png", "Ｍ図.png", "Ｑ図.png" and "Ｎ図.png" into directory.
// Throws RunError naming the file when one cannot be saved. Works without a display.
void SaveViewImages(const std::string& directory);
