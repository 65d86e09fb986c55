#include "recited_content/recited_build.h"

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

#include "recited_content/build_report.h"
#include "recited_content/out_folder.h"
#include "recited_content/recitation_source.h"
#include "recited_content/recited_chapter.h"
#include "sample_content/catalog.h"
#include "sample_content/content_writer.h"
#include "sample_content/page_movies.h"
#include "sample_content/quran_text.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

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

std::string numberList(const std::vector<int>& numbers) {
  std::string list;
  for (const int number : numbers) list += (list.empty() ? "" : ", ") + std::to_string(number);
  return list;
}

// The verse files of each chapter of the catalog; the rest is told of.
std::map<int, VerseFiles> filesByChapter(const RecitationSource& source,
                                         const std::vector<ChapterText>& texts,
                                         BuildReport& report) {
  std::map<int, VerseFiles> byChapter;
  int elsewhere = 0;
  for (const VerseFile& file : source.verses()) {
    const auto text = std::find_if(texts.begin(), texts.end(),
                                   [&](const ChapterText& t) { return t.surah == file.surah; });
    if (text == texts.end()) {
      ++elsewhere;
    } else if (file.verse < 1 || file.verse > text->verses.size()) {
      report.skipped(file.name, "chapter " + std::to_string(file.surah) + " has no verse " +
                                    std::to_string(file.verse));
    } else {
      byChapter[file.surah].emplace(file.verse, file);
    }
  }
  for (const DuplicateFile& duplicate : source.duplicates()) {
    report.skipped(duplicate.name, duplicate.why);
  }
  if (elsewhere > 0) {
    report.note(std::to_string(elsewhere) + (elsewhere > 1 ? " files" : " file") +
                " of chapters the program does not carry left aside");
  }
  return byChapter;
}

// Builds the chosen chapters on as many threads as there are processors,
// telling of each; the first failure ends them all and is thrown.
void buildChapters(const std::vector<std::size_t>& chosen, const std::vector<ChapterText>& texts,
                   const std::map<int, VerseFiles>& files, const ChapterBuilder& builder,
                   BuildReport& report, BuildSummary& summary) {
  std::mutex queue;
  std::size_t next = 0;
  int done = 0;
  const int total = static_cast<int>(chosen.size());
  std::exception_ptr failure;
  const auto work = [&] {
    ContentSummary written;
    for (;;) {
      std::size_t job = 0;
      {
        const std::lock_guard lock(queue);
        if (failure || next == chosen.size()) break;
        job = next++;
        report.started(chapterName(catalog()[chosen[job]]), done, total);
      }
      try {
        const std::size_t index = chosen[job];
        const auto chapterFiles = files.find(catalog()[index].surah);
        const ChapterOutcome outcome = builder.build(
            index, texts[index], chapterFiles == files.end() ? VerseFiles{} : chapterFiles->second,
            written);
        const std::lock_guard lock(queue);
        summary.chapters[job] = outcome;
        report.finished(outcome, ++done, total);
      } catch (...) {
        const std::lock_guard lock(queue);
        if (!failure) failure = std::current_exception();
      }
    }
    const std::lock_guard lock(queue);
    summary.written += written;
  };
  const unsigned workers = std::clamp<unsigned>(std::thread::hardware_concurrency(), 1,
                                                static_cast<unsigned>(chosen.size()));
  std::vector<std::thread> threads;
  for (unsigned i = 1; i < workers; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

BuildSummary buildRecitedContent(const BuildRequest& request, const BuildListener& listener) {
  const fs::path out = normalOut(request.out);
  checkOut(out, request.audio, request.force);
  const std::vector<std::size_t> chosen = chosenChapters(request.surahs);
  std::vector<ChapterText> texts;
  for (const CatalogChapter& chapter : catalog()) {
    texts.push_back(readChapterText(request.quranChapters, chapter.surah));
  }
  const std::unique_ptr<RecitationSource> source = RecitationSource::open(request.audio);

  BuildSummary summary;
  summary.chapters.resize(chosen.size());
  BuildReport report(listener, summary);
  const std::map<int, VerseFiles> files = filesByChapter(*source, texts, report);
  throwIfStopped(request.stop);

  StagingFolder staging(out);
  buildChapters(chosen, texts, files, ChapterBuilder(*source, staging, report, request.stop),
                report, summary);

  std::vector<int> empty;
  for (std::size_t job = 0; job < chosen.size(); ++job) {
    if (summary.chapters[job].built == 0) empty.push_back(catalog()[chosen[job]].surah);
  }
  if (empty.size() == chosen.size()) {
    throw ContentError(request.audio.string() +
                       " holds no usable verse of the chosen chapters; nothing was written");
  }
  if (!empty.empty()) {
    report.tell("no usable verse of chapter" + std::string(empty.size() > 1 ? "s " : " ") +
                numberList(empty) + "; left out (the program offers to add missing chapters)");
  }

  std::vector<ChapterPlan> plans;
  for (std::size_t i = 0; i < catalog().size(); ++i) {
    plans.push_back(planRecitedChapter(i, texts[i], {}));
  }
  throwIfStopped(request.stop);
  staging.writeAll("data", dataFolderFiles(plans, ContentSound::Recitation), summary.written);
  staging.writeAll("", {{kBlankMovie, blankMovie()}}, summary.written);
  throwIfStopped(request.stop);
  std::error_code error;
  if (request.force && fs::symlink_status(out, error).type() != fs::file_type::not_found) {
    // Looked at again: what was there may have changed while the build ran.
    checkReplaceable(out);
    staging.replaceTarget();
  } else {
    // Never over anything, even what appeared while the build ran.
    staging.moveIntoPlace();
  }
  report.sort();
  return summary;
}

}  // namespace hifz::content
