// The drawing geometry the views draw: six lists of line records in twips (y upward from the
// bottom of the drawing area), each with a count of records in use, three more for the members
// with loads along them, one for the hinges, springs and settlements, and the model extents, as
// one value. Built by the builders of this
// folder; the views only read it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
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
// members, the load symbols three for each of at most three components of 32767 loads; a list
// that would grow beyond it is refused with a RunError naming its view.
using DrawingListCount = int32_t;

// One list: its records and the count of those in use. It may hold more records than its
// count; readers look only below the count.
struct DrawingList {
  std::vector<LineSegment> records{LineSegment{}};
  DrawingListCount count = 0;

  // count = newCount, and the list holds at least that many records. A count beyond the count
  // type gets a RunError naming the view instead of a wrapped count.
  void SetCount(long newCount, std::string_view viewName);
  // Writes the record at index count and increments count.
  void Append(const LineSegment& record, std::string_view viewName);
  // The records in use.
  std::span<const LineSegment> InUse() const;
};

// A value printed beside a point of a picture in the detailed view: the text, the drawing point
// (y upward from the bottom, as the records) and the side of the point the text lies on, each of
// sideX and sideY -1, 0 (centred on the point) or 1 (y: above).
struct ValueMark {
  int16_t X = 0;
  int16_t Y = 0;
  int8_t sideX = 1;
  int8_t sideY = 1;
  std::string text;
  bool operator==(const ValueMark&) const = default;
};

// Twips between a value mark's point and the near edge of its text, and from one line of a block
// of values to the next (the window font's line is 195 twips).
inline constexpr float kValueTextGap = 45.0f;
inline constexpr float kValueLineHeight = 210.0f;

// What only the detailed view draws (DrawingOptions::detailed); all empty otherwise. The support
// symbols are drawn in black on every tab; the reaction arrows and moments (three records each, as
// a nodal load force's and a load moment's) and the settlements' values on the model tab; a
// moment's first record holds its centre and its signed radius twice (positive: counter-clockwise
// on the screen); values[tab] are the texts of
// the tab in TabViews order: 0 the reactions and settlements, 1 the largest displacement, 2..4
// the moment, shear and axial force at the member ends and at the extremes along loaded members.
struct DetailedMarks {
  DrawingList supportSymbols;
  DrawingList reactionArrows;
  DrawingList reactionMoments;
  std::array<std::vector<ValueMark>, 5> values;
};

// The geometry of one model, and of its analysis when there is one, fitted to one picture size.
// A model without a result has its member lines and load symbols; the result lists are empty.
struct DrawingGeometry {
  DrawingList memberLines;          // one per member, from node 1 to node 2
  DrawingList loadSymbols;          // three per nodal load component, then the member loads'
  DrawingList jointSymbols;         // hinges, springs, settlements; empty without them
  DrawingList deflectedShapeLines;  // the magnified deflected shape
  DrawingList bendingMomentLines;   // one offset line per member
  DrawingList shearForceLines;
  DrawingList axialForceLines;
  // The curves of the members with loads along them (member_curves.h); empty without such loads.
  DrawingList bendingMomentCurves;
  DrawingList shearForceCurves;
  DrawingList axialForceCurves;
  float modelWidth = 0.0f;   // cm
  float modelHeight = 0.0f;  // cm
  DetailedMarks details;     // empty unless built with DrawingOptions::detailed
};

// The lists in the order above, each with the name the geometry file gives it. A list that only
// loads along members, hinges, springs, settlements or the detailed view fill is written only
// when it holds records.
struct NamedDrawingList {
  const char* name;
  const DrawingList* list;
  bool writtenWhenEmpty = true;
};
std::array<NamedDrawingList, 13> NamedDrawingLists(const DrawingGeometry& geometry);
