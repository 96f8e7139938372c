// The force diagram outlines from the end forces of a result: the moment record of a horizontal
// member, constant-width shear and axial bands plotted from the first end's value, zero maxima
// becoming 1, a rebuild replacing every record, rounding ties of the offsets, an overflow, and a
// member of zero length.
#include <gtest/gtest.h>

#include "drawing_test_fixture.h"
#include "support/run_error_of.h"

namespace {

// bent_600x300 on 6000 x 4000: member 1 horizontal from (480, 720) to (5280, 720), member 2
// vertical from (5280, 720) up to (5280, 3120); LimitingExtent 4800, so K = 480 / maximum.
class ForceDiagramsTest : public testing::Test {
 protected:
  void BuildAll(const AnalysisResult& result) {
    BuildBendingMomentDiagram(bent.model, result, bent.fit, bent.geometry);
    BuildShearForceDiagram(bent.model, result, bent.fit, bent.geometry);
    BuildAxialForceDiagram(bent.model, result, bent.fit, bent.geometry);
  }
  DrawnModel bent{DrawingData("bent_600x300.txt"), 6000.0f, 4000};
  const DrawingGeometry& g = bent.geometry;
};

// Member 1 with M1 = -1 and M2 = 2 against the maximum 2 (K = 240): both ends 240 and 480 below
// the member. Member 2 carries no moment: its record is its member line.
TEST_F(ForceDiagramsTest, MomentOfAHorizontalMember) {
  BuildAll(Forces({0, 0.01, -1.0, 0, -0.01, 2.0, /* member 2 */ 0, 0, 0, 0, 0, 0}, 2.0, 0.01, 0));
  EXPECT_EQ(InUse(g.bendingMomentLines),
            (std::vector<LineSegment>{{480, 480, 5280, 240}, g.memberLines.records[1]}));
}

// Shear and axial bands use the first end's value at both ends. The member holding the maximum
// is offset by exactly 480 = LimitingExtent x 0.1: the horizontal one downward along its normal
// (0, -1), the vertical one (normal (1, 0)) to the left for N1 = -0.4.
TEST_F(ForceDiagramsTest, ShearAndAxialBandsTakeTheFirstEnd) {
  BuildAll(Forces({0.1, 0.005, 0, -0.1, -0.005, 3.0,  // member 1
                   -0.4, -0.002, 3.0, 0.4, 0.002, -2.4},
                  3.0, 0.005, 0.4));
  EXPECT_EQ(InUse(g.shearForceLines),
            (std::vector<LineSegment>{{480, 240, 5280, 240}, {5088, 720, 5088, 3120}}));
  EXPECT_EQ(InUse(g.axialForceLines),
            (std::vector<LineSegment>{{480, 600, 5280, 600}, {4800, 720, 4800, 3120}}));
  // Moment of member 2: -M1 x K = -480 at the first end, M2 x K = -384 at the second.
  EXPECT_EQ(g.bendingMomentLines.records[1], (LineSegment{4800, 720, 4896, 3120}));
}

// A result in which nothing is loaded scales every diagram by 1 and puts every record on its
// member line; it replaces every record of an earlier result.
TEST_F(ForceDiagramsTest, ZeroMaximaScaleByOneAndARebuildReplacesEveryRecord) {
  BuildAll(Forces({1, 1, -1.0, 1, 1, 2.0, 1, 1, 1, 1, 1, 1}, 2.0, 1, 1));
  BuildAll(Forces(std::vector<double>(12, 0.0), 0, 0, 0));
  const std::vector<LineSegment> members = InUse(g.memberLines);
  EXPECT_EQ(InUse(g.bendingMomentLines), members);
  EXPECT_EQ(InUse(g.shearForceLines), members);
  EXPECT_EQ(InUse(g.axialForceLines), members);
}

// K = 1 on the vertical member: offsets 2.5 -> 2, -2.5 -> -2 and 3.5 -> 4, each rounded before it
// is added to the member line's x = 5280. The moment's first end is plotted against the normal.
TEST_F(ForceDiagramsTest, OffsetsRoundHalvesToEven) {
  BuildAll(Forces({0, 0, 0, 0, 0, 0, 2.5, 3.5, 2.5, 0, 0, -2.5}, 480, 480, 480));
  EXPECT_EQ(g.axialForceLines.records[1], (LineSegment{5282, 720, 5282, 3120}));
  EXPECT_EQ(g.shearForceLines.records[1], (LineSegment{5284, 720, 5284, 3120}));
  EXPECT_EQ(g.bendingMomentLines.records[1], (LineSegment{5278, 720, 5278, 3120}));
  BuildAll(Forces({0, 0, 0, 0, 0, 0, -2.5, -3.5, 0, 0, 0, 0}, 480, 480, 480));
  EXPECT_EQ(g.axialForceLines.records[1], (LineSegment{5278, 720, 5278, 3120}));
  EXPECT_EQ(g.shearForceLines.records[1], (LineSegment{5276, 720, 5276, 3120}));
}

// Inconsistent results (a tiny maximum against a huge value) overflow: a RunError that names
// the view and the member, never an infinity in a record.
TEST_F(ForceDiagramsTest, OverflowNamesTheViewAndMember) {
  const AnalysisResult result = Forces({0, 0, 1e300, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1e-300, 0, 0);
  const RunError error =
      ErrorOf([&] { BuildBendingMomentDiagram(bent.model, result, bent.fit, bent.geometry); });
  EXPECT_EQ(error.cause(), RunErrorCause::Arithmetic);
  EXPECT_EQ(std::string(error.what()),
            "Ｍ図の作図で桁あふれ（オーバーフロー）が起きました（部材 1）。");
}

// A member whose nodes coincide has no direction: its record collapses onto its point.
TEST(ForceDiagrams, ZeroLengthMemberCollapsesOntoItsPoint) {
  DrawnModel drawn(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  const AnalysisResult result = Forces({1, 1, 1, 1, 1, 1}, 1, 1, 1);
  BuildAxialForceDiagram(drawn.model, result, drawn.fit, drawn.geometry);
  BuildBendingMomentDiagram(drawn.model, result, drawn.fit, drawn.geometry);
  EXPECT_EQ(drawn.geometry.axialForceLines.records[0], (LineSegment{2880, 1920, 2880, 1920}));
  EXPECT_EQ(drawn.geometry.bendingMomentLines.records[0], (LineSegment{2880, 1920, 2880, 1920}));
}

}  // namespace
