// Times the window's tabs on large models: a generated frame is loaded through the window's own
// command, made-up displacements and end forces stand in for an analysis (the real one of 10922
// nodes writes a 30 GB trace), the result geometry is built as after a run, and every tab switch
// is timed with its repaint. Runs offscreen; not a test.
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/analysis_store.h"
#include "basics/number_text.h"
#include "basics/text_file.h"
#include "basics/work_directory.h"
#include "drawing/drawing_lists.h"
#include "model/model_store.h"
#include "regular_frame.h"
#include "ui/form1.h"
#include "ui/window_font.h"
#include "views/tab_views.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

// A sway growing with height and a sag across the width, in cm and rad; end forces varying from
// member to member, in t and t·cm, written to "work2.txt" as the member-force step would.
void MakeUpResults() {
  const size_t nodes = static_cast<size_t>(modelStore.nodeCount);
  AnalysisStore& store = analysisStore;
  store.dofCount = static_cast<int16_t>(3 * nodes);
  store.displacements.assign(3 * nodes + 1, 0.0);
  store.maxDisplacement = 0.0;
  for (size_t i = 0; i < nodes; ++i) {
    const double x = modelStore.nodes[i].x, y = modelStore.nodes[i].y;
    store.displacements[3 * i] = y * 1e-3;
    store.displacements[3 * i + 1] = -0.5 * std::sin(x * 1e-3);
    store.displacements[3 * i + 2] = 1e-4 * std::cos(x * 1e-3);
    store.maxDisplacement = std::max({store.maxDisplacement, std::fabs(y * 1e-3),
                                      std::fabs(store.displacements[3 * i + 1])});
  }
  TextFileWriter work2(Work2Path());
  store.maxAxialForce = store.maxShearForce = store.maxMoment = 0.0;
  for (int j = 0; j < modelStore.memberCount; ++j) {
    const double n = 10.0 + j % 7, q = 3.0 - j % 5, m1 = 100.0 * (j % 11 - 5),
                 m2 = 80.0 * (j % 13 - 6);
    for (const double value : {n, q, m1, -n, -q, m2}) work2.WriteLine(FormatWorkValue(value));
    store.maxAxialForce = std::max(store.maxAxialForce, n);
    store.maxShearForce = std::max(store.maxShearForce, std::fabs(q));
    store.maxMoment = std::max({store.maxMoment, std::fabs(m1), std::fabs(m2)});
  }
  work2.Close();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void TimeFrame(const std::string& directory, int storeys, int bays, int repeats) {
  const std::string model = directory + "/frame.txt";
  if (!WriteRegularFrame(model, storeys, bays)) Fail("cannot write " + model);
  Form1Seams seams;
  seams.chooseModelFile = [&model](QWidget*, const std::string&) { return model; };
  seams.showMessage = [](QWidget*, const std::string& text) { Fail(text); };
  seams.endProgram = [](int) { Fail("the window ended"); };
  Form1 form(seams);
  form.show();
  QApplication::processEvents();
  form.cmdSelect_Click();
  MakeUpResults();

  QElapsedTimer clock;
  clock.start();
  ClearToTwips(form.surface());
  BuildResultGeometry(form.surface().Width(), static_cast<int16_t>(form.surface().Height()));
  const double build = static_cast<double>(clock.nsecsElapsed()) * 1e-6;

  // Tab switches 1→2→3→4→5→1..., each timed from the click to the repainted window.
  std::vector<std::vector<double>> switches(TabViews.size());
  for (int round = 0; round < repeats; ++round) {
    for (size_t tab = 0; tab < TabViews.size(); ++tab) {
      clock.restart();
      form.SelectTab(static_cast<int>((tab + 1) % TabViews.size()));
      form.repaint();
      QApplication::processEvents();
      switches[(tab + 1) % TabViews.size()].push_back(
          static_cast<double>(clock.nsecsElapsed()) * 1e-6);
    }
  }
  std::printf("| %5d | %5d | %6d | %7.1f |", modelStore.nodeCount, modelStore.memberCount,
              static_cast<int>(DeflectedShapeLines.count), build);
  for (const std::vector<double>& times : switches) std::printf(" %7.1f |", Median(times));
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace

// view_timing: the frames of 2000 nodes (39 × 49) and 10922 nodes (126 × 85).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setFont(WindowFont());
  char pattern[] = "/tmp/femframe-view-timing-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (directory == nullptr) Fail("cannot make a directory under /tmp");
  SetWorkDirectory(directory);
  std::printf("| nodes | members | δ records | build results [ms] |");
  for (const TabView& tab : TabViews) std::printf(" %s [ms] |", tab.caption);
  std::printf("\n|---|---|---|---|---|---|---|---|---|\n");
  TimeFrame(directory, 39, 49, 7);
  TimeFrame(directory, 126, 85, 3);
  std::filesystem::remove_all(directory);
  return 0;
}
