#include "recitation/reading_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/number_text.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr std::int64_t kStartingPeriod = 500;

std::optional<int> wholeNumber(std::string_view text) {
  const std::optional<double> number = textNumber(text);
  if (!number || std::trunc(*number) != *number) return std::nullopt;
  if (std::abs(*number) > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
  return static_cast<int>(*number);
}

}  // namespace

void cancelPendingPause(Form1& form) {
  form[form1::Timer2].setInterval(0);
  form.countdown().end();
  form.run(form1::TurnEnds);
}

bool startsRangeAgain(const Form1& form) {
  const MainWindowState& state = form.state();
  return state.RangeMode == 1 && form[form1::Check3].value() == 1 &&
         form[form1::List1].listCount() == state.VerseIndex;
}

std::string widenedPattern(std::string_view entryName) {
  const std::size_t hyphen = entryName.find('-');
  return std::string(entryName.substr(0, hyphen == std::string_view::npos ? hyphen : hyphen + 1)) +
         "*.*";
}

void listVerseMovies(Form1& form, std::string pattern) {
  form[form1::File1].setPattern(std::move(pattern), std::string(kWholeChapterMovies));
}

void endEmptyReading(Form1& form) {
  MainWindowState& state = form.state();
  state.RangeMode = 0;
  state.VerseIndex = 0;
  form[form1::Timer1].setInterval(0);
  form[form1::StopIt].setCaption("On");
  form[form1::Picture5].setVisible(false);
  form.run(form1::Menu);
}

std::optional<VerseRange> rangeBounds(std::string_view first, std::string_view last) {
  const std::optional<int> from = wholeNumber(first);
  const std::optional<int> to = wholeNumber(last);
  if (!from || !to || *from > *to) return std::nullopt;
  return VerseRange{*from, *to};
}

double repeatCount(const Form1& form) { return textNumber(form[form1::Repeat].text()).value_or(1); }

std::int64_t timerPeriod(const Form1& form) {
  const std::optional<double> period = textNumber(form[form1::Text1].text());
  if (!period || *period < 1) return kStartingPeriod;
  // The platform's timers count in 32-bit milliseconds (some 24 days).
  return std::llround(std::min<double>(*period, std::numeric_limits<std::int32_t>::max()));
}

bool atListEnd(int verseIndex, int entryCount) { return verseIndex >= entryCount; }

}  // namespace hifz
