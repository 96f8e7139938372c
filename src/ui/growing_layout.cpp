#include "ui/growing_layout.h"

#include <QWidget>
#include <algorithm>

void GrowingLayout::Add(QWidget* control, int anchors) {
  entries_.push_back({control, control->geometry(), anchors});
}

void GrowingLayout::Apply(QSize size) const {
  const QSize growth(std::max(0, size.width() - defaultSize_.width()),
                     std::max(0, size.height() - defaultSize_.height()));
  for (const Entry& entry : entries_) {
    entry.control->setGeometry(Placed(entry.atDefault, entry.anchors, growth));
  }
}

QRect GrowingLayout::Placed(const QRect& atDefault, int anchors, QSize growth) {
  QRect placed = atDefault;
  if (anchors & kMovesRight) placed.translate(growth.width(), 0);
  if (anchors & kMovesDown) placed.translate(0, growth.height());
  if (anchors & kGrowsWide) placed.setWidth(placed.width() + growth.width());
  if (anchors & kGrowsTall) placed.setHeight(placed.height() + growth.height());
  return placed;
}
