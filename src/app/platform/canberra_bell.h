#pragma once

struct ca_context;

namespace hifz {

/// The desktop's own bell: the "bell" event sound of its sound theme (the
/// freedesktop theme and those that inherit it), played through libcanberra
/// on the sound server's default output.
class CanberraBell {
 public:
  CanberraBell() = default;
  ~CanberraBell();
  CanberraBell(const CanberraBell&) = delete;
  CanberraBell& operator=(const CanberraBell&) = delete;

  /// Starts the bell and returns; false when the desktop has no bell sound
  /// or no sound server answers.
  bool ring();

 private:
  ca_context* context_ = nullptr;
};

}  // namespace hifz
