#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hifz {

class Form1;

// How the reading behaves where its design left a choice open or would have
// misbehaved. Each rule is applied through the function under it and nowhere
// else; reading_rules_test.cpp holds a test for each.

// 1. Stopping a reading (StopIt's stop branch, `reset`, the stop button
//    `playing`) also cancels a pending pause, its countdown goes and the
//    learner's turn ends: a stopped reading must not play a verse again.
void cancelPendingPause(Form1& form);

// 2. After the last entry's last play, continuous range (`Check3`) starts
//    again at the first entry of a range reading only; a range list left over
//    from an earlier range does not make a file-list reading start over.
bool startsRangeAgain(const Form1& form);

// 3. The widened pattern of `Read` keeps the whole verse code and its hyphen,
//    the entry's name up to and with its first hyphen, followed by "*.*":
//    "5-*.*". Verse 35 ("z1-...") does not pull in verses 36 to 47, and no
//    verse pulls in the chapter's own pages ("m*.*" would list "menu.gif").
std::string widenedPattern(std::string_view entryName);

// 4. A reading started on an empty list (no movie for the verse, no
//    "?-all.gif", an empty range) ends quietly at once: nothing plays, range
//    mode ends, `StopIt` back to "On", the poll stopped, the chapter menu shown.
void endEmptyReading(Form1& form);

// 5. A range request whose bounds are not whole numbers, or whose first bound
//    is greater than the last, is refused quietly: nothing changes.
struct VerseRange {
  int first = 0;
  int last = 0;
};
std::optional<VerseRange> rangeBounds(std::string_view first, std::string_view last);

// 6. A repeat count (`Repeat`) that is not a number counts as 1, for the
//    arrows and for the sequencer.
double repeatCount(const Form1& form);

// 7. Timer intervals are not limited to 65535 ms: a long movie with a long
//    pause waits as long as computed. `Text1` holding no positive number (it
//    lies on the working panel, where it can be typed into) counts as the
//    500 ms it starts with, so the reading never stalls.
std::int64_t timerPeriod(const Form1& form);

// 8. The right arrow counts up to 99 whatever verse is being read; it does
//    not also require the count to exceed `VerseIndex`
//    (repetition_settings.cpp).

// 9. A `VerseIndex` at or beyond the end of the list being read counts as the
//    end of that list, so a list that shrank under a reading ends it instead
//    of reading past its end.
bool atListEnd(int verseIndex, int entryCount);

// 10. Every reading except the whole chapter as one movie leaves out the
//     whole-chapter movies: "?-all.gif" also matches "?-???.gif" and "1-*.gif",
//     and would be read as a verse or a breath.
inline constexpr std::string_view kWholeChapterMovies = "?-all.gif";
void listVerseMovies(Form1& form, std::string pattern);

// 11. Pause mode's values in `Text1` arm the pause timer only; every play
//     polls at the period `Text1` held before pause mode wrote it, 500 ms
//     unless changed (poll_period.h).

}  // namespace hifz
