#include "views/tab_views.h"

#include "views/draw_deflection_tab.h"
#include "views/draw_force_tabs.h"
#include "views/draw_model_tab.h"

const std::array<TabView, 5> TabViews = {{
    {"解析モデル", DrawModelTab, ModelTabLabel},
    {"δ図", DrawDeflectionTab, DeflectionTabLabel},
    {"Ｍ図", DrawMomentTab, MomentTabLabel},
    {"Ｑ図", DrawShearTab, ShearTabLabel},
    {"Ｎ図", DrawAxialTab, AxialTabLabel},
}};

std::array<std::string, 5> TabLabelTexts(const ViewData& data) {
  std::array<std::string, 5> texts;
  for (size_t tab = 0; tab < TabViews.size(); ++tab) texts[tab] = TabViews[tab].label(data);
  return texts;
}
