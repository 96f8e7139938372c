// The program's main window: the drawing area and the label beside it, the tab strip of the five
// views and 「数値」 (the tables of the last run), the three commands (choose a model, run the
// analysis, end) and a status line beside them that tells of a finished run; F5 and a dropped file
// open a model too. It drives the reader, the check, the analysis and the drawing, shows their
// messages, and holds the model on show, the last analysis of it, the maxima of the last analysis
// and the geometry drawn from them, each replaced only once its successor is complete. The window
// grows: the picture and the 「数値」 page grow with it, the label and the buttons move with its
// right and bottom edges, and the drawing is fitted to the larger picture. A node or member under
// the pointer is described in a tooltip; a double click shows its row on 「数値」.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "analysis/analysis_result.h"
#include "messages/message_sink.h"
#include "files/work_directory.h"
#include "drawing/drawing_builders.h"
#include "model/model.h"
#include "ui/growing_layout.h"
#include "views/drawing_surface.h"
#include "views/picking.h"
#include "views/tab_views.h"

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QResizeEvent;
class QScrollArea;
class QTabBar;
class QTimer;
class PictureBox;
class PictureMenu;
class NumbersPage;

// What the window asks of the desktop; tests replace each of them.
struct WindowSeams {
  // The open-file dialog, opened in `folder` ("" for the working directory): the chosen full
  // path, or "" when the user cancelled.
  std::function<std::string(QWidget* parent, const std::string& folder)> chooseModelFile;
  // A modal box with the text, an OK button and no icon.
  std::function<void(QWidget* parent, const std::string& text)> showMessage;
  // The save-file dialog for what the window saves (the tables' CSV, the printout, the picture),
  // opened on `suggested` (a full path) with a title and a file-type filter: the chosen full
  // path, or "" when the user cancelled.
  std::function<std::string(QWidget* parent, const std::string& title,
                            const std::string& suggested, const std::string& filter)>
      chooseSaveFile;
  // Ends the program at once with the exit status.
  std::function<void(int status)> endProgram;
  // The work directory of a run (the program's own or the user's state directory); throws
  // RunError when none can be chosen.
  std::function<WorkDirectory()> workDirectory;
};

WindowSeams DesktopSeams();

class MainWindow : public QWidget, public MessageSink {
 public:
  explicit MainWindow(WindowSeams seams = DesktopSeams());
  ~MainWindow() override;

  // The three commands: 「解析モデル選択」, 「解析実行」 and 「終了」.
  void ChooseModel();
  void RunAnalysisCommand();
  void EndProgram();
  // Draws the selected tab's view and sets its text beside the drawing; on 「数値」 shows the
  // tables instead of the drawing.
  void ShowSelectedTab();
  // 「CSV で保存…」 of the 「数値」 tab: all its tables, through the save dialog.
  void SaveTablesAsCsv();

  // Reads, checks and shows the model file as choosing it in the dialog does; the dialog then
  // opens in its folder. F5 opens the current model file again, a dropped file opens.
  void OpenModel(const std::string& path);
  void ReloadModel();

  // Selects a tab (0-based) from the program; its view is drawn also when it was selected.
  void SelectTab(int index);
  // The position of 「数値」 on the tab strip, after the views.
  static int NumbersTab() { return static_cast<int>(TabViews.size()); }

  // The core's messages, shown through the message seam while the window lives.
  void ShowMessage(const std::string& text) override;
  // A line of its own in the status line, in place of what it said.
  void ShowStatus(const std::string& text) { SetStatus(text, "", ""); }
  // Saves a file through the save dialog: `write` makes it at the chosen path, a failure is shown
  // as a message, a success in the status line ("表を CSV で保存しました。"); cancelling does
  // nothing. `extension` names the suggested file beside the report.
  void SaveThroughDialog(const std::string& title, const std::string& extension,
                         const std::string& filter, const std::string& saved,
                         const std::function<void(const std::string& path)>& write);
  // The text beside the drawing as the views give it, lines separated by carriage returns.
  const std::string& labelText() const { return labelText_; }
  // The status line's whole text ("" before a run); the line itself may shorten the path.
  const std::string& statusText() const { return statusText_; }
  // The last analysis of the model on show, none before it (the picture menu's PDF needs one).
  const std::optional<AnalysisResult>& lastResult() const { return result_; }
  // What the views show now.
  ViewData views() const { return {model_, geometry_, maxima_, detailed_}; }

  // Draws on another surface from now on (tests record the window's drawing this way).
  void SetSurfaceForTests(DrawingSurface* surface);
  // How long a run goes before its progress dialog appears (about a second by default).
  void SetProgressDelayForTests(int milliseconds) { progressDelayMs_ = milliseconds; }
  // Whether an analysis is running: the window's commands, tabs, F5, dropped files and closing
  // wait until it is over.
  bool running() const { return running_; }
  DrawingSurface& surface() { return *surface_; }

  QPushButton* chooseButton;
  QPushButton* runButton;
  QPushButton* endButton;
  QTabBar* tabBar;
  QFrame* pictureFrame;  // holds the picture and the label
  PictureBox* picture;
  // The label beside the drawing, in a frameless area that scrolls it when its list is longer
  // than the picture is tall.
  QScrollArea* labelArea;
  QLabel* label;
  NumbersPage* numbersPage;  // in the picture panel's place while 「数値」 is selected
  QLabel* statusLine;        // left of the three buttons
  PictureMenu* pictureMenu;  // the picture's context menu, with Ctrl+P

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void SetInitialTexts();
  void SetLabelText(const std::string& text);
  // The status line: what happened, then a file with what it is ("結果: "); "" clears it.
  void SetStatus(const std::string& what, const std::string& fileRole, const std::string& path);
  // Fills 「数値」 from the model and its last analysis when they changed since it was filled.
  void FillNumbersPage();
  // The picture's size as the drawing builders take it, read from the surface now.
  PictureSize CurrentPictureSize() const;
  // After the picture changed its size (a moment after the last change): the geometry fitted to
  // the new size, and the selected tab drawn again.
  void RefitDrawing();
  // The node or member under a pixel of the picture, and 「数値」 showing its row.
  PickedItem PickInPicture(QPoint imagePixel) const;
  void ShowInNumbers(PickedItem item);

  WindowSeams seams_;
  DrawingSurface* surface_;
  // The model on show (empty before the first), its geometry, and the maxima of the last
  // analysis, which the result tabs show until the next analysis.
  Model model_;
  DrawingGeometry geometry_;
  // 「詳細表示」 (detailed_view_box.h): the geometry is built and the views draw with it.
  bool detailed_ = false;
  void SetDetailed(bool on);
  ResultMaxima maxima_;
  // The last analysis of the model on show, for 「数値」; none before it or once another model
  // is opened. The page's tables are made again only when this or the model changed.
  std::optional<AnalysisResult> result_;
  bool tablesStale_ = true;
  std::string labelText_;
  std::string statusText_;
  std::string lastFolder_;  // of the model opened last in this session
  int progressDelayMs_ = 1000;
  bool running_ = false;
  // The controls' places at the default size and how they follow a larger window.
  GrowingLayout growth_;
  QTimer* refitTimer_;
};
