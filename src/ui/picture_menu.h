// The picture's context menu: 「PDFで保存…」 (the printout of the last run: tables and the five
// views, also Ctrl+P), 「画像をコピー」 (the picture on show, to the clipboard), 「PNGで保存…」 and
// 「SVGで保存…」 (the picture on show as pixels or as vectors). The PDF wants a run of the model on
// show; every file goes through the window's save dialog and the atomic replacement.
#pragma once

#include <QObject>

class MainWindow;
class QAction;
class QMenu;

class PictureMenu : public QObject {
 public:
  // Hooks the menu to the window's picture and the PDF shortcut to the window.
  explicit PictureMenu(MainWindow& window);

  void SavePdf();
  void CopyImage();
  void SavePng();
  void SaveSvg();

  QMenu* menu;
  QAction* savePdfAction;
  QAction* copyImageAction;
  QAction* savePngAction;
  QAction* saveSvgAction;

 private:
  // The PDF entry once the model on show has been analysed; nothing while a run goes on.
  void UpdateActions();

  MainWindow& window_;
};
