// The five views drawn on a recording surface from hand-filled drawing lists and stores: every
// operation in order, the label texts, the placement of the load numbers and the force fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/analysis_store.h"
#include "drawing/drawing_builders.h"
#include "drawing/drawing_lists.h"
#include "model/model_store.h"
#include "support/recording_surface.h"
#include "views/draw_deflection_tab.h"
#include "views/draw_force_tabs.h"
#include "views/draw_model_tab.h"
#include "views/tab_label_texts.h"
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
  void SetUp() override {
    modelStore = ModelStore{};
    analysisStore = AnalysisStore{};
    ComputeModelExtents();
    // An L of two members; the picture is 6015 twips high, so y = 500 is drawn at 5515.
    MemberLines = {{{500, 500, 2500, 500}, {2500, 500, 2500, 2500}}, 2};
  }

  void SetLoads(std::vector<NodalLoadRecord> loads) {
    modelStore.loadCount = static_cast<int32_t>(loads.size());
    loads.push_back(NodalLoadRecord{});
    modelStore.loads = loads;
  }

  RecordingSurface surface;
  LabelCapture label;
};

TEST_F(ViewsTest, ModelTabDrawsMembersNumberedSymbolsAndTheLoadList) {
  // Fx < 0 and M > 0 at (1000, 2000); a load of zeros; Fy < 0 and M < 0 at (2500, 2500).
  SetLoads({Load(-1500.0f, 0.0f, 2500.0f), Load(0.0f, 0.0f, 0.0f), Load(0.0f, -200.0f, -75.5f)});
  LoadSymbols = {{{1090, 2000, 1000, 2000}, {1068, 2022, 1000, 2000}, {1068, 1978, 1000, 2000},
                  {1000, 2000, 68, 68},     {1068, 2000, 1090, 2022}, {1068, 2000, 1046, 2022},
                  {2500, 2590, 2500, 2500}, {2522, 2522, 2500, 2500}, {2478, 2522, 2500, 2500},
                  {2500, 2500, -68, -68},   {2432, 2500, 2454, 2522}, {2432, 2500, 2410, 2522}},
                 12};

  DrawModelTab(surface, label);

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
  EXPECT_EQ(label.text,
            "節点荷重\r"
            "   1. Fx = 1500 [㎏]\r"
            "   2. M  = 2500 [㎏･㎝]\r"
            "   3. Fy = 200 [㎏]\r"
            "   4. M  = 75.5 [㎏･㎝]\r");

  // Drawing the tab again gives the same picture and text.
  const Operations first = surface.operations;
  surface.operations.clear();
  DrawModelTab(surface, label);
  EXPECT_EQ(surface.operations, first);
  EXPECT_EQ(TabLabelTexts()[0], label.text);  // the same text with nothing drawn
}

TEST_F(ViewsTest, LoadNumberHalvesInFloatingPointAndRoundsTheTextHeightHalfToEven) {
  SetLoads({Load(1.0f, 0.0f, 0.0f)});
  // An odd shaft sum halves to .5; the text height 202.5 rounds to 202, 203.5 to 204.
  LoadSymbols = {{{909, 2000, 1000, 2000}, {978, 2022, 1000, 2000}, {978, 1978, 1000, 2000}}, 3};
  surface.textHeight = 202.5f;
  DrawModelTab(surface, label);
  EXPECT_EQ(surface.operations[6], "position 909.5 3914");
  surface.operations.clear();
  surface.textHeight = 203.5f;
  DrawModelTab(surface, label);
  EXPECT_EQ(surface.operations[6], "position 909.5 3913");
}

TEST_F(ViewsTest, ModelTabWithoutLoadsOrBeforeAnyModelShowsTheHeadingAlone) {
  DrawModelTab(surface, label);
  EXPECT_EQ(label.text, "節点荷重\r");
  EXPECT_EQ(surface.operations.size(), 6u);

  MemberLines.count = 0;
  surface.operations.clear();
  DrawModelTab(surface, label);
  EXPECT_EQ(surface.operations, (Operations{"clear", "scale twips", "pen 2", "pen 1"}));
  EXPECT_EQ(label.text, "節点荷重\r");
}

