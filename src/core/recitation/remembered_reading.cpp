#include "recitation/remembered_reading.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "controls/number_text.h"
#include "navigation/chapter_catalog.h"
#include "navigation/content_catalog.h"
#include "recitation/chapter_verses.h"
#include "recitation/repetition_settings.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr std::string_view kRepeat = "reading/repeat";
constexpr std::string_view kPause = "reading/pause";
constexpr std::string_view kAutoStart = "reading/autoStart";
// Earlier versions kept the last chapter opened here; nothing ever read it.
constexpr std::string_view kRetiredLastChapter = "chapters/last";
constexpr std::string_view kRanges = "ranges/";
constexpr std::string_view kNoPause = "off";
constexpr std::string_view kTurn = "turn/";

struct TurnFlag {
  ControlHandle<Form1, CheckBox> flag;
  std::string_view key;
};
constexpr std::array kTurnFlags = {TurnFlag{form1::HideVerse, "turn/hideVerse"},
                                   TurnFlag{form1::RecordTurn, "turn/record"},
                                   TurnFlag{form1::EndOnSilence, "turn/endOnSilence"}};

bool isTurnFlag(std::string_view key) {
  for (const TurnFlag& turn : kTurnFlags)
    if (turn.key == key) return true;
  return false;
}

struct RangeWayName {
  RangeWay way;
  std::string_view name;
};
constexpr std::array kRangeWays = {RangeWayName{RangeWay::Once, "once"},
                                   RangeWayName{RangeWay::WithoutEnd, "endless"},
                                   RangeWayName{RangeWay::Drill, "drill"}};

bool isDigit(std::string_view text, char lowest) {
  return text.size() == 1 && text[0] >= lowest && text[0] <= '9';
}

// A repeat count as the arrows and the keyboard leave it: "0" to "99".
bool isRepeatCount(std::string_view text) {
  if (text.size() == 2) return text[0] >= '1' && text[0] <= '9' && isDigit(text.substr(1), '0');
  return isDigit(text, '0');
}

// A chapter's range is kept under its number in the Quran: "ranges/114".
std::string rangeKey(const ChapterRow& chapter) {
  return std::string(kRanges) + std::to_string(chapter.number);
}

bool isChapterNumber(std::string_view text) {
  constexpr int kChapters = 114;
  const std::optional<int> number = plainNumber(text);
  return number && *number <= kChapters;
}

// Earlier versions kept a chapter as its group and its key in the group's
// list, "1-1.1", which only the original course's catalog gives a meaning.
const ChapterRow* chapterOfFormerKey(std::string_view key) {
  const std::size_t dot = key.find('.');
  if (dot == std::string_view::npos) return nullptr;
  return fixedCatalog().findChapter(key.substr(0, dot), key.substr(dot + 1));
}

std::optional<std::string> currentRangeKey(const Form1& form) {
  const ChapterRow* chapter = currentChapter(form);
  if (chapter == nullptr) return std::nullopt;
  return rangeKey(*chapter);
}

struct KeptRange {
  VerseRange bounds;
  RangeWay way = RangeWay::Once;
};

// "2 7 drill": the first and last verse, and the way the range is read.
std::optional<KeptRange> parseRange(std::string_view text) {
  const std::size_t firstSpace = text.find(' ');
  const std::size_t lastSpace = text.rfind(' ');
  if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return std::nullopt;
  const std::optional<VerseRange> bounds = rangeBounds(
      text.substr(0, firstSpace), text.substr(firstSpace + 1, lastSpace - firstSpace - 1));
  if (!bounds || bounds->first < 1) return std::nullopt;
  for (const auto& [way, name] : kRangeWays)
    if (name == text.substr(lastSpace + 1)) return KeptRange{*bounds, way};
  return std::nullopt;
}

// Why the kept text of `key` makes no sense, or nothing when it does.
std::optional<std::string> nonsenseIn(const std::string& key, const std::string& value) {
  bool sound = true;
  if (key == kRepeat) {
    sound = isRepeatCount(value);
  } else if (key == kPause) {
    sound = value == kNoPause || isDigit(value, '1');
  } else if (key == kAutoStart || key.starts_with(kTurn)) {
    sound = (key == kAutoStart || isTurnFlag(key)) && (value == "true" || value == "false");
  } else if (key.starts_with(kRanges)) {
    const std::string_view chapter = std::string_view(key).substr(kRanges.size());
    sound = (isChapterNumber(chapter) || chapterOfFormerKey(chapter) != nullptr) &&
            parseRange(value).has_value();
  } else if (key.starts_with("reading/") || key.starts_with("chapters/")) {
    sound = false;
  }
  if (sound) return std::nullopt;
  return key + " = \"" + value + "\"";
}

// Why a kept range cannot be read in the current chapter, or nothing when it can.
std::optional<std::string> outsideChapter(Form1& form, VerseRange bounds) {
  const int last = lastVerseOf(form.platform().files.fileNames(form.chapterFilePath("")));
  if (last == 0) return "its chapter's folder shows no verse";
  if (bounds.last > last) return "it goes past its chapter's last verse, " + numberText(last);
  return std::nullopt;
}

}  // namespace

