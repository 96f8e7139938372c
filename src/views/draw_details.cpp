#include "views/draw_details.h"

#include <span>
#include <vector>

#include "views/numbered_symbols.h"
#include "views/stored_lines.h"

namespace {

struct TextBox {
  float left, top, right, bottom;
  bool Overlaps(const TextBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

// The box of a mark's text on the surface (y downward), on the mark's side of its point.
TextBox BoxOf(const DrawingSurface& surface, const ValueMark& mark) {
  const float width = surface.TextWidth(mark.text);
  const float height = surface.TextHeight(mark.text);
  const float x = mark.X;
  const float y = surface.Height() - static_cast<float>(mark.Y);
  float left = x - width / 2.0f;
  if (mark.sideX > 0) left = x + kValueTextGap;
  if (mark.sideX < 0) left = x - kValueTextGap - width;
  float top = y - height / 2.0f;
  if (mark.sideY > 0) top = y - kValueTextGap - height;
  if (mark.sideY < 0) top = y + kValueTextGap;
  return {left, top, left + width, top + height};
}

// The reactions, three records each: an arrow's shaft and two head strokes, or a moment's arc
// and the two strokes of its head.
void DrawReactions(DrawingSurface& surface, const DetailedMarks& details, SurfaceColour colour) {
  DrawStoredLines(surface, details.reactionArrows, colour);
  const std::span<const LineSegment> moments = details.reactionMoments.InUse();
  for (size_t k = 0; k + 2 < moments.size(); k += 3) {
    DrawThreeRecordSymbol(surface, moments.subspan(k).first<3>(), true, moments[k].X2 > 0,
                          colour);
  }
}

}  // namespace

void DrawDetails(DrawingSurface& surface, const ViewData& data, size_t tab) {
  if (!data.detailed) return;
  const DetailedMarks& details = data.geometry.details;
  surface.SetPenWidth(1);
  DrawStoredLines(surface, details.supportSymbols, kBlack);
  if (tab == 0) DrawReactions(surface, details, kBlue);
  if (tab >= details.values.size()) return;
  std::vector<TextBox> placed;
  for (const ValueMark& mark : details.values[tab]) {
    const TextBox box = BoxOf(surface, mark);
    if (box.left < 0.0f || box.top < 0.0f || box.right > surface.Width() ||
        box.bottom > surface.Height()) {
      continue;
    }
    bool free = true;
    for (const TextBox& other : placed) free = free && !box.Overlaps(other);
    if (!free) continue;
    placed.push_back(box);
    surface.SetCurrentPosition(box.left, box.top);
    surface.PrintText(mark.text, tab == 0 ? kBlue : kBlack);
  }
}
