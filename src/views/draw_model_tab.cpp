#include "views/draw_model_tab.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

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

struct LoadComponent {
  const char* listText;  // between the number and the magnitude
  const char* unit;
  bool isMoment;
};

constexpr LoadComponent kFx{". Fx = ", " [㎏]", false};
constexpr LoadComponent kFy{". Fy = ", " [㎏]", false};
constexpr LoadComponent kMoment{". M  = ", " [㎏･㎝]", true};

// Prints number k centred on the middle of the arrow shaft, or on the node for a moment, whose
// first record holds the arc's centre. The halvings are floating point, the sums integer.
void PrintLoadNumber(DrawingSurface& surface, int number, const LineSegment& first,
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

void DrawMomentArc(DrawingSurface& surface, const LineSegment& first, float moment) {
  const float height = surface.Height();
  const bool positive = moment > 0.0f;
  surface.Arc(first.X1, height - static_cast<float>(first.Y1),
              static_cast<float>(std::abs(first.X2)), kYellow,
              positive ? kPositiveMomentStart : kNegativeMomentStart,
              positive ? kPositiveMomentEnd : kNegativeMomentEnd);
}

// Calls visit(component, value, number) for every non-zero load component, Fx, Fy, M of each
// load in table order, numbered from 1 as the symbols and the list number them.
template <typename Visit>
void ForEachLoadComponent(const Model& model, Visit visit) {
  int number = 1;
  for (int32_t j = 0; j < model.loadCount; ++j) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(j)];
    for (const auto& [component, value] : {std::pair{&kFx, load.fx}, std::pair{&kFy, load.fy},
                                           std::pair{&kMoment, load.moment}}) {
      if (value != 0.0f) visit(*component, value, number++);
    }
  }
}

// Draws a load component's numbered symbol from the three records that the load symbol builder
// appended for it. A symbol whose records lie beyond the list's count is not drawn.
void DrawLoadComponent(DrawingSurface& surface, const DrawingList& symbols,
                       const LoadComponent& component, float value, int number) {
  const int first = 3 * (number - 1);
  if (first + 2 >= symbols.count) return;
  const LineSegment& firstRecord = symbols.records[static_cast<size_t>(first)];
  PrintLoadNumber(surface, number, firstRecord, component.isMoment);
  if (component.isMoment) {
    DrawMomentArc(surface, firstRecord, value);
  } else {
    DrawStoredLine(surface, firstRecord, kYellow);
  }
  DrawStoredLine(surface, symbols.records[static_cast<size_t>(first + 1)], kYellow);
  DrawStoredLine(surface, symbols.records[static_cast<size_t>(first + 2)], kYellow);
}

}  // namespace

void DrawModelTab(DrawingSurface& surface, const ViewData& data) {
  ClearToTwips(surface);
  DrawMemberLines(surface, data.geometry, 2);
  ForEachLoadComponent(data.model, [&](const LoadComponent& component, float value, int number) {
    DrawLoadComponent(surface, data.geometry.loadSymbols, component, value, number);
  });
}

std::string ModelTabLabel(const ViewData& data) {
  std::string listText = "節点荷重\r";
  ForEachLoadComponent(data.model, [&](const LoadComponent& component, float value, int number) {
    listText += "   " + FormatInteger(number) + component.listText +
                FormatSingle(std::fabs(value)) + component.unit + "\r";
  });
  return listText;
}
