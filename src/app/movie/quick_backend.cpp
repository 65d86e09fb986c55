#include "movie/quick_backend.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <mutex>

namespace hifz {

std::string quickBackend(std::string_view chromiumFlags, std::string_view userChoice,
                         const std::function<OpenGlReport()>& probe) {
  if (!userChoice.empty()) return std::string(userChoice);
  if (chromiumFlags.find("--disable-gpu") != std::string_view::npos) return "software";
  const OpenGlReport gl = probe();
  const QString renderer = QString::fromStdString(gl.renderer);
  // Compositing each page frame through OpenGL drawn in software costs more
  // than Qt Quick's own software renderer: a third of a core while a verse
  // plays, against a twentieth.
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast"}) {
    if (renderer.contains(QLatin1String(rasteriser), Qt::CaseInsensitive)) return "software";
  }
  return gl.works ? std::string() : "software";
}

void chooseQuickBackend() {
  static std::once_flag chosen;
  std::call_once(chosen, [] {
    const std::string backend =
        quickBackend(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").toStdString(),
                     qgetenv("QT_QUICK_BACKEND").toStdString(), probeOpenGl);
    if (!backend.empty()) qputenv("QT_QUICK_BACKEND", QByteArray::fromStdString(backend));
  });
}

}  // namespace hifz
