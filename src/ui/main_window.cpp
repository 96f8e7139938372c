#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <new>
#include <optional>

#include "arithmetic/arithmetic_fault.h"
#include "arithmetic/int16_math.h"
#include "files/atomic_file.h"
#include "messages/run_error.h"
#include "files/work_directory.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/reference_check.h"
#include "report/report_path.h"
#include "run/run_analysis.h"
#include "run/run_lock.h"
#include "tables/table_text.h"
#include "ui/detailed_view_box.h"
#include "ui/numbers_page.h"
#include "ui/picture_box.h"
#include "ui/picture_menu.h"
#include "ui/program_settings.h"
#include "ui/picture_tips.h"
#include "ui/run_progress_window.h"
#include "views/tab_views.h"
#include "views/window_picture.h"

namespace {

const char* const kWindowTitle = "有限要素法による構造解析（トラス・ラーメン）";
const char* const kRunInProgress =
    "別の解析が実行中のため、解析を始められません。終わってから実行してください。";

// Control positions and sizes are laid out in twips, 15 to the pixel.
QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The one local file a drag carries, or "" when it carries anything else.
std::string DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return "";
  const QUrl url = data->urls().front();
  return url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : "";
}

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

// Runs steps of the analysis or the drawing; a failure gives the message the user is shown.
template <typename Steps>
std::optional<std::string> FailureOf(Steps steps) {
  try {
    steps();
    return std::nullopt;
  } catch (const RunError& error) {
    return std::string(error.what());
  } catch (const ArithmeticFault& fault) {
    return std::string("計算中に") + FaultKindText(fault.kind) + "が起きました。";
  } catch (const std::bad_alloc&) {
    return std::string("メモリが足りません。解析モデルが大きすぎます。");
  }
}

}  // namespace

WindowSeams DesktopSeams() {
  WindowSeams seams;
  // Qt's own dialog, which speaks the Japanese of Qt's translation; a platform's would not.
  seams.chooseModelFile = [](QWidget* parent, const std::string& folder) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, QString(), QFile::decodeName(folder.c_str()), QString(), nullptr,
        QFileDialog::DontUseNativeDialog);
    return QFile::encodeName(chosen).toStdString();
  };
  seams.showMessage = [](QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kWindowTitle), ToQString(text),
                    QMessageBox::Ok, parent);
    box.exec();
  };
  seams.chooseSaveFile = [](QWidget* parent, const std::string& title,
                            const std::string& suggested, const std::string& filter) {
    const QString chosen = QFileDialog::getSaveFileName(
        parent, ToQString(title), QFile::decodeName(suggested.c_str()), ToQString(filter),
        nullptr, QFileDialog::DontUseNativeDialog);
    return QFile::encodeName(chosen).toStdString();
  };
  seams.endProgram = [](int status) { QCoreApplication::exit(status); };
  seams.workDirectory = [] { return ChooseWorkDirectory(); };
  return seams;
}

MainWindow::MainWindow(WindowSeams seams)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                  Qt::WindowCloseButtonHint),
      seams_(std::move(seams)),
      growth_(TwipsRect(0, 0, 9825, 8040).size()) {
  CreateControls();
  setAcceptDrops(true);
  surface_ = &picture->surface();
  SetMessageSink(this);
  SetInitialTexts();
  pictureMenu = new PictureMenu(*this);  // owned by the window
}

MainWindow::~MainWindow() { SetMessageSink(nullptr); }

