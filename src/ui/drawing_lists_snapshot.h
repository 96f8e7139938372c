// A copy of the six drawing lists and the model extents, so the window can put back the
// geometry of the model on show when the geometry of a newly chosen model cannot be built.
#pragma once

#include <vector>

#include "drawing/drawing_lists.h"

struct DrawingListsSnapshot {
  static DrawingListsSnapshot Take();
  void Restore() const;

  std::vector<LineSegment> memberLines, loadSymbols, deflectedShapeLines, bendingMomentLines,
      shearForceLines, axialForceLines;
  int16_t memberLineCount = 0, loadSymbolCount = 0, deflectedShapeLineCount = 0,
          bendingMomentLineCount = 0, shearForceLineCount = 0, axialForceLineCount = 0;
  float modelWidth = 0.0f, modelHeight = 0.0f;
};

// Empties the four lists of the analysis results; the member lines and load symbols stay.
void ClearResultLists();
