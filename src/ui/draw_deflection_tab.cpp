#include "ui/draw_deflection_tab.h"

#include "analysis/analysis_store.h"
#include "basics/number_text.h"
#include "drawing/drawing_lists.h"
#include "ui/view_targets.h"

void DrawDeflectionTab() {
  ClearToTwips(ViewSurface());
  DrawMemberLines(1);
  DrawStoredLines(DeflectedShapeLines, kYellow);
  SetViewLabelText("変位最大値 [㎝]\r     " + FormatFixed5(analysisStore.maxDisplacement));
}
