// Members with loads along them in the pictures: the force diagrams and the deflected shape of a
// simply supported beam held to their closed forms within a pixel everywhere along it, the jump
// of a point load set against the beam split at the load with the load made nodal, and the
// load symbols of each kind after the nodal ones.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drawing/geometry_json.h"
#include "drawing/member_curves.h"
#include "drawing_test_fixture.h"
#include "support/model_builder.h"

namespace {

constexpr double kPixel = 15.0;  // twips

// The beam of bent_600x300 (600 cm, drawn from (480, 720) to (5280, 720) at 8 twips per cm,
// 10 % of the limiting extent is 480 twips) with its unloaded post, simply supported.
ModelBuilder Bent() {
  ModelBuilder builder;
  builder.Node(1, 0, 0).Node(2, 600, 0).Node(3, 600, 300).Section(1, 100, 80000, 2100000);
  return builder.Member(1, 0, 1).Member(2, 1, 2);
}

// The drawn offset of the polygon through `points` (base and diagram points, the base running
// along y = 720) at x cm along the beam; at a jump, the value before it.
double DrawnOffsetAt(std::span<const LineSegment> points, double x) {
  const double drawnX = 480 + 8 * x;
  for (size_t k = 1; k < points.size(); ++k) {
    const LineSegment& a = points[k - 1];
    const LineSegment& b = points[k];
    if (a.X1 < b.X1 && a.X1 <= drawnX && drawnX <= b.X1) {
      const double t = (drawnX - a.X1) / (b.X1 - a.X1);
      return (a.Y2 - a.Y1) * (1 - t) + (b.Y2 - b.Y1) * t;
    }
  }
  ADD_FAILURE() << "no piece at x = " << x;
  return 0;
}

using Plotted = std::function<double(double)>;  // t or t·cm at x cm

struct LoadedBeam {
  const char* name;
  Model model;
  std::vector<double> endForces;  // member 1; member 2 carries nothing
  double maxima[3];               // M, Q, N
  Plotted moment, shear, axial;   // M(x), -Q(x), -N(x)
};

// Simply supported over 600 cm: reactions and M(x) from statics.
std::vector<LoadedBeam> LoadedBeams() {
  std::vector<LoadedBeam> beams;
  // 10 kg/cm downward and 5 kg/cm along the member, held at node 1: wL²/8 = 450 t·cm.
  beams.push_back({"uniform", Bent().MemberLoad(0, 1, 4, -10, -10, 0, 0)
                                  .MemberLoad(0, 1, 1, 5, 5, 0, 0).Build(),
                   {-3, 3, 0, 0, 3, 0}, {450, 3, 3},
                   [](double x) { return 10 * x * (600 - x) / 2 / 1000; },
                   [](double x) { return 3 - 0.01 * x; },
                   [](double x) { return -3 + 0.005 * x; }});
  // 5000 kg down at a = 200: Pab/L = 666.7 t·cm, Q jumps from Pb/L to -Pa/L.
  beams.push_back({"point", Bent().MemberLoad(0, 2, 2, -5000, 0, 200, 0).Build(),
                   {0, 10.0 / 3, 0, 0, 5.0 / 3, 0}, {2000.0 / 3, 10.0 / 3, 0},
                   [](double x) { return x <= 200 ? 10 * x / 3 : 5 * (600 - x) / 3; },
                   [](double x) { return x < 200 ? 10.0 / 3 : -5.0 / 3; },
                   [](double) { return 0.0; }});
  // Triangular, 0 at node 1 to 12 kg/cm down at node 2: M = 1200x − x³/300 kg·cm, a cubic.
  beams.push_back({"triangular", Bent().MemberLoad(0, 1, 2, 0, -12, 0, 0).Build(),
                   {0, 1.2, 0, 0, 2.4, 0}, {277.128, 2.4, 0},
                   [](double x) { return (1200 * x - x * x * x / 300) / 1000; },
                   [](double x) { return (1200 - x * x / 100) / 1000; },
                   [](double) { return 0.0; }});
  return beams;
}

AnalysisResult ResultOf(const LoadedBeam& beam) {
  std::vector<double> forces = beam.endForces;
  forces.resize(12, 0.0);
  AnalysisResult result = Forces(forces, beam.maxima[0], beam.maxima[1], beam.maxima[2]);
  result.displacements.assign(10, 0.0);
  return result;
}

// Every diagram of every beam lies within a pixel of its closed form all along the member (wL²/8
// at midspan drawn at 10 % of the extent), below the member for positive values as the end rule
// draws them; the post, without loads, keeps its one offset record and has no curve.
TEST(AlongMemberDrawing, ForceDiagramsFollowTheClosedFormsWithinAPixel) {
  for (const LoadedBeam& beam : LoadedBeams()) {
    SCOPED_TRACE(beam.name);
    DrawnModel drawn(beam.model, 6000.0f, 4000);
    const AnalysisResult result = ResultOf(beam);
    BuildBendingMomentDiagram(drawn.model, result, drawn.fit, drawn.geometry);
    BuildShearForceDiagram(drawn.model, result, drawn.fit, drawn.geometry);
    BuildAxialForceDiagram(drawn.model, result, drawn.fit, drawn.geometry);
    const DrawingGeometry& g = drawn.geometry;
    const struct {
      const DrawingList &curves, &lines;
      const Plotted& value;
    } diagrams[] = {{g.bendingMomentCurves, g.bendingMomentLines, beam.moment},
                    {g.shearForceCurves, g.shearForceLines, beam.shear},
                    {g.axialForceCurves, g.axialForceLines, beam.axial}};
    for (size_t d = 0; d < 3; ++d) {
      const std::vector<MemberCurve> curves = MemberCurvesOf(diagrams[d].curves);
      ASSERT_EQ(curves.size(), 1u);
      EXPECT_EQ(curves[0].memberPosition, 0);
      const std::span<const LineSegment> points = curves[0].points;
      const double scale = 480 / (beam.maxima[d] == 0 ? 1 : beam.maxima[d]);
      for (int k = 0; k <= 600; ++k) {
        if (std::abs(k - 200) <= 1 && beam.shear(199) != beam.shear(201)) continue;
        EXPECT_NEAR(DrawnOffsetAt(points, k), -diagrams[d].value(k) * scale, kPixel) << k;
      }
      EXPECT_EQ(diagrams[d].lines.records[0], (LineSegment{points.front().X2, points.front().Y2,
                                                           points.back().X2, points.back().Y2}));
      EXPECT_EQ(diagrams[d].lines.records[1], g.memberLines.records[1]);
    }
  }
}

// The beam split at the point load, the load made nodal, drawn by the rule of unloaded members:
// its offset lines meet the loaded beam's curve at the ends and on either side of the jump.
TEST(AlongMemberDrawing, PointLoadMatchesTheBeamSplitAtIt) {
  const LoadedBeam beam = LoadedBeams()[1];
  DrawnModel loaded(beam.model, 6000.0f, 4000);
  ModelBuilder split;
  split.Node(1, 0, 0).Node(2, 200, 0).Node(3, 600, 0).Node(4, 600, 300);
  split.Section(1, 100, 80000, 2100000).Member(1, 0, 1).Member(2, 1, 2).Member(3, 2, 3);
  DrawnModel parts(split.Load(1, 0, -5000, 0).Build(), 6000.0f, 4000);
  const AnalysisResult result = ResultOf(beam);
  const AnalysisResult partsResult = Forces(
      {0, 10.0 / 3, 0, 0, -10.0 / 3, 2000.0 / 3, 0, -5.0 / 3, -2000.0 / 3, 0, 5.0 / 3, 0,
       0, 0, 0, 0, 0, 0},
      2000.0 / 3, 10.0 / 3, 0);
  for (auto build : {BuildBendingMomentDiagram, BuildShearForceDiagram}) {
    build(loaded.model, result, loaded.fit, loaded.geometry);
    build(parts.model, partsResult, parts.fit, parts.geometry);
  }
  // The moment has a kink at the load, drawn at 2080; the shear jumps there by the load itself,
  // 5 t at 480 / (10/3) twips per tonne.
  const struct {
    const DrawingList &curves, &parts;
    int jump;
  } diagrams[] = {{loaded.geometry.bendingMomentCurves, parts.geometry.bendingMomentLines, 0},
                  {loaded.geometry.shearForceCurves, parts.geometry.shearForceLines, 720}};
  for (const auto& diagram : diagrams) {
    const std::span<const LineSegment> points = MemberCurvesOf(diagram.curves)[0].points;
    const LineSegment &left = diagram.parts.records[0], &right = diagram.parts.records[1];
    size_t at = 0;
    while (at + 1 < points.size() && points[at].X1 != 2080) ++at;
    const LineSegment before = points[at];
    const LineSegment after = points[at + 1].X1 == 2080 ? points[at + 1] : before;
    EXPECT_NEAR(after.Y2 - before.Y2, diagram.jump, 1);
    EXPECT_NEAR(points.front().Y2, left.Y1, 1);
    EXPECT_NEAR(before.Y2, left.Y2, 1);
    EXPECT_NEAR(after.Y2, right.Y1, 1);
    EXPECT_NEAR(points.back().Y2, right.Y2, 1);
  }

  // The curves go to the geometry file under keys of their own, after the six lists.
  const ScratchDirectory scratch;
  WriteGeometryJson(scratch.File("g.json"), loaded.geometry, {});
  const std::string json = ReadFileBytes(scratch.File("g.json"));
  EXPECT_NE(json.find("\"AxialForceLines\": [],\n  \"BendingMomentCurves\": [\n    [0, "),
            std::string::npos);
  EXPECT_EQ(json.find("AxialForceCurves"), std::string::npos);  // not built
}

// 10 kg/cm down on the simply supported beam: v(x) = −w x (L³ − 2L x² + x³) / 24EI, so
// 5wL⁴/384EI at midspan, drawn at 10 % of the extent when it is the largest; the unloaded post
// keeps its ten pieces.
TEST(AlongMemberDrawing, DeflectedShapeIsTheElasticCurveWithinAPixel) {
  DrawnModel drawn(Bent().MemberLoad(0, 1, 4, -10, -10, 0, 0).Build(), 6000.0f, 4000);
  const double ei = static_cast<double>(2100000.0f * 80000.0f), w = 10, l = 600;
  const double slope = w * l * l * l / (24 * ei);
  const auto v = [&](double x) {
    return -w * x * (l * l * l - 2 * l * x * x + x * x * x) / (24 * ei);
  };
  const double midspan = 5 * w * l * l * l * l / (384 * ei);
  AnalysisResult result = Displaced({0, 0, -slope, 0, 0, slope, -300 * slope, 0, slope}, midspan);
  result.endForces = {0, 3, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
  BuildDeflectedShape(drawn.model, result, drawn.fit, drawn.geometry);
  const std::vector<LineSegment> shape = InUse(drawn.geometry.deflectedShapeLines);
  ASSERT_GT(shape.size(), 10u);
  const size_t beamPieces = shape.size() - 10;
  std::vector<LineSegment> points;  // as base and curve points: base (x, 720), curve (x, y)
  points.push_back({shape[0].X1, 720, shape[0].X1, shape[0].Y1});
  for (size_t k = 0; k < beamPieces; ++k) {
    points.push_back({shape[k].X2, 720, shape[k].X2, shape[k].Y2});
  }
  for (int x = 0; x <= 600; ++x) {
    EXPECT_NEAR(DrawnOffsetAt(points, x), v(x) * 480 / midspan, kPixel) << "x " << x;
  }
  EXPECT_NEAR(DrawnOffsetAt(points, 300), -480, kPixel);
  EXPECT_EQ(shape[beamPieces].X1, 5280);
}

// bent_600x300 with its nodal load (three records) and one load of each kind along member 1,
// drawn at 8 twips per cm with L = 480: the distributed load's outline 480 above the member and
// seven arrows down to it, every 100 cm; the point load's arrow; the moment's arc.
TEST(AlongMemberDrawing, LoadSymbolsOfEachKindFollowTheNodalOnes) {
  Model model = LoadModelFile(DrawingData("bent_600x300.txt"));
  model.memberLoads = {{1, kDistributedLoad, kGlobalY, -10, -10, 0, 0, 0},
                       {1, kConcentratedForce, kMemberAxisY, -500, 0, 150, 0, 0},
                       {1, kConcentratedForce, kGlobalX, 0, 0, 300, 0, 0},
                       {1, kConcentratedMoment, kMomentDirection, 300, 0, 450, 0, 0}};
  const std::vector<LineSegment> symbols =
      InUse(DrawnModel(model, 6000.0f, 4000).geometry.loadSymbols);
  ASSERT_EQ(symbols.size(), 3u + 22 + 3 + 3);
  EXPECT_EQ(symbols[3], (LineSegment{480, 1200, 5280, 1200}));
  for (int i = 0; i < 7; ++i) {
    const int16_t x = static_cast<int16_t>(480 + 800 * i);
    const long first = 4 + 3 * i;
    EXPECT_EQ(std::vector<LineSegment>(symbols.begin() + first, symbols.begin() + first + 3),
              (std::vector<LineSegment>{{x, 1200, x, 720},
                                        {static_cast<int16_t>(x + 120), 840, x, 720},
                                        {static_cast<int16_t>(x - 120), 840, x, 720}}))
        << i;
  }
  EXPECT_EQ(std::vector<LineSegment>(symbols.begin() + 25, symbols.end()),
            (std::vector<LineSegment>{{1680, 1200, 1680, 720}, {1800, 840, 1680, 720},
                                      {1560, 840, 1680, 720},
                                      {4080, 720, 360, 360}, {4440, 720, 4560, 840},
                                      {4440, 720, 4320, 840}}));
}

}  // namespace
