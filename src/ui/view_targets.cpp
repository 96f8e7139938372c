#include "ui/view_targets.h"

#include <stdexcept>

namespace {

DrawingSurface* currentSurface = nullptr;
LabelTarget* currentLabel = nullptr;

}  // namespace

void SetViewTargets(DrawingSurface* surface, LabelTarget* label) {
  currentSurface = surface;
  currentLabel = label;
}

DrawingSurface& ViewSurface() {
  if (currentSurface == nullptr) throw std::logic_error("no drawing surface for the views");
  return *currentSurface;
}

void SetViewLabelText(const std::string& text) {
  if (currentLabel == nullptr) throw std::logic_error("no label for the views");
  currentLabel->SetLabelText(text);
}

ScopedViewTargets::ScopedViewTargets(DrawingSurface& surface, LabelTarget& label)
    : previousSurface_(currentSurface), previousLabel_(currentLabel) {
  SetViewTargets(&surface, &label);
}

ScopedViewTargets::~ScopedViewTargets() { SetViewTargets(previousSurface_, previousLabel_); }

void DrawStoredLine(const LineSegment& line, SurfaceColour colour) {
  DrawingSurface& surface = ViewSurface();
  const float height = surface.Height();
  surface.Line(line.X1, height - static_cast<float>(line.Y1), line.X2,
               height - static_cast<float>(line.Y2), colour);
}

void DrawStoredLines(const DrawingList& list, SurfaceColour colour) {
  for (const LineSegment& line : list.InUse()) DrawStoredLine(line, colour);
}

void DrawMemberLines(int penWidth) {
  DrawingSurface& surface = ViewSurface();
  surface.SetPenWidth(penWidth);
  DrawStoredLines(MemberLines, kBlack);
  surface.SetPenWidth(1);
}
