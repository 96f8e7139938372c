#include "views/draw_force_tabs.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "arithmetic/int16_math.h"
#include "drawing/member_curves.h"
#include "text/number_text.h"
#include "views/draw_details.h"
#include "views/stored_lines.h"

namespace {

struct ForceDiagramView {
  DrawingList DrawingGeometry::*offsetLines;  // record i belongs to member i
  DrawingList DrawingGeometry::*curves;       // drawn in place of the records of their members
  SurfaceColour fill;
  const char* heading;
  MaximumPlace ResultMaxima::*maximum;
  double shownPerStored;  // the moment is kept in t·cm and shown in t·m
};

const ForceDiagramView kMoment{&DrawingGeometry::bendingMomentLines,
                               &DrawingGeometry::bendingMomentCurves, kBlue, "Ｍ最大値 [t･m]",
                               &ResultMaxima::moment, 100};
const ForceDiagramView kShear{&DrawingGeometry::shearForceLines,
                              &DrawingGeometry::shearForceCurves, kRed, "Ｑ最大値 [t]",
                              &ResultMaxima::shear, 1};
const ForceDiagramView kAxial{&DrawingGeometry::axialForceLines,
                              &DrawingGeometry::axialForceCurves, kGreen, "Ｎ最大値 [t]",
                              &ResultMaxima::axial, 1};

// A stored point in the device's twips mapping, where y grows upward from the top edge:
// (X, -(H - Y)), H read afresh for every vertex.
DevicePoint DeviceVertex(const DrawingSurface& surface, int16_t x, int16_t y) {
  const float height = surface.Height();
  return DevicePoint{x, static_cast<int32_t>(RoundHalfEven(-(height - static_cast<float>(y))))};
}

// The curves of each of the first `count` members, in member order; empty for a member drawn by
// its offset line. Curves out of member order are not drawn.
std::vector<std::span<const MemberCurve>> CurvesByMember(std::span<const MemberCurve> curves,
                                                         size_t count) {
  std::vector<std::span<const MemberCurve>> byMember(curves.empty() ? 0 : count);
  size_t next = 0;
  for (size_t i = 0; i < byMember.size(); ++i) {
    while (next < curves.size() && curves[next].memberPosition < static_cast<int32_t>(i)) ++next;
    size_t end = next;
    while (end < curves.size() && curves[end].memberPosition == static_cast<int32_t>(i)) ++end;
    byMember[i] = curves.subspan(next, end - next);
    next = end;
  }
  return byMember;
}

// One filled piece between consecutive points of a curve: the member line from base to base,
// the diagram from curve point to curve point.
void FillCurve(DrawingSurface& surface, const MemberCurve& curve, SurfaceColour fill) {
  for (size_t k = 1; k < curve.points.size(); ++k) {
    const LineSegment& a = curve.points[k - 1];
    const LineSegment& b = curve.points[k];
    surface.FillQuadrilateral(
        {DeviceVertex(surface, a.X1, a.Y1), DeviceVertex(surface, a.X2, a.Y2),
         DeviceVertex(surface, b.X2, b.Y2), DeviceVertex(surface, b.X1, b.Y1)},
        fill);
  }
}

// Each filled piece has its black outline, so the lines between pieces inside the diagram are
// painted over in the fill colour; the true outline is drawn after them.
void HideInnerEdges(DrawingSurface& surface, const MemberCurve& curve, SurfaceColour fill) {
  for (size_t k = 1; k + 1 < curve.points.size(); ++k) {
    const LineSegment& p = curve.points[k];
    if (p.X1 != p.X2 || p.Y1 != p.Y2) DrawStoredLine(surface, p, fill);
  }
}

// The diagram's outline along the curve, then its closing lines at the two ends.
void OutlineCurve(DrawingSurface& surface, const MemberCurve& curve) {
  if (curve.points.empty()) return;
  for (size_t k = 1; k < curve.points.size(); ++k) {
    const LineSegment& a = curve.points[k - 1];
    const LineSegment& b = curve.points[k];
    DrawStoredLine(surface, LineSegment{a.X2, a.Y2, b.X2, b.Y2}, kBlack);
  }
  DrawStoredLine(surface, curve.points.front(), kBlack);
  DrawStoredLine(surface, curve.points.back(), kBlack);
}

void DrawForceDiagramTab(const ForceDiagramView& view, DrawingSurface& surface,
                         const DrawingGeometry& geometry) {
  ClearToTwips(surface);
  const DrawingList& offsetLines = geometry.*view.offsetLines;
  const DrawingList& memberLines = geometry.memberLines;
  // The offset lines are only meaningful beside the members they were built from.
  const size_t count = std::min(offsetLines.InUse().size(), memberLines.InUse().size());
  const std::vector<MemberCurve> curves = MemberCurvesOf(geometry.*view.curves);
  const std::vector<std::span<const MemberCurve>> curvesOf = CurvesByMember(curves, count);
  const auto curved = [&](size_t i) { return i < curvesOf.size() && !curvesOf[i].empty(); };
  for (size_t i = 0; i < count; ++i) {
    if (curved(i)) {
      for (const MemberCurve& curve : curvesOf[i]) FillCurve(surface, curve, view.fill);
      continue;
    }
    const LineSegment& member = memberLines.records[i];
    const LineSegment& offset = offsetLines.records[i];
    surface.FillQuadrilateral({DeviceVertex(surface, member.X1, member.Y1),
                               DeviceVertex(surface, offset.X1, offset.Y1),
                               DeviceVertex(surface, offset.X2, offset.Y2),
                               DeviceVertex(surface, member.X2, member.Y2)},
                              view.fill);
  }
  surface.SetPenWidth(1);
  for (const std::span<const MemberCurve>& ofMember : curvesOf) {
    for (const MemberCurve& curve : ofMember) HideInnerEdges(surface, curve, view.fill);
  }
  for (size_t i = 0; i < count; ++i) {
    if (curved(i)) {
      for (const MemberCurve& curve : curvesOf[i]) OutlineCurve(surface, curve);
      continue;
    }
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
  DrawDetails(surface, data, 2);
}

void DrawShearTab(DrawingSurface& surface, const ViewData& data) {
  DrawForceDiagramTab(kShear, surface, data.geometry);
  DrawDetails(surface, data, 3);
}

void DrawAxialTab(DrawingSurface& surface, const ViewData& data) {
  DrawForceDiagramTab(kAxial, surface, data.geometry);
  DrawDetails(surface, data, 4);
}

std::string MomentTabLabel(const ViewData& data) { return ForceDiagramLabel(kMoment, data.maxima); }
std::string ShearTabLabel(const ViewData& data) { return ForceDiagramLabel(kShear, data.maxima); }
std::string AxialTabLabel(const ViewData& data) { return ForceDiagramLabel(kAxial, data.maxima); }
