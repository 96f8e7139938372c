// The drawing geometry the views draw: six lists of line records in twips (y upward from the
// bottom of the drawing area), each with a count of records in use, and the model extents.
// Filled by the builders of this folder; the views only read them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct LineSegment {
  int16_t X1 = 0;
  int16_t Y1 = 0;
  int16_t X2 = 0;
  int16_t Y2 = 0;
  bool operator==(const LineSegment&) const = default;
};

// How many records a list can hold in use, the one place the count's type is named. Every model
// the reader accepts fits: the deflected shape takes ten records for each of at most 32767
// members, the load symbols three for each of at most three components of 32767 loads.
using DrawingListCount = int32_t;

// One list: its records and the count of those in use. It may hold more records than its
// count; readers look only below the count.
struct DrawingList {
  std::vector<LineSegment> records{LineSegment{}};
  DrawingListCount count = 0;

  // Back to one record of zeros and a count of 0, as after a model load.
  void Reset();
  // count = newCount, and the list holds at least that many records. A count beyond the count
  // type gets a RunError naming the view instead of a wrapped count.
  void SetCount(long newCount, std::string_view viewName);
  // Writes the record at index count and increments count.
  void Append(const LineSegment& record, std::string_view viewName);
  // The records in use.
  std::span<const LineSegment> InUse() const;
};

extern DrawingList MemberLines;
extern DrawingList LoadSymbols;
extern DrawingList DeflectedShapeLines;
extern DrawingList BendingMomentLines;
extern DrawingList ShearForceLines;
extern DrawingList AxialForceLines;

extern float ModelWidth;   // cm
extern float ModelHeight;  // cm

// The six lists in the order above, each with its name, for the code that treats them all alike
// (the reset after a model load, the geometry file, the window's copy of the geometry).
struct NamedDrawingList {
  const char* name;
  DrawingList* list;
};

extern const std::array<NamedDrawingList, 6> AllDrawingLists;

// Empties the four lists of the analysis results; the member lines and load symbols stay.
void ClearResultLists();

// The six lists and the model extents as one value: the window keeps a copy of the model on
// show and puts it back when the geometry of a newly chosen model cannot be built.
struct DrawingGeometry {
  std::array<DrawingList, 6> lists;  // in the order of AllDrawingLists
  float modelWidth = 0.0f;
  float modelHeight = 0.0f;

  static DrawingGeometry Current();
  void Restore() const;
};
