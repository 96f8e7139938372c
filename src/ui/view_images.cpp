#include "ui/view_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QString>
#include <cstdio>
#include <memory>

#include "ui/qt_image_surface.h"
#include "ui/window_font.h"
#include "views/window_picture.h"

namespace {

// Outside a desktop session (ssh, su) Qt warns that it has no runtime directory, which drawing
// pictures offscreen never uses; the batch's standard error keeps to the batch's own messages.
void PassOnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

// Drawing text needs a Qt application; without a display it draws offscreen.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(PassOnQtMessage);
  static int argc = 1;
  static char name[] = "femframe";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

bool ViewPicturePng(const TabView& tab, const ViewData& data, std::string& png) {
  EnsureGuiApplication();
  const QPalette palette = QGuiApplication::palette();
  // The window's picture: the control's size for the views, the image inside its frame.
  QtImageSurface surface(QSize(kPictureWidthPixels, kPictureHeightPixels),
                         QSize(kPictureImageWidthPixels, kPictureImageHeightPixels), 1.0,
                         WindowFont(), palette.color(QPalette::Window),
                         palette.color(QPalette::WindowText));
  tab.draw(surface, data);
  return ImagePng(surface.image(), png);
}

bool ImagePng(const QImage& image, std::string& png) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
  png.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}
