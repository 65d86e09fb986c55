#include "recited_content/recited_build.h"

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>
#include <thread>
#include <variant>

#include "recited_content/mp3_frames.h"
#include "recited_content/recitation_source.h"
#include "recited_content/recited_movies.h"
#include "sample_content/catalog.h"
#include "sample_content/content_error.h"
#include "sample_content/content_writer.h"
#include "sample_content/page_movies.h"
#include "sample_content/quran_text.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

using VerseFiles = std::map<int, VerseFile>;

fs::path normalOut(const fs::path& out) {
  fs::path path = fs::absolute(out).lexically_normal();
  return path.has_filename() ? path : path.parent_path();
}

bool liesWithin(const fs::path& inner, const fs::path& outer) {
  const fs::path a = fs::weakly_canonical(inner);
  const fs::path b = fs::weakly_canonical(outer);
  return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

void checkOut(const BuildRequest& request, const fs::path& out) {
  std::error_code error;
  const bool there = fs::symlink_status(out, error).type() != fs::file_type::not_found;
  if (there && !request.force) {
    throw ContentError(out.string() +
                       " is already there; it is left as it is (--force replaces it)");
  }
  if (!fs::is_directory(out.parent_path(), error)) {
    throw ContentError("the folder " + out.parent_path().string() + " is not there");
  }
  if (there && liesWithin(request.audio, out)) {
    throw ContentError(request.audio.string() + " lies inside " + out.string() +
                       ", which would be replaced; choose another OUT");
  }
}

std::vector<std::size_t> chosenChapters(const std::vector<int>& surahs) {
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < catalog().size(); ++i) {
    if (surahs.empty() ||
        std::find(surahs.begin(), surahs.end(), catalog()[i].surah) != surahs.end()) {
      chosen.push_back(i);
    }
  }
  for (const int surah : surahs) {
    if (std::none_of(catalog().begin(), catalog().end(),
                     [&](const CatalogChapter& chapter) { return chapter.surah == surah; })) {
      throw ContentError("chapter " + std::to_string(surah) +
                         " is not one the program carries (it has 1 and 79 to 114)");
    }
  }
  return chosen;
}

std::string chapterName(const CatalogChapter& chapter) {
  return relativeFolder(chapter) + " (" + std::to_string(chapter.surah) + ")";
}

std::string verseList(const std::vector<int>& verses) {
  std::string list;
  for (const int verse : verses) list += (list.empty() ? "" : ", ") + std::to_string(verse);
  return list;
}

// The verse files of each chapter of the catalog; the rest is told of.
std::map<int, VerseFiles> filesByChapter(const RecitationSource& source,
                                         const std::vector<ChapterText>& texts,
                                         const std::function<void(const std::string&)>& tell) {
  std::map<int, VerseFiles> byChapter;
  int elsewhere = 0;
  for (const VerseFile& file : source.verses()) {
    const auto text = std::find_if(texts.begin(), texts.end(),
                                   [&](const ChapterText& t) { return t.surah == file.surah; });
    if (text == texts.end()) {
      ++elsewhere;
    } else if (file.verse < 1 || file.verse > text->verses.size()) {
      tell(file.name + ": chapter " + std::to_string(file.surah) + " has no verse " +
           std::to_string(file.verse) + "; skipped");
    } else {
      byChapter[file.surah].emplace(file.verse, file);
    }
  }
  for (const std::string& name : source.duplicates()) {
    tell(name + ": a second file for the same verse; skipped");
  }
  if (elsewhere > 0) {
    tell(std::to_string(elsewhere) + (elsewhere > 1 ? " files" : " file") +
         " of chapters the program does not carry left aside");
  }
  return byChapter;
}

class ChapterBuilder {
 public:
  ChapterBuilder(const BuildRequest& request, const RecitationSource& source, const fs::path& data,
                 const std::function<void(const std::string&)>& tell)
      : request_(request), source_(source), data_(data), tell_(tell) {}

