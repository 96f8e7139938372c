#include "ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QUrl>
#include <filesystem>
#include <new>
#include <optional>

#include "analysis/analysis_store.h"
#include "basics/arithmetic_fault.h"
#include "basics/int16_math.h"
#include "basics/run_error.h"
#include "basics/work_directory.h"
#include "drawing/drawing_lists.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "run/run_analysis.h"
#include "run/run_lock.h"
#include "ui/picture_box.h"
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

Form1Seams DesktopSeams() {
  Form1Seams seams;
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
  seams.endProgram = [](int status) { QCoreApplication::exit(status); };
  return seams;
}

Form1::Form1(Form1Seams seams)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                  Qt::MSWindowsFixedSizeDialogHint),
      seams_(std::move(seams)) {
  CreateControls();
  setAcceptDrops(true);
  surface_ = &Picture2->surface();
  SetMessageSink(this);
  Form_Load();
}

Form1::~Form1() { SetMessageSink(nullptr); }

void Form1::CreateControls() {
  const QRect client = TwipsRect(0, 0, 9825, 8040);
  setFixedSize(client.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - client.center());
  }

  cmdSelect = new QPushButton(this);
  cmdSelect->setGeometry(TwipsRect(4440, 7440, 1575, 495));
  cmdCalculate = new QPushButton(this);
  cmdCalculate->setGeometry(TwipsRect(6240, 7440, 1575, 495));
  cmdCancel = new QPushButton(this);
  cmdCancel->setGeometry(TwipsRect(8040, 7440, 1575, 495));

  // The tab strip is a tab bar over a raised page; the picture panel lies on the page.
  const QRect strip = TwipsRect(240, 120, 9375, 7215);
  TabStrip1 = new QTabBar(this);
  for (const TabView& tab : TabViews) TabStrip1->addTab(QString::fromUtf8(tab.caption));
  TabStrip1->setExpanding(false);
  TabStrip1->setDrawBase(false);
  const int barHeight = TabStrip1->sizeHint().height();
  TabStrip1->setGeometry(strip.left(), strip.top(), strip.width(), barHeight);
  auto* tabPage = new QFrame(this);
  tabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabPage->setGeometry(strip.left(), strip.top() + barHeight - 1, strip.width(),
                       strip.height() - barHeight + 1);
  tabPage->lower();

  Picture1 = new QFrame(this);
  Picture1->setGeometry(TwipsRect(480, 600, 8895, 6495));
  Picture2 = new PictureBox(Picture1, TwipsRect(240, 240, kPictureWidthTwips, kPictureHeightTwips));
  Label2 = new QLabel(Picture1);
  Label2->setGeometry(TwipsRect(6720, 240, 1935, 6015));
  Label2->setTextFormat(Qt::PlainText);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setWordWrap(true);

  setTabOrder(cmdSelect, cmdCalculate);
  setTabOrder(cmdCalculate, cmdCancel);
  setTabOrder(cmdCancel, TabStrip1);

  connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
  connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  // Connected after the tabs exist, so creating them draws nothing.
  connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
}

void Form1::Form_Load() {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  SetLabelText("節点荷重");
  cmdSelect->setText(QStringLiteral("解析モデル選択"));
  cmdCalculate->setText(QStringLiteral("解析実行"));
  cmdCancel->setText(QStringLiteral("終了"));
  cmdCalculate->setEnabled(false);
}

void Form1::cmdSelect_Click() {
  if (running_) return;
  const std::string path = seams_.chooseModelFile(this, lastFolder_);
  if (path.empty()) return;
  OpenModel(path);
}

