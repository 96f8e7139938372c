#include "ui/detailed_view_box.h"

#include <QCheckBox>

#include "ui/main_window.h"
#include "ui/program_settings.h"

QCheckBox* AddDetailedViewBox(QWidget* parent, const QRect& place,
                              std::function<void(bool)> changed) {
  auto* box = new QCheckBox(QStringLiteral("詳細表示"), parent);
  box->setGeometry(place);
  box->setChecked(ProgramSettings().value(kDetailedViewKey, false).toBool());
  box->raise();
  QObject::connect(box, &QCheckBox::toggled, parent, [changed = std::move(changed)](bool on) {
    ProgramSettings().setValue(kDetailedViewKey, on);
    changed(on);
  });
  return box;
}

// The geometry is built anew for the new view at the picture's size, as after a resize.
void MainWindow::SetDetailed(bool on) {
  detailed_ = on;
  RefitDrawing();
  ShowSelectedTab();
}
