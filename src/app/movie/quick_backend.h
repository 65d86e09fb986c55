#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "movie/gl_probe.h"

namespace hifz {

/// The Qt Quick backend the window's view draws with. The learner's own
/// QT_QUICK_BACKEND (`userChoice`, empty when unset) always wins; else
/// "software" when no GPU draws: Chromium told --disable-gpu, or OpenGL as
/// `probe` reports it not working or drawn by a software rasteriser
/// (llvmpipe, softpipe, swrast); else empty, Qt's own choice. `probe` is
/// asked only when the rest leaves the choice open.
std::string quickBackend(std::string_view chromiumFlags, std::string_view userChoice,
                         const std::function<OpenGlReport()>& probe);

/// Sets QT_QUICK_BACKEND as quickBackend() chooses, once; call after the
/// QGuiApplication exists and before the first view is made.
void chooseQuickBackend();

}  // namespace hifz
