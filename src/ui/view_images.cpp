#include "ui/view_images.h"

#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <memory>

#include "basics/run_error.h"
#include "ui/qt_image_surface.h"
#include "ui/recording_surface.h"
#include "ui/tab_views.h"
#include "ui/view_targets.h"
#include "ui/window_font.h"

namespace {

// The window's picture: 6255 × 6015 twips.
const QSize kPictureSize(417, 401);

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
  QtImageSurface surface(kPictureSize, kPictureSize, 1.0, WindowFont(),
                         palette.color(QPalette::Window), palette.color(QPalette::WindowText));
  RecordingLabel label;
  ScopedViewTargets targets(surface, label);
  for (const TabView& tab : TabViews) {
    tab.draw();
    const std::string path = directory + "/" + tab.caption + ".png";
    if (!surface.image().save(QFile::decodeName(path.c_str()), "PNG")) {
      throw FileCreateError(path);
    }
  }
}

std::array<std::string, 5> ViewLabelTexts() {
  RecordingSurface surface;
  RecordingLabel label;
  ScopedViewTargets targets(surface, label);
  std::array<std::string, 5> texts;
  for (size_t i = 0; i < TabViews.size(); ++i) {
    TabViews[i].draw();
    texts[i] = label.text;
  }
  return texts;
}
