// The main window driven as the user drives it, headless, with the file dialogs, the message box
// and the end of the program replaced: start, load, cancel, analyse, switch tabs, a model
// rejected by the check or by its geometry after a good one, a failed run, a read failure, the
// warning about support lines beyond the count, the model of the command line, F5, a dropped
// file, another process's run, the run's progress dialog and its "キャンセル", Qt's own dialog in
// Japanese, the tables of 「数値」 with their copy and CSV, the status line, and the tabs on
// screen.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QSvgRenderer>
#include <QTableView>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <limits>
#include <memory>

#include "run/work_files.h"
#include "support/recording_surface.h"
#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/numbers_page.h"
#include "ui/picture_box.h"
#include "ui/picture_menu.h"
#include "ui/qt_japanese.h"
#include "ui/window_arguments.h"
#include "ui/window_font.h"

namespace {

struct FakeDesktop {
  std::deque<std::string> chosenFiles;  // "" or an exhausted queue is a cancelled dialog
  std::deque<std::string> saveFiles;    // the same for the save dialog
  std::vector<std::string> saveSuggestions;
  std::vector<std::string> dialogFolders;
  std::vector<std::string> messages;
  std::vector<bool> cursorRestoredAtMessage;
  int endCalls = 0;
  int endStatus = -1;  // of the last end
  WorkDirectory work;  // where runs put their work files
  std::function<void()> onMessage;  // checks the window as each message is shown

  static std::string Next(std::deque<std::string>& queue) {
    if (queue.empty()) return "";
    std::string path = queue.front();
    queue.pop_front();
    return path;
  }

  WindowSeams Seams() {
    WindowSeams seams;
    seams.chooseModelFile = [this](QWidget*, const std::string& folder) {
      dialogFolders.push_back(folder);
      return Next(chosenFiles);
    };
    seams.showMessage = [this](QWidget*, const std::string& text) {
      messages.push_back(text);
      cursorRestoredAtMessage.push_back(QGuiApplication::overrideCursor() == nullptr);
      if (onMessage) onMessage();
    };
    seams.chooseSaveFile = [this](QWidget*, const std::string&, const std::string& suggested,
                                  const std::string&) {
      saveSuggestions.push_back(suggested);
      return Next(saveFiles);
    };
    seams.endProgram = [this](int status) {
      ++endCalls;
      endStatus = status;
    };
    seams.workDirectory = [this] { return work; };
    return seams;
  }
};

bool WaitCursorShown() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Records the window's drawing on its way to the picture, and whether the wait cursor was up
// whenever the picture was cleared.
class WatchingSurface : public RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;
  void Clear() override {
    waitCursorAtClear.push_back(WaitCursorShown());
    RecordingSurface::Clear();
  }
  std::vector<bool> waitCursorAtClear;
};

// The operations that start with prefix and, when colour is given, name it.
std::vector<std::string> OperationsStartingWith(const std::vector<std::string>& operations,
                                                const std::string& prefix,
                                                const std::string& colour = "") {
  std::vector<std::string> found;
  for (const std::string& operation : operations) {
    if (operation.rfind(prefix, 0) == 0 && operation.find(colour) != std::string::npos) {
      found.push_back(operation);
    }
  }
  return found;
}

std::string LineText(const LineSegment& line, const char* colour) {
  const int height = 6015;
  return "line " + std::to_string(line.X1) + " " + std::to_string(height - line.Y1) + " " +
         std::to_string(line.X2) + " " + std::to_string(height - line.Y2) + " " + colour;
}

// The lists in use of the geometry on show, to compare before and after a command.
std::vector<std::vector<LineSegment>> ShownGeometry(const MainWindow& window) {
  std::vector<std::vector<LineSegment>> lists;
  for (const NamedDrawingList& named : NamedDrawingLists(window.views().geometry)) {
    lists.emplace_back(named.list->InUse().begin(), named.list->InUse().end());
  }
  return lists;
}

const char* const kCantileverLabels[] = {
    "節点荷重\r   1. Fy = 1000 [㎏]\r", "変位最大値 [㎝]\r     10.71429",
    "Ｍ最大値 [t･m]\r     3.00000", "Ｑ最大値 [t]\r     1.00000", "Ｎ最大値 [t]\r     0.00000"};
