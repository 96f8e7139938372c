#include "ui/drawing_lists_snapshot.h"

DrawingListsSnapshot DrawingListsSnapshot::Take() {
  return {MemberLines,         LoadSymbols,          DeflectedShapeLines,
          BendingMomentLines,  ShearForceLines,      AxialForceLines,
          MemberLineCount,     LoadSymbolCount,      DeflectedShapeLineCount,
          BendingMomentLineCount, ShearForceLineCount, AxialForceLineCount,
          ModelWidth,          ModelHeight};
}

void DrawingListsSnapshot::Restore() const {
  MemberLines = memberLines;
  LoadSymbols = loadSymbols;
  DeflectedShapeLines = deflectedShapeLines;
  BendingMomentLines = bendingMomentLines;
  ShearForceLines = shearForceLines;
  AxialForceLines = axialForceLines;
  MemberLineCount = memberLineCount;
  LoadSymbolCount = loadSymbolCount;
  DeflectedShapeLineCount = deflectedShapeLineCount;
  BendingMomentLineCount = bendingMomentLineCount;
  ShearForceLineCount = shearForceLineCount;
  AxialForceLineCount = axialForceLineCount;
  ModelWidth = modelWidth;
  ModelHeight = modelHeight;
}

void ClearResultLists() {
  DeflectedShapeLineCount = 0;
  BendingMomentLineCount = 0;
  ShearForceLineCount = 0;
  AxialForceLineCount = 0;
}
