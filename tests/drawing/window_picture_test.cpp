// The portal frame example on the window's picture (6255 x 6015 twips), member lines and load
// symbols checked against a computation by hand.
#include <gtest/gtest.h>

#include "drawing_test_fixture.h"

namespace {

// Nodes (0, 0), (0, 400), (600, 400), (600, 0); members 1-2, 2-3, 4-3.
// UsableWidth = round(6255 x 0.8) = 5004, UsableHeight = round(6015 x 0.8) = 4812.
// Width scale 5004/600 = 8.34 (single: 8.3400001526), height scale 4812/400 = 12.03: the width
// limits, DrawScale 8.3400001526, LimitingExtent 5004.
// OffsetX = round(500.4 + (5004 - 600 x 8.3400001526)/2) = round(500.4 - 0.0000458) = 500.
// OffsetY = round((4812 - 400 x 8.3400001526)/2 + 481.2) = round(737.99997 + 481.2) = 1219.
// x 600 -> 5004.00009 -> 5004, y 400 -> 3336.00006 -> 3336: the nodes lie at (500, 1219),
// (500, 4555), (5504, 4555), (5504, 1219).
// L = round(5004 x 0.1) = 500, L/4 = 125. Node 2 carries Fx 2000 and Fy -5000 in one load,
// node 3 Fy -5000.
TEST(WindowPicture, PortalFrameByHand) {
  const DrawnModel portal(ExamplePath("portal_frame.txt"), 6255.0f, 6015);
  const ViewFit& fit = portal.fit;
  EXPECT_EQ(fit.UsableWidth, 5004);
  EXPECT_EQ(fit.UsableHeight, 4812);
  EXPECT_EQ(fit.DrawScale, 5004.0f / 600.0f);
  EXPECT_EQ(fit.LimitingExtent, 5004);
  EXPECT_EQ(fit.OffsetX, 500);
  EXPECT_EQ(fit.OffsetY, 1219);
  EXPECT_EQ(InUse(portal.geometry.memberLines),
            (std::vector<LineSegment>{
                {500, 1219, 500, 4555}, {500, 4555, 5504, 4555}, {5504, 1219, 5504, 4555}}));
  EXPECT_EQ(InUse(portal.geometry.loadSymbols),
            (std::vector<LineSegment>{{0, 4555, 500, 4555},
                                      {375, 4680, 500, 4555},
                                      {375, 4430, 500, 4555},
                                      {500, 5055, 500, 4555},
                                      {625, 4680, 500, 4555},
                                      {375, 4680, 500, 4555},
                                      {5504, 5055, 5504, 4555},
                                      {5629, 4680, 5504, 4555},
                                      {5379, 4680, 5504, 4555}}));
}

}  // namespace
