#include "views/drawing_surface.h"

void ClearToTwips(DrawingSurface& surface) {
  surface.Clear();
  surface.SetScaleToTwips();
}
