#include "ui/draw_force_tabs.h"

#include <algorithm>
#include <array>
#include <string>

#include "analysis/analysis_store.h"
#include "basics/int16_math.h"
#include "basics/number_text.h"
#include "drawing/drawing_lists.h"
#include "ui/view_targets.h"

namespace {

struct ForceDiagramView {
  const DrawingList& offsetLines;  // record i belongs to member i
  SurfaceColour fill;
  const char* heading;
  double (*shownValue)();
};

// A stored point in the device's twips mapping, where y grows upward from the top edge:
// (X, -(H - Y)), H read afresh for every vertex.
DevicePoint DeviceVertex(int16_t x, int16_t y) {
  const float height = ViewSurface().Height();
  return DevicePoint{x, static_cast<int32_t>(RoundHalfEven(-(height - static_cast<float>(y))))};
}

void DrawForceDiagramTab(const ForceDiagramView& view) {
  DrawingSurface& surface = ViewSurface();
  ClearToTwips(surface);
  // The offset lines are only meaningful beside the members they were built from.
  const size_t count = std::min(view.offsetLines.InUse().size(), MemberLines.InUse().size());
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = MemberLines.records[i];
    const LineSegment& offset = view.offsetLines.records[i];
    surface.FillQuadrilateral({DeviceVertex(member.X1, member.Y1),
                               DeviceVertex(offset.X1, offset.Y1),
                               DeviceVertex(offset.X2, offset.Y2),
                               DeviceVertex(member.X2, member.Y2)},
                              view.fill);
  }
  surface.SetPenWidth(1);
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = MemberLines.records[i];
    const LineSegment& offset = view.offsetLines.records[i];
    DrawStoredLine(offset, kBlack);
    DrawStoredLine(LineSegment{member.X1, member.Y1, offset.X1, offset.Y1}, kBlack);
    DrawStoredLine(LineSegment{member.X2, member.Y2, offset.X2, offset.Y2}, kBlack);
  }
  DrawMemberLines(2);
  SetViewLabelText(std::string(view.heading) + "\r     " + FormatFixed5(view.shownValue()));
}

// The moment is kept in t·cm and shown in t·m.
double MomentInTonneMetres() { return analysisStore.maxMoment / 100; }
double ShearForce() { return analysisStore.maxShearForce; }
double AxialForce() { return analysisStore.maxAxialForce; }

}  // namespace

void DrawMomentTab() {
  DrawForceDiagramTab({BendingMomentLines, kBlue, "Ｍ最大値 [t･m]",
                       MomentInTonneMetres});
}

void DrawShearTab() {
  DrawForceDiagramTab({ShearForceLines, kRed, "Ｑ最大値 [t]", ShearForce});
}

void DrawAxialTab() {
  DrawForceDiagramTab({AxialForceLines, kGreen, "Ｎ最大値 [t]", AxialForce});
}
