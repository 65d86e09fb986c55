#pragma once

#include <cstdint>

namespace hifz {

/// A colour as 0x00BBGGRR; with the top bit set, system colour n of the platform.
using Colour = std::uint32_t;

constexpr Colour systemColour(std::uint32_t index) { return 0x80000000u | index; }

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
/// The platform's text colour of buttons, which labels show unless told otherwise.
inline constexpr Colour kButtonText = systemColour(18);
/// The platform's face colour of buttons, the background of a panel unless told otherwise.
inline constexpr Colour kButtonFace = systemColour(15);

}  // namespace hifz
