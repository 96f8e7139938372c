// The outlines of the three force diagrams: for every member one record parallel to its member
// line, offset along the member's right-hand normal in proportion to the end forces read back
// from "work2.txt". One builder serves all three; the table below is all that differs.
#include <vector>

#include "analysis/analysis_store.h"
#include "analysis/work_files.h"
#include "basics/checked_math.h"
#include "drawing_builders.h"
#include "drawing_coordinate.h"
#include "drawing_fault.h"
#include "drawing_lists.h"
#include "member_direction.h"
#include "model/model_store.h"
#include "view_fit.h"

namespace {

// Values of one member in "work2.txt", in file order: N1, Q1, M1, N2, Q2, M2 (t and t·cm).
constexpr size_t kValuesPerMember = 6;

struct ForceDiagram {
  const char* viewName;
  DrawingList* list;
  int firstEndValue;    // position among the member's six values, plotted at end 1
  int secondEndValue;   // plotted at end 2
  double firstEndSign;  // -1 plots end 1 against the normal (the moment diagram's sign convention)
  double AnalysisStore::*maximum;
};

// Axial and shear diagrams are bands of constant width (the end-1 value at both ends); the moment
// diagram runs from -M1 at end 1 to +M2 at end 2.
const ForceDiagram kBendingMoment{"Ｍ図", &BendingMomentLines, 2, 5, -1.0,
                                  &AnalysisStore::maxMoment};
const ForceDiagram kShearForce{"Ｑ図", &ShearForceLines, 1, 1, 1.0,
                               &AnalysisStore::maxShearForce};
const ForceDiagram kAxialForce{"Ｎ図", &AxialForceLines, 0, 0, 1.0,
                               &AnalysisStore::maxAxialForce};

void BuildForceDiagram(const ForceDiagram& diagram, float pictureWidth, int16_t pictureHeight) {
  const std::vector<double> endForces = ReadWork2();
  const ViewFit fit = ComputeViewFit(pictureWidth, pictureHeight);
  // A diagram with nothing to show is scaled by 1 so that nothing divides by zero; the stored
  // maximum stays 0, which is what the tab shows.
  const double stored = analysisStore.*diagram.maximum;
  const double maximum = stored == 0.0 ? 1.0 : stored;

  int32_t position = -1;
  try {
    // Twips per tonne (or tonne-centimetre): the maximum is drawn at 10 % of the limiting extent.
    const double scale = CheckedDiv(fit.LimitingExtent * 0.1, maximum);
    diagram.list->SetCount(modelStore.memberCount, diagram.viewName);
    for (position = 0; position < modelStore.memberCount; ++position) {
      const size_t j = static_cast<size_t>(position);
      const MemberDirection direction = MemberDirectionOf(modelStore.members[j]);
      const double* values = endForces.data() + kValuesPerMember * j;
      const double first = values[diagram.firstEndValue];
      const double second = values[diagram.secondEndValue];
      const double sign = diagram.firstEndSign;
      // The normal n = (sinθ, -cosθ) points to the right of the member; each offset is rounded
      // on its own and added to the member line's integer coordinate.
      const LineSegment& line = MemberLines.records[j];
      diagram.list->records[j] = {
          ShiftCoordinate(line.X1, sign * (direction.sinTheta * first * scale)),
          ShiftCoordinate(line.Y1, -sign * (direction.cosTheta * first * scale)),
          ShiftCoordinate(line.X2, direction.sinTheta * second * scale),
          ShiftCoordinate(line.Y2, -(direction.cosTheta * second * scale))};
    }
  } catch (const ArithmeticFault& fault) {
    throw DrawingFaultError(diagram.viewName, fault.kind, position);
  }
}

}  // namespace

void BuildBendingMomentDiagram(float pictureWidth, int16_t pictureHeight) {
  BuildForceDiagram(kBendingMoment, pictureWidth, pictureHeight);
}

void BuildShearForceDiagram(float pictureWidth, int16_t pictureHeight) {
  BuildForceDiagram(kShearForce, pictureWidth, pictureHeight);
}

void BuildAxialForceDiagram(float pictureWidth, int16_t pictureHeight) {
  BuildForceDiagram(kAxialForce, pictureWidth, pictureHeight);
}
