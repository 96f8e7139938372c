// The model extents, the fit of the model into the picture and the member lines: a 600 x 300
// model on a 6000 x 4000 picture, lines of nodes, the tie between the two scales, rounding ties,
// negative coordinates, nodes that all coincide, and coordinates beyond 16 bits held at the edge.
#include "drawing/view_fit.h"

#include <gtest/gtest.h>

#include "drawing_test_fixture.h"

namespace {

void ExpectFit(const ViewFit& fit, int usableWidth, int usableHeight, float drawScale,
               int limitingExtent, int offsetX, int offsetY) {
  EXPECT_EQ(fit.UsableWidth, usableWidth);
  EXPECT_EQ(fit.UsableHeight, usableHeight);
  EXPECT_EQ(fit.DrawScale, drawScale);
  EXPECT_EQ(fit.LimitingExtent, limitingExtent);
  EXPECT_EQ(fit.OffsetX, offsetX);
  EXPECT_EQ(fit.OffsetY, offsetY);
}

// x 0..600 and y 0..300 on 6000 x 4000: the width scale 8 beats the height scale 10.667.
TEST(ViewFit, WidthLimitsA600By300Model) {
  const DrawnModel bent(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  EXPECT_EQ(bent.geometry.modelWidth, 600.0f);
  EXPECT_EQ(bent.geometry.modelHeight, 300.0f);
  ExpectFit(bent.fit, 4800, 3200, 8.0f, 4800, 480, 720);
  EXPECT_EQ(InUse(bent.geometry.memberLines),
            (std::vector<LineSegment>{{480, 720, 5280, 720},
                                      {5280, 720, 5280, 3120}}));  // node (600, 300)
}

// Both lines of nodes are fitted as 600 x 600 squares: the height scale 3200/600 limits. The
// horizontal line starts at x = 100, so it is drawn DrawScale x 100 = 533 right of the centred
// position 1280; the vertical line reaches below the origin to a negative y.
TEST(ViewFit, LinesOfNodesAreFittedAsSquares) {
  const float scale = 3200.0f / 600.0f;  // 5.3333335 in single precision
  const struct {
    const char* model;
    std::vector<LineSegment> memberLines;
  } lines[] = {
      // 100, 400, 700 x 5.3333335 = 533.33, 2133.33, 3733.33.
      {"horizontal_line.txt", {{1813, 320, 3413, 320}, {3413, 320, 5013, 320}}},
      // -100 and 500 x 5.3333335 = -533.33 and 2666.67.
      {"vertical_line.txt", {{1280, -213, 1280, 2987}}},
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line.model);
    const DrawnModel drawn(DrawingData(line.model), 6000.0f, 4000);
    EXPECT_EQ(drawn.geometry.modelWidth, 600.0f);
    EXPECT_EQ(drawn.geometry.modelHeight, 600.0f);
    // OffsetX = round(480 + (4800 - 3200.0000954) / 2) = round(1279.99995) = 1280.
    ExpectFit(drawn.fit, 4800, 3200, scale, 3200, 1280, 320);
    EXPECT_EQ(InUse(drawn.geometry.memberLines), line.memberLines);
  }
}

TEST(ViewFit, HeightWinsATieBetweenTheScales) {
  DrawingGeometry extents;
  extents.modelWidth = 600.0f;
  extents.modelHeight = 400.0f;  // both scales 8
  ExpectFit(ComputeViewFit(6000.0f, 4000, extents), 4800, 3200, 8.0f, 3200, 480, 320);
  extents.modelHeight = 399.0f;  // the height scale 8.02 is now larger: the width limits
  ExpectFit(ComputeViewFit(6000.0f, 4000, extents), 4800, 3200, 8.0f, 4800, 480, 324);
  extents.modelHeight = 401.0f;
  EXPECT_EQ(ComputeViewFit(6000.0f, 4000, extents).LimitingExtent, 3200);
}

// The usable extents are 80 % of the picture, rounded halves to even: 0.8 x 3.125 = 2.5.
TEST(ViewFit, UsableExtentsRoundHalvesToEven) {
  DrawingGeometry extents;
  extents.modelWidth = 1.0f;
  extents.modelHeight = 1.0f;
  const ViewFit fit = ComputeViewFit(3.125f, 4, extents);
  EXPECT_EQ(fit.UsableWidth, 2);
  EXPECT_EQ(fit.UsableHeight, 3);  // 3.2
}

// Scale 0.5: x = 25 gives 12.5 -> 12, y = 27 gives 13.5 -> 14, -25 gives -12.5 -> -12 and 1575
// gives 787.5 -> 788, each rounded before the offset 80 is added.
TEST(ViewFit, NodePositionsRoundHalvesToEven) {
  const DrawnModel drawn(DrawingData("rounding_ties.txt"), 1000.0f, 1000);
  ExpectFit(drawn.fit, 800, 800, 0.5f, 800, 80, 80);
  EXPECT_EQ(InUse(drawn.geometry.memberLines),
            (std::vector<LineSegment>{{68, 68, 868, 868}, {68, 68, 92, 94}}));
}

// Nodes at one point define no scale: the scale is 0 and every node lies at the offsets, the
// middle of the usable area plus its 10 % margins; nothing divides by zero.
TEST(ViewFit, CoincidentNodesAreDrawnAtTheOffsets) {
  const DrawnModel drawn(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  const DrawingGeometry& g = drawn.geometry;
  EXPECT_EQ(g.modelWidth, 0.0f);
  EXPECT_EQ(g.modelHeight, 0.0f);
  ExpectFit(drawn.fit, 4800, 3200, 0.0f, 3200, 2880, 1920);
  EXPECT_EQ(g.memberLines.records[0], (LineSegment{2880, 1920, 2880, 1920}));
  ASSERT_EQ(g.loadSymbols.count, 3);
  EXPECT_EQ(g.loadSymbols.records[0], (LineSegment{2560, 1920, 2880, 1920}));
}

// A 1 cm member 1 km from the origin is drawn at 3.2e8 twips: held at 32767 and -32768
// instead of wrapping around.
TEST(ViewFit, CoordinatesBeyondSixteenBitsAreHeldAtTheEdge) {
  const DrawnModel drawn(DrawingData("far_from_origin.txt"), 6000.0f, 4000);
  EXPECT_EQ(drawn.geometry.memberLines.records[0], (LineSegment{32767, -32768, 32767, -32768}));
}

}  // namespace
