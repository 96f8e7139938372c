#include "views/draw_force_tabs.h"

#include <algorithm>
#include <array>
#include <string>

#include "analysis/analysis_store.h"
#include "basics/int16_math.h"
#include "basics/number_text.h"
#include "drawing/drawing_lists.h"
#include "views/stored_lines.h"

namespace {

struct ForceDiagramView {
  const DrawingList& offsetLines;  // record i belongs to member i
  SurfaceColour fill;
  const char* heading;
  double (*shownValue)();
};

// A stored point in the device's twips mapping, where y grows upward from the top edge:
// (X, -(H - Y)), H read afresh for every vertex.
DevicePoint DeviceVertex(const DrawingSurface& surface, int16_t x, int16_t y) {
  const float height = surface.Height();
  return DevicePoint{x, static_cast<int32_t>(RoundHalfEven(-(height - static_cast<float>(y))))};
}

void DrawForceDiagramTab(const ForceDiagramView& view, DrawingSurface& surface,
                         LabelTarget& label) {
  ClearToTwips(surface);
  // The offset lines are only meaningful beside the members they were built from.
  const size_t count = std::min(view.offsetLines.InUse().size(), MemberLines.InUse().size());
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = MemberLines.records[i];
    const LineSegment& offset = view.offsetLines.records[i];
    surface.FillQuadrilateral({DeviceVertex(surface, member.X1, member.Y1),
                               DeviceVertex(surface, offset.X1, offset.Y1),
                               DeviceVertex(surface, offset.X2, offset.Y2),
                               DeviceVertex(surface, member.X2, member.Y2)},
                              view.fill);
  }
  surface.SetPenWidth(1);
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = MemberLines.records[i];
    const LineSegment& offset = view.offsetLines.records[i];
    DrawStoredLine(surface, offset, kBlack);
    DrawStoredLine(surface, LineSegment{member.X1, member.Y1, offset.X1, offset.Y1}, kBlack);
    DrawStoredLine(surface, LineSegment{member.X2, member.Y2, offset.X2, offset.Y2}, kBlack);
  }
  DrawMemberLines(surface, 2);
  label.SetLabelText(std::string(view.heading) + "\r     " + FormatFixed5(view.shownValue()));
}

// The moment is kept in t·cm and shown in t·m.
double MomentInTonneMetres() { return analysisStore.maxMoment / 100; }
double ShearForce() { return analysisStore.maxShearForce; }
double AxialForce() { return analysisStore.maxAxialForce; }

}  // namespace

void DrawMomentTab(DrawingSurface& surface, LabelTarget& label) {
  DrawForceDiagramTab({BendingMomentLines, kBlue, "Ｍ最大値 [t･m]", MomentInTonneMetres}, surface,
                      label);
}

void DrawShearTab(DrawingSurface& surface, LabelTarget& label) {
  DrawForceDiagramTab({ShearForceLines, kRed, "Ｑ最大値 [t]", ShearForce}, surface, label);
}

void DrawAxialTab(DrawingSurface& surface, LabelTarget& label) {
  DrawForceDiagramTab({AxialForceLines, kGreen, "Ｎ最大値 [t]", AxialForce}, surface, label);
}
