// The deflected shape: a cantilever curve, chords of members without inertia rebuilt
// from their local displacements, record counts and positions for truss, frame and mixed
// models, an unloaded model on its member lines, and rounding ties of the offsets.
#include <gtest/gtest.h>

#include "analysis/analysis_store.h"
#include "drawing/drawing_builders.h"
#include "drawing_test_fixture.h"
#include "model/model_store.h"

namespace {

using DeflectedShapeTest = DrawingTest;

// Member 1 of bent_600x300 drawn from (480, 720) to (5280, 720), DrawScale 8, Kd = 480: node 1
// fixed, node 2 V = -1 and Θ = -0.0025. At k = 5, w(300) = -0.375 + 0.0625 = -0.3125, drawn
// 150 below the member at x 480 + 2400; the tip is 480 below the member's end.
TEST_F(DeflectedShapeTest, CantileverCurve) {
  LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  SetDisplacements({0, 0, 0, /* node 2 */ 0, -1.0, -0.0025, /* node 3 */ 0.75, -1.0, -0.0025}, 1.0);
  BuildDeflectedShape(6000.0f, 4000);
  ASSERT_EQ(DeflectedShapeLines.count, 20);
  EXPECT_EQ(DeflectedShapeLines.records[0].X1, 480);
  EXPECT_EQ(DeflectedShapeLines.records[0].Y1, 720);
  // Zero slope at the fixed end: w(60) = -0.0145 is drawn 7 below the member.
  EXPECT_EQ(DeflectedShapeLines.records[0], (LineSegment{480, 720, 960, 713}));
  EXPECT_EQ(DeflectedShapeLines.records[4].X2, 2880);
  EXPECT_EQ(DeflectedShapeLines.records[4].Y2, 570);
  EXPECT_EQ(DeflectedShapeLines.records[9].X2, 5280);
  EXPECT_EQ(DeflectedShapeLines.records[9].Y2, 240);
  for (size_t k = 1; k < 10; ++k) {
    EXPECT_EQ(DeflectedShapeLines.records[k].X1, DeflectedShapeLines.records[k - 1].X2) << k;
    EXPECT_EQ(DeflectedShapeLines.records[k].Y1, DeflectedShapeLines.records[k - 1].Y2) << k;
  }
  // Member 2 turns with node 2 as a rigid body: down by 1 cm and clockwise by 0.0025, so its
  // top also moves right by 0.0025 x 300 = 0.75 cm, 360 twips.
  EXPECT_EQ(DeflectedShapeLines.records[10].X1, 5280);
  EXPECT_EQ(DeflectedShapeLines.records[10].Y1, 240);
  EXPECT_EQ(DeflectedShapeLines.records[19].X2, 5640);
  EXPECT_EQ(DeflectedShapeLines.records[19].Y2, 2640);
}

// Without inertia a member is one chord between its displaced ends. Member 2 runs up the y axis,
// so its local u is V and its local w is -U; rebuilt to global, node 3 moves by (144, -480).
TEST_F(DeflectedShapeTest, ChordOfAMemberWithoutInertia) {
  LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  modelStore.sections[0].inertia = 0.0f;
  SetDisplacements({0, 0, 0, 0, -1.0, -0.0025, 0.3, -1.0, 0.001}, 1.0);
  BuildDeflectedShape(6000.0f, 4000);
  EXPECT_EQ(InUse(DeflectedShapeLines),
            (std::vector<LineSegment>{{480, 720, 5280, 240}, {5280, 240, 5424, 2640}}));
}

// Kd = 480 / 960 = 0.5: offsets of 2.5 and -2.5 twips go to 2 and -2, 3.5 to 4.
TEST_F(DeflectedShapeTest, OffsetsRoundHalvesToEven) {
  LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  modelStore.sections[0].inertia = 0.0f;
  SetDisplacements({-5.0, 0, 0, 5.0, 7.0, 0, 0, 0, 0}, 960.0);
  BuildDeflectedShape(6000.0f, 4000);
  EXPECT_EQ(DeflectedShapeLines.records[0], (LineSegment{478, 720, 5282, 724}));
}

// Every section without inertia: one chord per member. Unloaded, each chord is its member line
// and the maximum stays 0.
TEST_F(DeflectedShapeTest, TrussHasOneRecordPerMember) {
  LoadModel(ExamplePath("simple_truss.txt"), 6255.0f, 6015);
  SetDisplacements(std::vector<double>(3 * 8, 0.0), 0.0);
  BuildDeflectedShape(6255.0f, 6015);
  EXPECT_EQ(analysisStore.maxDisplacement, 0.0);
  EXPECT_EQ(InUse(DeflectedShapeLines),
            InUse(MemberLines));
}

// Each curve of an unloaded frame starts on its member's first point and ends within one twip
// of its second (the last point is not snapped to it).
void ExpectCurveOnMember(int first, const LineSegment& member) {
  const LineSegment& start = DeflectedShapeLines.records[static_cast<size_t>(first)];
  const LineSegment& end = DeflectedShapeLines.records[static_cast<size_t>(first + 9)];
  EXPECT_EQ(start.X1, member.X1);
  EXPECT_EQ(start.Y1, member.Y1);
  EXPECT_NEAR(end.X2, member.X2, 1);
  EXPECT_NEAR(end.Y2, member.Y2, 1);
}

TEST_F(DeflectedShapeTest, FrameHasTenRecordsPerMember) {
  LoadModel(ExamplePath("portal_frame.txt"), 6255.0f, 6015);
  SetDisplacements(std::vector<double>(3 * 4, 0.0), 0.0);
  BuildDeflectedShape(6255.0f, 6015);
  ASSERT_EQ(DeflectedShapeLines.count, 30);
  for (int j = 0; j < 3; ++j) ExpectCurveOnMember(10 * j, MemberLines.records[static_cast<size_t>(j)]);
}

// Members 1, 3 and 5 bend, the braces 2 and 4 have no inertia: 10 + 1 + 10 + 1 + 10 records
// appended in member order without gaps.
TEST_F(DeflectedShapeTest, MixedModelAppendsInMemberOrder) {
  LoadModel(DrawingData("mixed_sections.txt"), 6255.0f, 6015);
  SetDisplacements(std::vector<double>(3 * 4, 0.0), 0.0);
  BuildDeflectedShape(6255.0f, 6015);
  ASSERT_EQ(DeflectedShapeLines.count, 32);
  ExpectCurveOnMember(0, MemberLines.records[0]);
  EXPECT_EQ(DeflectedShapeLines.records[10], MemberLines.records[1]);
  ExpectCurveOnMember(11, MemberLines.records[2]);
  EXPECT_EQ(DeflectedShapeLines.records[21], MemberLines.records[3]);
  ExpectCurveOnMember(22, MemberLines.records[4]);
  // A second analysis rebuilds from index 0.
  BuildDeflectedShape(6255.0f, 6015);
  EXPECT_EQ(DeflectedShapeLines.count, 32);
}

// A member of zero length has no direction: its ten pieces collapse onto its point.
TEST_F(DeflectedShapeTest, ZeroLengthMemberCollapsesOntoItsPoint) {
  LoadModel(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  SetDisplacements({0, 0, 0, 1.0, 1.0, 0.1}, 1.0);
  BuildDeflectedShape(6000.0f, 4000);
  EXPECT_EQ(InUse(DeflectedShapeLines),
            std::vector<LineSegment>(10, LineSegment{2880, 1920, 2880, 1920}));
}

}  // namespace
