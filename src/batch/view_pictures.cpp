#include "view_pictures.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>

#include "files/atomic_file.h"
#include "messages/run_error.h"
#include "files/work_directory.h"
#include "views/tab_views.h"
#include "views/view_pictures_module.h"

namespace {

RunError ModuleError(const std::string& where) {
  return RunError(RunErrorCause::FileRead,
                  "画像出力モジュール " + std::string(kViewPicturesModuleName) +
                      " を読み込めないため、図を保存できません。\n" + where);
}

// Beside the executable (the build tree), then in the library folder of the installed layout,
// given relative to the folder of the installed programs.
std::array<std::string, 2> ModulePlaces() {
  const std::string directory = ExecutableDirectory();
  return {directory + "/" + kViewPicturesModuleName,
          directory + "/" FEMFRAME_PICTURE_MODULE_FROM_PROGRAMS "/" + kViewPicturesModuleName};
}

// The module's handle; throws RunError when it cannot be found or loaded.
void* LoadModule() {
  std::string looked;
  for (const std::string& path : ModulePlaces()) {
    if (access(path.c_str(), F_OK) != 0) {
      looked += (looked.empty() ? "" : "、") + path;
      continue;
    }
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      const char* why = dlerror();  // names the file and what is wrong
      throw ModuleError(why != nullptr ? why : path);
    }
    return module;
  }
  throw ModuleError("探した場所: " + looked);
}

}  // namespace

void* PictureModuleEntry(const char* name) {
  static void* const module = LoadModule();
  void* entry = dlsym(module, name);
  if (entry == nullptr) {
    const char* why = dlerror();
    throw ModuleError(why != nullptr ? why : name);
  }
  return entry;
}

// Each picture is encoded in memory and written whole, so an earlier picture stays until the new
// one is complete.
void SaveViewPictures(const std::string& directory, const ViewData& data) {
  static const auto draw =
      reinterpret_cast<ViewPicturePngEntry>(PictureModuleEntry(kViewPicturePngEntryName));
  for (const TabView& tab : TabViews) {
    const std::string path = directory + "/" + tab.caption + ".png";
    std::string png;
    if (!draw(&tab, &data, &png)) throw FileCreateError(path);
    WriteWholeFile(path, png);
  }
}
