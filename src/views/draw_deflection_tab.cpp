#include "views/draw_deflection_tab.h"

#include "text/number_text.h"
#include "views/draw_details.h"
#include "views/stored_lines.h"

void DrawDeflectionTab(DrawingSurface& surface, const ViewData& data) {
  ClearToTwips(surface);
  DrawMemberLines(surface, data.geometry, 1);
  DrawStoredLines(surface, data.geometry.deflectedShapeLines, kYellow);
  DrawDetails(surface, data, 1);
}

std::string DeflectionTabLabel(const ViewData& data) {
  return "変位最大値 [㎝]\r     " + FormatFixed5(data.maxima.displacement.value);
}
