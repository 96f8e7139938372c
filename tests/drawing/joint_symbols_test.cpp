// The joint symbols of the model view, placed from the drawn member ends and nodes: the hinge's
// circle inside its member's end, the spring's zig-zag below its node, the settlement's arrow and
// arc at the settled node; a model without the tables has none.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "drawing/joint_symbols.h"
#include "drawing_test_fixture.h"

namespace {

TEST(JointSymbols, HingeSpringAndSettlementSitAtTheirMemberEndAndNodes) {
  // Nodes 1, 2, 3 along one horizontal line; member 1 released at node 2, a ky spring at node 3,
  // node 1 settled down and turned counter-clockwise.
  const DrawnModel drawn(TestDataPath("results/hinged_link_on_spring.txt"), 6255.0f, 6015);
  const std::vector<LineSegment> members = InUse(drawn.geometry.memberLines);
  const LineSegment node1{members[0].X1, members[0].Y1, 0, 0};
  const LineSegment node2{members[0].X2, members[0].Y2, 0, 0};
  const LineSegment node3{members[1].X2, members[1].Y2, 0, 0};
  const double length = std::round(drawn.fit.LimitingExtent * 0.1);
  const std::vector<LineSegment> symbols = InUse(drawn.geometry.jointSymbols);
  ASSERT_EQ(symbols.size(), static_cast<size_t>(kHingeRecords + kZigzagRecords + 2 * 3));

  // The circle touches node 2 from inside member 1, which runs to the left of it.
  const LineSegment circle = symbols[0];
  EXPECT_NEAR(circle.X2, length / 8, 0.5);
  EXPECT_EQ(circle.X2, circle.Y2);
  EXPECT_EQ(circle.X1, node2.X1 - circle.X2);
  EXPECT_EQ(circle.Y1, node2.Y1);

  // The zig-zag runs unbroken from node 3 straight down to its ground line, 3L/4 below the node
  // and L/2 wide, and keeps within L/8 of the node's vertical.
  const size_t spring = kHingeRecords;
  EXPECT_EQ(symbols[spring].X1, node3.X1);
  EXPECT_EQ(symbols[spring].Y1, node3.Y1);
  for (size_t k = spring + 1; k < spring + kZigzagRecords - 1; ++k) {
    EXPECT_EQ(symbols[k].X1, symbols[k - 1].X2) << k;
    EXPECT_EQ(symbols[k].Y1, symbols[k - 1].Y2) << k;
    EXPECT_LE(std::abs(symbols[k].X2 - node3.X1), length / 8 + 0.5) << k;
    EXPECT_LT(symbols[k].Y2, symbols[k - 1].Y1) << k;
  }
  const LineSegment ground = symbols[spring + kZigzagRecords - 1];
  const LineSegment lastLead = symbols[spring + kZigzagRecords - 2];
  EXPECT_EQ(lastLead.X2, node3.X1);
  EXPECT_NEAR(node3.Y1 - lastLead.Y2, length * 3 / 4, 0.5);
  EXPECT_EQ(ground.Y1, lastLead.Y2);
  EXPECT_EQ(ground.Y2, lastLead.Y2);
  EXPECT_EQ(ground.X1 + ground.X2, 2 * node3.X1);
  EXPECT_NEAR(std::abs(ground.X1 - ground.X2), length / 2, 1.0);

  // v < 0: an arrow from node 1 down, 3L/4 long; θ > 0: an arc of radius L/2 around node 1.
  const LineSegment shaft = symbols[spring + kZigzagRecords];
  EXPECT_EQ(shaft.X1, node1.X1);
  EXPECT_EQ(shaft.Y1, node1.Y1);
  EXPECT_EQ(shaft.X2, node1.X1);
  EXPECT_NEAR(node1.Y1 - shaft.Y2, length * 3 / 4, 0.5);
  const LineSegment arc = symbols[spring + kZigzagRecords + 3];
  EXPECT_EQ(arc.X1, node1.X1);
  EXPECT_EQ(arc.Y1, node1.Y1);
  EXPECT_NEAR(arc.X2, length / 2, 1.0);

  EXPECT_EQ(DrawnModel(ExamplePath("loaded_portal.txt"), 6255.0f, 6015).geometry.jointSymbols.count,
            0);
}

}  // namespace