void MainWindow::CreateControls() {
  // The default size is also the smallest: the controls' places are laid out for it.
  const QRect client = TwipsRect(0, 0, 9825, 8040);
  resize(client.size());
  setMinimumSize(client.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - client.center());
  }

  chooseButton = new QPushButton(this);
  chooseButton->setGeometry(TwipsRect(4440, 7440, 1575, 495));
  runButton = new QPushButton(this);
  runButton->setGeometry(TwipsRect(6240, 7440, 1575, 495));
  endButton = new QPushButton(this);
  endButton->setGeometry(TwipsRect(8040, 7440, 1575, 495));

  // The tab strip is a tab bar over a raised page; the picture panel lies on the page.
  const QRect strip = TwipsRect(240, 120, 9375, 7215);
  tabBar = new QTabBar(this);
  for (const TabView& tab : TabViews) tabBar->addTab(QString::fromUtf8(tab.caption));
  tabBar->addTab(QStringLiteral("数値"));
  tabBar->setExpanding(false);
  tabBar->setDrawBase(false);
  const int barHeight = tabBar->sizeHint().height();
  tabBar->setGeometry(strip.left(), strip.top(), strip.width(), barHeight);
  auto* tabPage = new QFrame(this);
  tabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabPage->setGeometry(strip.left(), strip.top() + barHeight - 1, strip.width(),
                       strip.height() - barHeight + 1);
  tabPage->lower();
  QCheckBox* detailedBox =
      AddDetailedViewBox(this, QRect(strip.right() - 110, strip.top(), 110, barHeight),
                         [this](bool on) { SetDetailed(on); });
  detailed_ = detailedBox->isChecked();

  pictureFrame = new QFrame(this);
  pictureFrame->setGeometry(TwipsRect(480, 600, 8895, 6495));
  picture =
      new PictureBox(pictureFrame, TwipsRect(240, 240, kPictureWidthTwips, kPictureHeightTwips));
  // The label keeps its place and width; the scroll bar, when there is one, stands right of it.
  const QRect labelPlace = TwipsRect(6720, 240, 1935, 6015);
  labelArea = new QScrollArea(pictureFrame);
  labelArea->setGeometry(labelPlace.adjusted(
      0, 0, labelArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, labelArea), 0));
  labelArea->setFrameShape(QFrame::NoFrame);
  labelArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  labelArea->setWidgetResizable(true);
  labelArea->viewport()->setAutoFillBackground(false);
  label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setAutoFillBackground(false);
  label->setMaximumWidth(labelPlace.width());
  labelArea->setWidget(label);
  numbersPage = new NumbersPage(this, pictureFrame->geometry());
  numbersPage->hide();
  numbersPage->saveCsv = [this] { SaveTablesAsCsv(); };

  // Two lines left of the buttons, the window's size and the buttons' places unchanged.
  statusLine = new QLabel(this);
  statusLine->setGeometry(TwipsRect(240, 7440, 4080, 495));
  statusLine->setTextFormat(Qt::PlainText);
  statusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  setTabOrder(chooseButton, runButton);
  setTabOrder(runButton, endButton);
  setTabOrder(endButton, tabBar);

  connect(chooseButton, &QPushButton::clicked, this, [this] { ChooseModel(); });
  connect(runButton, &QPushButton::clicked, this, [this] { RunAnalysisCommand(); });
  connect(endButton, &QPushButton::clicked, this, [this] { EndProgram(); });
  // Connected after the tabs exist, so creating them draws nothing.
  connect(tabBar, &QTabBar::currentChanged, this, [this] { ShowSelectedTab(); });

  // What grows with the window, and what moves with its right and bottom edges.
  using Anchor = GrowingLayout::Anchor;
  for (QWidget* button : {chooseButton, runButton, endButton}) {
    growth_.Add(button, Anchor::kMovesRight | Anchor::kMovesDown);
  }
  growth_.Add(statusLine, Anchor::kMovesDown | Anchor::kGrowsWide);
  growth_.Add(tabBar, Anchor::kGrowsWide);
  growth_.Add(detailedBox, Anchor::kMovesRight);
  for (QWidget* panel : {static_cast<QWidget*>(tabPage), static_cast<QWidget*>(pictureFrame),
                         static_cast<QWidget*>(numbersPage), static_cast<QWidget*>(picture)}) {
    growth_.Add(panel, Anchor::kGrowsWide | Anchor::kGrowsTall);
  }
  growth_.Add(labelArea, Anchor::kMovesRight | Anchor::kGrowsTall);
  // A resize is a stream of sizes: the drawing is fitted once the stream pauses.
  refitTimer_ = new QTimer(this);
  refitTimer_->setSingleShot(true);
  refitTimer_->setInterval(150);
  connect(refitTimer_, &QTimer::timeout, this, [this] { RefitDrawing(); });
  picture->surfaceRefitted = [this] { refitTimer_->start(); };
  picture->toolTipAt = [this](QPoint pixel) {
    // The tables of 「数値」, made once after each change rather than for each tooltip.
    if (running_) return QString();
    FillNumbersPage();
    return QString::fromStdString(
        PickedItemText(model_, numbersPage->tables(), PickInPicture(pixel)));
  };
  picture->doubleClickedAt = [this](QPoint pixel) { ShowInNumbers(PickInPicture(pixel)); };
}

void MainWindow::SetInitialTexts() {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  SetLabelText("節点荷重");
  chooseButton->setText(QStringLiteral("解析モデル選択"));
  runButton->setText(QStringLiteral("解析実行"));
  endButton->setText(QStringLiteral("終了"));
  runButton->setEnabled(false);
}

void MainWindow::ChooseModel() {
  if (running_) return;
  const std::string path = seams_.chooseModelFile(this, lastFolder_);
  if (path.empty()) return;
  OpenModel(path);
}

