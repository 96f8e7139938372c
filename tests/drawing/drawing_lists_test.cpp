// A drawing list: records appended and the records in use up to its count, a count its type
// cannot hold refused with the view's name, and the largest list a model can ask for.
#include "drawing/drawing_lists.h"

#include <gtest/gtest.h>

#include "drawing_test_fixture.h"
#include "support/model_builder.h"
#include "support/run_error_of.h"

namespace {

TEST(DrawingList, RecordsInUseStopAtTheCountAndACountTooLargeIsRefused) {
  DrawingList list;
  list.Append({1, 2, 3, 4}, "δ図");
  list.Append({5, 6, 7, 8}, "δ図");
  EXPECT_EQ(InUse(list), (std::vector<LineSegment>{{1, 2, 3, 4}, {5, 6, 7, 8}}));
  list.SetCount(1, "δ図");
  EXPECT_EQ(InUse(list), (std::vector<LineSegment>{{1, 2, 3, 4}}));
  EXPECT_EQ(list.records.size(), 2u);  // records beyond the count are kept, not read

  const RunError error = ErrorOf([&] { list.SetCount(2147483648L, "δ図"); });
  EXPECT_EQ(error.cause(), RunErrorCause::Arithmetic);
  EXPECT_EQ(std::string(error.what()).rfind("δ図の線分が多すぎて描けません（", 0), 0u) << error.what();
  EXPECT_THROW(list.SetCount(-1, "δ図"), RunError);
  EXPECT_EQ(list.count, 1);
}

// The most records a model can ask for: ten for each of 32767 bending members.
TEST(DrawingList, TheLargestDeflectedShapeFitsItsList) {
  ModelBuilder builder;
  constexpr int16_t kNodes = 10922;
  for (int16_t i = 0; i < kNodes; ++i) builder.Node(static_cast<int16_t>(i + 1), 30.0f * i, 0.0f);
  builder.Section(1, 50.0f, 400.0f, 2100000.0f);
  for (int16_t j = 0; j < 32767; ++j) {
    builder.Member(static_cast<int16_t>(j + 1), static_cast<int16_t>(j % (kNodes - 1)),
                   static_cast<int16_t>(j % (kNodes - 1) + 1));
  }
  DrawnModel drawn(builder.Build(), 6255.0f, 6015);
  BuildDeflectedShape(drawn.model, Displaced(std::vector<double>(3 * kNodes, 0.0), 0.0), drawn.fit,
                      drawn.geometry);
  ASSERT_EQ(drawn.geometry.deflectedShapeLines.count, 327670);
  // The curve's end is built from its first node and may miss the member's end by one twip.
  EXPECT_NEAR(drawn.geometry.deflectedShapeLines.records[327669].X2,
              drawn.geometry.memberLines.records[32766].X2, 1);
}

}  // namespace
