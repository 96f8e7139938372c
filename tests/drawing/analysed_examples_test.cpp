// The result geometry of example models after a real analysis on the window's picture
// (6255 x 6015 twips): the cantilever against a computation by hand, and the portal frame's
// diagrams scaled so that each maximum is drawn at 10 % of the limiting extent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <tuple>
#include <utility>

#include "drawing_test_fixture.h"
#include "run/run_analysis.h"
#include "support/recording_surface.h"
#include "views/tab_views.h"

namespace {

// The whole geometry of the example after its analysis. The model is copied into a scratch
// directory, because the report is written beside it.
DrawingGeometry Analysed(const std::string& example) {
  const ScratchDirectory scratch;
  const std::string path = scratch.File(example);
  WriteFileBytes(path, ReadFileBytes(ExamplePath(example)));
  const Model model = LoadModelFile(path);
  const AnalysisResult result = RunAnalysis(model, scratch.work());
  return BuildDrawingGeometry(model, &result, {6255.0f, 6015});
}

// 300 cm cantilever, 1000 kg down at the tip: N 0, Q1 = 1 t, M1 = 300 t·cm, M2 = 0.
// Extents 300 x 300; scales 5004/300 = 16.68 and 4812/300 = 16.04: the height limits,
// DrawScale 16.0400009, LimitingExtent 4812 (10 %: 481.2).
// OffsetX = round(500.4 + (5004 - 4812.00027)/2) = 596, OffsetY = round(-0.00014 + 481.2) = 481;
// the member runs from (596, 481) to (596 + 4812, 481) = (5408, 481); its normal is (0, -1).
// Moment, K = 481.2/300: end 1 at -M1 x K = -481.2 along n, i.e. 481 up; end 2 on the member.
// Shear, K = 481.2/1: both ends 481 down. Axial: maximum 0 (scaled by 1), the band is the member.
// Deflection, Kd = 481.2/v_tip: the tip is drawn 481 down at x 596 + round(300 x 16.04) = 5408;
// for a tip load w(150)/w(300) = 150² x 750 / (300² x 600) = 0.3125, so at k = 5 the point is
// 0.3125 x 481.2 = 150.4 down at x 596 + round(2406.0001) = 3002.
TEST(AnalysedExamples, CantileverByHand) {
  const DrawingGeometry g = Analysed("cantilever.txt");
  EXPECT_EQ(InUse(g.memberLines), (std::vector<LineSegment>{{596, 481, 5408, 481}}));
  EXPECT_EQ(InUse(g.bendingMomentLines), (std::vector<LineSegment>{{596, 962, 5408, 481}}));
  EXPECT_EQ(InUse(g.shearForceLines), (std::vector<LineSegment>{{596, 0, 5408, 0}}));
  EXPECT_EQ(InUse(g.axialForceLines), InUse(g.memberLines));
  const std::vector<LineSegment> shape = InUse(g.deflectedShapeLines);
  ASSERT_EQ(shape.size(), 10u);
  EXPECT_EQ(shape[0].X1, 596);
  EXPECT_EQ(shape[0].Y1, 481);
  EXPECT_EQ(shape[4].X2, 3002);
  EXPECT_EQ(shape[4].Y2, 331);
  EXPECT_EQ(shape[9].X2, 5408);
  EXPECT_EQ(shape[9].Y2, 0);
}

// The largest distance of a diagram's end points from their member ends, in twips.
int LargestOffset(const DrawingList& list, const DrawingList& memberLines) {
  int largest = 0;
  for (size_t j = 0; j < list.InUse().size(); ++j) {
    const LineSegment& record = list.records[j];
    const LineSegment& member = memberLines.records[j];
    for (const int offset : {record.X1 - member.X1, record.Y1 - member.Y1,
                             record.X2 - member.X2, record.Y2 - member.Y2}) {
      largest = std::max(largest, std::abs(offset));
    }
  }
  return largest;
}

// Every member of the portal frame is parallel to an axis, so the member that holds a diagram's
// maximum is offset by round(5004 x 0.1) = 500 and no other point lies further out.
TEST(AnalysedExamples, PortalFrameMaximaAreDrawnAtTenPercent) {
  const DrawingGeometry g = Analysed("portal_frame.txt");
  EXPECT_EQ(LargestOffset(g.bendingMomentLines, g.memberLines), 500);
  EXPECT_EQ(LargestOffset(g.shearForceLines, g.memberLines), 500);
  EXPECT_EQ(LargestOffset(g.axialForceLines, g.memberLines), 500);
  EXPECT_EQ(g.bendingMomentLines.count, 3);
  ASSERT_EQ(g.deflectedShapeLines.count, 30);
  // Members 1 and 3 rise from the fixed supports: their curves start on the member lines.
  for (const auto& [piece, member] : {std::pair<size_t, size_t>{0, 0}, {20, 2}}) {
    EXPECT_EQ(g.deflectedShapeLines.records[piece].X1, g.memberLines.records[member].X1);
    EXPECT_EQ(g.deflectedShapeLines.records[piece].Y1, g.memberLines.records[member].Y1);
  }
}

}  // namespace