  // Builds one chapter's folder unless none of its verses has a usable sound.
  ChapterOutcome build(std::size_t index, const ChapterText& text, const VerseFiles& files,
                       ContentSummary& written) const {
    const CatalogChapter& chapter = catalog()[index];
    ChapterOutcome outcome{chapterName(chapter), static_cast<int>(text.verses.size()), 0, {}, 0};
    std::map<int, Mp3Audio> sounds;
    for (int verse = 1; verse <= outcome.verses; ++verse) {
      if (request_.stop != nullptr && *request_.stop)
        throw ContentError("stopped; nothing was written");
      const auto file = files.find(verse);
      if (file == files.end()) {
        outcome.missing.push_back(verse);
        continue;
      }
      auto audio = readMp3(source_.read(file->second));
      if (const auto* problem = std::get_if<Mp3Problem>(&audio)) {
        tell_(file->second.name + ": not usable MP3 (" + problem->why + "); skipped");
        outcome.missing.push_back(verse);
        continue;
      }
      sounds.emplace(verse, std::get<Mp3Audio>(std::move(audio)));
    }
    if (sounds.empty()) return outcome;

    std::map<int, int> frames;
    for (const auto& [verse, audio] : sounds) frames.emplace(verse, framesFor(audio));
    const ChapterPlan plan = planRecitedChapter(index, text, frames);
    std::vector<ContentFile> chapterFolder = chapterPages(plan);
    RecitedMovies movies = recitedMovies(plan, sounds);
    outcome.converted = movies.converted;
    for (ContentFile& movie : movies.files) chapterFolder.push_back(std::move(movie));
    if (!movies.wholeLeftOut.empty()) {
      tell_(outcome.name + ": no whole-chapter movie, " + movies.wholeLeftOut);
    }
    if (!outcome.missing.empty()) {
      tell_(outcome.name + ": verse" + (outcome.missing.size() > 1 ? "s " : " ") +
            verseList(outcome.missing) + " missing; its menu offers the others");
    }
    writeAll(data_ / relativeFolder(chapter), chapterFolder, written);
    outcome.built = static_cast<int>(sounds.size());
    return outcome;
  }

 private:
  const BuildRequest& request_;
  const RecitationSource& source_;
  fs::path data_;
  const std::function<void(const std::string&)>& tell_;
};

}  // namespace

BuildSummary buildRecitedContent(const BuildRequest& request, const BuildListener& listener) {
  const fs::path out = normalOut(request.out);
  checkOut(request, out);
  const std::vector<std::size_t> chosen = chosenChapters(request.surahs);
  std::vector<ChapterText> texts;
  for (const CatalogChapter& chapter : catalog()) {
    texts.push_back(readChapterText(request.quranChapters, chapter.surah));
  }
  const std::unique_ptr<RecitationSource> source = RecitationSource::open(request.audio);

  std::mutex telling;
  const std::function<void(const std::string&)> tell = [&](const std::string& problem) {
    const std::lock_guard lock(telling);
    if (listener.problem) listener.problem(problem);
  };
  const std::map<int, VerseFiles> files = filesByChapter(*source, texts, tell);

  StagingFolder staging(out);
  const fs::path data = staging.path() / "data";
  BuildSummary summary;
  summary.chapters.resize(chosen.size());
  const ChapterBuilder builder(request, *source, data, tell);

  std::size_t next = 0;
  int done = 0;
  std::exception_ptr failure;
  const auto work = [&] {
    ContentSummary written;
    for (;;) {
      std::size_t job = 0;
      {
        const std::lock_guard lock(telling);
        if (failure || next == chosen.size()) break;
        job = next++;
        if (listener.started) {
          listener.started(chapterName(catalog()[chosen[job]]), done,
                           static_cast<int>(chosen.size()));
        }
      }
      try {
        const std::size_t index = chosen[job];
        const auto chapterFiles = files.find(catalog()[index].surah);
        summary.chapters[job] = builder.build(
            index, texts[index], chapterFiles == files.end() ? VerseFiles{} : chapterFiles->second,
            written);
        const std::lock_guard lock(telling);
        ++done;
        if (listener.finished) {
          listener.finished(summary.chapters[job], done, static_cast<int>(chosen.size()));
        }
      } catch (...) {
        const std::lock_guard lock(telling);
        if (!failure) failure = std::current_exception();
      }
    }
    const std::lock_guard lock(telling);
    summary.written += written;
  };
  const unsigned workers = std::clamp<unsigned>(std::thread::hardware_concurrency(), 1,
                                                static_cast<unsigned>(chosen.size()));
  std::vector<std::thread> threads;
  for (unsigned i = 1; i < workers; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  if (failure) std::rethrow_exception(failure);

  std::vector<int> empty;
  for (std::size_t job = 0; job < chosen.size(); ++job) {
    if (summary.chapters[job].built == 0) empty.push_back(catalog()[chosen[job]].surah);
  }
  if (empty.size() == chosen.size()) {
    throw ContentError(request.audio.string() +
                       " holds no usable verse of the chosen chapters; nothing was written");
  }
  if (!empty.empty()) {
    tell("no usable verse of chapter" + std::string(empty.size() > 1 ? "s " : " ") +
         verseList(empty) + "; left out (the program offers to add missing chapters)");
  }

  std::vector<ChapterPlan> plans;
  for (std::size_t i = 0; i < catalog().size(); ++i) {
    plans.push_back(planRecitedChapter(i, texts[i], {}));
  }
  writeAll(data, dataFolderFiles(plans, VerseSound::Recitation), summary.written);
  writeFile(staging.path() / kBlankMovie, blankMovie(), summary.written);
  std::error_code error;
  if (fs::symlink_status(out, error).type() == fs::file_type::not_found) {
    staging.moveTo(out);
  } else {
    staging.replace(out);
  }
  return summary;
}

}  // namespace hifz::content
