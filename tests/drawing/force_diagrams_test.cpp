// The force diagram outlines from "work2.txt": the moment record of a horizontal member,
// constant-width shear and axial bands plotted from the first end's value, zero maxima becoming
// 1, rounding ties of the offsets, a member of zero length, and a missing or short work file.
#include <gtest/gtest.h>

#include "analysis/analysis_store.h"
#include "support/run_error_of.h"
#include "drawing/drawing_builders.h"
#include "drawing_test_fixture.h"

namespace {

// bent_600x300 on 6000 x 4000: member 1 horizontal from (480, 720) to (5280, 720), member 2
// vertical from (5280, 720) up to (5280, 3120); LimitingExtent 4800, so K = 480 / maximum.
class ForceDiagramsTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  }
  static void BuildAll() {
    BuildBendingMomentDiagram(6000.0f, 4000);
    BuildShearForceDiagram(6000.0f, 4000);
    BuildAxialForceDiagram(6000.0f, 4000);
  }
};

// Member 1 with M1 = -1 and M2 = 2 against the maximum 2 (K = 240): both ends 240 and 480 below
// the member. Member 2 carries no moment: its record is its member line.
TEST_F(ForceDiagramsTest, MomentOfAHorizontalMember) {
  WriteWork2({0, 0.01, -1.0, 0, -0.01, 2.0, /* member 2 */ 0, 0, 0, 0, 0, 0});
  analysisStore.maxMoment = 2.0;
  BuildBendingMomentDiagram(6000.0f, 4000);
  ASSERT_EQ(BendingMomentLines.count, 2);
  EXPECT_EQ(BendingMomentLines.records[0], (LineSegment{480, 480, 5280, 240}));
  EXPECT_EQ(BendingMomentLines.records[1], MemberLines.records[1]);
  EXPECT_EQ(analysisStore.maxMoment, 2.0);
}

// Shear and axial bands use the first end's value at both ends. The member holding the maximum
// is offset by exactly 480 = LimitingExtent x 0.1: the horizontal one downward along its normal
// (0, -1), the vertical one (normal (1, 0)) to the left for N1 = -0.4.
TEST_F(ForceDiagramsTest, ShearAndAxialBandsTakeTheFirstEnd) {
  WriteWork2({0.1, 0.005, 0, -0.1, -0.005, 3.0,  // member 1
              -0.4, -0.002, 3.0, 0.4, 0.002, -2.4});
  analysisStore.maxShearForce = 0.005;
  analysisStore.maxAxialForce = 0.4;
  analysisStore.maxMoment = 3.0;
  BuildAll();
  EXPECT_EQ(InUse(ShearForceLines),
            (std::vector<LineSegment>{{480, 240, 5280, 240}, {5088, 720, 5088, 3120}}));
  EXPECT_EQ(InUse(AxialForceLines),
            (std::vector<LineSegment>{{480, 600, 5280, 600}, {4800, 720, 4800, 3120}}));
  // Moment of member 2: -M1 x K = -480 at the first end, M2 x K = -384 at the second.
  EXPECT_EQ(BendingMomentLines.records[1], (LineSegment{4800, 720, 4896, 3120}));
}

// A model in which nothing is loaded: every diagram is scaled by 1, every maximum stays 0 in the
// store (the tabs show the true maximum), and every record lies on its member line.
TEST_F(ForceDiagramsTest, ZeroMaximaScaleByOneAndStayZero) {
  WriteWork2(std::vector<double>(12, 0.0));
  BuildAll();
  EXPECT_EQ(analysisStore.maxMoment, 0.0);
  EXPECT_EQ(analysisStore.maxShearForce, 0.0);
  EXPECT_EQ(analysisStore.maxAxialForce, 0.0);
  const std::vector<LineSegment> members = InUse(MemberLines);
  EXPECT_EQ(InUse(BendingMomentLines), members);
  EXPECT_EQ(InUse(ShearForceLines), members);
  EXPECT_EQ(InUse(AxialForceLines), members);
}

