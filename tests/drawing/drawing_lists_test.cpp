// The six drawing lists: the reset of a model load, the window's copy of the geometry put back
// whole (records beyond the count included), and the largest list a model can ask for.
#include "drawing/drawing_lists.h"

#include <gtest/gtest.h>

#include "support/model_builder.h"
#include "drawing/drawing_builders.h"
#include "drawing_test_fixture.h"

namespace {

using DrawingListsTest = DrawingTest;

TEST_F(DrawingListsTest, ModelExtentsResetTheLists) {
  LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  DeflectedShapeLines = {std::vector<LineSegment>(5, LineSegment{1, 2, 3, 4}), 5};
  ComputeModelExtents();
  for (const NamedDrawingList& named : AllDrawingLists) {
    EXPECT_EQ(named.list->records, (std::vector<LineSegment>{LineSegment{}})) << named.name;
    EXPECT_EQ(named.list->count, 0) << named.name;
  }
}

TEST_F(DrawingListsTest, TheCopyOfTheGeometryPutsBackEveryListAndTheExtents) {
  LoadModel(DrawingData("bent_600x300.txt"), 6000.0f, 4000);
  LoadSymbols = {{{1, 2, 3, 4}, {5, 6, 7, 8}}, 1};
  AxialForceLines = {{{9, 9, 9, 9}}, 1};
  std::vector<DrawingList> before;
  for (const NamedDrawingList& named : AllDrawingLists) before.push_back(*named.list);
  const DrawingGeometry copy = DrawingGeometry::Current();
  LoadModel(DrawingData("coincident_nodes.txt"), 6000.0f, 4000);
  copy.Restore();
  for (size_t i = 0; i < AllDrawingLists.size(); ++i) {
    EXPECT_EQ(AllDrawingLists[i].list->records, before[i].records) << AllDrawingLists[i].name;
    EXPECT_EQ(AllDrawingLists[i].list->count, before[i].count) << AllDrawingLists[i].name;
  }
  EXPECT_EQ(MemberLines.count, 2);
  EXPECT_EQ(ModelWidth, 600.0f);
  EXPECT_EQ(ModelHeight, 300.0f);
}

// The most records a model can ask for: ten for each of 32767 bending members.
TEST_F(DrawingListsTest, TheLargestDeflectedShapeFitsItsList) {
  ModelBuilder model;
  constexpr int16_t kNodes = 10922;
  for (int16_t i = 0; i < kNodes; ++i) model.Node(static_cast<int16_t>(i + 1), 30.0f * i, 0.0f);
  model.Section(1, 50.0f, 400.0f, 2100000.0f);
  for (int16_t j = 0; j < 32767; ++j) {
    model.Member(static_cast<int16_t>(j + 1), static_cast<int16_t>(j % (kNodes - 1)),
                 static_cast<int16_t>(j % (kNodes - 1) + 1));
  }
  model.Install();
  ComputeModelExtents();
  LayoutMembers(6255.0f, 6015);
  SetDisplacements(std::vector<double>(3 * kNodes, 0.0), 0.0);
  BuildDeflectedShape(6255.0f, 6015);
  ASSERT_EQ(DeflectedShapeLines.count, 327670);
  // The curve's end is built from its first node and may miss the member's end by one twip.
  EXPECT_NEAR(DeflectedShapeLines.records[327669].X2, MemberLines.records[32766].X2, 1);
}

}  // namespace
