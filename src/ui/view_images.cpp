#include "ui/view_images.h"

#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <memory>

#include "ui/qt_image_surface.h"
#include "ui/window_font.h"
#include "views/label_target.h"
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

size_t SaveViewImages(const std::string& directory, std::span<const TabView> tabs) {
  EnsureGuiApplication();
  const QPalette palette = QGuiApplication::palette();
  // The window's picture: the control's size for the views, the image inside its frame.
  QtImageSurface surface(QSize(kPictureWidthPixels, kPictureHeightPixels),
                         QSize(kPictureImageWidthPixels, kPictureImageHeightPixels), 1.0,
                         WindowFont(), palette.color(QPalette::Window),
                         palette.color(QPalette::WindowText));
  LabelCapture label;
  for (size_t index = 0; index < tabs.size(); ++index) {
    tabs[index].draw(surface, label);
    const std::string path = directory + "/" + tabs[index].caption + ".png";
    if (!surface.image().save(QFile::decodeName(path.c_str()), "PNG")) return index;
  }
  return tabs.size();
}