// small_cantilever.txt on show after the cantilever's run: the result tabs keep its maxima.
const char* const kSmallCantileverAfterCantileverLabels[] = {
    "節点荷重\r   1. Fy = 1234.56 [㎏]\r", kCantileverLabels[1], kCantileverLabels[2],
    kCantileverLabels[3], kCantileverLabels[4]};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScratchDirectory> scratch;
  WorkDirectory work;  // the scratch directory, where the window's runs put their work files
  FakeDesktop desktop;
  std::unique_ptr<MainWindow> form;
  std::unique_ptr<WatchingSurface> recording;

  // A copy of a test model in the scratch directory, so its report is written there.
  std::string ModelFile(const std::string& name) {
    const std::string path = scratch->File(name);
    WriteFileBytes(path, ReadFileBytes(TestDataPath("ui/" + name)));
    return path;
  }

  void Choose(const std::string& path) {
    desktop.chosenFiles.push_back(path);
    form->ChooseModel();
  }

  // The label's place on the picture panel: the scroll area's left edge, top and height, with the
  // label's own width, the area's scroll bar right of it.
  QRect LabelPlace() {
    const QRect area = form->labelArea->geometry();
    return QRect(area.topLeft(), QSize(form->label->maximumWidth(), area.height()));
  }

  std::vector<std::string> LabelsOfEveryTab() {
    std::vector<std::string> labels;
    for (int tab = 0; tab < 5; ++tab) {
      form->SelectTab(tab);
      labels.push_back(form->labelText());
    }
    return labels;
  }

  void CompareLabels(const char* const (&expected)[5]) {
    const std::vector<std::string> labels = LabelsOfEveryTab();
    for (size_t tab = 0; tab < 5; ++tab) QCOMPARE(labels[tab], std::string(expected[tab]));
  }

 private slots:
  void initTestCase() { QApplication::setFont(WindowFont()); }

  void init() {
    scratch = std::make_unique<ScratchDirectory>();
    work = scratch->work();
    desktop = FakeDesktop{};
    desktop.work = work;
    form = std::make_unique<MainWindow>(desktop.Seams());
    recording = std::make_unique<WatchingSurface>(&form->picture->surface());
    form->SetSurfaceForTests(recording.get());
  }

  void cleanup() {
    form.reset();
    recording.reset();
    scratch.reset();
  }

  void startsWithItsTextsAndLayoutAndTheAnalysisDisabled() {
    QCOMPARE(form->windowTitle(), QString("有限要素法による構造解析（トラス・ラーメン）"));
    QCOMPARE(form->chooseButton->text(), QString("解析モデル選択"));
    QCOMPARE(form->runButton->text(), QString("解析実行"));
    QCOMPARE(form->endButton->text(), QString("終了"));
    QCOMPARE(form->labelText(), std::string("節点荷重"));
    QVERIFY(!form->runButton->isEnabled());
    QCOMPARE(form->tabBar->count(), 6);
    const char* const captions[] = {"解析モデル", "δ図", "Ｍ図", "Ｑ図", "Ｎ図", "数値"};
    for (int tab = 0; tab < 6; ++tab) QCOMPARE(form->tabBar->tabText(tab), QString(captions[tab]));
    QCOMPARE(form->tabBar->currentIndex(), 0);

    QCOMPARE(form->size(), QSize(655, 536));
    // The default size is the smallest; the window grows and can be maximised.
    QCOMPARE(form->minimumSize(), QSize(655, 536));
    QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(form->chooseButton->geometry(), QRect(296, 496, 105, 33));
    QCOMPARE(form->runButton->geometry(), QRect(416, 496, 105, 33));
    QCOMPARE(form->endButton->geometry(), QRect(536, 496, 105, 33));
    QCOMPARE(form->tabBar->pos(), QPoint(16, 8));
    QCOMPARE(form->tabBar->width(), 625);
    QCOMPARE(form->pictureFrame->geometry(), QRect(32, 40, 593, 433));
    QCOMPARE(form->picture->parentWidget(), form->pictureFrame);
    QCOMPARE(form->picture->geometry(), QRect(16, 16, 417, 401));
    QCOMPARE(form->labelArea->parentWidget(), form->pictureFrame);
    QCOMPARE(form->labelArea->widget(), form->label);
    QCOMPARE(LabelPlace(), QRect(448, 16, 129, 401));
    QCOMPARE(form->surface().Width(), 6255.0f);
    QCOMPARE(form->surface().Height(), 6015.0f);
    QCOMPARE(form->statusLine->geometry(), QRect(16, 496, 272, 33));
    QCOMPARE(form->statusText(), std::string());
    QCOMPARE(form->numbersPage->geometry(), form->pictureFrame->geometry());
    QVERIFY(form->numbersPage->isHidden());

    // Nothing is drawn before a model is loaded.
    const QImage& picture = form->picture->surface().image();
    for (int y = 0; y < picture.height(); y += 7) {
      for (int x = 0; x < picture.width(); x += 7) {
        QCOMPARE(picture.pixel(x, y), picture.pixel(0, 0));
      }
    }
  }

  void loadingAModelDrawsTab1AndListsTheLoads() {
    form->SelectTab(2);
    recording->operations.clear();
    Choose(ModelFile("portal_all_loads.txt"));
    QVERIFY(desktop.messages.empty());
    QVERIFY(form->runButton->isEnabled());
    QCOMPARE(form->tabBar->currentIndex(), 0);
    const std::string loadList =
        "節点荷重\r"
        "   1. Fx = 1500 [㎏]\r"
        "   2. M  = 2500 [㎏･㎝]\r"
        "   3. Fx = 200.5 [㎏]\r"
        "   4. Fy = 3000 [㎏]\r"
        "   5. M  = 120000 [㎏･㎝]\r";
    QCOMPARE(form->labelText(), loadList);
    QCOMPARE(form->label->text(), QString::fromStdString(loadList).replace('\r', '\n'));

    // What tab 1 drew, against the drawing lists of the model.
    const DrawingGeometry& geometry = form->views().geometry;
    QCOMPARE(geometry.memberLines.count, 3);
    QCOMPARE(geometry.loadSymbols.count, 15);
    // The window clears the picture before it builds the geometry, then tab 1 draws.
    const std::vector<std::string>& drawn = recording->operations;
    QCOMPARE(std::count(drawn.begin(), drawn.end(), "clear"), 2);
    const std::vector<std::string> tab1(std::find(drawn.begin(), drawn.end(), "pen 2"), drawn.end());
    std::vector<std::string> members, yellow;
    for (const LineSegment& line : geometry.memberLines.InUse()) {
      members.push_back(LineText(line, "#000000"));
    }
    for (size_t symbol = 0; symbol < 5; ++symbol) {
      const bool moment = symbol == 1 || symbol == 4;
      for (size_t record = moment ? 1 : 0; record < 3; ++record) {
        yellow.push_back(LineText(geometry.loadSymbols.records[symbol * 3 + record], "#ffff00"));
      }
    }
    QCOMPARE(std::vector<std::string>(tab1.begin() + 1, tab1.begin() + 4), members);
    QCOMPARE(OperationsStartingWith(tab1, "line", "#ffff00"), yellow);
    const std::vector<std::string> arcs = OperationsStartingWith(tab1, "arc");
    QCOMPARE(arcs.size(), size_t{2});
    QVERIFY(arcs[0].size() > 6 && arcs[0].substr(arcs[0].size() - 7) == " 0 4.71");
    QVERIFY(arcs[1].substr(arcs[1].size() - 10) == " 4.71 3.14");
    QCOMPARE(OperationsStartingWith(tab1, "print"),
             (std::vector<std::string>{"print 1", "print 2", "print 3", "print 4", "print 5"}));
  }

  void cancellingTheDialogChangesNothing() {
    form->ChooseModel();
    QVERIFY(recording->operations.empty());
    QVERIFY(!form->runButton->isEnabled());

    const std::string path = ModelFile("cantilever.txt");
    Choose(path);
    recording->operations.clear();
    form->ChooseModel();
    QVERIFY(recording->operations.empty());
    QVERIFY(form->runButton->isEnabled());
    QCOMPARE(form->labelText(), std::string(kCantileverLabels[0]));
    QCOMPARE(form->views().model.modelPath, path);
    QVERIFY(desktop.messages.empty());
  }

  void analysisShowsTab1AndTheMaximaOnEveryTab() {
    const std::string path = ModelFile("small_cantilever.txt");
    Choose(path);
    form->SelectTab(3);
    recording->waitCursorAtClear.clear();
    form->RunAnalysisCommand();
    QVERIFY(desktop.messages.empty());
    QCOMPARE(form->tabBar->currentIndex(), 0);
    // Wait cursor from the start of the run until tab 1 is drawn, and not after.
    QCOMPARE(recording->waitCursorAtClear, (std::vector<bool>{true, true}));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(FileExists(path.substr(0, path.size() - 4) + "_res.txt"));
    QVERIFY(FileExists(Work2Path(work)));
    QVERIFY(form->views().geometry.deflectedShapeLines.count > 0);
    QCOMPARE(form->views().geometry.bendingMomentLines.count, 1);

    const char* const labels[] = {
        "節点荷重\r   1. Fy = 1234.56 [㎏]\r", "変位最大値 [㎝]\r     0.01235",
        "Ｍ最大値 [t･m]\r     1.23456", "Ｑ最大値 [t]\r     1.23456", "Ｎ最大値 [t]\r     0.00000"};
    CompareLabels(labels);

    // The analysis can run again on the same model with the same result.
    form->RunAnalysisCommand();
    CompareLabels(labels);
  }

  // A new model after an analysis: the result tabs draw its members alone, and their labels keep
  // the maxima of the last run until the next one.
  void aNewModelKeepsThePreviousMaximaUntilItIsAnalysed() {
    Choose(ModelFile("cantilever.txt"));
    form->RunAnalysisCommand();
    Choose(ModelFile("small_cantilever.txt"));
    QCOMPARE(form->tabBar->currentIndex(), 0);
    recording->operations.clear();
    CompareLabels(kSmallCantileverAfterCantileverLabels);
    QCOMPARE(OperationsStartingWith(recording->operations, "fill").size(), size_t{0});
    // The load arrow of tab 1, no deflected shape.
    QCOMPARE(OperationsStartingWith(recording->operations, "line", "#ffff00").size(), size_t{3});
  }

  void switchingTabsRedrawsTheSameEachTime() {
    Choose(ModelFile("portal_all_loads.txt"));
    form->RunAnalysisCommand();
    std::vector<std::vector<std::string>> firstRound;
    for (int round = 0; round < 2; ++round) {
      for (int tab = 0; tab < 5; ++tab) {
        // A user's click: the tab changes and the view is drawn once.
        recording->operations.clear();
        form->tabBar->setCurrentIndex(tab == 0 ? 4 : tab - 1);
        recording->operations.clear();
        form->tabBar->setCurrentIndex(tab);
        QCOMPARE(OperationsStartingWith(recording->operations, "clear").size(), size_t{1});
        const std::vector<std::string> drawn = recording->operations;
        // Selecting it again from the program draws it again, the same.
        recording->operations.clear();
        form->SelectTab(tab);
        QCOMPARE(recording->operations, drawn);
        if (round == 0) {
          firstRound.push_back(drawn);
        } else {
          QCOMPARE(drawn, firstRound[static_cast<size_t>(tab)]);
        }
      }
    }
    QCOMPARE(OperationsStartingWith(firstRound[2], "fill").size(), size_t{3});
    QVERIFY(firstRound[2][2].find("#0000ff") != std::string::npos);
    QVERIFY(firstRound[3][2].find("#ff0000") != std::string::npos);
    QVERIFY(firstRound[4][2].find("#00ff00") != std::string::npos);
  }

  // A model that fails the reference check, or whose geometry cannot be built (here on a picture
  // of infinite width), leaves the good one drawn and analysable.
  void aRejectedModelAfterAGoodOneLeavesTheGoodOneInUse() {
    const std::string good = ModelFile("cantilever.txt");
    Choose(good);
    const auto shown = ShownGeometry(*form);
    recording->operations.clear();
    Choose(ModelFile("bad_reference.txt"));
    QCOMPARE(desktop.messages,
             std::vector<std::string>{"部材データ定義において指定された節点データがありません。部材No＝1\n"
                                      "11行目、部材表の1件目の節点2：節点No＝9は節点表にありません。"});
    QVERIFY(recording->operations.empty());
    RecordingSurface infinite;
    infinite.width = std::numeric_limits<float>::infinity();
    form->SetSurfaceForTests(&infinite);
    Choose(ModelFile("small_cantilever.txt"));
    form->SetSurfaceForTests(recording.get());
    QCOMPARE(desktop.messages.size(), size_t{2});
    QVERIFY(desktop.messages[1].starts_with("計算中に"));
    QCOMPARE(desktop.endCalls, 0);
    QVERIFY(form->runButton->isEnabled());
    QCOMPARE(form->labelText(), std::string(kCantileverLabels[0]));
    QCOMPARE(form->views().model.modelPath, good);
    QCOMPARE(form->views().model.members[0].node2Index, int16_t{1});
    QVERIFY(ShownGeometry(*form) == shown);

    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{2});
    CompareLabels(kCantileverLabels);
  }

  void aRejectedFirstModelKeepsTheAnalysisDisabled() {
    Choose(ModelFile("bad_reference.txt"));
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY(!form->runButton->isEnabled());
    QCOMPARE(form->views().model.memberCount, 0);
    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY(!FileExists(Work1Path(work)));
    QCOMPARE(form->labelText(), std::string("節点荷重"));
  }

  // A run that fails is reported with the cursor restored, and the window goes on showing what
  // it showed before: the tab, the model, the geometry of its last run and the maxima. Here the
  // report cannot replace a folder of its name; then a model without supports cannot be solved.
  void aFailedRunIsReportedAndLeavesTheWindowAsItWas() {
    const std::string path = ModelFile("cantilever.txt");
    Choose(path);
    form->RunAnalysisCommand();
    form->SelectTab(2);
    const auto shown = ShownGeometry(*form);
    const std::string report = scratch->File("cantilever_res.txt");
    std::filesystem::remove(report);
    std::filesystem::create_directory(report);
    recording->operations.clear();
    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY2(desktop.messages[0].find(report) != std::string::npos, desktop.messages[0].c_str());
    QCOMPARE(desktop.cursorRestoredAtMessage, std::vector<bool>{true});
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(desktop.endCalls, 0);
    QCOMPARE(form->tabBar->currentIndex(), 2);
    QCOMPARE(OperationsStartingWith(recording->operations, "fill").size(), size_t{1});
    QCOMPARE(form->views().model.modelPath, path);
    QVERIFY(ShownGeometry(*form) == shown);
    CompareLabels(kCantileverLabels);

    Choose(ModelFile("no_supports.txt"));
    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{2});
    QVERIFY(form->runButton->isEnabled());
  }

  // A run's progress dialog (shown at once here): modal, the step and "キャンセル", the wait
  // cursor on the window and the normal one on the dialog; meanwhile no command, F5 or close
  // starts. Its button stops the run with "解析を中止しました。" and the window is left as it was
  // before the run; a run nobody stops shows the results as usual.
  void theProgressDialogStopsTheRunAndNothingElseStartsMeanwhile() {
    const std::string path = ModelFile("cantilever.txt");
    Choose(path);
    form->RunAnalysisCommand();
    const std::string work1 = ReadFileBytes(Work1Path(work));
    Choose(ModelFile("small_cantilever.txt"));
    const auto shown = ShownGeometry(*form);
    form->SetProgressDelayForTests(0);
    bool seen = false;
    QTimer::singleShot(0, form.get(), [this, &seen] {
      auto* dialog = form->findChild<QProgressDialog*>();
      QVERIFY(dialog != nullptr && dialog->isVisible());
      QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
      QVERIFY(!dialog->labelText().isEmpty());
      auto* cancel = dialog->findChild<QPushButton*>();
      QVERIFY(cancel != nullptr);
      QCOMPARE(cancel->text(), QString("キャンセル"));
      QVERIFY(QGuiApplication::overrideCursor() == nullptr);
      QCOMPARE(form->cursor().shape(), Qt::WaitCursor);
      QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
      QVERIFY(form->running());
      QVERIFY(!form->close());
      form->ChooseModel();
      form->ReloadModel();
      form->EndProgram();
      QCOMPARE(desktop.dialogFolders.size(), size_t{2});
      QCOMPARE(desktop.endCalls, 0);
      QTest::mouseClick(cancel, Qt::LeftButton);
      seen = true;
    });
    form->RunAnalysisCommand();
    QVERIFY(seen);
    QCOMPARE(desktop.messages, std::vector<std::string>{"解析を中止しました。"});
    QCOMPARE(desktop.cursorRestoredAtMessage, std::vector<bool>{true});
    QVERIFY(form->cursor().shape() != Qt::WaitCursor);
    QVERIFY(form->findChild<QProgressDialog*>() == nullptr);
    QVERIFY(!form->running());
    QCOMPARE(ReadFileBytes(Work1Path(work)), work1);  // stopped before its step
    QVERIFY(ShownGeometry(*form) == shown);
    QCOMPARE(form->tabBar->currentIndex(), 0);
    QVERIFY(form->runButton->isEnabled());
    QCOMPARE(desktop.endCalls, 0);
    CompareLabels(kSmallCantileverAfterCantileverLabels);

    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY(form->views().geometry.deflectedShapeLines.count > 0);
    QVERIFY(form->findChild<QProgressDialog*>() == nullptr);
    QVERIFY(form->cursor().shape() != Qt::WaitCursor);
  }

  // A file that cannot be read shows its message and changes nothing: a window without a model
  // (as after "femframe nosuch.txt") stays empty, and one with a model keeps it, its last run and
  // its tables, analysable as before.
  void aReadFailureLeavesTheWindowOpenAsItWas() {
    form->OpenModel(scratch->File("missing.txt"));
    QCOMPARE(desktop.messages,
             std::vector<std::string>{
                 "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。\n「" +
                 scratch->File("missing.txt") + "」を開けません：ファイルがありません。"});
    QVERIFY(!form->runButton->isEnabled());
    QCOMPARE(form->labelText(), std::string("節点荷重"));

    const std::string good = ModelFile("cantilever.txt");
    Choose(good);
    form->RunAnalysisCommand();
    const auto shown = ShownGeometry(*form);
    const std::string status = form->statusText();
    Choose(ModelFile("wrong_type.txt"));
    QCOMPARE(desktop.messages.size(), size_t{2});
    QVERIFY(desktop.messages[1].starts_with(
        "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。\n1行目は"));
    QCOMPARE(desktop.endCalls, 0);
    QCOMPARE(form->views().model.modelPath, good);
    QVERIFY(ShownGeometry(*form) == shown);
    QCOMPARE(form->statusText(), status);
    form->SelectTab(MainWindow::NumbersTab());
    QCOMPARE(form->numbersPage->tables().size(), size_t{3});

    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{2});
    CompareLabels(kCantileverLabels);
  }

  // 「数値」 shows the tables in the picture's place: none before a run, the run's after it (the
  // cantilever's tip: v = −PL³/3EI, θ = −PL²/2EI; the support: Ry = P, M = PL). Ctrl+C copies the
  // selected cells as a spreadsheet pastes them, whole columns with their headings; the context
  // menu saves every table as CSV beside the report, and the status line says where.
  void theNumbersTabShowsTheTablesCopiesCellsAndSavesCsv() {
    Choose(ModelFile("cantilever.txt"));
    form->SelectTab(MainWindow::NumbersTab());
    QVERIFY(!form->numbersPage->isHidden() && form->pictureFrame->isHidden());
    QVERIFY(form->numbersPage->tables().empty());
    QVERIFY(!form->numbersPage->saveAction->isEnabled());

    form->RunAnalysisCommand();
    QVERIFY(form->numbersPage->isHidden() && !form->pictureFrame->isHidden());
    const std::string report = scratch->File("cantilever_res.txt");
    QVERIFY2(form->statusText().starts_with("解析が終わりました（") &&
                 form->statusText().ends_with("）。結果: " + report),
             form->statusText().c_str());
    QVERIFY(form->statusLine->text().startsWith("解析が終わりました（"));
    form->SelectTab(MainWindow::NumbersTab());
    QComboBox* chooser = form->numbersPage->chooser;
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(2), QString("支点反力"));
    QTableView* view = form->numbersPage->view;
    QCOMPARE(view->model()->rowCount(), 2);
    // Ctrl+C is the shortcut of the view's 「コピー」, which acts in the active window.
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    view->setFocus();

    const auto copy = [&](int top, int left, int bottom, int right) {
      QAbstractItemModel* model = view->model();
      view->selectionModel()->select(
          QItemSelection(model->index(top, left), model->index(bottom, right)),
          QItemSelectionModel::ClearAndSelect);
      QGuiApplication::clipboard()->clear();
      QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
      return QGuiApplication::clipboard()->text();
    };
    QCOMPARE(copy(1, 2, 1, 3), QString("-10.7143\t-0.0535714\n"));
    QCOMPARE(copy(0, 2, 1, 2), QString("v [㎝]\n0\n-10.7143\n"));
    form->numbersPage->ChooseTable(2);
    QCOMPARE(copy(0, 2, 0, 3), QString("Ry [t]\tM [t･m]\n1.00000\t3.00000\n"));

    // The table chosen stays chosen when a new run fills the page again.
    form->RunAnalysisCommand();
    form->SelectTab(MainWindow::NumbersTab());
    QCOMPARE(chooser->currentText(), QString("支点反力"));

    desktop.saveFiles = {"", scratch->path(), scratch->File("tables.csv")};
    for (int attempt = 0; attempt < 3; ++attempt) form->numbersPage->saveAction->trigger();
    QCOMPARE(desktop.saveSuggestions.front(), scratch->File("cantilever_res.csv"));
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY2(desktop.messages[0].find(scratch->path()) != std::string::npos,
             desktop.messages[0].c_str());
    const std::string csv = ReadFileBytes(scratch->File("tables.csv"));
    QVERIFY(csv.starts_with("\xEF\xBB\xBF節点変位\r\n節点,u [㎝],v [㎝],θ [rad]\r\n1,0,0,0\r\n"));
    QVERIFY(csv.find("\r\n\r\n支点反力\r\n節点,Rx [t],Ry [t],M [t･m]\r\n1,") != std::string::npos);
    QCOMPARE(form->statusText(), "表を CSV で保存しました。保存先: " + scratch->File("tables.csv"));
  }

  // The picture's menu saves the printout (after a run) and the picture on show, each beside the
  // report by default, and the status line says where. The PNG holds the picture's pixels; the
  // SVG, rendered at the picture's size, draws on the picture's drawn pixels or next to them, and
  // the picture's drawn pixels are there in it.
  void thePictureMenuSavesThePrintoutAndThePicture() {
    form->SetSurfaceForTests(nullptr);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    Choose(ModelFile("portal_all_loads.txt"));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(desktop.saveSuggestions.empty());
    QCOMPARE(form->statusText(), "PDF は解析の後に保存できます。先に「解析実行」を押してください。");
    form->RunAnalysisCommand();
    form->SelectTab(2);
    const std::string pdf = scratch->File("m.pdf");
    const std::string png = scratch->File("m.png");
    const std::string svg = scratch->File("m.svg");
    desktop.saveFiles = {pdf, png, svg};
    form->pictureMenu->savePdfAction->trigger();
    form->pictureMenu->savePngAction->trigger();
    form->pictureMenu->saveSvgAction->trigger();
    const std::string beside = scratch->File("portal_all_loads_res");
    QCOMPARE(desktop.saveSuggestions,
             (std::vector<std::string>{beside + ".pdf", beside + ".png", beside + ".svg"}));
    QVERIFY(desktop.messages.empty());
    QCOMPARE(form->statusText(), "図を SVG で保存しました。保存先: " + svg);
    QVERIFY(ReadFileBytes(pdf).starts_with("%PDF-"));

    const QImage shown = form->picture->surface().image().convertToFormat(QImage::Format_RGB32);
    QImage saved(QString::fromStdString(png));
    saved.setDevicePixelRatio(shown.devicePixelRatio());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown);
    QSvgRenderer renderer(QString::fromStdString(svg));
    QVERIFY(renderer.isValid());
    const QSize pixels = form->picture->contentsRect().size();
    QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, pixels.width() * 15, pixels.height() * 15));
    QImage rendered(shown.size(), QImage::Format_RGB32);
    QPainter painter(&rendered);
    renderer.render(&painter, QRectF(QPointF(), shown.size()));
    painter.end();
    // The share of one image's drawn pixels with a drawn pixel of the other within `reach`.
    const auto near = [](const QImage& from, const QImage& to, int reach) {
      int drawn = 0;
      int found = 0;
      for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
          if (from.pixel(x, y) == from.pixel(0, 0)) continue;
          ++drawn;
          bool any = false;
          for (int dy = -reach; dy <= reach && !any; ++dy) {
            for (int dx = -reach; dx <= reach && !any; ++dx) {
              const QPoint at(x + dx, y + dy);
              any = to.valid(at) && to.pixel(at) != to.pixel(0, 0);
            }
          }
          found += any;
        }
      }
      return drawn > 1000 ? static_cast<double>(found) / drawn : 0.0;
    };
    const int reach = qRound(shown.devicePixelRatio());
    const double shownInSvg = near(shown, rendered, reach);
    const double svgInShown = near(rendered, shown, 2 * reach);
    QVERIFY2(shownInSvg > 0.97, qPrintable(QString::number(shownInSvg)));
    QVERIFY2(svgInShown > 0.97, qPrintable(QString::number(svgInShown)));
  }

  // Support lines beyond the count: the model is loaded as the counts say, then the warning.
  void supportLinesBeyondTheCountWarnAfterTheModelIsDrawn() {
    const std::string model = scratch->File("beyond.txt");
    WriteFileBytes(model, ReadFileBytes(TestDataPath("model/supports_beyond_count.txt")));
    desktop.chosenFiles.push_back(model);
    desktop.onMessage = [this] {
      QVERIFY(form->runButton->isEnabled());
      QCOMPARE(form->labelText(), std::string(kCantileverLabels[0]));
    };
    form->ChooseModel();
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY(desktop.messages[0].ends_with("\n最初は16行目で、全部で2行です。件数の行の支点数が少なすぎないか確認してください。"));
    QCOMPARE(desktop.endCalls, 0);
    QCOMPARE(form->views().model.supportCount, int16_t{1});
  }

  void theButtonsRunTheirCommands() {
    desktop.chosenFiles.push_back(ModelFile("cantilever.txt"));
    form->chooseButton->click();
    QCOMPARE(form->labelText(), std::string(kCantileverLabels[0]));
    form->runButton->click();
    QVERIFY(FileExists(Work2Path(work)));
    QCOMPARE(desktop.endCalls, 0);
    form->endButton->click();
    QCOMPARE(desktop.endCalls, 1);
    QCOMPARE(desktop.endStatus, 0);
  }

  // The command line's model opens as if chosen, a relative path made full (after "--" also a
  // name that starts with "-"); the dialog then
  // starts in its folder. F5 reads the edited file again; a dropped file opens, and the dialog
  // follows it.
  void theArgumentF5AndADropOpenModelsAsTheDialogDoes() {
    const std::string path = ModelFile("cantilever.txt");
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(scratch->path()));
    const auto arguments = ParseWindowArguments({"femframe", "./cantilever.txt"});
    QVERIFY(!ParseWindowArguments({"femframe", "a.txt", "b.txt"}));
    QVERIFY(!ParseWindowArguments({"femframe", "--verbose"}));
    QVERIFY(!ParseWindowArguments({"femframe", "--", "a.txt", "--"}));
    const auto dashed = ParseWindowArguments({"femframe", "--", "-cantilever.txt"});
    QDir::setCurrent(workingDirectory);
    QVERIFY(dashed);
    QCOMPARE(dashed->modelPath, scratch->File("-cantilever.txt"));
    QVERIFY(arguments);
    QCOMPARE(arguments->modelPath, path);
    form->OpenModel(arguments->modelPath);
    QCOMPARE(form->labelText(), std::string(kCantileverLabels[0]));
    form->ChooseModel();
    QCOMPARE(desktop.dialogFolders, std::vector<std::string>{scratch->path()});

    std::string text = ReadFileBytes(path);
    text.replace(text.find("-1000"), 5, "-2500");
    WriteFileBytes(path, text);
    QTest::keyClick(form->chooseButton, Qt::Key_F5);
    QCOMPARE(form->labelText(), std::string("節点荷重\r   1. Fy = 2500 [㎏]\r"));
    QVERIFY(form->runButton->isEnabled());

    std::filesystem::create_directory(scratch->File("dropped"));
    const std::string dropped = ModelFile("small_cantilever.txt");
    std::filesystem::rename(dropped, scratch->File("dropped/small.txt"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(scratch->File("dropped/small.txt")))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QCOMPARE(form->views().model.modelPath, scratch->File("dropped/small.txt"));
    QCOMPARE(form->labelText(), std::string("節点荷重\r   1. Fy = 1234.56 [㎏]\r"));
    form->ChooseModel();
    QCOMPARE(desktop.dialogFolders.back(), scratch->File("dropped"));
    QVERIFY(desktop.messages.empty());
  }

  // While another process holds the work directory's lock the analysis does not start; a lock
  // file that is a directory is named. Either way the window stays as it was.
  void anotherProcesssRunKeepsTheAnalysisFromStarting() {
    Choose(ModelFile("cantilever.txt"));
    const int other = open(RunLockPath(work).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(other >= 0 && flock(other, LOCK_EX) == 0);
    form->RunAnalysisCommand();
    close(other);
    QCOMPARE(desktop.messages.size(), size_t{1});
    QVERIFY(desktop.messages[0].rfind("別の解析が実行中のため、解析を始められません。", 0) == 0);
    QVERIFY(!FileExists(Work1Path(work)));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    std::filesystem::remove(RunLockPath(work));
    std::filesystem::create_directory(RunLockPath(work));
    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.back(),
             "作業ディレクトリのロックファイルがファイルではありません。" + RunLockPath(work));
    QVERIFY(!FileExists(Work1Path(work)));

    std::filesystem::remove(RunLockPath(work));
    form->RunAnalysisCommand();
    QCOMPARE(desktop.messages.size(), size_t{2});
    CompareLabels(kCantileverLabels);
  }

  // The desktop's dialog is Qt's own, in Japanese once the translation is installed, and opens in
  // the folder it is given.
  void theFileDialogSpeaksJapaneseAndOpensInTheFolderGiven() {
    QVERIFY(InstallQtJapanese());
    QString folder;
    QStringList buttons;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      folder = dialog->directory().absolutePath();
      for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
        buttons << button->text();
      }
      dialog->reject();
    });
    closer.start(10);
    QCOMPARE(DesktopSeams().chooseModelFile(nullptr, scratch->path()), std::string());
    QCOMPARE(folder, QString::fromStdString(scratch->path()));
    QCOMPARE(buttons, (QStringList{"開く(&O)", "キャンセル"}));
  }

  // A larger window: the picture and the page grow, the label and the buttons move with its
  // edges, and the drawing is fitted to the larger picture (the portal's 600 cm width limits it
  // to 80 % of the picture's width); back at the default size the picture is as it was.
  void growsWithTheWindowAndFitsTheDrawingToIt() {
    form->SetSurfaceForTests(nullptr);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Choose(ModelFile("portal_all_loads.txt"));
    form->RunAnalysisCommand();
    form->SelectTab(2);
    const QImage atDefault = form->picture->surface().image();
    QCOMPARE(form->views().geometry.memberLines.records[1].X2 -
                 form->views().geometry.memberLines.records[1].X1,
             5004);  // 0.8 × 6255 twips

    form->resize(955, 736);
    QTRY_COMPARE(form->size(), QSize(955, 736));
    QCOMPARE(form->endButton->geometry(), QRect(836, 696, 105, 33));
    QCOMPARE(form->chooseButton->geometry(), QRect(596, 696, 105, 33));
    QCOMPARE(form->statusLine->geometry(), QRect(16, 696, 572, 33));
    QCOMPARE(form->tabBar->width(), 925);
    QCOMPARE(form->pictureFrame->geometry(), QRect(32, 40, 893, 633));
    QCOMPARE(form->numbersPage->geometry(), form->pictureFrame->geometry());
    QCOMPARE(form->picture->geometry(), QRect(16, 16, 717, 601));
    QCOMPARE(LabelPlace(), QRect(748, 16, 129, 601));
    QCOMPARE(form->picture->surface().image().size(), QSize(713, 597));
    QTRY_COMPARE(form->views().geometry.memberLines.records[1].X2 -
                     form->views().geometry.memberLines.records[1].X1,
                 8604);  // 0.8 × 10755 twips
    QCOMPARE(form->tabBar->currentIndex(), 2);

    form->resize(655, 536);
    QTRY_COMPARE(form->picture->surface().image(), atDefault);
    QCOMPARE(form->endButton->geometry(), QRect(536, 496, 105, 33));
  }

  // A list beside the drawing longer than the picture is tall scrolls, its first line at the top;
  // a short one shows no scroll bar and fills the label's place.
  void aLongListBesideTheDrawingScrolls() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Choose(ModelFile("portal_all_loads.txt"));
    QScrollBar* bar = form->labelArea->verticalScrollBar();
    QTRY_COMPARE(form->label->geometry(), QRect(0, 0, 129, 401));
    QVERIFY(!bar->isVisible());

    // A beam of 40 members with two load components at each node after the first: 81 lines.
    std::string text = "FEMDATA\nforty loaded nodes\nn,s,m,l,r\n41,1,40,40,2\nnode,x,y\n";
    for (int node = 1; node <= 41; ++node) {
      text += std::to_string(node) + "," + std::to_string(100 * node) + ",0\n";
    }
    text += "section,A,I,E\n1,100,8000,2100000\nmember,n1,n2,s\n";
    for (int member = 1; member <= 40; ++member) {
      const std::string node = std::to_string(member);
      text += node + "," + node + "," + std::to_string(member + 1) + ",1\n";
    }
    text += "node,Fx,Fy,M\n";
    for (int node = 2; node <= 41; ++node) text += std::to_string(node) + ",10,-20,0\n";
    text += "node,u,v,theta\n1,1,1,1\n41,0,1,0\n";
    const std::string path = scratch->File("forty_loads.txt");
    WriteFileBytes(path, text);
    Choose(path);
    QVERIFY(desktop.messages.empty());
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(form->label->width(), 129);
    QVERIFY(bar->mapTo(form->labelArea, QPoint()).x() >= 129);
    QVERIFY(form->label->height() > 80 * QFontMetrics(form->label->font()).lineSpacing());
    bar->setValue(bar->maximum());
    QVERIFY(form->label->visibleRegion().boundingRect().bottom() >= form->label->height() - 1);
  }

  // The picture's image has the screen's pixel ratio (QT_SCALE_FACTOR, 1 by default): at 2 it
  // holds twice the pixels each way and is drawn at that resolution, so that it is not the
  // picture at ratio 1 made larger, whose pixels would come in uniform 2 × 2 blocks.
  void drawsAtTheScreensPixelRatio() {
    form->SetSurfaceForTests(nullptr);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Choose(ModelFile("portal_all_loads.txt"));
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    const qreal ratio = factor.toDouble();
    QCOMPARE(form->picture->devicePixelRatioF(), ratio);
    const QImage& image = form->picture->surface().image();
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(image.size(), QSize(413, 397) * ratio);
    if (ratio != 2.0) return;
    int finerBlocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
      for (int x = 0; x + 1 < image.width(); x += 2) {
        const QRgb corner = image.pixel(x, y);
        finerBlocks += image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                       image.pixel(x + 1, y + 1) != corner;
      }
    }
    QVERIFY2(finerBlocks > 50, qPrintable(QString::number(finerBlocks)));
  }

  // Hovering names the member or node under the pointer, with its values after a run as
  // 「数値」 shows them; a double click shows its row there.
  void hoveringDescribesAMemberOrNodeAndADoubleClickShowsItsRow() {
    Choose(ModelFile("portal_all_loads.txt"));
    const LineSegment beam = form->views().geometry.memberLines.records[1];
    const float height = form->surface().Height();
    const auto pixel = [height](double x, double y) {
      return QPoint(qRound(x / 15.0), qRound((height - y) / 15.0));
    };
    const QPoint middle = pixel((beam.X1 + beam.X2) / 2.0, beam.Y1);
    QCOMPARE(form->picture->toolTipAt(middle), QString("部材 2\n節点: 2 → 3\n断面: 1\n長さ [㎝]: 600.000"));
    QCOMPARE(form->picture->toolTipAt(pixel(beam.X2, beam.Y2) + QPoint(2, -2)),
             QString("節点 3\nx [㎝]: 600\ny [㎝]: 400"));
    QCOMPARE(form->picture->toolTipAt(QPoint(3, 3)), QString());
    const QPoint onPicture = form->picture->contentsRect().topLeft();
    QTest::mouseDClick(form->picture, Qt::LeftButton, {}, onPicture + middle);
    QCOMPARE(form->tabBar->currentIndex(), 0);  // no tables of a run yet

    form->RunAnalysisCommand();
    const QStringList beamTip = form->picture->toolTipAt(middle).split('\n');
    QCOMPARE(beamTip.size(), 10);
    QCOMPARE(beamTip[4].left(8), QString("N1 [t]: "));
    QTest::mouseDClick(form->picture, Qt::LeftButton, {}, onPicture + middle);
    QCOMPARE(form->tabBar->currentIndex(), MainWindow::NumbersTab());
    QCOMPARE(form->numbersPage->chooser->currentText(), QString("部材端力"));
    const QModelIndexList rows = form->numbersPage->view->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.front().row(), 1);
    // Each value of the tooltip is the table's cell under its heading.
    const QAbstractItemModel& table = *form->numbersPage->view->model();
    for (int column = 3; column < 9; ++column) {
      QCOMPARE(beamTip[column + 1], table.headerData(column, Qt::Horizontal).toString() + ": " +
                                        table.index(1, column).data().toString());
    }
    // Node 1 is fixed: its displacements and its three reactions.
    form->SelectTab(0);
    const LineSegment column1 = form->views().geometry.memberLines.records[0];
    const QStringList nodeTip = form->picture->toolTipAt(pixel(column1.X1, column1.Y1)).split('\n');
    QCOMPARE(nodeTip.size(), 9);
    QCOMPARE(nodeTip[3], QString("u [㎝]: 0"));  // fixed
    QCOMPARE(nodeTip[8].left(12), QString("反力 M [t･m]: "));
    QTest::mouseDClick(form->picture, Qt::LeftButton, {}, onPicture + pixel(column1.X1, column1.Y1));
    QCOMPARE(form->numbersPage->chooser->currentText(), QString("節点変位"));
    QCOMPARE(form->numbersPage->view->selectionModel()->selectedRows().front().row(), 0);
  }

  // Every tab on screen in its colours; with FEMFRAME_SCREENSHOT_DIR set, the window is saved as
  // one picture per tab (of the model FEMFRAME_SCREENSHOT_MODEL names, when it is set).
  void theTabsShowTheirDiagramsOnScreen() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QString otherModel = qEnvironmentVariable("FEMFRAME_SCREENSHOT_MODEL");
    if (otherModel.isEmpty()) {
      Choose(ModelFile("portal_all_loads.txt"));
    } else {
      const std::string path = scratch->File("screenshot_model.txt");
      WriteFileBytes(path, ReadFileBytes(otherModel.toStdString()));
      Choose(path);
    }
    form->RunAnalysisCommand();
    const QColor colours[] = {QColor(255, 255, 0), QColor(255, 255, 0), QColor(0, 0, 255),
                              QColor(255, 0, 0), QColor(0, 255, 0)};
    const QString directory = qEnvironmentVariable("FEMFRAME_SCREENSHOT_DIR");
    for (int tab = 0; tab < 5; ++tab) {
      form->SelectTab(tab);
      const QImage shot = form->grab().toImage();
      const QImage picture = form->picture->grab().toImage();
      int count = 0;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) count += picture.pixelColor(x, y) == colours[tab];
      }
      QVERIFY2(count > 20, qPrintable(QString("tab %1: %2 pixels").arg(tab).arg(count)));
      if (!directory.isEmpty()) QVERIFY(shot.save(QString("%1/tab%2.png").arg(directory).arg(tab + 1)));
      // 「数値」 in between leaves the picture as it was.
      form->SelectTab(MainWindow::NumbersTab());
      form->SelectTab(tab);
      QCOMPARE(form->picture->grab().toImage(), picture);
    }
    form->SelectTab(MainWindow::NumbersTab());
    QVERIFY(form->numbersPage->view->model()->rowCount() > 0);
    if (!directory.isEmpty()) QVERIFY(form->grab().toImage().save(directory + "/tab6.png"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
