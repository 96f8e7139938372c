// The outlines of the three force diagrams: for every member one record parallel to its member
// line, offset along the member's right-hand normal in proportion to the end forces as
// "work2.txt" holds them. One builder serves all three; the table below is all that differs.
#include <vector>

#include "arithmetic/checked_math.h"
#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "drawing_fault.h"
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
};

// Axial and shear diagrams are bands of constant width (the end-1 value at both ends); the moment
// diagram runs from -M1 at end 1 to +M2 at end 2.
const ForceDiagram kBendingMoment{"Ｍ図", &DrawingGeometry::bendingMomentLines, 2, 5, -1.0,
                                  &ResultMaxima::moment};
const ForceDiagram kShearForce{"Ｑ図", &DrawingGeometry::shearForceLines, 1, 1, 1.0,
                               &ResultMaxima::shear};
const ForceDiagram kAxialForce{"Ｎ図", &DrawingGeometry::axialForceLines, 0, 0, 1.0,
                               &ResultMaxima::axial};

void BuildForceDiagram(const ForceDiagram& diagram, const Model& model,
                       const AnalysisResult& result, const ViewFit& fit,
                       DrawingGeometry& geometry) {
  const std::vector<double>& endForces = result.endForces;
  DrawingList& lines = geometry.*diagram.list;
  // A diagram with nothing to show is scaled by 1 so that nothing divides by zero; the result's
  // maximum stays 0, which is what the tab shows.
  const double largest = (result.maxima.*diagram.maximum).value;
  const double maximum = largest == 0.0 ? 1.0 : largest;

  int32_t position = -1;
  try {
    // Twips per tonne (or tonne-centimetre): the maximum is drawn at 10 % of the limiting extent.
    const double scale = CheckedDiv(fit.LimitingExtent * 0.1, maximum);
    lines.SetCount(model.memberCount, diagram.viewName);
    for (position = 0; position < model.memberCount; ++position) {
      const size_t j = static_cast<size_t>(position);
      const MemberDirection direction = MemberDirectionOf(model, model.members[j]);
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
