// The window's choices kept between sessions (~/.config/femframe/femframe.conf).
#pragma once

#include <QSettings>

inline QSettings ProgramSettings() {
  return QSettings(QStringLiteral("femframe"), QStringLiteral("femframe"));
}

// 「詳細表示」, off at first.
inline constexpr const char* kDetailedViewKey = "view/detailed";
// Whether a run writes the trace NColes.txt, on at first.
inline constexpr const char* kWriteTraceKey = "run/writeTrace";