TEST_F(ViewsTest, ModelTabListsButDoesNotDrawSymbolsBeyondTheListCount) {
  // Three records for the first symbol only, as when the list was built for another load table.
  SetLoads({Load(10.0f, 20.0f, 0.0f)});
  LoadSymbols = {{{910, 2000, 1000, 2000}, {978, 2022, 1000, 2000}, {978, 1978, 1000, 2000}}, 3};
  DrawModelTab(surface, label);
  EXPECT_EQ(label.text, "節点荷重\r   1. Fx = 10 [㎏]\r   2. Fy = 20 [㎏]\r");
  EXPECT_EQ(surface.operations.size(), 6u + 5u);
  EXPECT_EQ(surface.operations.back(), "line 978 4037 1000 4015 #ffff00");
}

TEST_F(ViewsTest, DeflectionTabDrawsThinMembersThenTheYellowShape) {
  DeflectedShapeLines = {{{500, 500, 1500, 450}, {1500, 450, 2500, 380}, {0, 0, 0, 0}}, 2};
  analysisStore.maxDisplacement = 0.0123456;
  DrawDeflectionTab(surface, label);
  const Operations expected = {"clear", "scale twips", "pen 1",
                               "line 500 5515 2500 5515 #000000",
                               "line 2500 5515 2500 3515 #000000",
                               "pen 1",
                               "line 500 5515 1500 5565 #ffff00",
                               "line 1500 5565 2500 5635 #ffff00"};
  EXPECT_EQ(surface.operations, expected);
  EXPECT_EQ(label.text, "変位最大値 [㎝]\r     0.01235");

  analysisStore.maxDisplacement = 1.0;
  DrawDeflectionTab(surface, label);
  EXPECT_EQ(label.text, "変位最大値 [㎝]\r     1.00000");
}

struct ForceTab {
  void (*draw)(DrawingSurface&, LabelTarget&);
  DrawingList* lines;
  const char* fill;
  double* maximum;
  double value;
  const char* label;
};

TEST_F(ViewsTest, ForceTabsFillOneQuadrilateralPerMemberThenOutlineAndThickMembers) {
  const ForceTab tabs[] = {
      {DrawMomentTab, &BendingMomentLines, "#0000ff",
       &analysisStore.maxMoment, 123.456, "Ｍ最大値 [t･m]\r     1.23456"},
      {DrawShearTab, &ShearForceLines, "#ff0000",
       &analysisStore.maxShearForce, 1.0, "Ｑ最大値 [t]\r     1.00000"},
      {DrawAxialTab, &AxialForceLines, "#00ff00",
       &analysisStore.maxAxialForce, 0.0123456, "Ｎ最大値 [t]\r     0.01235"},
  };
  for (const ForceTab& tab : tabs) {
    SCOPED_TRACE(tab.label);
    // The first offset line crosses its member (values of opposite sign at the two ends).
    *tab.lines = {{{500, 800, 2500, 300}, {2200, 500, 2300, 2500}}, 2};
    *tab.maximum = tab.value;
    surface.operations.clear();
    tab.draw(surface, label);
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
    EXPECT_EQ(label.text, tab.label);
    tab.lines->count = 0;
  }
  analysisStore.maxMoment = 1.0;
  DrawMomentTab(surface, label);
  EXPECT_EQ(label.text, "Ｍ最大値 [t･m]\r     0.01000");
}

TEST_F(ViewsTest, ResultTabsBeforeAnAnalysisDrawOnlyTheMembersWithZeroMaxima) {
  const char* const labels[] = {"変位最大値 [㎝]\r     0.00000", "Ｍ最大値 [t･m]\r     0.00000",
                                "Ｑ最大値 [t]\r     0.00000", "Ｎ最大値 [t]\r     0.00000"};
  for (size_t tab = 1; tab < TabViews.size(); ++tab) {
    surface.operations.clear();
    TabViews[tab].draw(surface, label);
    EXPECT_EQ(label.text, labels[tab - 1]);
    EXPECT_EQ(TabLabelTexts()[tab], labels[tab - 1]);  // the same text with nothing drawn
    EXPECT_EQ(CountOf(surface.operations, "fill"), 0) << TabViews[tab].caption;
    EXPECT_EQ(CountOf(surface.operations, "line"), 2) << TabViews[tab].caption;
  }
}

TEST_F(ViewsTest, ForceTabReadsNoOffsetLineBeyondTheMembers) {
  // A diagram list longer than the member list, as after a new model without a new analysis.
  ShearForceLines = {{{500, 600, 2500, 600}, {2600, 500, 2600, 2500}}, 2};
  MemberLines = {{{500, 500, 2500, 500}}, 1};
  DrawShearTab(surface, label);
  EXPECT_EQ(CountOf(surface.operations, "fill"), 1);
}

}  // namespace
