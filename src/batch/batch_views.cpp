#include "batch_views.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "messages/run_error.h"
#include "drawing/geometry_json.h"
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

}  // namespace

void ExportGeometry(const std::string& path, const ViewData& data) {
  WriteGeometryJson(path, data.geometry, TabLabelTexts(data));
}

void ExportPictures(const std::string& directory, const ViewData& data) {
  MakeDirectory(directory);
  SaveViewPictures(directory, data);
}
