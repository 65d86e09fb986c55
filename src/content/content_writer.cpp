#include "content/content_writer.h"

#include <QString>
#include <string_view>

#include "content/catalog.h"
#include "content/content_error.h"
#include "content/menu_movies.h"
#include "content/page_movies.h"
#include "content/quran_parts.h"
#include "content/quran_text.h"
#include "content/verse_movies.h"
#include "content/windows_1256.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

void refuseExisting(const fs::path& data) {
  std::error_code error;
  if (fs::symlink_status(data, error).type() != fs::file_type::not_found) {
    throw ContentError(data.string() +
                       " is already there; it is left as it is (remove it to make new content)");
  }
}

}  // namespace

std::vector<ChapterPlan> planAllChapters(const fs::path& quranChapters) {
  std::vector<ChapterPlan> plans;
  for (std::size_t i = 0; i < catalog().size(); ++i) {
    plans.push_back(planChapter(i, readChapterText(quranChapters, catalog()[i].surah)));
  }
  return plans;
}

std::u16string objectivesText(const ChapterPlan& plan) {
  const int verses = static_cast<int>(plan.text.verses.size());
  const QString kind = plan.text.medinan ? QString::fromUtf8("مدنية") : QString::fromUtf8("مكية");
  if (!inOriginalCourse(plan.chapter.surah)) {
    return QString::fromUtf8(
               "سورة %1\r\n"
               "عدد آياتها %2، وهي سورة %3، أولها في الجزء %4.\r\n"
               "لم تُكتب أهداف هذه السورة في هذا المحتوى؛ هذه بطاقتها فقط.\r\n")
        .arg(plan.text.name, QString::number(verses), kind,
             QString::number(partOfChapter(plan.chapter.surah)))
        .toStdU16String();
  }
  const QString text =
      QString::fromUtf8(
          "سورة %1\r\n"
          "عدد آياتها %2، وهي سورة %3.\r\n"
          "هذا نص تجريبي يرافق المحتوى النموذجي للبرنامج، في مكان أهداف السورة.\r\n")
          .arg(plan.text.name, QString::number(verses), kind);
  return text.toStdU16String();
}

std::vector<ContentFile> chapterPages(const ChapterPlan& plan) {
  std::vector<ContentFile> files;
  for (const MenuPage& page : plan.menuPages) {
    files.push_back({page.fileName, chapterMenuMovie(plan, page)});
  }
  files.push_back({"words.gif", wordsMovie(plan)});
  if (plan.hasOthmani) files.push_back({"Othmani.gif", othmaniMovie(plan)});
  files.push_back({"TFS.txt", toWindows1256(objectivesText(plan))});
  return files;
}

std::vector<ContentFile> chapterFiles(const ChapterPlan& plan) {
  std::vector<ContentFile> files = chapterPages(plan);
  for (ContentFile& movie : recitationMovies(plan)) files.push_back(std::move(movie));
  return files;
}

std::vector<ContentFile> dataFolderFiles(const std::vector<ChapterPlan>& plans,
                                         ContentSound sound) {
  std::vector<ContentFile> files = {
      {"startUp.gif", startUpMovie(sound)},
      {"topmenu.gif", topMenuMovie()},
      {"exit.gif", exitMovie()},
      {"ding.gif", dingMovie()},
  };
  // The plans follow the catalog, so each group's chapters lie together.
  std::size_t first = 0;
  for (const CatalogGroup& group : kGroups) {
    const std::size_t count = chaptersOf(group.key).size();
    files.push_back({std::string(group.listMovie),
                     chapterListMovie(group.key, std::span(plans).subspan(first, count))});
    first += count;
  }
  return files;
}

ContentSummary writeSampleContent(const fs::path& applicationFolder,
                                  const fs::path& quranChapters) {
  const fs::path data = applicationFolder / "data";
  refuseExisting(data);
  // All text is read before anything is written, so bad text leaves no trace.
  const std::vector<ChapterPlan> plans = planAllChapters(quranChapters);
  makeFolder(applicationFolder);

  ContentSummary summary;
  StagingFolder staging(data);
  staging.writeAll("", dataFolderFiles(plans, ContentSound::Tone), summary);
  for (const ChapterPlan& plan : plans) {
    staging.writeAll(relativeFolder(plan.chapter), chapterFiles(plan), summary);
  }
  constexpr std::string_view note =
      "Sample content made by hifz-make-content: the verses' sound is a synthetic tone, not a "
      "recitation. hifz-build-content, or \"hifz --add-reciter\", makes content from a "
      "reciter's files.\n";
  staging.writeAll("", {{kSampleNote, std::vector<std::uint8_t>(note.begin(), note.end())}},
                   summary);
  writeFile(applicationFolder / kBlankMovie, blankMovie(), summary);
  staging.moveIntoPlace();
  return summary;
}

}  // namespace hifz::content
