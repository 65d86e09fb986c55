#include "content/recited/recited_build.h"

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "content/catalog.h"
#include "content/catalog_file.h"
#include "content/content_groups.h"
#include "content/content_writer.h"
#include "content/groups_menu.h"
#include "content/page_movies.h"
#include "content/quran_text.h"
#include "content/recited/build_report.h"
#include "content/recited/out_folder.h"
#include "content/recited/recitation_source.h"
#include "content/recited/recited_chapter.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

constexpr int kChapters = 114;

// The chapters asked for, in menu order; by default the original course and
// every chapter AUDIO has a file of.
std::vector<CatalogChapter> chosenChapters(const std::vector<ContentGroup>& groups,
                                           const std::vector<int>& surahs,
                                           const RecitationSource& source) {
  for (const int surah : surahs) {
    if (surah < 1 || surah > kChapters) {
      throw ContentError("there is no chapter " + std::to_string(surah) +
                         " (the Quran's are 1 to 114)");
    }
  }
  std::set<int> wanted(surahs.begin(), surahs.end());
  if (surahs.empty()) {
    for (const CatalogChapter& chapter : catalog()) wanted.insert(chapter.surah);
    for (const VerseFile& file : source.verses()) {
      if (file.surah >= 1 && file.surah <= kChapters) wanted.insert(file.surah);
    }
  }
  std::vector<CatalogChapter> chosen;
  for (const ContentGroup& group : groups) {
    for (const CatalogChapter& chapter : group.chapters) {
      if (wanted.contains(chapter.surah)) chosen.push_back(chapter);
    }
  }
  return chosen;
}

std::string numberList(const std::vector<int>& numbers) {
  std::string list;
  for (const int number : numbers) list += (list.empty() ? "" : ", ") + std::to_string(number);
  return list;
}

// The verse files of each chosen chapter; the rest is told of.
std::map<int, VerseFiles> filesByChapter(const RecitationSource& source,
                                         const std::vector<ChapterText>& texts,
                                         const std::vector<CatalogChapter>& chosen,
                                         BuildReport& report) {
  std::map<int, VerseFiles> byChapter;
  int elsewhere = 0;
  for (const VerseFile& file : source.verses()) {
    if (file.surah < 1 || file.surah > kChapters) {
      report.skipped(file.name, "there is no chapter " + std::to_string(file.surah));
      continue;
    }
    const ChapterText& text = texts[static_cast<std::size_t>(file.surah - 1)];
    if (std::none_of(chosen.begin(), chosen.end(),
                     [&](const CatalogChapter& c) { return c.surah == file.surah; })) {
      ++elsewhere;
    } else if (file.verse < 1 || file.verse > text.verses.size()) {
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
                " of chapters not chosen left aside");
  }
  return byChapter;
}

// Builds the chosen chapters on as many threads as there are processors,
// telling of each; the first failure ends them all and is thrown.
void buildChapters(const std::vector<CatalogChapter>& chosen, const std::vector<ChapterText>& texts,
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
        report.started(chapterName(chosen[job]), done, total);
      }
      try {
        const CatalogChapter& chapter = chosen[job];
        const auto chapterFiles = files.find(chapter.surah);
        const ChapterOutcome outcome = builder.build(
            chapter, texts[static_cast<std::size_t>(chapter.surah - 1)],
            chapterFiles == files.end() ? VerseFiles{} : chapterFiles->second, written);
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

// The files at the top of the data folder for the chapters built.
std::vector<ContentFile> topFiles(const std::vector<ContentGroup>& groups,
                                  const std::vector<ChapterText>& texts,
                                  const std::set<int>& built) {
  const std::vector<ContentGroup> shown = shownGroups(groups, built);
  if (!withinOriginalCourse(built)) return groupsDataFolderFiles(shown, texts);
  std::vector<ChapterPlan> plans;
  for (const CatalogChapter& chapter : catalog()) {
    plans.push_back(
        planRecitedChapter(chapter, texts[static_cast<std::size_t>(chapter.surah - 1)], {}));
  }
  std::vector<ContentFile> files = dataFolderFiles(plans, ContentSound::Recitation);
  // Content of the whole original course is what the fixed catalog says;
  // content of a part of it has no catalog, so the program offers the rest.
  if (built.size() == catalog().size()) files.push_back(catalogFile(shown, texts));
  return files;
}

}  // namespace

BuildSummary buildRecitedContent(const BuildRequest& request, const BuildListener& listener) {
  const fs::path out = normalOut(request.out);
  checkOut(out, request.audio, request.force);
  std::vector<ChapterText> texts;
  for (int surah = 1; surah <= kChapters; ++surah) {
    texts.push_back(readChapterText(request.quranChapters, surah));
  }
  const std::vector<ContentGroup> groups = quranGroups(texts);
  const std::unique_ptr<RecitationSource> source = RecitationSource::open(request.audio);
  const std::vector<CatalogChapter> chosen = chosenChapters(groups, request.surahs, *source);

  BuildSummary summary;
  summary.chapters.resize(chosen.size());
  BuildReport report(listener, summary);
  const std::map<int, VerseFiles> files = filesByChapter(*source, texts, chosen, report);
  throwIfStopped(request.stop);

  StagingFolder staging(out);
  buildChapters(chosen, texts, files, ChapterBuilder(*source, staging, report, request.stop),
                report, summary);

  std::vector<int> empty;
  std::set<int> built;
  for (const ChapterOutcome& outcome : summary.chapters) {
    if (outcome.built == 0) {
      empty.push_back(outcome.surah);
    } else {
      built.insert(outcome.surah);
    }
  }
  if (built.empty()) {
    throw ContentError(request.audio.string() +
                       " holds no usable verse of the chosen chapters; nothing was written");
  }
  if (!empty.empty()) {
    report.tell(
        "no usable verse of chapter" + std::string(empty.size() > 1 ? "s " : " ") +
        numberList(empty) + "; left out" +
        (withinOriginalCourse(built) ? " (the program offers to add missing chapters)" : ""));
  }

  throwIfStopped(request.stop);
  staging.writeAll("data", topFiles(groups, texts, built), summary.written);
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
