#pragma once

#include <string>

namespace hifz {

/// What Qt reports of the OpenGL it can use on this display.
struct OpenGlReport {
  bool works = false;    // a context was made and made current
  std::string renderer;  // its GL_RENDERER: "llvmpipe (LLVM 15.0.6, 256 bits)"
};

/// Makes a context on an offscreen surface and asks it; needs the
/// QGuiApplication.
OpenGlReport probeOpenGl();

}  // namespace hifz
