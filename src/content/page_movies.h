#pragma once

#include <cstdint>
#include <vector>

#include "content/chapter_plan.h"

namespace hifz::content {

/// "2 blank.gif": one empty frame.
std::vector<std::uint8_t> blankMovie();
/// What the verses of a content sound like, which its banner tells.
enum class ContentSound { Tone, Recitation };

/// "startUp.gif": the banner of the menu screen.
std::vector<std::uint8_t> startUpMovie(ContentSound sound);
/// "ding.gif": the click sound, once.
std::vector<std::uint8_t> dingMovie();
/// "words.gif": a few of the chapter's longer words in a list.
std::vector<std::uint8_t> wordsMovie(const ChapterPlan& plan);
/// "Othmani.gif": the whole chapter in one page, each verse closed by its
/// number.
std::vector<std::uint8_t> othmaniMovie(const ChapterPlan& plan);
/// Whether the whole chapter fits on that page at the smallest size it is
/// drawn at; a longer one has no Othmani page rather than a cut one.
bool othmaniFits(const ChapterPlan& plan);

}  // namespace hifz::content
