// The picture's context menu: 「PDFで保存…」 (the printout of the last run: tables and the five
// views, also Ctrl+P), 「画像をコピー」 (the picture on show, to the clipboard) and 「PNGで保存…」.
// The PDF wants a run of the model on show; every file is written whole through the atomic
// replacement, and a failure is shown through the window's messages, naming the file.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class MainWindow;
class QAction;
class QMenu;
class QWidget;

// The save dialog, opened on `suggested` (a full path) with a title and a file-type filter: the
// chosen full path, or "" when the user cancelled. Tests replace it.
using ChooseSaveFile = std::function<std::string(QWidget* parent, const std::string& title,
                                                 const std::string& suggested,
                                                 const std::string& filter)>;
ChooseSaveFile DesktopSaveDialog();

class PictureMenu : public QObject {
 public:
  // Hooks the menu to the window's picture and the PDF shortcut to the window.
  explicit PictureMenu(MainWindow& window, ChooseSaveFile chooseFile = DesktopSaveDialog());

  void SavePdf();
  void CopyImage();
  void SavePng();

  QMenu* menu;
  QAction* savePdfAction;
  QAction* copyImageAction;
  QAction* savePngAction;

 private:
  // The PDF entry once the model on show has been analysed; nothing while a run goes on.
  void UpdateActions();
  // The suggested file beside the report, with its name: model_res.txt gives model_res.pdf.
  std::string Suggested(const char* extension) const;
  void WriteFile(const std::string& path, const std::function<void(const std::string&)>& write);

  MainWindow& window_;
  ChooseSaveFile chooseFile_;
};
