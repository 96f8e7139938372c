// The entry point of the picture module, the one symbol the shared library exports. Nothing
// thrown may cross into the batch front end, which loaded the library by hand.
#include <type_traits>

#include "ui/view_images.h"
#include "views/view_pictures_module.h"

extern "C" __attribute__((visibility("default"))) size_t femframe_save_view_pictures(
    const char* directory, const TabView* tabs, size_t count) {
  static_assert(std::is_same_v<decltype(&femframe_save_view_pictures), SaveViewPicturesEntry>);
  try {
    return SaveViewImages(directory, std::span<const TabView>(tabs, count));
  } catch (...) {
    return 0;
  }
}
