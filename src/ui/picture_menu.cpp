#include "ui/picture_menu.h"

#include "ui/program_settings.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <exception>

#include "files/atomic_file.h"
#include "messages/run_error.h"
#include "paper/analysis_pdf.h"
#include "paper/paper_document.h"
#include "report/report_path.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"

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

ChooseSaveFile DesktopSaveDialog() {
  return [](QWidget* parent, const std::string& title, const std::string& suggested,
            const std::string& filter) {
    const QString chosen = QFileDialog::getSaveFileName(
        parent, QString::fromStdString(title), QFile::decodeName(suggested.c_str()),
        QString::fromStdString(filter), nullptr, QFileDialog::DontUseNativeDialog);
    return QFile::encodeName(chosen).toStdString();
  };
}

PictureMenu::PictureMenu(MainWindow& window, ChooseSaveFile chooseFile)
    : QObject(&window), window_(window), chooseFile_(std::move(chooseFile)) {
  menu = new QMenu(&window);
  savePdfAction = menu->addAction(QStringLiteral("PDFで保存…"), this, &PictureMenu::SavePdf);
  savePdfAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  copyImageAction = menu->addAction(QStringLiteral("画像をコピー"), this, &PictureMenu::CopyImage);
  savePngAction = menu->addAction(QStringLiteral("PNGで保存…"), this, &PictureMenu::SavePng);
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
}

std::string PictureMenu::Suggested(const char* extension) const {
  try {
    std::string path = ReportPath(window_.views().model.modelPath);
    return path.replace(path.size() - 4, 4, extension);
  } catch (const RunError&) {
    return "";
  }
}

void PictureMenu::WriteFile(const std::string& path,
                            const std::function<void(const std::string&)>& write) {
  try {
    write(path);
  } catch (const std::exception& error) {
    window_.ShowMessage(error.what());
  }
}

void PictureMenu::SavePdf() {
  if (window_.running() || !window_.lastResult()) return;
  const std::string path =
      chooseFile_(&window_, "PDFで保存", Suggested(".pdf"), "PDF (*.pdf)");
  if (path.empty()) return;
  WriteFile(path, [this](const std::string& target) {
    WriteAnalysisPdf(target, window_.views().model, *window_.lastResult(), PaintPdf);
  });
}

void PictureMenu::CopyImage() {
  if (window_.running()) return;
  QGuiApplication::clipboard()->setImage(window_.picture->surface().image());
}

void PictureMenu::SavePng() {
  if (window_.running()) return;
  const std::string path =
      chooseFile_(&window_, "PNGで保存", Suggested(".png"), "PNG (*.png)");
  if (path.empty()) return;
  WriteFile(path, [this](const std::string& target) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !window_.picture->surface().image().save(&buffer, "PNG")) {
      throw FileCreateError(target);
    }
    AtomicFile file(target);
    file.Write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    file.Commit();
  });
}
