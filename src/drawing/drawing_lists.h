// The drawing geometry the views draw: six lists of line records in twips (y upward from the
// bottom of the drawing area), each with a 16-bit count of records in use, and the model
// extents. Filled by the builders of this folder; the views only read them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct LineSegment {
  int16_t X1 = 0;
  int16_t Y1 = 0;
  int16_t X2 = 0;
  int16_t Y2 = 0;
};

// A list may hold more records than its count; readers look only below the count.
extern std::vector<LineSegment> MemberLines;
extern int16_t MemberLineCount;
extern std::vector<LineSegment> LoadSymbols;
extern int16_t LoadSymbolCount;
extern std::vector<LineSegment> DeflectedShapeLines;
extern int16_t DeflectedShapeLineCount;
extern std::vector<LineSegment> BendingMomentLines;
extern int16_t BendingMomentLineCount;
extern std::vector<LineSegment> ShearForceLines;
extern int16_t ShearForceLineCount;
extern std::vector<LineSegment> AxialForceLines;
extern int16_t AxialForceLineCount;

extern float ModelWidth;   // cm
extern float ModelHeight;  // cm

// The six lists in the order above, each with its name, for the code that treats them all alike
// (the reset after a model load, the geometry file, the window's copy of the geometry).
struct NamedDrawingList {
  const char* name;
  std::vector<LineSegment>* records;
  int16_t* count;
};

extern const std::array<NamedDrawingList, 6> AllDrawingLists;
