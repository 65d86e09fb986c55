#include "movie/ruffle_package.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace hifz {

std::optional<QDir> findRufflePackage() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  for (const QString& folder :
       {programFolder + "/ruffle", programFolder + "/" HIFZ_INSTALLED_RUFFLE_DIR,
        QStringLiteral(HIFZ_BUILD_RUFFLE_DIR)}) {
    if (QFileInfo(folder + "/ruffle.js").isFile()) return QDir(folder);
  }
  return std::nullopt;
}

}  // namespace hifz
