// The 「詳細表示」 check box by the tabs: whether the pictures are drawn in the detailed view
// (DrawingOptions::detailed, ViewData::detailed). Off by default; the choice is kept between
// sessions in the settings of the organisation "femframe".
#pragma once

#include <QRect>
#include <functional>

class QCheckBox;
class QWidget;

// The box on `parent` at `place`, ticked as last left; `changed` is called with every new state
// after it has been kept.
QCheckBox* AddDetailedViewBox(QWidget* parent, const QRect& place,
                              std::function<void(bool)> changed);
