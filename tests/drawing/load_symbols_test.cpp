// The load symbols: an arrow and a moment symbol whose corners are rounding ties, the order of
// loads and components with zero components skipped, a model without loads, and a rebuild.
#include <gtest/gtest.h>

#include "drawing_test_fixture.h"

namespace {

std::vector<LineSegment> Symbols(const std::string& path, float pictureWidth,
                                 int16_t pictureHeight) {
  return InUse(DrawnModel(path, pictureWidth, pictureHeight).geometry.loadSymbols);
}

// L = 90 (usable height 900 limits) and the loaded node drawn at (1000, 2000); the load has
// Fx > 0, Fy = 0 and M < 0. L/4 = 22.5 and 3L/4 = 67.5 make every head corner a tie.
TEST(LoadSymbols, ArrowAndMomentWithLength90) {
  EXPECT_EQ(Symbols(DrawingData("load_symbol_ties.txt"), 6255.0f, 1125),
            (std::vector<LineSegment>{{910, 2000, 1000, 2000},
                                      {978, 2022, 1000, 2000},
                                      {978, 1978, 1000, 2000},
                                      {1000, 2000, -68, -68},
                                      {932, 2000, 954, 2022},
                                      {932, 2000, 910, 2022}}));
}

// L = 320 (L/4 = 80); nodes drawn at (1280, 320), (4480, 320) and (4480, 3520). Loads in table
// order, Fx, Fy, M within each; the all-zero load and the zero components add nothing.
TEST(LoadSymbols, LoadsAndComponentsInOrder) {
  EXPECT_EQ(Symbols(DrawingData("load_order.txt"), 6000.0f, 4000),
            (std::vector<LineSegment>{
                // node 3: Fx -300, Fy 200, M 5000
                {4800, 3520, 4480, 3520}, {4560, 3600, 4480, 3520}, {4560, 3440, 4480, 3520},
                {4480, 3200, 4480, 3520}, {4560, 3440, 4480, 3520}, {4400, 3440, 4480, 3520},
                {4480, 3520, 240, 240}, {4720, 3520, 4800, 3600}, {4720, 3520, 4640, 3600},
                // node 2: Fy -700, then Fx 100 from a second load on the same node
                {4480, 640, 4480, 320}, {4560, 400, 4480, 320}, {4400, 400, 4480, 320},
                {4160, 320, 4480, 320}, {4400, 400, 4480, 320}, {4400, 240, 4480, 320},
                // node 1: M -1
                {1280, 320, -240, -240}, {1040, 320, 1120, 400}, {1040, 320, 960, 400}}));
}

TEST(LoadSymbols, ModelWithoutLoadsHasNoSymbolsAndARebuildReplacesThem) {
  EXPECT_TRUE(Symbols(DrawingData("horizontal_line.txt"), 6000.0f, 4000).empty());
  DrawnModel drawn(DrawingData("load_symbol_ties.txt"), 6255.0f, 1125);
  BuildLoadSymbols(drawn.model, drawn.fit, drawn.geometry.loadSymbols);
  EXPECT_EQ(drawn.geometry.loadSymbols.count, 6);
}

}  // namespace
