#include "views/draw_force_tabs.h"

#include <algorithm>
#include <array>
#include <string>

#include "arithmetic/int16_math.h"
#include "text/number_text.h"
#include "views/stored_lines.h"

namespace {

struct ForceDiagramView {
  DrawingList DrawingGeometry::*offsetLines;  // record i belongs to member i
  SurfaceColour fill;
  const char* heading;
  MaximumPlace ResultMaxima::*maximum;
  double shownPerStored;  // the moment is kept in t·cm and shown in t·m
};

const ForceDiagramView kMoment{&DrawingGeometry::bendingMomentLines, kBlue, "Ｍ最大値 [t･m]",
                               &ResultMaxima::moment, 100};
const ForceDiagramView kShear{&DrawingGeometry::shearForceLines, kRed, "Ｑ最大値 [t]",
                              &ResultMaxima::shear, 1};
const ForceDiagramView kAxial{&DrawingGeometry::axialForceLines, kGreen, "Ｎ最大値 [t]",
                              &ResultMaxima::axial, 1};

// A stored point in the device's twips mapping, where y grows upward from the top edge:
// (X, -(H - Y)), H read afresh for every vertex.
DevicePoint DeviceVertex(const DrawingSurface& surface, int16_t x, int16_t y) {
  const float height = surface.Height();
  return DevicePoint{x, static_cast<int32_t>(RoundHalfEven(-(height - static_cast<float>(y))))};
}

void DrawForceDiagramTab(const ForceDiagramView& view, DrawingSurface& surface,
                         const DrawingGeometry& geometry) {
  ClearToTwips(surface);
  const DrawingList& offsetLines = geometry.*view.offsetLines;
  const DrawingList& memberLines = geometry.memberLines;
  // The offset lines are only meaningful beside the members they were built from.
  const size_t count = std::min(offsetLines.InUse().size(), memberLines.InUse().size());
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = memberLines.records[i];
    const LineSegment& offset = offsetLines.records[i];
    surface.FillQuadrilateral({DeviceVertex(surface, member.X1, member.Y1),
                               DeviceVertex(surface, offset.X1, offset.Y1),
                               DeviceVertex(surface, offset.X2, offset.Y2),
                               DeviceVertex(surface, member.X2, member.Y2)},
                              view.fill);
  }
  surface.SetPenWidth(1);
  for (size_t i = 0; i < count; ++i) {
    const LineSegment& member = memberLines.records[i];
    const LineSegment& offset = offsetLines.records[i];
    DrawStoredLine(surface, offset, kBlack);
    DrawStoredLine(surface, LineSegment{member.X1, member.Y1, offset.X1, offset.Y1}, kBlack);
    DrawStoredLine(surface, LineSegment{member.X2, member.Y2, offset.X2, offset.Y2}, kBlack);
  }
  DrawMemberLines(surface, geometry, 2);
}

std::string ForceDiagramLabel(const ForceDiagramView& view, const ResultMaxima& maxima) {
  const double shown = (maxima.*view.maximum).value / view.shownPerStored;
  return std::string(view.heading) + "\r     " + FormatFixed5(shown);
}

}  // namespace

void DrawMomentTab(DrawingSurface& surface, const ViewData& data) {
  DrawForceDiagramTab(kMoment, surface, data.geometry);
}

void DrawShearTab(DrawingSurface& surface, const ViewData& data) {
  DrawForceDiagramTab(kShear, surface, data.geometry);
}

void DrawAxialTab(DrawingSurface& surface, const ViewData& data) {
  DrawForceDiagramTab(kAxial, surface, data.geometry);
}

std::string MomentTabLabel(const ViewData& data) { return ForceDiagramLabel(kMoment, data.maxima); }
std::string ShearTabLabel(const ViewData& data) { return ForceDiagramLabel(kShear, data.maxima); }
std::string AxialTabLabel(const ViewData& data) { return ForceDiagramLabel(kAxial, data.maxima); }
