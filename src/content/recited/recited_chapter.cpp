#include "content/recited/recited_chapter.h"

#include <charconv>

#include "content/content_writer.h"
#include "content/page_movies.h"
#include "content/recited/mp3_frames.h"

namespace hifz::content {
namespace {

// "1, 4-9, 12": a run of three verses or more as its first and last.
std::string verseList(const std::vector<int>& verses) {
  std::string list;
  for (std::size_t i = 0; i < verses.size();) {
    std::size_t last = i;
    while (last + 1 < verses.size() && verses[last + 1] == verses[last] + 1) ++last;
    if (!list.empty()) list += ", ";
    list += std::to_string(verses[i]);
    if (last >= i + 2) {
      list += "-" + std::to_string(verses[last]);
      i = last + 1;
    } else {
      ++i;
    }
  }
  return list;
}

}  // namespace

std::string chapterName(const CatalogChapter& chapter) {
  return relativeFolder(chapter) + " (" + std::to_string(chapter.surah) + ")";
}

int chapterNumberIn(std::string_view name) {
  const std::size_t open = name.rfind(" (");
  if (open == std::string_view::npos || !name.ends_with(')')) return 0;
  const std::string_view digits = name.substr(open + 2, name.size() - open - 3);
  int surah = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), surah);
  if (error != std::errc() || end != digits.data() + digits.size() || surah < 1 || surah > 114)
    return 0;
  return surah;
}

void throwIfStopped(const std::atomic<bool>* stop) {
  if (stop != nullptr && *stop) throw BuildStopped();
}

ChapterOutcome ChapterBuilder::build(const CatalogChapter& chapter, const ChapterText& text,
                                     const VerseFiles& files, ContentSummary& written) const {
  ChapterOutcome outcome{
      chapterName(chapter), chapter.surah, static_cast<int>(text.verses.size()), 0, {}, 0};
  std::map<int, VerseSound> sounds;
  for (int verse = 1; verse <= outcome.verses; ++verse) {
    throwIfStopped(stop_);
    const auto file = files.find(verse);
    std::optional<VerseSound> verseSound;
    if (file != files.end()) verseSound = sound(file->second);
    if (verseSound) {
      sounds.emplace(verse, std::move(*verseSound));
    } else {
      outcome.missing.push_back(verse);
    }
  }
  if (sounds.empty()) return outcome;

  std::map<int, int> frames;
  for (const auto& [verse, verseSound] : sounds) frames.emplace(verse, framesFor(verseSound.audio));
  ChapterPlan plan = planRecitedChapter(chapter, text, frames);
  plan.hasOthmani = othmaniFits(plan);
  std::vector<ContentFile> chapterFolder = chapterPages(plan);
  RecitedMovies movies = recitedMovies(plan, sounds);
  outcome.converted = movies.converted;
  for (ContentFile& movie : movies.files) chapterFolder.push_back(std::move(movie));
  if (!movies.wholeLeftOut.empty()) {
    report_.note(outcome.name + ": no whole-chapter movie, " + movies.wholeLeftOut);
  }
  if (!outcome.missing.empty()) {
    report_.tell(outcome.name + ": verse" + (outcome.missing.size() > 1 ? "s " : " ") +
                 verseList(outcome.missing) + " missing; its menu offers the others");
  }
  throwIfStopped(stop_);
  staging_.writeAll(std::filesystem::path("data") / relativeFolder(chapter), chapterFolder,
                    written);
  outcome.built = static_cast<int>(sounds.size());
  return outcome;
}

std::optional<VerseSound> ChapterBuilder::sound(const VerseFile& file) const {
  FileBytes bytes = source_.read(file);
  if (const auto* problem = std::get_if<ReadProblem>(&bytes)) {
    report_.skipped(file.name, "cannot be read (" + problem->why + ")");
    return std::nullopt;
  }
  auto audio = readMp3(std::get<std::vector<std::uint8_t>>(bytes));
  if (const auto* problem = std::get_if<Mp3Problem>(&audio)) {
    report_.skipped(file.name, "not usable MP3 (" + problem->why + ")");
    return std::nullopt;
  }
  VerseSound verse{file.name, std::get<Mp3Audio>(std::move(audio))};
  if (framesFor(verse.audio) > kMostMovieFrames) {
    report_.skipped(file.name, "longer than a movie can be (43 minutes)");
    return std::nullopt;
  }
  for (const std::string& note : verse.audio.notes) report_.note(file.name + ": " + note);
  return verse;
}

}  // namespace hifz::content
