#include "views/tab_label_texts.h"

#include "views/drawing_surface.h"
#include "views/label_target.h"
#include "views/tab_views.h"

namespace {

// A surface of no size that draws nothing: the views' label texts do not depend on it.
class DiscardingSurface : public DrawingSurface {
 public:
  void Clear() override {}
  void SetScaleToTwips() override {}
  float Width() const override { return 0.0f; }
  float Height() const override { return 0.0f; }
  void SetPenWidth(int) override {}
  void Line(float, float, float, float, SurfaceColour) override {}
  void Arc(float, float, float, SurfaceColour, double, double) override {}
  float TextWidth(const std::string&) const override { return 0.0f; }
  float TextHeight(const std::string&) const override { return 0.0f; }
  void SetCurrentPosition(float, float) override {}
  void PrintInteger(long) override {}
  void FillQuadrilateral(const std::array<DevicePoint, 4>&, SurfaceColour) override {}
};

}  // namespace

std::array<std::string, 5> TabLabelTexts() {
  DiscardingSurface surface;
  LabelCapture label;
  std::array<std::string, 5> texts;
  for (size_t tab = 0; tab < TabViews.size(); ++tab) {
    TabViews[tab].draw(surface, label);
    texts[tab] = label.text;
  }
  return texts;
}