// The model, its references and its geometry are made first; the window takes them only once
// all three are complete, and otherwise goes on with the model it had, unchanged.
void MainWindow::OpenModel(const std::string& path) {
  if (running_) return;
  lastFolder_ = FolderOf(path);
  ReadWarnings warnings;
  // A file that cannot be read has shown its message; the window goes on as it was.
  std::optional<Model> model = ReadModelFile(path, &warnings);
  if (!model) return;
  if (!CheckModelReferences(*model)) return;
  DrawingGeometry geometry;
  const auto failure = FailureOf([this, &model, &geometry] {
    ClearToTwips(*surface_);
    geometry = BuildDrawingGeometry(*model, nullptr, CurrentPictureSize(), {detailed_});
  });
  if (failure) {
    ShowSelectedTab();
    seams_.showMessage(this, *failure);
    return;
  }
  model_ = std::move(*model);
  geometry_ = std::move(geometry);
  result_.reset();
  tablesStale_ = true;
  SetStatus("", "", "");
  SelectTab(0);
  runButton->setEnabled(true);
  // The model is drawn as the counts say; the warning only asks the user to look.
  if (!warnings.empty()) seams_.showMessage(this, ReadWarningsMessage(warnings));
}

void MainWindow::ReloadModel() {
  // A copy: opening the file replaces the model that holds the path.
  const std::string path = model_.modelPath;
  if (!path.empty()) OpenModel(path);
}

void MainWindow::RunAnalysisCommand() {
  // Only a model that passed the reference check may be analysed, one run at a time.
  if (!runButton->isEnabled() || running_) return;
  // The work directory is locked while the run writes its files; while another process's run
  // holds it, nothing starts and the window stays as it was.
  WorkDirectory directory;
  std::optional<RunLock> lock;
  try {
    directory = seams_.workDirectory();
    lock.emplace(directory, model_.modelPath, WhenBusy::GiveUp);
  } catch (const RunError& error) {
    seams_.showMessage(this, error.what());
    return;
  }
  if (!lock->held()) {
    seams_.showMessage(this, std::string(kRunInProgress) + "\n作業ディレクトリ " + directory.path);
    return;
  }
  // The run stays on this thread; the progress window handles events between the run's blocks,
  // and "キャンセル" stops it with "解析を中止しました。".
  RunProgressWindow progressWindow(this, progressDelayMs_);
  running_ = true;
  std::optional<AnalysisResult> result;
  DrawingGeometry geometry;
  std::string reportPath;
  std::string largeTrace;  // said in place of the report's path
  QElapsedTimer clock;
  clock.start();
  const auto failure = FailureOf([&] {
    RunProgress progress(progressWindow.Callback());
    progress.OnLargeTrace([&largeTrace](const std::string& text) { largeTrace = text; });
    const bool writeTrace = ProgramSettings().value(kWriteTraceKey, true).toBool();
    result = RunAnalysis(model_, directory, progress, {.writeTrace = writeTrace});
    reportPath = ReportPath(model_.modelPath);
    // Released before the drawing and any message, so that another process's run never waits
    // on the user.
    lock.reset();
    ClearToTwips(*surface_);
    geometry = BuildDrawingGeometry(model_, &*result, CurrentPictureSize(), {detailed_});
  });
  progressWindow.CloseDialog();
  running_ = false;
  lock.reset();
  if (failure) {
    // The user is told what failed and where, or that the run was stopped; what the window
    // showed before the run stays.
    ShowSelectedTab();
    progressWindow.EndWait();
    seams_.showMessage(this, *failure);
    return;
  }
  maxima_ = result->maxima;
  result_ = std::move(result);
  tablesStale_ = true;
  geometry_ = std::move(geometry);
  SelectTab(0);
  // A small model's run takes a few milliseconds, which would read as "0.00".
  const qint64 milliseconds = clock.elapsed();
  const std::string seconds =
      milliseconds < 10 ? "0.01 秒未満"
                        : QString::number(static_cast<double>(milliseconds) / 1000.0, 'f', 2)
                                  .toStdString() +
                              " 秒";
  if (largeTrace.empty()) {
    SetStatus("解析が終わりました（" + seconds + "）。", "結果: ", reportPath);
  } else {
    SetStatus("解析が終わりました（" + seconds + "）。", "", largeTrace);
  }
  progressWindow.EndWait();
}

void MainWindow::SaveTablesAsCsv() {
  if (running_) return;
  FillNumbersPage();
  if (numbersPage->tables().empty()) return;
  SaveThroughDialog("表を CSV で保存", ".csv", "CSV (*.csv)", "表を CSV で保存しました。",
                    [this](const std::string& path) {
                      WriteWholeFile(path, TablesAsCsv(numbersPage->tables()));
                    });
}

