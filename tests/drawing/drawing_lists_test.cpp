// The six drawing lists: the reset of a model load, the window's copy of the geometry put back
// whole (records beyond the count included), and a count beyond its type refused with the view.
#include "drawing/drawing_lists.h"

#include <gtest/gtest.h>

#include "support/run_error_of.h"
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

TEST_F(DrawingListsTest, ACountBeyondItsTypeIsARunErrorNamingTheView) {
  DrawingList list;
  list.SetCount(32767, "δ図");
  EXPECT_EQ(std::string(ErrorOf([&] { list.Append(LineSegment{}, "δ図"); }).what()),
            "δ図の線分が多すぎて描けません（32768 本、32767 本まで）。");
  EXPECT_EQ(list.count, 32767);
}

}  // namespace
