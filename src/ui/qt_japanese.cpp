#include "ui/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

bool InstallQtJapanese() {
  static QTranslator translator;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (translator.load(QStringLiteral("qtbase_ja"), folder) &&
      QCoreApplication::installTranslator(&translator)) {
    return true;
  }
  std::fprintf(stderr, "Qt の日本語訳 qtbase_ja.qm が %s にないため、ダイアログの一部は英語で表示されます。\n",
               qPrintable(folder));
  return false;
}
