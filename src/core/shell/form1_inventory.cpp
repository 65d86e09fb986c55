#include "shell/form1_inventory.h"

namespace hifz {

SlotSettings form1SlotSettings(std::string_view slotName) {
  SlotSettings settings;
  if (slotName == form1::flash1.name()) settings.playsOnce = true;
  if (slotName == form1::StartFlash.name()) settings.startsByItself = false;
  if (slotName.starts_with("verses")) settings.scale = ScaleMode::NoScale;
  settings.windowed = slotName == form1::flash1.name() || slotName == form1::ding.name();
  return settings;
}

}  // namespace hifz
