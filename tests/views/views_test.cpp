// The five views drawn on a recording surface from a hand-filled model, geometry and maxima:
// every operation in order, the label texts, the placement of the load numbers and the force
// fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/joint_symbols.h"
#include "support/recording_surface.h"
#include "views/draw_deflection_tab.h"
#include "views/draw_model_tab.h"
#include "views/tab_views.h"

namespace {

using Operations = std::vector<std::string>;

long CountOf(const Operations& operations, const std::string& prefix) {
  return std::count_if(operations.begin(), operations.end(),
                       [&](const std::string& operation) { return operation.rfind(prefix, 0) == 0; });
}

NodalLoadRecord Load(float fx, float fy, float moment) {
  NodalLoadRecord load;
  load.fx = fx;
  load.fy = fy;
  load.moment = moment;
  return load;
}

class ViewsTest : public ::testing::Test {
 protected:
  ViewsTest() {
    // An L of two members; the picture is 6015 twips high, so y = 500 is drawn at 5515.
    geometry.memberLines = {{{500, 500, 2500, 500}, {2500, 500, 2500, 2500}}, 2};
  }

  void SetLoads(std::vector<NodalLoadRecord> loads) {
    model.loadCount = static_cast<int32_t>(loads.size());
    loads.push_back(NodalLoadRecord{});
    model.loads = loads;
  }

  ViewData Data() const { return {model, geometry, maxima}; }

