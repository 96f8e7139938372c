#include "views/draw_deflection_tab.h"

#include "analysis/analysis_store.h"
#include "basics/number_text.h"
#include "drawing/drawing_lists.h"
#include "views/stored_lines.h"

void DrawDeflectionTab(DrawingSurface& surface, LabelTarget& label) {
  ClearToTwips(surface);
  DrawMemberLines(surface, 1);
  DrawStoredLines(surface, DeflectedShapeLines, kYellow);
  label.SetLabelText("変位最大値 [㎝]\r     " + FormatFixed5(analysisStore.maxDisplacement));
}