namespace {

// Whether both points of every record in use lie inside the picture; a symbol record's second
// point may hold a radius, so only the first is checked there.
bool InsidePicture(const DrawingList& list, bool secondPointToo) {
  for (const LineSegment& r : InUse(list)) {
    const auto inside = [](int16_t x, int16_t y) { return x >= 0 && x <= 6255 && y >= 0 && y <= 6015; };
    if (!inside(r.X1, r.Y1) || (secondPointToo && !inside(r.X2, r.Y2))) return false;
  }
  return true;
}

// The window's font as the detailed fit must allow for it (IPAGothic at 12 pixels): half an em
// for ASCII and the middle dot, a whole em for the rest.
class WindowFontSurface : public RecordingSurface {
 public:
  float TextWidth(const std::string& text) const override {
    float width = 0.0f;
    for (size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if ((byte & 0xC0) == 0x80) continue;
      width += byte < 0x80 || text.compare(i, 2, "·") == 0 ? 90.0f : 180.0f;
    }
    return width;
  }
  // Whether every line and arc drawn lies inside the picture.
  bool DrewInside() const {
    for (const std::string& operation : operations) {
      std::istringstream in(operation);
      std::string kind;
      float a = 0, b = 0, c = 0, d = 0;
      in >> kind;
      if (kind == "line") in >> a >> b >> c >> d;
      if (kind == "arc") {
        float radius = 0;
        in >> a >> b >> radius;
        std::tie(a, b, c, d) = std::tuple(a - radius, b - radius, a + radius, b + radius);
      }
      for (const float x : {a, c}) {
        if (x < 0 || x > width) return false;
      }
      for (const float y : {b, d}) {
        if (y < 0 || y > height) return false;
      }
    }
    return true;
  }
  // The operations that begin with `prefix` and hold `part`.
  long Count(const std::string& prefix, const std::string& part = "") const {
    return std::count_if(operations.begin(), operations.end(), [&](const std::string& operation) {
      return operation.starts_with(prefix) && operation.find(part) != std::string::npos;
    });
  }
};

}  // namespace

// Beams lie along the bottom of the picture, where the plain fit lets a sag run off it, and the
// reactions' arrows and values stand outside the supports: the detailed fit keeps everything the
// model tab and the moment tab draw inside the picture, prints the value of every reaction (a
// moment with its arc) and the moment where it is largest: PL/4 = 1.5 t·m under the simply
// supported beam's load. Without the option there are no values. A truss's held rotations are
// no clamps: it stands on a pin and a roller.
TEST(AnalysedExamples, TheDetailedViewKeepsEverythingInside) {
  for (const std::string& path :
       {TestDataPath("analysis/simply_supported_beam.txt"), ExamplePath("cantilever.txt"),
        ExamplePath("continuous_beam.txt"), ExamplePath("spring_settled_beam.txt"),
        ExamplePath("three_hinged_frame.txt"), ExamplePath("portal_frame.txt"),
        ExamplePath("two_bay_frame.txt"), ExamplePath("pulled_portal.txt"),
        ExamplePath("simple_truss.txt")}) {
    SCOPED_TRACE(path);
    const ScratchDirectory scratch;
    const std::string copy = scratch.File("model.txt");
    WriteFileBytes(copy, ReadFileBytes(path));
    const Model model = LoadModelFile(copy);
    const AnalysisResult result = RunAnalysis(model, scratch.work());
    const DrawingGeometry plain = BuildDrawingGeometry(model, &result, {6255.0f, 6015});
    const DrawingGeometry g =
        BuildDrawingGeometry(model, &result, {6255.0f, 6015}, DrawingOptions{true});
    EXPECT_TRUE(InsidePicture(g.deflectedShapeLines, true));
    EXPECT_GT(g.details.supportSymbols.count, 0);
    EXPECT_TRUE(plain.details.values[2].empty());
    for (const size_t tab : {0, 2}) {
      WindowFontSurface surface;
      surface.textHeight = 195.0f;
      TabViews[tab].draw(surface, {model, g, result.maxima, true});
      EXPECT_TRUE(surface.DrewInside()) << TabViews[tab].caption;
      if (tab != 0) continue;
      long reactions = 0, moments = 0;
      for (const SupportReaction& reaction : result.reactions) {
        for (size_t c = 0; c < 3; ++c) {
          const bool shown = reaction.Holds(c) && std::fabs(reaction.force[c]) > 1e-3;
          reactions += shown;
          moments += shown && c == 2;
        }
      }
      EXPECT_EQ(surface.Count("text R"), reactions);
      EXPECT_EQ(surface.Count("text Rm"), moments);
      EXPECT_EQ(surface.Count("arc", " #0000ff "), moments);
    }
    if (path.find("simply_supported") != std::string::npos) {
      const std::vector<ValueMark>& moments = g.details.values[2];
      EXPECT_NE(std::find_if(moments.begin(), moments.end(),
                             [](const ValueMark& m) { return m.text == "1.5"; }),
                moments.end());
    }
    if (path.find("simple_truss") != std::string::npos) {
      Model free = model;
      for (SupportRecord& support : free.supports) support.fixTheta = 0;
      EXPECT_EQ(InUse(g.details.supportSymbols),
                InUse(BuildDrawingGeometry(free, &result, {6255.0f, 6015}, DrawingOptions{true})
                          .details.supportSymbols));
    }
  }
}
