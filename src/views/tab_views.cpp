#include "views/tab_views.h"

#include "views/draw_deflection_tab.h"
#include "views/draw_force_tabs.h"
#include "views/draw_model_tab.h"

const std::array<TabView, 5> TabViews = {{
    {"解析モデル", DrawModelTab},
    {"δ図", DrawDeflectionTab},
    {"Ｍ図", DrawMomentTab},
    {"Ｑ図", DrawShearTab},
    {"Ｎ図", DrawAxialTab},
}};
