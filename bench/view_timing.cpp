// Times the window's tabs on large models: a generated frame is loaded through the window's own
// command, made-up displacements and end forces stand in for an analysis (the real one of 10922
// nodes writes a 30 GB trace), the geometry is built from them as after a run, and every tab
// switch is timed with its repaint: the tab strip moved, the tab's view drawn on the window's
// picture, its text set beside it. The 2000-node frame is timed again with a uniform load along
// every beam, so that each beam is drawn as its curves. Runs offscreen; not a test.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "arithmetic/int16_math.h"
#include "drawing/drawing_builders.h"
#include "model/model.h"
#include "regular_frame.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/window_font.h"
#include "views/tab_views.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// A sway growing with height and a sag across the width, in cm and rad; end forces varying from
// member to member, in t and t·cm; the maxima and their places found in them as after a run.
AnalysisResult MakeUpResults(const Model& model) {
  const size_t nodes = static_cast<size_t>(model.nodeCount);
  AnalysisResult result;
  result.displacements.assign(3 * nodes + 1, 0.0);
  for (size_t i = 0; i < nodes; ++i) {
    const double x = model.nodes[i].x, y = model.nodes[i].y;
    result.displacements[3 * i] = y * 1e-3;
    result.displacements[3 * i + 1] = -0.5 * std::sin(x * 1e-3);
    result.displacements[3 * i + 2] = 1e-4 * std::cos(x * 1e-3);
  }
  for (int j = 0; j < model.memberCount; ++j) {
    const double n = 10.0 + j % 7, q = 3.0 - j % 5, m1 = 100.0 * (j % 11 - 5),
                 m2 = 80.0 * (j % 13 - 6);
    result.endForces.insert(result.endForces.end(), {n, q, m1, -n, -q, m2});
  }
  result.maxima =
      LocateMaxima(model, result.displacements, result.endForces, result.endForces);
  return result;
}

// The model with 10 kg/cm downward along every beam (a member whose nodes are level).
Model WithBeamLoads(Model model) {
  for (int32_t j = 0; j < model.memberCount; ++j) {
    const MemberRecord& member = model.members[static_cast<size_t>(j)];
    if (model.nodes[static_cast<size_t>(member.node1Index)].y !=
        model.nodes[static_cast<size_t>(member.node2Index)].y) {
      continue;
    }
    model.memberLoads.push_back({member.memberNo, kDistributedLoad, kGlobalY, -10.0, -10.0, 0.0,
                                 0.0, static_cast<int16_t>(j)});
  }
  return model;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void TimeFrame(const std::string& directory, int storeys, int bays, int repeats,
               bool loadBeams) {
  const std::string modelPath = directory + "/frame.txt";
  if (!WriteRegularFrame(modelPath, storeys, bays)) Fail("cannot write " + modelPath);
  WindowSeams seams;
  seams.chooseModelFile = [&modelPath](QWidget*, const std::string&) { return modelPath; };
  seams.showMessage = [](QWidget*, const std::string& text) { Fail(text); };
  seams.endProgram = [](int) { Fail("the window ended"); };
  MainWindow window(seams);
  window.show();
  QApplication::processEvents();
  window.ChooseModel();
  const Model model =
      loadBeams ? WithBeamLoads(window.views().model) : Model(window.views().model);
  const AnalysisResult result = MakeUpResults(model);

  DrawingSurface& surface = window.picture->surface();
  QElapsedTimer clock;
  clock.start();
  const DrawingGeometry geometry = BuildDrawingGeometry(
      model, &result, {surface.Width(), RoundToInt16(surface.Height())});
  const double build = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
  const ViewData data{model, geometry, result.maxima};

  // Tab switches 1→2→3→4→5→1..., each timed from the click to the repainted window. The tab
  // strip is moved without its signal, which would draw the window's own geometry.
  std::vector<std::vector<double>> switches(TabViews.size());
  for (int round = 0; round < repeats; ++round) {
    for (size_t step = 0; step < TabViews.size(); ++step) {
      const size_t tab = (step + 1) % TabViews.size();
      clock.restart();
      {
        const QSignalBlocker quiet(window.tabBar);
        window.tabBar->setCurrentIndex(static_cast<int>(tab));
      }
      TabViews[tab].draw(surface, data);
      window.label->setText(
          QString::fromStdString(TabViews[tab].label(data)).replace(QChar('\r'), QChar('\n')));
      window.repaint();
      QApplication::processEvents();
      switches[tab].push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-6);
    }
  }
  std::printf("| %5d | %5d | %5zu | %6d | %6d | %7.1f |", model.nodeCount, model.memberCount,
              model.memberLoads.size(), static_cast<int>(geometry.deflectedShapeLines.count),
              static_cast<int>(geometry.bendingMomentCurves.count), build);
  for (const std::vector<double>& times : switches) std::printf(" %7.1f |", Median(times));
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace

// view_timing: the frames of 2000 nodes (39 × 49) and 10922 nodes (126 × 85), and the first
// with its beams loaded.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setFont(WindowFont());
  char pattern[] = "/tmp/femframe-view-timing-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) Fail("cannot make a directory under /tmp");
  std::printf("| nodes | members | beam loads | δ records | M curve records | "
              "build geometry [ms] |");
  for (const TabView& tab : TabViews) std::printf(" %s [ms] |", tab.caption);
  std::printf("\n|---|---|---|---|---|---|---|---|---|---|---|\n");
  TimeFrame(directory, 39, 49, 7, false);
  TimeFrame(directory, 39, 49, 7, true);
  TimeFrame(directory, 126, 85, 3, false);
  std::filesystem::remove_all(directory);
  return 0;
}
