#include "batch_views.h"

#include <array>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "basics/run_error.h"
#include "drawing/drawing_builders.h"
#include "drawing/geometry_json.h"
#include "views/tab_label_texts.h"
#include "views/window_picture.h"
#ifdef FEMFRAME_BATCH_PICTURES
#include "ui/view_images.h"
#endif

namespace {

#ifdef FEMFRAME_BATCH_PICTURES
// The pictures' directory is made when it does not exist yet, as "mkdir -p" would.
void MakeDirectory(const std::string& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    throw RunError(RunErrorCause::FileCreate, "画像を保存するディレクトリを作成できません。" + directory);
  }
}
#endif

}  // namespace

void ExportViews(const BatchArguments& arguments) {
  if (!arguments.geometryPath && !arguments.imagesDirectory) return;
  const float width = kPictureWidthTwips;
  const int16_t height = kPictureHeightTwips;
  BuildModelGeometry(width, height);
  BuildResultGeometry(width, height);
  if (arguments.geometryPath) {
    const std::array<std::string, 5> labels = TabLabelTexts();
    WriteGeometryJson(*arguments.geometryPath, labels);
  }
  if (!arguments.imagesDirectory) return;
#ifdef FEMFRAME_BATCH_PICTURES
  MakeDirectory(*arguments.imagesDirectory);
  SaveViewImages(*arguments.imagesDirectory);
#else
  throw std::runtime_error("この femframe-batch は画面なしで作られたため --images は使えません。");
#endif
}
