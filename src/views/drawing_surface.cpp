#include "views/drawing_surface.h"

#include "basics/number_text.h"

void ClearToTwips(DrawingSurface& surface) {
  surface.Clear();
  surface.SetScaleToTwips();
}

std::string PrintedIntegerText(long value) {
  return (value < 0 ? "" : " ") + FormatInteger(value);
}
