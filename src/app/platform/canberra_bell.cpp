#include "platform/canberra_bell.h"

#include <canberra.h>

namespace hifz {

CanberraBell::~CanberraBell() {
  if (context_) ca_context_destroy(context_);
}

bool CanberraBell::ring() {
  if (!context_) {
    if (ca_context_create(&context_) != CA_SUCCESS) return false;
    // The server keeps the sound after the first ring, so later rings start sooner.
    if (ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Hifz",
                                CA_PROP_CANBERRA_CACHE_CONTROL, "volatile",
                                nullptr) != CA_SUCCESS ||
        ca_context_open(context_) != CA_SUCCESS) {
      ca_context_destroy(context_);
      context_ = nullptr;
      return false;
    }
  }
  return ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Bell",
                         nullptr) == CA_SUCCESS;
}

}  // namespace hifz
