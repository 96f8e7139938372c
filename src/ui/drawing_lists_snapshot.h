// A copy of the six drawing lists and the model extents, so the window can put back the
// geometry of the model on show when the geometry of a newly chosen model cannot be built.
#pragma once

#include <array>
#include <vector>

#include "drawing/drawing_lists.h"

struct DrawingListsSnapshot {
  static DrawingListsSnapshot Take();
  void Restore() const;

  // In the order of AllDrawingLists.
  std::array<std::vector<LineSegment>, 6> records;
  std::array<int16_t, 6> counts{};
  float modelWidth = 0.0f, modelHeight = 0.0f;
};

// Empties the four lists of the analysis results; the member lines and load symbols stay.
void ClearResultLists();
