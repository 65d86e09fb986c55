#include "view/qt_arabic.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace hifz {

QLocale arabicLocale() { return QLocale(QLocale::Arabic, QLocale::Egypt); }

bool speakArabicInQtWindows(QCoreApplication& app) {
  QLocale::setDefault(arabicLocale());
  auto* translator = new QTranslator(&app);
  // "qt_ar" gathers Qt's modules' own catalogues (qtbase_ar and the rest).
  if (!translator->load(arabicLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace hifz
