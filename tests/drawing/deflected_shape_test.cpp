// The deflected shape: a cantilever curve, chords of members without inertia rebuilt
// from their local displacements, record counts and positions for truss, frame and mixed
// models, an unloaded model on its member lines, and rounding ties of the offsets.
#include <gtest/gtest.h>

#include "drawing_test_fixture.h"

namespace {

std::vector<LineSegment> Shape(DrawnModel& drawn, const AnalysisResult& result) {
  BuildDeflectedShape(drawn.model, result, drawn.fit, drawn.geometry);
  return InUse(drawn.geometry.deflectedShapeLines);
}

// Member 1 of bent_600x300 drawn from (480, 720) to (5280, 720), DrawScale 8, Kd = 480: node 1
// fixed, node 2 V = -1 and Θ = -0.0025. At k = 5, w(300) = -0.375 + 0.0625 = -0.3125, drawn
// 150 below the member at x 480 + 2400; the tip is 480 below the member's end.
TEST(DeflectedShape, CantileverCurve) {
  DrawnModel bent(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  const std::vector<LineSegment> shape = Shape(
      bent, Displaced({0, 0, 0, /* node 2 */ 0, -1.0, -0.0025, /* node 3 */ 0.75, -1.0, -0.0025},
                      1.0));
  ASSERT_EQ(shape.size(), 20u);
  // Zero slope at the fixed end: w(60) = -0.0145 is drawn 7 below the member.
  EXPECT_EQ(shape[0], (LineSegment{480, 720, 960, 713}));
  EXPECT_EQ(shape[4].X2, 2880);
  EXPECT_EQ(shape[4].Y2, 570);
  EXPECT_EQ(shape[9].X2, 5280);
  EXPECT_EQ(shape[9].Y2, 240);
  for (size_t k = 1; k < 10; ++k) {
    EXPECT_EQ(shape[k].X1, shape[k - 1].X2) << k;
    EXPECT_EQ(shape[k].Y1, shape[k - 1].Y2) << k;
  }
  // Member 2 turns with node 2 as a rigid body: down by 1 cm and clockwise by 0.0025, so its
  // top also moves right by 0.0025 x 300 = 0.75 cm, 360 twips.
  EXPECT_EQ(shape[10].X1, 5280);
  EXPECT_EQ(shape[10].Y1, 240);
  EXPECT_EQ(shape[19].X2, 5640);
  EXPECT_EQ(shape[19].Y2, 2640);
}

// Without inertia a member is one chord between its displaced ends. Member 2 runs up the y axis,
// so its local u is V and its local w is -U; rebuilt to global, node 3 moves by (144, -480).
// With Kd = 480 / 960 = 0.5, offsets of 2.5 and -2.5 twips go to 2 and -2, 3.5 to 4.
TEST(DeflectedShape, ChordsOfMembersWithoutInertiaAndTheirRounding) {
  DrawnModel bent(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  bent.model.sections[0].inertia = 0.0f;
  EXPECT_EQ(Shape(bent, Displaced({0, 0, 0, 0, -1.0, -0.0025, 0.3, -1.0, 0.001}, 1.0)),
            (std::vector<LineSegment>{{480, 720, 5280, 240}, {5280, 240, 5424, 2640}}));
  EXPECT_EQ(Shape(bent, Displaced({-5.0, 0, 0, 5.0, 7.0, 0, 0, 0, 0}, 960.0))[0],
            (LineSegment{478, 720, 5282, 724}));
}

// Unloaded, with the maximum 0 (scaled by 1), every member lies on its line: a member without
// inertia as one chord that is its member line, one that bends as ten pieces from its first point
// to within one twip of its second (the last point is not snapped to it), appended in member
// order without gaps. The mixed model's members 2 and 4 are braces without inertia.
TEST(DeflectedShape, UnloadedMembersLieOnTheirLinesInMemberOrder) {
  const struct {
    std::string path;
    size_t nodes;
    std::vector<size_t> pieces;  // per member
  } models[] = {
      {ExamplePath("simple_truss.txt"), 8, std::vector<size_t>(13, 1)},
      {ExamplePath("portal_frame.txt"), 4, {10, 10, 10}},
      {DrawingData("mixed_sections.txt"), 4, {10, 1, 10, 1, 10}},
  };
  for (const auto& row : models) {
    SCOPED_TRACE(row.path);
    DrawnModel drawn(row.path, 6255.0f, 6015);
    const AnalysisResult unloaded = Displaced(std::vector<double>(3 * row.nodes, 0.0), 0.0);
    Shape(drawn, unloaded);
    // A second build replaces the first instead of appending to it.
    const std::vector<LineSegment> shape = Shape(drawn, unloaded);
    size_t first = 0;
    for (size_t j = 0; j < row.pieces.size(); ++j) {
      const LineSegment& member = drawn.geometry.memberLines.records[j];
      ASSERT_LE(first + row.pieces[j], shape.size());
      const LineSegment& last = shape[first + row.pieces[j] - 1];
      if (row.pieces[j] == 1) {
        EXPECT_EQ(shape[first], member) << j;
      }
      EXPECT_EQ(shape[first].X1, member.X1) << j;
      EXPECT_EQ(shape[first].Y1, member.Y1) << j;
      EXPECT_NEAR(last.X2, member.X2, 1) << j;
      EXPECT_NEAR(last.Y2, member.Y2, 1) << j;
      first += row.pieces[j];
    }
    EXPECT_EQ(shape.size(), first);
  }
}

// A member of zero length has no direction: its ten pieces collapse onto its point.
TEST(DeflectedShape, ZeroLengthMemberCollapsesOntoItsPoint) {
  DrawnModel drawn(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  EXPECT_EQ(Shape(drawn, Displaced({0, 0, 0, 1.0, 1.0, 0.1}, 1.0)),
            std::vector<LineSegment>(10, LineSegment{2880, 1920, 2880, 1920}));
}

}  // namespace
