#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "swf/actions.h"
#include "swf/types.h"

namespace hifz::swf {

// What a button shows in one state: a shape defined earlier, placed by `matrix`.
struct ButtonFace {
  ButtonFace() = default;
  explicit ButtonFace(CharacterId shape, Matrix placement = {})
      : character(shape), matrix(placement) {}

  CharacterId character = 0;
  Matrix matrix;

  bool operator==(const ButtonFace&) const = default;
};

struct Button {
  ButtonFace up;
  std::optional<ButtonFace> over;  // defaults to `up`
  std::optional<ButtonFace> down;  // defaults to `over`
  std::optional<ButtonFace> hit;   // the area that takes the mouse; defaults to `up`
  // Runs when the mouse is released over the button, i.e. on a click.
  ActionList onRelease;
};

// The body of a DefineButton2 tag.
std::vector<uint8_t> encodeButton(CharacterId id, const Button& button);

}  // namespace hifz::swf
