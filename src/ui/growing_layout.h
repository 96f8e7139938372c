// How the window's controls follow its size: every control keeps the place and size it has at the
// window's default size, and grows or moves by as much as the window outgrows that size, as its
// anchors say. At the default size nothing moves.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

class GrowingLayout {
 public:
  enum Anchor {
    kGrowsWide = 1,   // the right edge follows the window's right edge
    kMovesRight = 2,  // the whole control does
    kGrowsTall = 4,   // the bottom edge follows the window's bottom edge
    kMovesDown = 8,   // the whole control does
  };

  explicit GrowingLayout(QSize defaultSize) : defaultSize_(defaultSize) {}

  // Takes the control's geometry now as its geometry at the default size.
  void Add(QWidget* control, int anchors);
  // Lays every control out for the window's size; a size below the default counts as the default.
  void Apply(QSize size) const;

  // A control's rectangle at the window's size.
  static QRect Placed(const QRect& atDefault, int anchors, QSize growth);

 private:
  struct Entry {
    QWidget* control;
    QRect atDefault;
    int anchors;
  };
  QSize defaultSize_;
  std::vector<Entry> entries_;
};
