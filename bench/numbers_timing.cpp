// Times the window's 「数値」 tab on the 2000-node frame, without and with a uniform load along
// every beam: the frame is loaded and analysed through the window's own commands (a real run,
// its work files in a temporary directory), then the tab is clicked right after each run, when
// its tables are made and shown, and again once they are; then the biggest table is scrolled
// through, a page and three rows (a wheel notch) at a time, each step timed to the repainted
// window; last, the whole table is selected and copied. Runs offscreen; not a test.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "regular_frame.h"
#include "tables/result_tables.h"
#include "tables/table_text.h"
#include "ui/main_window.h"
#include "ui/numbers_page.h"
#include "ui/window_font.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Milliseconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) * 1e-6;
}

// Clicks the tab and waits for the repainted window; milliseconds.
double Click(MainWindow& window, int tab) {
  QElapsedTimer clock;
  clock.start();
  window.tabBar->setCurrentIndex(tab);
  window.repaint();
  QApplication::processEvents();
  return Milliseconds(clock);
}

// Each step of `rows` rows from the top to the bottom of the view, timed to its repaint.
std::vector<double> Scroll(QTableView* view, int rows) {
  QScrollBar* bar = view->verticalScrollBar();
  bar->setValue(0);
  std::vector<double> steps;
  QElapsedTimer clock;
  while (bar->value() < bar->maximum()) {
    clock.start();
    bar->setValue(bar->value() + rows);
    view->viewport()->repaint();
    QApplication::processEvents();
    steps.push_back(Milliseconds(clock));
  }
  return steps;
}

void TimeFrame(const std::string& directory, double beamLoad, int runs) {
  const std::string modelPath = directory + "/frame.txt";
  if (!WriteRegularFrame(modelPath, 39, 49, beamLoad)) Fail("cannot write " + modelPath);
  WindowSeams seams;
  seams.chooseModelFile = [&modelPath](QWidget*, const std::string&) { return modelPath; };
  seams.showMessage = [](QWidget*, const std::string& text) { Fail(text); };
  seams.endProgram = [](int) { Fail("the window ended"); };
  seams.workDirectory = [&directory] { return WorkDirectory{directory, WorkDirectoryKind::Given}; };
  MainWindow window(seams);
  window.show();
  QApplication::processEvents();
  window.ChooseModel();

  std::vector<double> first, again;
  for (int run = 0; run < runs; ++run) {
    window.RunAnalysisCommand();
    first.push_back(Click(window, MainWindow::NumbersTab()));
    Click(window, 0);
    again.push_back(Click(window, MainWindow::NumbersTab()));
  }

  NumbersPage& page = *window.numbersPage;
  page.ChooseTable(1);  // 部材端力, the longest
  QTableView* view = page.view;
  const int rows = view->model()->rowCount();
  const std::vector<double> pages = Scroll(view, view->verticalScrollBar()->pageStep());
  const std::vector<double> notches = Scroll(view, 3);
  QElapsedTimer clock;
  clock.start();
  view->selectAll();
  page.CopySelection();
  const double copy = Milliseconds(clock);
  const size_t copied = static_cast<size_t>(QGuiApplication::clipboard()->text().size());
  clock.start();
  const std::string csv = TablesAsCsv(page.tables());
  const double csvTime = Milliseconds(clock);

  std::printf(
      "| %s | %d | %.1f | %.1f | %.1f / %.1f | %.1f / %.1f | %.1f (%zu chars) | %.1f (%zu "
      "bytes) |\n",
      beamLoad != 0.0 ? "loaded beams" : "plain", rows, Median(first), Median(again), Median(pages),
      *std::max_element(pages.begin(), pages.end()), Median(notches),
      *std::max_element(notches.begin(), notches.end()), copy, copied, csvTime, csv.size());
  std::fflush(stdout);
}

}  // namespace

// numbers_timing [RUNS]: the 2000-node frame (39 × 49), plain and with 10 kg/cm down every beam;
// RUNS analyses of each (5 by default).
int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  char pattern[] = "/tmp/femframe-numbers-timing-XXXXXX";
  if (mkdtemp(pattern) == nullptr) Fail("cannot make a directory under /tmp");
  const std::string directory = pattern;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setFont(WindowFont());
  std::printf(
      "| frame | rows of 部材端力 | first click after a run [ms] | click again [ms] | page scroll "
      "median / max [ms] | 3-row scroll median / max [ms] | select all + copy [ms] | CSV of all "
      "tables [ms] |\n|---|---|---|---|---|---|---|---|\n");
  TimeFrame(directory, 0.0, runs);
  TimeFrame(directory, -10.0, runs);
  std::filesystem::remove_all(directory);
  return 0;
}
