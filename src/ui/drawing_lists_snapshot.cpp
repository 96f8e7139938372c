#include "ui/drawing_lists_snapshot.h"

#include <cstddef>

DrawingListsSnapshot DrawingListsSnapshot::Take() {
  DrawingListsSnapshot snapshot;
  for (size_t i = 0; i < AllDrawingLists.size(); ++i) {
    snapshot.records[i] = *AllDrawingLists[i].records;
    snapshot.counts[i] = *AllDrawingLists[i].count;
  }
  snapshot.modelWidth = ModelWidth;
  snapshot.modelHeight = ModelHeight;
  return snapshot;
}

void DrawingListsSnapshot::Restore() const {
  for (size_t i = 0; i < AllDrawingLists.size(); ++i) {
    *AllDrawingLists[i].records = records[i];
    *AllDrawingLists[i].count = counts[i];
  }
  ModelWidth = modelWidth;
  ModelHeight = modelHeight;
}

void ClearResultLists() {
  DeflectedShapeLineCount = 0;
  BendingMomentLineCount = 0;
  ShearForceLineCount = 0;
  AxialForceLineCount = 0;
}
