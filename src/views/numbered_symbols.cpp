#include "views/numbered_symbols.h"

#include <cstdlib>
#include <string>

#include "arithmetic/int16_math.h"
#include "text/number_text.h"
#include "views/stored_lines.h"

namespace {

// The moment arc runs 270° from the arrowhead side; the angles are the program's own rounded
// constants, not 3π/2 and π.
constexpr double kPositiveMomentStart = 0.0;
constexpr double kPositiveMomentEnd = 4.71;
constexpr double kNegativeMomentStart = 4.71;
constexpr double kNegativeMomentEnd = 3.14;

}  // namespace

void PrintSymbolNumber(DrawingSurface& surface, int number, const LineSegment& first,
                       bool isMoment) {
  const std::string digits = FormatInteger(number);
  const double textWidth = surface.TextWidth(digits);
  const double textHeight = RoundToInt16(surface.TextHeight(digits));
  const double height = surface.Height();
  double x;
  double y;
  if (isMoment) {
    x = first.X1 - textWidth / 2;
    y = height - first.Y1 - textHeight / 2;
  } else {
    x = (first.X1 + first.X2) / 2.0 - textWidth / 2;
    y = height - (first.Y1 + first.Y2) / 2.0 - textHeight / 2;
  }
  surface.SetCurrentPosition(static_cast<float>(x), static_cast<float>(y));
  surface.PrintInteger(number);
}

void DrawMomentArc(DrawingSurface& surface, const LineSegment& first, bool positive,
                   SurfaceColour colour) {
  const float height = surface.Height();
  surface.Arc(first.X1, height - static_cast<float>(first.Y1),
              static_cast<float>(std::abs(first.X2)), colour,
              positive ? kPositiveMomentStart : kNegativeMomentStart,
              positive ? kPositiveMomentEnd : kNegativeMomentEnd);
}

void DrawThreeRecordSymbol(DrawingSurface& surface, std::span<const LineSegment, 3> records,
                           bool isMoment, bool positive, SurfaceColour colour) {
  if (isMoment) {
    DrawMomentArc(surface, records[0], positive, colour);
  } else {
    DrawStoredLine(surface, records[0], colour);
  }
  DrawStoredLine(surface, records[1], colour);
  DrawStoredLine(surface, records[2], colour);
}
