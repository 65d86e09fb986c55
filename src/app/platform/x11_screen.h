#pragma once

#include <QSize>
#include <optional>

namespace hifz {

/// The screen's size in pixels as the X server has it now, asked with a round
/// trip. Qt learns of a mode change made over another connection only when its
/// event reaches Qt's own; until then its screen keeps the old size. Nothing
/// when the program does not run on X.
std::optional<QSize> currentX11ScreenSize();

}  // namespace hifz
