#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/diagnostics.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "platform/mixer.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_measure.h"
#include "platform/window_system.h"

namespace hifz::testing {

/// A screen of a given size in pixels and twips per pixel; it records what is
/// asked of the windows on it.
class FakeWindowSystem final : public WindowSystem {
 public:
  float screenWidthTwips() const override { return widthPx * twipsPerPixel; }
  float screenHeightTwips() const override { return heightPx * twipsPerPixel; }
  float twipsPerPixelX() const override { return twipsPerPixel; }
  float twipsPerPixelY() const override { return twipsPerPixel; }
  void setTopMost(WindowHandle window, bool topMost) override {
    topMostCalls.emplace_back(window, topMost);
  }
  WindowHandle openWindow(WindowControl&, std::span<Control* const>) override {
    opened.push_back(nextHandle);
    return nextHandle++;
  }
  void closeWindow(WindowHandle window) override { closed.push_back(window); }
  void activate(WindowHandle window) override { activated.push_back(window); }
  void endProgram() override { ++endings; }

  float widthPx = 1024;
  float heightPx = 768;
  float twipsPerPixel = 15;
  std::vector<std::pair<WindowHandle, bool>> topMostCalls;
  WindowHandle nextHandle = 0xD1;
  std::vector<WindowHandle> opened;
  std::vector<WindowHandle> closed;
  std::vector<WindowHandle> activated;
  int endings = 0;
};

/// Sizes texts as the test says; any other text measures `otherwise`.
class FakeTextMeasure final : public TextMeasure {
 public:
  TextSize measure(std::string_view text) const override {
    const auto found = sizes.find(std::string(text));
    return found == sizes.end() ? otherwise : found->second;
  }
  std::map<std::string, TextSize> sizes;
  TextSize otherwise{1755, 240};
};

/// A display whose mode test answers what the test says; it records what is asked.
class FakeDisplay final : public Display {
 public:
  Context openContext() override {
    ++opened;
    return contextToOpen;
  }
  int bitsPerPixel(Context context) const override { return context ? depth : 0; }
  ModeTest testMode(int width, int height, int bits) override {
    tested.emplace_back(width, height, bits);
    return testAnswer;
  }
  void applyMode(int width, int height, int bits) override {
    applied.emplace_back(width, height, bits);
  }
  void restartComputer() override { ++restarts; }
  void releaseContext(Context context) override { released.push_back(context); }

  Context contextToOpen = 0x5151;
  int depth = 32;
  ModeTest testAnswer = ModeTest::Usable;
  int opened = 0;
  int restarts = 0;
  std::vector<std::tuple<int, int, int>> tested;
  std::vector<std::tuple<int, int, int>> applied;
  std::vector<Context> released;
};

/// A mixer with the lines and controls the test gives it.
class FakeMixer final : public Mixer {
 public:
  MixerResult open(std::uint32_t device, MixerHandle& handle) override {
    openedDevices.push_back(device);
    if (openResult == kMixerNoError) handle = handleToGive;
    return openResult;
  }
  MixerResult lineInfo(MixerHandle, std::uint32_t componentType, std::uint32_t& lineId) override {
    const auto found = lines.find(componentType);
    if (found == lines.end()) return kMixerNotFound;
    lineId = found->second;
    return kMixerNoError;
  }
  MixerResult lineControl(MixerHandle, std::uint32_t lineId, std::uint32_t controlType,
                          MixerControlRecord& control) override {
    const auto found = controls.find({lineId, controlType});
    if (found == controls.end()) return kMixerNotFound;
    control = found->second;
    return kMixerNoError;
  }
  MixerResult setControlValue(MixerHandle handle, std::uint32_t controlId,
                              std::uint32_t value) override {
    writes.emplace_back(handle, controlId, value);
    return setResult;
  }

  /// A speakers line 7 and a microphone line 9, each with a 0..65535 volume control.
  void addStandardLines() {
    lines = {{kComponentSpeakers, 7}, {kComponentMicrophone, 9}};
    controls[{7, kControlVolume}] = volumeControl(17, 0, 65535);
    controls[{9, kControlVolume}] = volumeControl(19, 0, 100);
  }
  static MixerControlRecord volumeControl(std::uint32_t id, std::int32_t min, std::int32_t max) {
    MixerControlRecord record;
    record.cbStruct = kMixerControlRecordSize;
    record.dwControlID = id;
    record.dwControlType = kControlVolume;
    record.szName = "Volume";
    record.lMinimum = min;
    record.lMaximum = max;
    return record;
  }

  MixerResult openResult = kMixerNoError;
  MixerHandle handleToGive = 0x77;
  MixerResult setResult = kMixerNoError;
  std::map<std::uint32_t, std::uint32_t> lines;
  std::map<std::pair<std::uint32_t, std::uint32_t>, MixerControlRecord> controls;
  std::vector<std::uint32_t> openedDevices;
  std::vector<std::tuple<MixerHandle, std::uint32_t, std::uint32_t>> writes;
};

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageButtons buttons;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

/// Remembers every message; answers from `answers`, then OK or No.
class FakeMessageBox final : public MessageBox {
 public:
  MessageAnswer show(const std::string& text, const std::string& caption,
                     MessageButtons buttons) override {
    shown.push_back({text, caption, buttons});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }

  std::vector<ShownMessage> shown;
  std::deque<MessageAnswer> answers;
};

class FakeShell final : public Shell {
 public:
  void open(const std::string& address) override { opened.push_back(address); }
  std::vector<std::string> opened;
};

class FakeSound final : public Sound {
 public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

/// Settings kept in memory: `kept` is what a run reads at start and what it
/// keeps; `discarded` holds why they were set aside, if they were, and
/// `discardedValues` why single values were, by key.
class FakeSettingsStore final : public SettingsStore {
 public:
  std::map<std::string, std::string> values() const override {
    return discarded.empty() ? kept : std::map<std::string, std::string>{};
  }
  void setValue(const std::string& key, const std::string& value) override {
    if (!discarded.empty() && !startedAfresh) {
      kept.clear();
      startedAfresh = true;
    }
    for (const std::string& gone : forgotten) kept.erase(gone);
    forgotten.clear();
    kept[key] = value;
    ++writes;
  }
  void discard(const std::string& why) override { discarded.push_back(why); }
  void forget(const std::string& key) override { forgotten.insert(key); }
  void discardValue(const std::string& key, const std::string& why) override {
    discardedValues.emplace(key, why);
    forget(key);
  }

  std::map<std::string, std::string> kept;
  std::vector<std::string> discarded;
  std::map<std::string, std::string> discardedValues;
  std::set<std::string> forgotten;
  bool startedAfresh = false;
  int writes = 0;
};

/// Keeps every line the program reports.
class FakeDiagnostics final : public Diagnostics {
 public:
  void report(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

}  // namespace hifz::testing
