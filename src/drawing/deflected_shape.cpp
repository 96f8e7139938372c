// The deflected shape: each member's displaced position, magnified so that the largest nodal
// translation is drawn at 10 % of the limiting extent. A member with bending stiffness is drawn
// as its cubic deflection curve in ten pieces, a member whose section has inertia 0 as a chord.
// A released end takes the rotation of the member's own end, not the node's. A member with loads
// along it is drawn as its exact elastic curve, the ends' displacements with
// the member's own deformation under its loads, in as many pieces as keep it within a pixel.
#include <utility>
#include <vector>

#include "analysis/loaded_members.h"
#include "arithmetic/checked_math.h"
#include "curve_refinement.h"
#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "drawing_fault.h"
#include "member_direction.h"

namespace {

constexpr const char* kViewName = "δ図";
constexpr int kCurvePieces = 10;

// End displacements in the member's axes: u along it, w across it (positive to the left of the
// direction of travel), in cm, and the rotation in rad.
struct LocalEnd {
  double u = 0.0;
  double w = 0.0;
  double theta = 0.0;
};

LocalEnd LocalEndOf(const std::vector<double>& displacements, const MemberDirection& direction,
                    int16_t nodeIndex) {
  const size_t dof = 3 * static_cast<size_t>(nodeIndex);
  const double globalU = displacements[dof];
  const double globalV = displacements[dof + 1];
  return {direction.cosTheta * globalU + direction.sinTheta * globalV,
          -direction.sinTheta * globalU + direction.cosTheta * globalV, displacements[dof + 2]};
}

// Kd times an end's global translation, rebuilt from its local components, in twips.
using Offset = DrawingOffset;

Offset EndOffset(const MemberDirection& direction, const LocalEnd& end, double scale) {
  return {scale * (direction.cosTheta * end.u - direction.sinTheta * end.w),
          scale * (direction.sinTheta * end.u + direction.cosTheta * end.w)};
}

LineSegment Piece(const LineSegment& line, Offset from, Offset to) {
  return {ShiftCoordinate(line.X1, from.dx), ShiftCoordinate(line.Y1, from.dy),
          ShiftCoordinate(line.X1, to.dx), ShiftCoordinate(line.Y1, to.dy)};
}

// Ten pieces of w(ξ) = w1 + θ1 ξ + a2 ξ² + a3 ξ³, the cubic that matches the end deflections
// and slopes, measured from the first node's drawing point; the axial displacement varies
// linearly along the member.
void AppendCurve(DrawingList& shape, const LineSegment& line, const MemberDirection& direction,
                 const LocalEnd& end1, const LocalEnd& end2, float drawScale, double scale) {
  const double length = direction.length;
  double a2 = 0.0, a3 = 0.0;
  if (length != 0.0) {
    a2 = (3.0 * (end2.w - end1.w) - 2.0 * length * end1.theta - length * end2.theta) /
         (length * length);
    a3 = (2.0 * (end1.w - end2.w) + length * end1.theta + length * end2.theta) /
         ((length * length) * length);
  }
  Offset previous = EndOffset(direction, end1, scale);
  for (int k = 1; k <= kCurvePieces; ++k) {
    const double xi = k * length / kCurvePieces;
    const double u = end1.u + (end2.u - end1.u) * k / kCurvePieces;
    const double w = end1.w + end1.theta * xi + a2 * (xi * xi) + a3 * ((xi * xi) * xi);
    const double along = xi * static_cast<double>(drawScale) + u * scale;
    const Offset next{direction.cosTheta * along - direction.sinTheta * w * scale,
                      direction.sinTheta * along + direction.cosTheta * w * scale};
    shape.Append(Piece(line, previous, next), kViewName);
    previous = next;
  }
}

// The elastic curve of a member with loads along it, from the first node's drawing point: u and
// v of the axis at each station in member axes, magnified by `scale`, the station itself drawn
// at DrawScale along the member.
void AppendLoadedCurve(DrawingList& shape, const LineSegment& line,
                       const MemberDirection& direction, const LoadedMember& member,
                       float drawScale, double scale) {
  const auto offsetAt = [&](MemberStation station) {
    const AlongMemberValues values = ValuesAt(member, station);
    const double along =
        station.x * static_cast<double>(drawScale) + values.axialDisplacement * scale;
    const double across = values.transverseDisplacement * scale;
    return Offset{direction.cosTheta * along - direction.sinTheta * across,
                  direction.sinTheta * along + direction.cosTheta * across};
  };
  const std::vector<MemberStation> stations = CurveStations(member.beam, member.loads, false);
  const std::vector<CurveSample> samples = SampleCurve(offsetAt, stations);
  for (size_t k = 1; k < samples.size(); ++k) {
    shape.Append(Piece(line, samples[k - 1].offset, samples[k].offset), kViewName);
  }
}

}  // namespace

void BuildDeflectedShape(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                         DrawingGeometry& geometry) {
  const float drawScale = fit.DrawScale;
  // Nothing moved: scale by 1 so that nothing divides by zero; the result's maximum stays 0,
  // which is what the tab shows.
  const double largest = result.maxima.displacement.value;
  const double maximum = largest == 0.0 ? 1.0 : largest;
  DrawingList& shape = geometry.deflectedShapeLines;
  shape.count = 0;

  int32_t position = -1;
  try {
    // Twips per cm of displacement: the largest translation is drawn at 10 % of the extent.
    const double scale = CheckedDiv(fit.LimitingExtent * 0.1, maximum);
    const MemberLoading loading = LoadAlongMembers(model);
    for (position = 0; position < model.memberCount; ++position) {
      const size_t j = static_cast<size_t>(position);
      const MemberRecord& member = model.members[j];
      const LineSegment& line = geometry.memberLines.records[j];
      const MemberDirection direction = MemberDirectionOf(model, member);
      if (j < loading.loads.size() && !loading.loads[j].empty()) {
        const LoadedMember loaded =
            LoadedMemberOf(model, j, loading, result.displacements, result.endForces);
        AppendLoadedCurve(shape, line, direction, loaded, drawScale, scale);
        continue;
      }
      LocalEnd end1 = LocalEndOf(result.displacements, direction, member.node1Index);
      LocalEnd end2 = LocalEndOf(result.displacements, direction, member.node2Index);
      const MemberReleases releases = ReleasesAt(loading.releases, j);
      if (releases[0] || releases[1]) {
        // A released end turns on its own: the curve kinks at the hinge.
        const MemberEndVector ends =
            MemberEndDisplacements(model, j, loading, result.displacements);
        end1.theta = ends[2];
        end2.theta = ends[5];
      }
      const SectionRecord& section = model.sections[static_cast<size_t>(member.sectionIndex)];
      if (section.inertia == 0.0f) {
        // No bending stiffness: a straight chord between the displaced ends.
        const Offset start = EndOffset(direction, end1, scale);
        const Offset end = EndOffset(direction, end2, scale);
        shape.Append(
            {ShiftCoordinate(line.X1, start.dx), ShiftCoordinate(line.Y1, start.dy),
             ShiftCoordinate(line.X2, end.dx), ShiftCoordinate(line.Y2, end.dy)},
            kViewName);
      } else {
        AppendCurve(shape, line, direction, end1, end2, drawScale, scale);
      }
    }
  } catch (const ArithmeticFault& fault) {
    throw DrawingFaultError(model, kViewName, fault.kind, position);
  }
}