void Form1::OpenModel(const std::string& path) {
  if (running_) return;
  lastFolder_ = FolderOf(path);
  // A model that fails the reference check has unresolved indices, and the drawing lists still
  // describe the model on show: the window goes on with the model it had, unchanged.
  const ModelStore previousModel = modelStore;
  TrailingSupportLines trailing;
  if (!ReadModelFile(path, &trailing)) {
    seams_.endProgram(1);  // a model file that cannot be read ends the program
    return;
  }
  if (!CheckModelReferences()) {
    modelStore = previousModel;
    return;
  }
  const DrawingGeometry previousGeometry = DrawingGeometry::Current();
  const auto failure = FailureOf([this] {
    ClearToTwips(*surface_);
    BuildModelGeometry([this] { return CurrentPictureSize(); });
  });
  if (failure) {
    modelStore = previousModel;
    previousGeometry.Restore();
    TabStrip1_Click();
    seams_.showMessage(this, *failure);
    return;
  }
  SelectTab(0);
  cmdCalculate->setEnabled(true);
  // The model is drawn as the counts say; the warning only asks the user to look.
  if (trailing.count > 0) seams_.showMessage(this, TrailingSupportWarning(trailing));
}

void Form1::ReloadModel() {
  // A copy: reading the file replaces the store that holds the path.
  const std::string path = modelStore.modelPath;
  if (!path.empty()) OpenModel(path);
}

void Form1::cmdCalculate_Click() {
  // Only a model that passed the reference check may be analysed, one run at a time.
  if (!cmdCalculate->isEnabled() || running_) return;
  // The work directory is locked until the force diagrams have read "work2.txt" back; while
  // another process's run holds it, nothing starts and the window stays as it was.
  std::optional<RunLock> lock;
  try {
    lock.emplace(WhenBusy::GiveUp);
  } catch (const RunError& error) {
    seams_.showMessage(this, error.what());
    return;
  }
  if (!lock->held()) {
    seams_.showMessage(this, std::string(kRunInProgress) + "\n作業ディレクトリ " + WorkDirectory());
    return;
  }
  // The run stays on this thread, which owns the stores; the progress window handles events
  // between the run's blocks, and "キャンセル" stops it with "解析を中止しました。".
  RunProgressWindow progressWindow(this, progressDelayMs_);
  running_ = true;
  const auto failure = FailureOf([this, &progressWindow] {
    RunProgress progress(progressWindow.Callback());
    RunAnalysis(progress);
    ClearToTwips(*surface_);
    BuildResultGeometry([this] { return CurrentPictureSize(); });
  });
  progressWindow.CloseDialog();
  running_ = false;
  // Released before any message, so that another process's run never waits on the user.
  lock.reset();
  if (failure) {
    // The user is told what failed and where, or that the run was stopped.
    ClearRunResults();
    progressWindow.EndWait();
    seams_.showMessage(this, *failure);
    return;
  }
  SelectTab(0);
  progressWindow.EndWait();
}

// The result views go back to the members alone with zero maxima, and tab 1 is drawn.
void Form1::ClearRunResults() {
  analysisStore = AnalysisStore{};
  ClearResultLists();
  SelectTab(0);
}

void Form1::cmdCancel_Click() {
  if (!running_) seams_.endProgram(0);
}

// Closing the window while a run goes on is refused: the run's dialog offers to stop it.
void Form1::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
  } else {
    QWidget::closeEvent(event);
  }
}

void Form1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
    ReloadModel();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!running_ && !DroppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  const std::string path = DroppedFile(event->mimeData());
  if (path.empty()) return;
  event->acceptProposedAction();
  OpenModel(path);
}

void Form1::TabStrip1_Click() {
  if (running_) return;
  const int index = TabStrip1->currentIndex();
  if (index < 0 || index >= static_cast<int>(TabViews.size())) return;
  TabViews[static_cast<size_t>(index)].draw(*surface_, *this);
}

void Form1::SelectTab(int index) {
  if (TabStrip1->currentIndex() == index) {
    TabStrip1_Click();
  } else {
    TabStrip1->setCurrentIndex(index);
  }
}

void Form1::ShowMessage(const std::string& text) { seams_.showMessage(this, text); }

void Form1::SetLabelText(const std::string& text) {
  label2Text_ = text;
  QString shown = ToQString(text);
  shown.replace(QChar('\r'), QChar('\n'));
  Label2->setText(shown);
}

void Form1::SetSurfaceForTests(DrawingSurface* surface) {
  surface_ = surface != nullptr ? surface : &Picture2->surface();
}

PictureSize Form1::CurrentPictureSize() const {
  return {surface_->Width(), RoundToInt16(surface_->Height())};
}
