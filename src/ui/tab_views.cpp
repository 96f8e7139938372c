#include "ui/tab_views.h"

#include "ui/draw_deflection_tab.h"
#include "ui/draw_force_tabs.h"
#include "ui/draw_model_tab.h"

const std::array<TabView, 5> TabViews = {{
    {"解析モデル", DrawModelTab},
    {"δ図", DrawDeflectionTab},
    {"Ｍ図", DrawMomentTab},
    {"Ｑ図", DrawShearTab},
    {"Ｎ図", DrawAxialTab},
}};