void MainWindow::SaveThroughDialog(const std::string& title, const std::string& extension,
                                   const std::string& filter, const std::string& saved,
                                   const std::function<void(const std::string& path)>& write) {
  const std::string path =
      seams_.chooseSaveFile(this, title, BesideReportPath(model_.modelPath, extension), filter);
  if (path.empty()) return;
  const auto failure = FailureOf([&] { write(path); });
  if (failure) {
    seams_.showMessage(this, *failure);
    return;
  }
  SetStatus(saved, "保存先: ", path);
}

void MainWindow::EndProgram() {
  if (!running_) seams_.endProgram(0);
}

// Closing the window while a run goes on is refused: the run's dialog offers to stop it.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
  } else {
    QWidget::closeEvent(event);
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
    ReloadModel();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!running_ && !DroppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  growth_.Apply(size());
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::string path = DroppedFile(event->mimeData());
  if (path.empty()) return;
  event->acceptProposedAction();
  OpenModel(path);
}

void MainWindow::ShowSelectedTab() {
  if (running_) return;
  const int index = tabBar->currentIndex();
  const bool numbers = index == NumbersTab();
  numbersPage->setVisible(numbers);
  pictureFrame->setVisible(!numbers);
  if (numbers) FillNumbersPage();
  if (index < 0 || index >= static_cast<int>(TabViews.size())) return;
  const TabView& tab = TabViews[static_cast<size_t>(index)];
  tab.draw(*surface_, views());
  SetLabelText(tab.label(views()));
}

void MainWindow::SelectTab(int index) {
  if (tabBar->currentIndex() == index) {
    ShowSelectedTab();
  } else {
    tabBar->setCurrentIndex(index);
  }
}

void MainWindow::ShowMessage(const std::string& text) { seams_.showMessage(this, text); }

void MainWindow::SetLabelText(const std::string& text) {
  labelText_ = text;
  QString shown = ToQString(text);
  shown.replace(QChar('\r'), QChar('\n'));
  label->setText(shown);
}

void MainWindow::SetStatus(const std::string& what, const std::string& fileRole,
                           const std::string& path) {
  statusText_ = what + fileRole + path;
  // The path is shortened in its middle to the line's width; the tooltip has it whole.
  const QFontMetrics metrics = statusLine->fontMetrics();
  const QString role = ToQString(fileRole);
  const QString shownPath = metrics.elidedText(
      QFile::decodeName(path.c_str()), Qt::ElideMiddle,
      statusLine->width() - metrics.horizontalAdvance(role) - 2);
  statusLine->setText(path.empty() ? ToQString(what) : ToQString(what) + "\n" + role + shownPath);
  statusLine->setToolTip(ToQString(statusText_));
}

void MainWindow::FillNumbersPage() {
  if (!tablesStale_) return;
  numbersPage->SetTables(ResultTables(model_, result_ ? &*result_ : nullptr));
  tablesStale_ = false;
}

void MainWindow::SetSurfaceForTests(DrawingSurface* surface) {
  surface_ = surface != nullptr ? surface : &picture->surface();
}

PictureSize MainWindow::CurrentPictureSize() const {
  return {surface_->Width(), RoundToInt16(surface_->Height())};
}

void MainWindow::RefitDrawing() {
  // A run builds its geometry for the size it finds at its end; the refit waits until then.
  if (running_) {
    refitTimer_->start();
    return;
  }
  if (model_.memberCount == 0 && model_.nodeCount == 0) return;
  DrawingGeometry geometry;
  const auto failure = FailureOf([this, &geometry] {
    geometry = BuildDrawingGeometry(model_, result_ ? &*result_ : nullptr, CurrentPictureSize(),
                                    {detailed_});
  });
  // A diagram too large for the larger picture keeps the drawing fitted to the last size.
  if (failure) {
    SetStatus(*failure, "", "");
  } else {
    geometry_ = std::move(geometry);
  }
  ShowSelectedTab();
}

PickedItem MainWindow::PickInPicture(QPoint imagePixel) const {
  if (running_) return {};
  return PickAt(model_, geometry_,
                DrawingPlaceOfPixel(imagePixel.x(), imagePixel.y(), surface_->Height()));
}

void MainWindow::ShowInNumbers(PickedItem item) {
  const std::optional<TableRow> row = PickedItemRow(model_, result_ ? &*result_ : nullptr, item);
  if (!row || running_) return;
  SelectTab(NumbersTab());
  numbersPage->SelectRow(row->title, row->row);
}
