// The entry point of the picture module, the one symbol the shared library exports. Nothing
// thrown may cross into the batch front end, which loaded the library by hand.
#include <type_traits>

#include "ui/view_images.h"
#include "views/view_pictures_module.h"

extern "C" __attribute__((visibility("default"))) bool femframe_view_picture_png(
    const TabView* tab, const ViewData* data, std::string* png) {
  static_assert(std::is_same_v<decltype(&femframe_view_picture_png), ViewPicturePngEntry>);
  try {
    return ViewPicturePng(*tab, *data, *png);
  } catch (...) {
    return false;
  }
}
