#include "ui/window_font.h"

QFont WindowFont() { return QFont(QStringLiteral("IPAGothic"), 9); }
