#include "movie/gl_probe.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace hifz {

OpenGlReport probeOpenGl() {
  QOpenGLContext context;
  if (!context.create()) return {};
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface)) return {};
  const auto* renderer = context.functions()->glGetString(GL_RENDERER);
  OpenGlReport report{true, renderer != nullptr ? reinterpret_cast<const char*>(renderer) : ""};
  context.doneCurrent();
  return report;
}

}  // namespace hifz
