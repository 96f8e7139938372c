// The program's main window: the drawing area and the label beside it, the five-tab strip and
// the three commands (choose a model, run the analysis, end); F5 and a dropped file open a model
// too. It drives the reader, the check, the analysis and the drawing, and shows their messages.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "basics/message_sink.h"
#include "drawing/drawing_builders.h"
#include "views/drawing_surface.h"
#include "views/label_target.h"

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTabBar;
class PictureBox;

// What the window asks of the desktop; tests replace each of them.
struct Form1Seams {
  // The open-file dialog, opened in `folder` ("" for the working directory): the chosen full
  // path, or "" when the user cancelled.
  std::function<std::string(QWidget* parent, const std::string& folder)> chooseModelFile;
  // A modal box with the text, an OK button and no icon.
  std::function<void(QWidget* parent, const std::string& text)> showMessage;
  // Ends the program at once with the exit status.
  std::function<void(int status)> endProgram;
};

Form1Seams DesktopSeams();

class Form1 : public QWidget, public MessageSink, public LabelTarget {
 public:
  explicit Form1(Form1Seams seams = DesktopSeams());
  ~Form1() override;

  void cmdSelect_Click();
  void cmdCalculate_Click();
  void cmdCancel_Click();
  void TabStrip1_Click();

  // Reads, checks and shows the model file as choosing it in the dialog does; the dialog then
  // opens in its folder. F5 opens the current model file again, a dropped file opens.
  void OpenModel(const std::string& path);
  void ReloadModel();

  // Selects a tab (0-based) from the program; its view is drawn also when it was selected.
  void SelectTab(int index);

  // The core's messages, shown through the message seam while the window lives.
  void ShowMessage(const std::string& text) override;
  // Label2's text as the views set it, lines separated by carriage returns.
  void SetLabelText(const std::string& text) override;
  const std::string& Label2Text() const { return label2Text_; }

  // Draws on another surface from now on (tests record the window's drawing this way).
  void SetSurfaceForTests(DrawingSurface* surface);
  // How long a run goes before its progress dialog appears (about a second by default).
  void SetProgressDelayForTests(int milliseconds) { progressDelayMs_ = milliseconds; }
  // Whether an analysis is running: the window's commands, tabs, F5, dropped files and closing
  // wait until it is over.
  bool running() const { return running_; }
  DrawingSurface& surface() { return *surface_; }

  QPushButton* cmdSelect;
  QPushButton* cmdCalculate;
  QPushButton* cmdCancel;
  QTabBar* TabStrip1;
  QFrame* Picture1;
  PictureBox* Picture2;
  QLabel* Label2;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Form_Load();
  void CreateControls();
  // A failed or stopped run leaves no results to show.
  void ClearRunResults();
  // The picture's size as the drawing builders take it, read from the surface now.
  PictureSize CurrentPictureSize() const;

  Form1Seams seams_;
  DrawingSurface* surface_;
  std::string label2Text_;
  std::string lastFolder_;  // of the model opened last in this session
  int progressDelayMs_ = 1000;
  bool running_ = false;
};