void RememberedReading::recall(Form1& form, PollPeriod& period) {
  SettingsStore& store = form.platform().settings;
  kept_ = store.values();
  if (kept_.erase(std::string(kRetiredLastChapter)) > 0)
    store.forget(std::string(kRetiredLastChapter));
  for (const auto& [key, value] : kept_) {
    if (const std::optional<std::string> why = nonsenseIn(key, value)) {
      store.discard(*why);
      kept_.clear();
      return;
    }
  }
  moveFormerRangeKeys(store);
  if (const auto repeat = kept_.find(std::string(kRepeat)); repeat != kept_.end())
    form[form1::Repeat].setText(repeat->second);
  if (const auto pause = kept_.find(std::string(kPause)); pause != kept_.end())
    setPause(form, period, static_cast<int>(textNumber(pause->second).value_or(0)));
  if (const auto autoStart = kept_.find(std::string(kAutoStart)); autoStart != kept_.end())
    form[form1::Check1].setValue(autoStart->second == "true" ? 1 : 0);
  for (const TurnFlag& turn : kTurnFlags)
    if (const auto kept = kept_.find(std::string(turn.key)); kept != kept_.end())
      form[turn.flag].setValue(kept->second == "true" ? 1 : 0);
}

void RememberedReading::moveFormerRangeKeys(SettingsStore& store) {
  for (auto kept = kept_.begin(); kept != kept_.end();) {
    const std::string& key = kept->first;
    const ChapterRow* chapter =
        key.starts_with(kRanges) ? chapterOfFormerKey(key.substr(kRanges.size())) : nullptr;
    if (chapter == nullptr) {
      ++kept;
      continue;
    }
    // A range kept under the chapter's number already is the newer one.
    if (kept_.try_emplace(rangeKey(*chapter), kept->second).second)
      formerKeys_.emplace(rangeKey(*chapter), key);
    store.forget(key);
    kept = kept_.erase(kept);
  }
}

void RememberedReading::recallRange(Form1& form) {
  const std::optional<std::string> chapter = currentRangeKey(form);
  if (!chapter) return;
  const auto kept = kept_.find(*chapter);
  std::optional<KeptRange> range = kept == kept_.end() ? std::nullopt : parseRange(kept->second);
  if (range) {
    // A range is only known to fit its chapter once the chapter's folder is read.
    if (const std::optional<std::string> why = outsideChapter(form, range->bounds)) {
      // The user knows the range by the key the settings file holds it under.
      const auto former = formerKeys_.find(*chapter);
      SettingsStore& store = form.platform().settings;
      if (former == formerKeys_.end()) {
        store.discardValue(*chapter, *why);
      } else {
        store.discardValue(former->second, *why);
        formerKeys_.erase(former);
      }
      kept_.erase(kept);
      range.reset();
    }
  }
  // Another chapter's last range is not this one's: neither shown nor read again.
  form[form1::Label10].setCaption(range ? numberText(range->bounds.first) : "0");
  form[form1::Label13].setCaption(range ? numberText(range->bounds.last) : "0");
  if (range) {
    setRangeWay(form, range->way);
  } else {
    for (const auto label : {form1::Label4, form1::Label5}) form[label].setCaption("0");
  }
  form.run(form1::LastRange);
}

void RememberedReading::remember(Form1& form) {
  const std::string& repeat = form[form1::Repeat].text();
  if (isRepeatCount(repeat)) keep(form, std::string(kRepeat), repeat);
  const std::string& seconds = form[form1::Label7].caption();
  if (form[form1::Check4].value() == 0)
    keep(form, std::string(kPause), std::string(kNoPause));
  else if (isDigit(seconds, '1'))
    keep(form, std::string(kPause), seconds);
  for (const TurnFlag& turn : kTurnFlags) {
    // An option left off that was never kept stays out of the file.
    const bool on = form[turn.flag].value() == 1;
    if (on || kept_.contains(std::string(turn.key)))
      keep(form, std::string(turn.key), on ? "true" : "false");
  }
}

void RememberedReading::rememberAutoStart(Form1& form) {
  keep(form, std::string(kAutoStart), form[form1::Check1].value() == 1 ? "true" : "false");
}

void RememberedReading::rangeStarted(Form1& form, VerseRange bounds) {
  const std::optional<std::string> chapter = currentRangeKey(form);
  if (!chapter || bounds.first < 1) return;
  for (const auto& [way, name] : kRangeWays) {
    if (way == rangeWay(form)) {
      keep(form, *chapter,
           numberText(bounds.first) + " " + numberText(bounds.last) + " " + std::string(name));
    }
  }
}

void RememberedReading::keep(Form1& form, const std::string& key, const std::string& value) {
  auto [kept, added] = kept_.try_emplace(key, value);
  if (!added) {
    if (kept->second == value) return;
    kept->second = value;
  }
  SettingsStore& store = form.platform().settings;
  // Ranges read under their former keys are written under their chapters' numbers.
  for (const auto& [moved, former] : std::exchange(formerKeys_, {}))
    if (moved != key && kept_.contains(moved)) store.setValue(moved, kept_.at(moved));
  store.setValue(key, value);
}

void wireRememberedReading(Form1& form, const std::shared_ptr<PollPeriod>& period,
                           const std::shared_ptr<RememberedReading>& memory) {
  form[form1::Recall].onClick = [&form, period, memory] { memory->recall(form, *period); };
  form[form1::RecallRange].onClick = [&form, memory] { memory->recallRange(form); };
  form[form1::Remember].onClick = [&form, memory] { memory->remember(form); };
  form[form1::Check1].onClick = [&form, memory] { memory->rememberAutoStart(form); };
}

}  // namespace hifz