// K = 1 on the vertical member: offsets 2.5 -> 2, -2.5 -> -2 and 3.5 -> 4, each rounded before it
// is added to the member line's x = 5280. The moment's first end is plotted against the normal.
TEST_F(ForceDiagramsTest, OffsetsRoundHalvesToEven) {
  analysisStore.maxAxialForce = 480.0;
  analysisStore.maxShearForce = 480.0;
  analysisStore.maxMoment = 480.0;
  WriteWork2({0, 0, 0, 0, 0, 0, 2.5, 3.5, 2.5, 0, 0, -2.5});
  BuildAll();
  EXPECT_EQ(AxialForceLines.records[1], (LineSegment{5282, 720, 5282, 3120}));
  EXPECT_EQ(ShearForceLines.records[1], (LineSegment{5284, 720, 5284, 3120}));
  EXPECT_EQ(BendingMomentLines.records[1], (LineSegment{5278, 720, 5278, 3120}));
  WriteWork2({0, 0, 0, 0, 0, 0, -2.5, -3.5, 0, 0, 0, 0});
  BuildAll();
  EXPECT_EQ(AxialForceLines.records[1], (LineSegment{5278, 720, 5278, 3120}));
  EXPECT_EQ(ShearForceLines.records[1], (LineSegment{5276, 720, 5276, 3120}));
}

// Each build replaces the whole list: a second run with fewer results leaves no old records.
TEST_F(ForceDiagramsTest, RebuildStartsFromTheWorkFile) {
  WriteWork2({0, 0, -1.0, 0, 0, 2.0, 0, 0, 0, 0, 0, 0});
  analysisStore.maxMoment = 2.0;
  BuildBendingMomentDiagram(6000.0f, 4000);
  WriteWork2(std::vector<double>(12, 0.0));
  BuildBendingMomentDiagram(6000.0f, 4000);
  EXPECT_EQ(InUse(BendingMomentLines), InUse(MemberLines));
}

TEST_F(ForceDiagramsTest, MissingOrShortWorkFileIsARunError) {
  const RunError error = ErrorOf([] { BuildShearForceDiagram(6000.0f, 4000); });
  EXPECT_EQ(error.cause(), RunErrorCause::FileRead);
  EXPECT_NE(std::string(error.what()).find(scratch.File("work2.txt")), std::string::npos);
  WriteWork2({0, 0, 0, 0, 0, 0, 0, 0});  // eight values for two members
  EXPECT_THROW(BuildShearForceDiagram(6000.0f, 4000), RunError);
}

// Inconsistent results (a tiny maximum against a huge value) overflow: a RunError that names
// the view and the member, never an infinity in a record.
TEST_F(ForceDiagramsTest, OverflowNamesTheViewAndMember) {
  analysisStore.maxMoment = 1e-300;
  WriteWork2({0, 0, 1e300, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  const RunError error = ErrorOf([] { BuildBendingMomentDiagram(6000.0f, 4000); });
  EXPECT_EQ(error.cause(), RunErrorCause::Arithmetic);
  EXPECT_EQ(std::string(error.what()),
            "Ｍ図の作図で桁あふれ（オーバーフロー）が起きました（部材 1）。");
}

// A member whose nodes coincide has no direction: its record collapses onto its point.
TEST_F(ForceDiagramsTest, ZeroLengthMemberCollapsesOntoItsPoint) {
  LoadModel(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  WriteWork2({1, 1, 1, 1, 1, 1});
  BuildAxialForceDiagram(6000.0f, 4000);
  BuildBendingMomentDiagram(6000.0f, 4000);
  EXPECT_EQ(AxialForceLines.records[0], (LineSegment{2880, 1920, 2880, 1920}));
  EXPECT_EQ(BendingMomentLines.records[0], (LineSegment{2880, 1920, 2880, 1920}));
}

}  // namespace
