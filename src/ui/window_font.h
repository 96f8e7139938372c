// The window's font. IPAGothic at 9 pt has 12-pixel full-width and 6-pixel half-width glyphs,
// so the labels and the load numbers measure the same on every machine.
#pragma once

#include <QFont>

inline QFont WindowFont() { return QFont(QStringLiteral("IPAGothic"), 9); }
