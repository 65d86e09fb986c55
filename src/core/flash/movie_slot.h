#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/control.h"

namespace hifz {

enum class ScaleMode { ShowAll, NoScale };

/// How a slot treats the movies it is given.
struct SlotSettings {
  /// Plays a movie once and stops on its last frame, instead of looping.
  bool playsOnce = false;
  /// Starts a newly loaded movie by itself; otherwise shows its first frame only.
  bool startsByItself = true;
  ScaleMode scale = ScaleMode::ShowAll;
  /// Drawn in a window of its own rather than blended with its panel.
  bool windowed = false;

  friend bool operator==(const SlotSettings&, const SlotSettings&) = default;
};

/// One movie player of a window: the movie it shows and its root timeline.
class MovieSlot : public Control {
 public:
  MovieSlot(std::string name, SlotSettings settings)
      : Control(std::move(name), ControlKind::MovieSlot), settings_(settings) {}

  const SlotSettings& settings() const { return settings_; }
  /// The full path last given.
  const std::string& movie() const { return movie_; }
  /// Drops the movie and loads the file at `path`, showing its first frame and
  /// playing it as the settings say; a missing or unreadable file shows nothing.
  void setMovie(const std::string& path) {
    movie_ = path;
    load(path);
    notify(Property::Movie);
  }
  /// Starts the root timeline and its sound.
  virtual void play() = 0;
  /// Halts the root timeline and its sound.
  virtual void stop() = 0;
  /// True while the root timeline advances; false once it has stopped or nothing is loaded.
  virtual bool isPlaying() const = 0;
  /// The root timeline's current frame, the first being 0; 0 when nothing is loaded.
  virtual int frameNum() const = 0;

  /// Runs the FSCommand handler with the strings as the movie sent them.
  void raiseFSCommand(const std::string& command, const std::string& args) {
    if (onFSCommand) onFSCommand(command, args);
  }
  std::function<void(const std::string& command, const std::string& args)> onFSCommand;

 protected:
  virtual void load(const std::string& path) = 0;

 private:
  SlotSettings settings_;
  std::string movie_;
};

using MovieSlotFactory =
    std::function<std::unique_ptr<MovieSlot>(const std::string& name, const SlotSettings&)>;

}  // namespace hifz
