#include "ui/picture_menu.h"

#include "ui/program_settings.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPalette>
#include <QShortcut>
#include <QTabBar>

#include "files/atomic_file.h"
#include "messages/run_error.h"
#include "paper/analysis_pdf.h"
#include "paper/paper_document.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/picture_svg.h"
#include "ui/view_images.h"
#include "views/tab_views.h"

namespace {

// The painter as the batch's module exports it; nothing thrown leaves it.
bool PaintPdf(const PaperDocument* document, std::string* pdf, int* pages) {
  try {
    return PaintAnalysisPdf(*document, *pdf, *pages);
  } catch (...) {
    return false;
  }
}

}  // namespace

PictureMenu::PictureMenu(MainWindow& window) : QObject(&window), window_(window) {
  menu = new QMenu(&window);
  savePdfAction = menu->addAction(QStringLiteral("PDFで保存…"), this, &PictureMenu::SavePdf);
  savePdfAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  copyImageAction = menu->addAction(QStringLiteral("画像をコピー"), this, &PictureMenu::CopyImage);
  savePngAction = menu->addAction(QStringLiteral("PNGで保存…"), this, &PictureMenu::SavePng);
  saveSvgAction = menu->addAction(QStringLiteral("SVGで保存…"), this, &PictureMenu::SaveSvg);
  // A setting of the runs rather than of the picture, kept here for want of a menu bar.
  menu->addSeparator();
  QAction* writeTrace = menu->addAction(QStringLiteral("計算過程ファイル NColes.txt を書き出す"));
  writeTrace->setCheckable(true);
  writeTrace->setChecked(ProgramSettings().value(kWriteTraceKey, true).toBool());
  connect(writeTrace, &QAction::toggled, this,
          [](bool on) { ProgramSettings().setValue(kWriteTraceKey, on); });
  // The shortcut works wherever the window has the focus, with or without the menu.
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &window);
  connect(shortcut, &QShortcut::activated, this, &PictureMenu::SavePdf);
  window.picture->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(window.picture, &QWidget::customContextMenuRequested, this, [this](QPoint place) {
    UpdateActions();
    menu->popup(window_.picture->mapToGlobal(place));
  });
}

void PictureMenu::UpdateActions() {
  savePdfAction->setEnabled(!window_.running() && window_.lastResult().has_value());
  copyImageAction->setEnabled(!window_.running());
  savePngAction->setEnabled(!window_.running());
  saveSvgAction->setEnabled(!window_.running());
}

void PictureMenu::SavePdf() {
  if (window_.running()) return;
  if (!window_.lastResult()) {
    window_.ShowStatus("PDF は解析の後に保存できます。先に「解析実行」を押してください。");
    return;
  }
  window_.SaveThroughDialog("PDFで保存", ".pdf", "PDF (*.pdf)", "PDF を保存しました。",
                            [this](const std::string& path) {
                              WriteAnalysisPdf(path, window_.views().model,
                                               *window_.lastResult(), PaintPdf);
                            });
}

void PictureMenu::CopyImage() {
  if (window_.running()) return;
  QGuiApplication::clipboard()->setImage(window_.picture->surface().image());
}

void PictureMenu::SavePng() {
  if (window_.running()) return;
  window_.SaveThroughDialog(
      "PNGで保存", ".png", "PNG (*.png)", "図を PNG で保存しました。",
      [this](const std::string& path) {
        std::string png;
        if (!ImagePng(window_.picture->surface().image(), png)) throw FileCreateError(path);
        WriteWholeFile(path, png);
      });
}

// The tab on show drawn again as vectors at the picture's size, so that it scales without steps.
void PictureMenu::SaveSvg() {
  const int tab = window_.tabBar->currentIndex();
  if (window_.running() || tab < 0 || tab >= static_cast<int>(TabViews.size())) return;
  window_.SaveThroughDialog(
      "SVGで保存", ".svg", "SVG (*.svg)", "図を SVG で保存しました。",
      [this, tab](const std::string& path) {
        PictureBox& picture = *window_.picture;
        const QtImageSurface& shown = picture.surface();
        const std::string svg =
            PictureSvg(TabViews[static_cast<size_t>(tab)], window_.views(),
                       {shown.Width(), shown.Height(), picture.contentsRect().size(),
                        picture.palette().color(QPalette::Window)});
        if (svg.empty()) throw FileCreateError(path);
        WriteWholeFile(path, svg);
      });
}
