#include "content/look.h"

#include <QFontDatabase>
#include <QStringList>

namespace hifz::content {
namespace {

QString firstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family)) return family;
  }
  return families.back();
}

QFont sized(const QString& family, double pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

QFont quranFont(double pixels) {
  static const QString family = firstInstalled({"Amiri Quran", "Amiri", "Noto Naskh Arabic"});
  return sized(family, pixels, false);
}

QFont labelFont(double pixels, bool bold) {
  static const QString family = firstInstalled({"Amiri", "Noto Naskh Arabic"});
  return sized(family, pixels, bold);
}

QString arabicNumber(int number) {
  QString digits = QString::number(number);
  for (QChar& c : digits) c = QChar(u'\u0660' + (c.unicode() - u'0'));
  return digits;
}

QString verseCountText(int verses) {
  // Three to ten take the plural; eleven and more, and one, the singular.
  const bool plural = verses >= 3 && verses <= 10;
  return arabicNumber(verses) + (plural ? QString::fromUtf8(" آيات") : QString::fromUtf8(" آية"));
}

}  // namespace hifz::content
