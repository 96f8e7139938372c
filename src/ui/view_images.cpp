#include "ui/view_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPalette>
#include <memory>

#include "basics/atomic_file.h"
#include "basics/run_error.h"
#include "ui/qt_image_surface.h"
#include "ui/window_font.h"
#include "views/label_target.h"
#include "views/tab_views.h"
#include "views/window_picture.h"

namespace {

// Drawing text needs a Qt application; without a display it draws offscreen.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "femframe";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

void SaveViewImages(const std::string& directory) {
  EnsureGuiApplication();
  const QPalette palette = QGuiApplication::palette();
  // The window's picture: the control's size for the views, the image inside its frame.
  QtImageSurface surface(QSize(kPictureWidthPixels, kPictureHeightPixels),
                         QSize(kPictureImageWidthPixels, kPictureImageHeightPixels), 1.0,
                         WindowFont(), palette.color(QPalette::Window),
                         palette.color(QPalette::WindowText));
  LabelCapture label;
  for (const TabView& tab : TabViews) {
    tab.draw(surface, label);
    // Encoded in memory and written whole, so an earlier picture stays until the new one is
    // complete.
    const std::string path = directory + "/" + tab.caption + ".png";
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !surface.image().save(&buffer, "PNG")) {
      throw FileCreateError(path);
    }
    AtomicFile file(path);
    file.Write(std::string_view(png.constData(), static_cast<size_t>(png.size())));
    file.Commit();
  }
}
