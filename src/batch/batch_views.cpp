#include "batch_views.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "basics/run_error.h"
#include "drawing/drawing_builders.h"
#include "drawing/geometry_json.h"
#include "views/tab_label_texts.h"
#include "views/window_picture.h"
#include "view_pictures.h"

namespace {

// The pictures' directory is made when it does not exist yet, as "mkdir -p" would.
void MakeDirectory(const std::string& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    throw RunError(RunErrorCause::FileCreate, "画像を保存するディレクトリを作成できません。" + directory);
  }
}

// The model and result geometry, built on first use and kept for the other output.
void BuildViewsOnce() {
  static bool built = false;
  if (built) return;
  const float width = kPictureWidthTwips;
  const int16_t height = kPictureHeightTwips;
  BuildModelGeometry(width, height);
  BuildResultGeometry(width, height);
  built = true;
}

}  // namespace

void ExportGeometry(const std::string& path) {
  BuildViewsOnce();
  const std::array<std::string, 5> labels = TabLabelTexts();
  WriteGeometryJson(path, labels);
}

void ExportPictures(const std::string& directory) {
  BuildViewsOnce();
  MakeDirectory(directory);
  SaveViewPictures(directory);
}
