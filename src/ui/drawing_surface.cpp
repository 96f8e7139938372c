#include "ui/drawing_surface.h"

#include "basics/number_text.h"

std::string PrintedIntegerText(long value) {
  return (value < 0 ? "" : " ") + FormatInteger(value);
}
