#include "swf/button.h"

#include <algorithm>

#include "swf/bytes.h"
#include "swf/records.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kStateUp = 0x01;
constexpr uint8_t kStateOver = 0x02;
constexpr uint8_t kStateDown = 0x04;
constexpr uint8_t kStateHit = 0x08;
constexpr uint16_t kOverDownToOverUp = 0x0008;

struct Layer {
  ButtonFace face;
  uint8_t states = 0;
};

// One record per distinct face, so a face shared by several states is listed once.
std::vector<Layer> layers(const Button& button) {
  const ButtonFace over = button.over.value_or(button.up);
  const ButtonFace down = button.down.value_or(over);
  const ButtonFace hit = button.hit.value_or(button.up);
  std::vector<Layer> result;
  for (const Layer& state : {Layer{button.up, kStateUp}, Layer{over, kStateOver},
                             Layer{down, kStateDown}, Layer{hit, kStateHit}}) {
    auto it = std::find_if(result.begin(), result.end(),
                           [&state](const Layer& layer) { return layer.face == state.face; });
    if (it == result.end()) {
      result.push_back(state);
    } else {
      it->states |= state.states;
    }
  }
  return result;
}

}  // namespace

std::vector<uint8_t> encodeButton(CharacterId id, const Button& button) {
  ByteWriter out;
  out.u16(id);
  out.u8(0);  // not tracked as a menu
  const size_t actionOffsetAt = out.size();
  out.u16(0);

  uint16_t depth = 1;
  for (const Layer& layer : layers(button)) {
    out.u8(layer.states);
    out.u16(layer.face.character);
    out.u16(depth++);
    writeMatrix(out, layer.face.matrix);
    out.u8(0);  // colour transform without terms: unchanged colours
  }
  out.u8(0);  // end of records

  if (!button.onRelease.empty()) {
    // Counted from the offset field itself; at most four short records lie between.
    out.patchU16(actionOffsetAt, static_cast<uint16_t>(out.size() - actionOffsetAt));
    out.u16(0);  // the only, hence last, condition
    out.u16(kOverDownToOverUp);
    out.bytes(button.onRelease.bytes());
  }
  return out.take();
}

}  // namespace hifz::swf