  Model model;
  DrawingGeometry geometry;
  ResultMaxima maxima;
  RecordingSurface surface;
};

TEST_F(ViewsTest, ModelTabDrawsMembersNumberedSymbolsAndTheLoadList) {
  // Fx < 0 and M > 0 at (1000, 2000); a load of zeros; Fy < 0 and M < 0 at (2500, 2500).
  SetLoads({Load(-1500.0f, 0.0f, 2500.0f), Load(0.0f, 0.0f, 0.0f), Load(0.0f, -200.0f, -75.5f)});
  geometry.loadSymbols = {
      {{1090, 2000, 1000, 2000}, {1068, 2022, 1000, 2000}, {1068, 1978, 1000, 2000},
       {1000, 2000, 68, 68},     {1068, 2000, 1090, 2022}, {1068, 2000, 1046, 2022},
       {2500, 2590, 2500, 2500}, {2522, 2522, 2500, 2500}, {2478, 2522, 2500, 2500},
       {2500, 2500, -68, -68},   {2432, 2500, 2454, 2522}, {2432, 2500, 2410, 2522}},
      12};

  DrawModelTab(surface, Data());

  const Operations expected = {
      "clear", "scale twips", "pen 2",
      "line 500 5515 2500 5515 #000000", "line 2500 5515 2500 3515 #000000",
      "pen 1",
      // Numbers are centred on the shaft's middle (text 90 wide, 180 high) or on the node.
      "position 1000 3925", "print 1",
      "line 1090 4015 1000 4015 #ffff00", "line 1068 3993 1000 4015 #ffff00",
      "line 1068 4037 1000 4015 #ffff00",
      "position 955 3925", "print 2", "arc 1000 4015 68 #ffff00 0 4.71",
      "line 1068 4015 1090 3993 #ffff00", "line 1068 4015 1046 3993 #ffff00",
      "position 2455 3380", "print 3",
      "line 2500 3425 2500 3515 #ffff00", "line 2522 3493 2500 3515 #ffff00",
      "line 2478 3493 2500 3515 #ffff00",
      "position 2455 3425", "print 4", "arc 2500 3515 68 #ffff00 4.71 3.14",
      "line 2432 3515 2454 3493 #ffff00", "line 2432 3515 2410 3493 #ffff00"};
  EXPECT_EQ(surface.operations, expected);
  EXPECT_EQ(ModelTabLabel(Data()),
            "節点荷重\r"
            "   1. Fx = 1500 [㎏]\r"
            "   2. M  = 2500 [㎏･㎝]\r"
            "   3. Fy = 200 [㎏]\r"
            "   4. M  = 75.5 [㎏･㎝]\r");
}

TEST_F(ViewsTest, LoadNumberHalvesInFloatingPointAndRoundsTheTextHeightHalfToEven) {
  SetLoads({Load(1.0f, 0.0f, 0.0f)});
  // An odd shaft sum halves to .5; the text height 202.5 rounds to 202, 203.5 to 204.
  geometry.loadSymbols = {
      {{909, 2000, 1000, 2000}, {978, 2022, 1000, 2000}, {978, 1978, 1000, 2000}}, 3};
  surface.textHeight = 202.5f;
  DrawModelTab(surface, Data());
  EXPECT_EQ(surface.operations[6], "position 909.5 3914");
  surface.operations.clear();
  surface.textHeight = 203.5f;
  DrawModelTab(surface, Data());
  EXPECT_EQ(surface.operations[6], "position 909.5 3913");
}

TEST_F(ViewsTest, ModelTabWithoutLoadsOrBeforeAnyModelShowsTheHeadingAlone) {
  DrawModelTab(surface, Data());
  EXPECT_EQ(ModelTabLabel(Data()), "節点荷重\r");
  EXPECT_EQ(surface.operations.size(), 6u);

  geometry.memberLines.count = 0;
  surface.operations.clear();
  DrawModelTab(surface, Data());
  EXPECT_EQ(surface.operations, (Operations{"clear", "scale twips", "pen 2", "pen 1"}));
}

TEST_F(ViewsTest, ModelTabListsButDoesNotDrawSymbolsBeyondTheListCount) {
  // Three records for the first symbol only, as when the list was built for another load table.
  SetLoads({Load(10.0f, 20.0f, 0.0f)});
  geometry.loadSymbols = {
      {{910, 2000, 1000, 2000}, {978, 2022, 1000, 2000}, {978, 1978, 1000, 2000}}, 3};
  DrawModelTab(surface, Data());
  EXPECT_EQ(ModelTabLabel(Data()), "節点荷重\r   1. Fx = 10 [㎏]\r   2. Fy = 20 [㎏]\r");
  EXPECT_EQ(surface.operations.size(), 6u + 5u);
  EXPECT_EQ(surface.operations.back(), "line 978 4037 1000 4015 #ffff00");
}

// After the nodal load, a distributed load (outline and seven arrows, the first of zero length
// where its intensity is zero, not drawn) and a moment along member 3, numbered on as 2 and 3
// and listed under their own heading; a load of zero has no symbol and no number.
TEST_F(ViewsTest, ModelTabNumbersAndListsTheLoadsAlongMembersAfterTheNodalOnes) {
  SetLoads({Load(10.0f, 0.0f, 0.0f)});
  model.memberLoads = {{3, kDistributedLoad, kGlobalY, 0, -12.5, 100, 0, 0},
                       {3, kConcentratedForce, kMemberAxisX, 0, 0, 50, 0, 0},
                       {3, kConcentratedMoment, kMomentDirection, -400, 0, 50, 0, 0}};
  std::vector<LineSegment> symbols(3, LineSegment{910, 2000, 1000, 2000});
  symbols.push_back({1000, 500, 2500, 1000});
  symbols.resize(3 + 4, LineSegment{1000, 500, 1000, 500});
  symbols.resize(3 + 22, LineSegment{1250, 700, 1250, 500});
  symbols.insert(symbols.end(), 3, LineSegment{1200, 500, -68, -68});
  geometry.loadSymbols = {symbols, static_cast<DrawingListCount>(symbols.size())};
  DrawModelTab(surface, Data());
  EXPECT_EQ(CountOf(surface.operations, "line"), 2 + 3 + 1 + 18 + 2);
  EXPECT_EQ(CountOf(surface.operations, "line 1000 5515 1000 5515"), 0);
  const auto two = std::find(surface.operations.begin(), surface.operations.end(), "print 2");
  ASSERT_NE(two, surface.operations.end());
  EXPECT_EQ(*(two - 1), "position 1705 5175");  // the outline's middle
  EXPECT_EQ(*(two + 1), "line 1000 5515 2500 5015 #ffff00");
  EXPECT_EQ(surface.operations.end()[-5], "position 1155 5425");
  EXPECT_EQ(surface.operations.end()[-3], "arc 1200 5515 68 #ffff00 4.71 3.14");
  EXPECT_EQ(ModelTabLabel(Data()),
            "節点荷重\r"
            "   1. Fx = 10 [㎏]\r"
            "部材荷重\r"
            "   2. 部材 3 分布 全体Y\r"
            "      p1 = 0, p2 = -12.5 [㎏/㎝]\r"
            "      a = 100, b = 0 [㎝]\r"
            "   3. 部材 3 モーメント\r"
            "      M = -400 [㎏･㎝], a = 50 [㎝]\r");
}

// Hinges, springs and settlements after the loads: a black circle per released end, the springs'
// strokes in blue, the settlements numbered on from the loads in red, and their lists; a record
// without a symbol is not listed, and a symbol beyond the list's count is listed but not drawn.
TEST_F(ViewsTest, ModelTabDrawsAndListsHingesSpringsAndSettlementsAfterTheLoads) {
  SetLoads({Load(10.0f, 0.0f, 0.0f)});
  model.hinges = {{4, 1, 1, 0}, {5, 0, 0, 1}};
  model.springs = {{2, 100, 0, 2.5e6, 1}};
  model.settlements = {{3, 0, -1.5, 0.002, 2}};
  std::vector<LineSegment> symbols = {{1000, 500, 60, 60}, {2000, 500, 60, 60}};
  symbols.resize(symbols.size() + kZigzagRecords + kCoilRecords,
                 LineSegment{2500, 2500, 2400, 2500});
  symbols.insert(symbols.end(), {{2500, 500, 2500, 140}, {2560, 200, 2500, 140},
                                 {2440, 200, 2500, 140}, {2500, 500, 240, 240}});
  geometry.loadSymbols = {{{910, 2000, 1000, 2000}, {978, 2022, 1000, 2000},
                           {978, 1978, 1000, 2000}}, 3};
  geometry.jointSymbols = {symbols, static_cast<DrawingListCount>(symbols.size())};
  DrawModelTab(surface, Data());

  const std::string fullCircle = " #000000 0 6.28318530717959";
  EXPECT_EQ(surface.operations[11], "arc 1000 5515 60" + fullCircle);
  EXPECT_EQ(surface.operations[12], "arc 2000 5515 60" + fullCircle);
  EXPECT_EQ(CountOf(surface.operations, "line 2500 3515 2400 3515 #0000ff"),
            kZigzagRecords + kCoilRecords);
  const Operations settlement(surface.operations.end() - 5, surface.operations.end());
  EXPECT_EQ(settlement, (Operations{"position 2455 5605", "print 2",
                                    "line 2500 5515 2500 5875 #ff0000",
                                    "line 2560 5815 2500 5875 #ff0000",
                                    "line 2440 5815 2500 5875 #ff0000"}));
  EXPECT_EQ(ModelTabLabel(Data()),
            "節点荷重\r"
            "   1. Fx = 10 [㎏]\r"
            "ヒンジ\r"
            "   部材 4 端1, 端2\r"
            "ばね\r"
            "   節点 2 kx = 100 [㎏/㎝], kθ = 2500000 [㎏･㎝/rad]\r"
            "支点変位\r"
            "   2. 節点 3 v = -1.5 [㎝]\r"
            "   3. 節点 3 θ = 0.002 [rad]\r");
}

TEST_F(ViewsTest, DeflectionTabDrawsThinMembersThenTheYellowShape) {
  geometry.deflectedShapeLines = {
      {{500, 500, 1500, 450}, {1500, 450, 2500, 380}, {0, 0, 0, 0}}, 2};
  maxima.displacement.value = 0.0123456;
  DrawDeflectionTab(surface, Data());
  const Operations expected = {"clear", "scale twips", "pen 1",
                               "line 500 5515 2500 5515 #000000",
                               "line 2500 5515 2500 3515 #000000",
                               "pen 1",
                               "line 500 5515 1500 5565 #ffff00",
                               "line 1500 5565 2500 5635 #ffff00"};
  EXPECT_EQ(surface.operations, expected);
  EXPECT_EQ(DeflectionTabLabel(Data()), "変位最大値 [㎝]\r     0.01235");
  maxima.displacement.value = 1.0;
  EXPECT_EQ(DeflectionTabLabel(Data()), "変位最大値 [㎝]\r     1.00000");
}

struct ForceTab {
  const TabView& view;
  DrawingList DrawingGeometry::*lines;
  const char* fill;
  MaximumPlace ResultMaxima::*maximum;
  double value;  // t·cm for the moment, shown in t·m
  const char* label;
};

TEST_F(ViewsTest, ForceTabsFillOneQuadrilateralPerMemberThenOutlineAndThickMembers) {
  const ForceTab tabs[] = {
      {TabViews[2], &DrawingGeometry::bendingMomentLines, "#0000ff", &ResultMaxima::moment,
       123.456, "Ｍ最大値 [t･m]\r     1.23456"},
      {TabViews[3], &DrawingGeometry::shearForceLines, "#ff0000", &ResultMaxima::shear, 1.0,
       "Ｑ最大値 [t]\r     1.00000"},
      {TabViews[4], &DrawingGeometry::axialForceLines, "#00ff00", &ResultMaxima::axial,
       0.0123456, "Ｎ最大値 [t]\r     0.01235"},
  };
  for (const ForceTab& tab : tabs) {
    SCOPED_TRACE(tab.label);
    // The first offset line crosses its member (values of opposite sign at the two ends).
    geometry.*tab.lines = {{{500, 800, 2500, 300}, {2200, 500, 2300, 2500}}, 2};
    (maxima.*tab.maximum).value = tab.value;
    surface.operations.clear();
    tab.view.draw(surface, Data());
    const std::string fill = tab.fill;
    const Operations expected = {
        "clear", "scale twips",
        "fill 500 -5515 500 -5215 2500 -5715 2500 -5515 " + fill,
        "fill 2500 -5515 2200 -5515 2300 -3515 2500 -3515 " + fill,
        "pen 1",
        "line 500 5215 2500 5715 #000000", "line 500 5515 500 5215 #000000",
        "line 2500 5515 2500 5715 #000000",
        "line 2200 5515 2300 3515 #000000", "line 2500 5515 2200 5515 #000000",
        "line 2500 3515 2300 3515 #000000",
        "pen 2",
        "line 500 5515 2500 5515 #000000", "line 2500 5515 2500 3515 #000000",
        "pen 1"};
    EXPECT_EQ(surface.operations, expected);
    EXPECT_EQ(tab.view.label(Data()), tab.label);
    (geometry.*tab.lines).count = 0;
  }
  maxima.moment.value = 1.0;
  EXPECT_EQ(TabViews[2].label(Data()), "Ｍ最大値 [t･m]\r     0.01000");
}

// Member 1 carries a load along it: its curve of three points is filled piece by piece in place
// of its offset record, the line between the pieces painted over in the fill colour, then its
// outline along the curve and at the two ends; member 2 is drawn by its offset record as before.
TEST_F(ViewsTest, ForceTabDrawsTheCurveOfALoadedMemberInPlaceOfItsRecord) {
  geometry.bendingMomentLines = {{{500, 300, 2500, 300}, {2200, 500, 2300, 2500}}, 2};
  geometry.bendingMomentCurves = {
      {{0, 3, 0, 0}, {500, 500, 500, 300}, {1500, 500, 1500, 100}, {2500, 500, 2500, 300}}, 4};
  TabViews[2].draw(surface, Data());
  const Operations expected = {
      "clear", "scale twips",
      "fill 500 -5515 500 -5715 1500 -5915 1500 -5515 #0000ff",
      "fill 1500 -5515 1500 -5915 2500 -5715 2500 -5515 #0000ff",
      "fill 2500 -5515 2200 -5515 2300 -3515 2500 -3515 #0000ff",
      "pen 1",
      "line 1500 5515 1500 5915 #0000ff",
      "line 500 5715 1500 5915 #000000", "line 1500 5915 2500 5715 #000000",
      "line 500 5515 500 5715 #000000", "line 2500 5515 2500 5715 #000000",
      "line 2200 5515 2300 3515 #000000"};
  ASSERT_EQ(surface.operations.size(), expected.size() + 6);
  surface.operations.resize(expected.size());
  EXPECT_EQ(surface.operations, expected);
}

TEST_F(ViewsTest, ResultTabsBeforeAnAnalysisDrawOnlyTheMembersWithZeroMaxima) {
  const char* const labels[] = {"変位最大値 [㎝]\r     0.00000", "Ｍ最大値 [t･m]\r     0.00000",
                                "Ｑ最大値 [t]\r     0.00000", "Ｎ最大値 [t]\r     0.00000"};
  for (size_t tab = 1; tab < TabViews.size(); ++tab) {
    surface.operations.clear();
    TabViews[tab].draw(surface, Data());
    EXPECT_EQ(TabLabelTexts(Data())[tab], labels[tab - 1]);
    EXPECT_EQ(CountOf(surface.operations, "fill"), 0) << TabViews[tab].caption;
    EXPECT_EQ(CountOf(surface.operations, "line"), 2) << TabViews[tab].caption;
  }
}

TEST_F(ViewsTest, ForceTabReadsNoOffsetLineBeyondTheMembers) {
  // A diagram list longer than the member list, as after a new model without a new analysis.
  geometry.shearForceLines = {{{500, 600, 2500, 600}, {2600, 500, 2600, 2500}}, 2};
  geometry.memberLines = {{{500, 500, 2500, 500}}, 1};
  TabViews[3].draw(surface, Data());
  EXPECT_EQ(CountOf(surface.operations, "fill"), 1);
}

}  // namespace
