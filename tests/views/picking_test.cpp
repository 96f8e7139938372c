// Picking on the picture: points of a hand-laid L of two members (nodes at drawing points
// (1500, 3000), (1500, 1500) and (4500, 1500)) against the node or member a user means, and the
// pixel that the window's surface draws a drawing point on.
#include <gtest/gtest.h>

#include "support/model_builder.h"
#include "views/picking.h"

namespace {

using Kind = PickedItem::Kind;

TEST(Picking, PicksTheNodeBeforeTheMemberAndTheNearestWithinTheTolerance) {
  // Node numbers differ from their positions, so a position mistaken for a number shows.
  const Model model = ModelBuilder()
                          .Node(10, 0, 100)
                          .Node(20, 0, 0)
                          .Node(30, 200, 0)
                          .Section(1, 1, 1, 1)
                          .Member(7, 0, 1)
                          .Member(8, 1, 2)
                          .Build();
  DrawingGeometry geometry;
  geometry.memberLines.Append({1500, 3000, 1500, 1500}, "test");
  geometry.memberLines.Append({1500, 1500, 4500, 1500}, "test");
  struct Case {
    double x, y;
    PickedItem expected;
  } cases[] = {
      {1500, 3000, {Kind::Node, 0}},    // on a node
      {1540, 2960, {Kind::Node, 0}},    // 57 twips off it, within four pixels
      {1500, 1500, {Kind::Node, 1}},    // where both members meet, the node
      {1530, 1530, {Kind::Node, 1}},    // nearer the corner node than either line's far end
      {4500, 1440, {Kind::Node, 2}},    // below the last node
      {1500, 2250, {Kind::Member, 0}},  // mid-member
      {1559, 2250, {Kind::Member, 0}},  // 59 twips beside it
      {3000, 1441, {Kind::Member, 1}},  // 59 twips below the second member
      {1561, 2250, {}},                 // 61 twips beside: nothing
      {3000, 1560, {Kind::Member, 1}},  // inside the L, nearer the second member
      {4600, 1500, {}},                 // beyond the end of the line, 100 twips from the node
      {200, 200, {}},                   // an empty corner
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickAt(model, geometry, {c.x, c.y}), c.expected) << c.x << ", " << c.y;
  }
  // No geometry yet (before a model): nothing is picked.
  EXPECT_EQ(PickAt(Model{}, DrawingGeometry{}, {1500, 1500}), PickedItem{});
}

// The surface draws twips (x, y) at pixel (x / 15, y / 15) rounded, y measured down; the
// drawing's y is measured up from the bottom of the picture, 6015 twips high at the default size.
TEST(Picking, APixelShowsTheDrawingPointItIsDrawnFrom) {
  const DrawingPlace corner = DrawingPlaceOfPixel(0, 0, 6015.0f);
  EXPECT_EQ(corner.x, 0.0);
  EXPECT_EQ(corner.y, 6015.0);
  const DrawingPlace inside = DrawingPlaceOfPixel(100, 301, 6015.0f);
  EXPECT_EQ(inside.x, 1500.0);
  EXPECT_EQ(inside.y, 6015.0 - 4515.0);
}

}  // namespace
