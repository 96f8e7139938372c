// The outlines of the three force diagrams: for every member one record parallel to its member
// line, offset along the member's right-hand normal in proportion to the end forces as
// "work2.txt" holds them. A member with loads along it is drawn as its exact curve instead
// (member_curves.h), its record then joining the curve's two ends. One builder serves all three;
// the table below is all that differs.
#include <utility>
#include <vector>

#include "analysis/loaded_members.h"
#include "arithmetic/checked_math.h"
#include "curve_refinement.h"
#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "drawing_fault.h"
#include "member_curves.h"
#include "member_direction.h"

namespace {

// Values of one member's end forces: N1, Q1, M1, N2, Q2, M2 (t and t·cm).
constexpr size_t kValuesPerMember = 6;

struct ForceDiagram {
  const char* viewName;
  DrawingList DrawingGeometry::*list;
  int firstEndValue;    // position among the member's six values, plotted at end 1
  int secondEndValue;   // plotted at end 2
  double firstEndSign;  // -1 plots end 1 against the normal (the moment diagram's sign convention)
  MaximumPlace ResultMaxima::*maximum;
  DrawingList DrawingGeometry::*curves;    // the curves of members with loads along them
  double AlongMemberValues::*alongMember;  // the value a curve plots, kg or kg·cm
  double alongSign;  // plotted along the normal: alongSign × the value at the station
};

// Axial and shear diagrams are bands of constant width (the end-1 value at both ends); the moment
// diagram runs from -M1 at end 1 to +M2 at end 2. Along a loaded member the moment diagram plots
// M(x), which is -M1 at end 1 and M2 at end 2, and the bands -Q(x) and -N(x), which are Q1 and
// N1 all along a member without loads: each curve meets the unloaded rule where both apply.
const ForceDiagram kBendingMoment{"Ｍ図", &DrawingGeometry::bendingMomentLines, 2, 5, -1.0,
                                  &ResultMaxima::moment, &DrawingGeometry::bendingMomentCurves,
                                  &AlongMemberValues::moment, 1.0};
const ForceDiagram kShearForce{"Ｑ図", &DrawingGeometry::shearForceLines, 1, 1, 1.0,
                               &ResultMaxima::shear, &DrawingGeometry::shearForceCurves,
                               &AlongMemberValues::shearForce, -1.0};
const ForceDiagram kAxialForce{"Ｎ図", &DrawingGeometry::axialForceLines, 0, 0, 1.0,
                               &ResultMaxima::axial, &DrawingGeometry::axialForceCurves,
                               &AlongMemberValues::axialForce, -1.0};

// Appends the curve of a member with loads along it and returns the record joining its ends.
// `scale` is twips per tonne (or tonne-centimetre); each point's offset is rounded on its own
// and added to the rounded point of the member line at its station, as the records of members
// without loads are.
LineSegment AppendLoadedMemberCurve(const ForceDiagram& diagram, const LoadedMember& member,
                                    const LineSegment& line, const MemberDirection& direction,
                                    double scale, int16_t position, DrawingList& curves) {
  const double perValue = diagram.alongSign * scale / 1000.0;  // twips per kg or kg·cm
  const auto offsetAt = [&](MemberStation station) {
    const double offset = ValuesAt(member, station).*diagram.alongMember * perValue;
    return DrawingOffset{direction.sinTheta * offset, -(direction.cosTheta * offset)};
  };
  const std::vector<MemberStation> stations = CurveStations(member.beam, member.loads, true);
  const std::vector<CurveSample> samples = SampleCurve(offsetAt, stations);
  std::vector<LineSegment> points;
  points.reserve(samples.size());
  for (const CurveSample& sample : samples) {
    const double t = sample.station.x / member.beam.length;
    const int16_t baseX = ToCoordinate(line.X1 * (1.0 - t) + line.X2 * t);
    const int16_t baseY = ToCoordinate(line.Y1 * (1.0 - t) + line.Y2 * t);
    points.push_back({baseX, baseY, ShiftCoordinate(baseX, sample.offset.dx),
                      ShiftCoordinate(baseY, sample.offset.dy)});
  }
  AppendMemberCurve(curves, position, points, diagram.viewName);
  return {points.front().X2, points.front().Y2, points.back().X2, points.back().Y2};
}

void BuildForceDiagram(const ForceDiagram& diagram, const Model& model,
                       const AnalysisResult& result, const ViewFit& fit,
                       DrawingGeometry& geometry) {
  const std::vector<double>& endForces = result.endForces;
  DrawingList& lines = geometry.*diagram.list;
  // A diagram with nothing to show is scaled by 1 so that nothing divides by zero; the result's
  // maximum stays 0, which is what the tab shows.
  const double largest = (result.maxima.*diagram.maximum).value;
  const double maximum = largest == 0.0 ? 1.0 : largest;

  DrawingList& curves = geometry.*diagram.curves;
  curves.count = 0;

  int32_t position = -1;
  try {
    // Twips per tonne (or tonne-centimetre): the maximum is drawn at 10 % of the limiting extent.
    const double scale = CheckedDiv(fit.LimitingExtent * 0.1, maximum);
    const MemberLoading loading = LoadAlongMembers(model);
    lines.SetCount(model.memberCount, diagram.viewName);
    for (position = 0; position < model.memberCount; ++position) {
      const size_t j = static_cast<size_t>(position);
      const MemberDirection direction = MemberDirectionOf(model, model.members[j]);
      if (j < loading.loads.size() && !loading.loads[j].empty()) {
        const LoadedMember member =
            LoadedMemberOf(model, j, loading, result.displacements, endForces);
        lines.records[j] =
            AppendLoadedMemberCurve(diagram, member, geometry.memberLines.records[j], direction,
                                    scale, static_cast<int16_t>(position), curves);
        continue;
      }
      const double* values = endForces.data() + kValuesPerMember * j;
      const double first = values[diagram.firstEndValue];
      const double second = values[diagram.secondEndValue];
      const double sign = diagram.firstEndSign;
      // The normal n = (sinθ, -cosθ) points to the right of the member; each offset is rounded
      // on its own and added to the member line's integer coordinate.
      const LineSegment& line = geometry.memberLines.records[j];
      lines.records[j] = {
          ShiftCoordinate(line.X1, sign * (direction.sinTheta * first * scale)),
          ShiftCoordinate(line.Y1, -sign * (direction.cosTheta * first * scale)),
          ShiftCoordinate(line.X2, direction.sinTheta * second * scale),
          ShiftCoordinate(line.Y2, -(direction.cosTheta * second * scale))};
    }
  } catch (const ArithmeticFault& fault) {
    throw DrawingFaultError(model, diagram.viewName, fault.kind, position);
  }
}

}  // namespace

void BuildBendingMomentDiagram(const Model& model, const AnalysisResult& result,
                               const ViewFit& fit, DrawingGeometry& geometry) {
  BuildForceDiagram(kBendingMoment, model, result, fit, geometry);
}

void BuildShearForceDiagram(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                            DrawingGeometry& geometry) {
  BuildForceDiagram(kShearForce, model, result, fit, geometry);
}

void BuildAxialForceDiagram(const Model& model, const AnalysisResult& result, const ViewFit& fit,
                            DrawingGeometry& geometry) {
  BuildForceDiagram(kAxialForce, model, result, fit, geometry);
}
