// hifz-build-content: the program's content from a reciter's per-verse MP3 files.
#include <unistd.h>

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "content/quran_text.h"
#include "content/recited/recited_build.h"
#include "recited_content/chapter_choice.h"
#include "recited_content/progress.h"
#include "recited_content/quiet_runtime_folder.h"

namespace {

std::atomic<bool> stopAsked = false;

void askToStop(int) { stopAsked = true; }

constexpr const char* kAbout =
    "Builds the program's content from a reciter's files. AUDIO is a folder or a zip file\n"
    "with one MP3 per verse named SSSAAA.mp3 (chapter and verse, \"114001.mp3\" for An Nas 1).\n"
    "OUT receives \"2 blank.gif\" and the data folder; put both beside the program.\n"
    "Each verse movie carries its MP3 as it is and shows the verse's text; the whole-chapter\n"
    "movie joins them (a verse of another rate or channel count is converted for it) while it\n"
    "stays under 20 MB. Chapters of the original course keep its four groups; any other\n"
    "chapter joins the group of the part it begins in, and data/catalog.txt lists them all.\n"
    "Missing verses are named and left out of their chapter's menu; files that cannot be read\n"
    "or are not MP3 are named and skipped. OUT is made beside itself and appears whole or not\n"
    "at all; one that is there is left alone unless --force is given, which replaces only an\n"
    "empty folder or one holding just \"data\" and \"2 blank.gif\".\n"
    "Exit status: 0 when OUT was made, 1 when nothing was, 2 for a wrong command line.";

// The chapters --chapters and --parts chose together; false, with the
// problem told, when either is wrong.
bool readChoice(const QCommandLineParser& parser, const QCommandLineOption& option,
                hifz::content::ChapterChoice (*read)(std::string_view), std::vector<int>& surahs) {
  if (!parser.isSet(option)) return true;
  const hifz::content::ChapterChoice choice = read(parser.value(option).toStdString());
  if (!choice.problem.empty()) {
    std::fprintf(stderr, "hifz-build-content: --%s: %s\n", qPrintable(option.names().front()),
                 choice.problem.c_str());
    return false;
  }
  for (const int surah : choice.surahs) {
    if (std::find(surahs.begin(), surahs.end(), surah) == surahs.end()) surahs.push_back(surah);
  }
  return true;
}

// "1 chapter", "2 chapters".
std::string counted(int count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

int main(int argc, char* argv[]) {
  const hifz::content::QuietRuntimeFolder runtimeFolder;
  // Pictures are painted off screen; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QGuiApplication::setApplicationName("hifz-build-content");
  QGuiApplication::setApplicationVersion(HIFZ_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(kAbout);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption force(
      "force",
      "Replace OUT when it is there and empty or holds only \"data\" and \"2 blank.gif\".");
  const QCommandLineOption chaptersOption(
      "chapters",
      "Build only these chapters, by number from 1 to 114, with ranges: 78-114,1 (the others "
      "are left out). Without it or --parts: the 37 chapters of the original course (1 and 79 "
      "to 114) and every other chapter AUDIO has a file of.",
      "list");
  const QCommandLineOption partsOption(
      "parts",
      "Build only whole parts (juz'), by number from 1 to 30, with ranges: 30,29 builds every "
      "chapter that has a verse in them. With --chapters, both are built.",
      "list");
  const QCommandLineOption quranJson(
      "quran-json", "The chapters folder of the npm package quran-json.", "folder",
      QString::fromStdString(hifz::content::defaultChaptersFolder().string()));
  parser.addOptions({force, chaptersOption, partsOption, quranJson});
  parser.addPositionalArgument("AUDIO", "Folder or zip file of SSSAAA.mp3 files.");
  parser.addPositionalArgument("OUT", "The folder to make.");
  // Parsed rather than processed: process() leaves by exit(), past the
  // runtime folder's removal.
  const bool parsed = parser.parse(QCoreApplication::arguments());
  if (parsed && parser.isSet(help)) {
    std::printf("%s", qPrintable(parser.helpText()));
    return 0;
  }
  if (parsed && parser.isSet(version)) {
    std::printf("hifz-build-content %s\n", HIFZ_VERSION);
    return 0;
  }

  hifz::content::BuildRequest request;
  if (!parsed || parser.positionalArguments().size() != 2) {
    if (!parsed) std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
    std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
    return 2;
  }
  if (!readChoice(parser, chaptersOption, hifz::content::chaptersNamed, request.surahs) ||
      !readChoice(parser, partsOption, hifz::content::chaptersOfParts, request.surahs)) {
    return 2;
  }
  request.audio = parser.positionalArguments()[0].toStdString();
  request.out = parser.positionalArguments()[1].toStdString();
  request.force = parser.isSet(force);
  request.quranChapters = parser.value(quranJson).toStdString();
  request.stop = &stopAsked;
  // A closed terminal stops the build as Ctrl-C does, so nothing is left
  // half made; a reader of the output that went away does not.
  for (const int stopSignal : {SIGINT, SIGTERM, SIGHUP}) std::signal(stopSignal, askToStop);
  std::signal(SIGPIPE, SIG_IGN);

  hifz::content::Progress progress(stdout, stderr, isatty(STDOUT_FILENO) != 0);
  try {
    QElapsedTimer clock;
    clock.start();
    const hifz::content::BuildSummary summary =
        hifz::content::buildRecitedContent(request, progress.listener());
    progress.finish();
    int chapters = 0;
    int verses = 0;
    int converted = 0;
    for (const hifz::content::ChapterOutcome& chapter : summary.chapters) {
      chapters += chapter.built > 0 ? 1 : 0;
      verses += chapter.built;
      converted += chapter.converted;
    }
    std::printf(
        "hifz-build-content: %s, %s (%d converted to join their chapter), %s, %.1f MB in "
        "%s, built in %.1f s\n",
        counted(chapters, "chapter").c_str(), counted(verses, "verse").c_str(), converted,
        counted(summary.written.files, "file").c_str(),
        static_cast<double>(summary.written.bytes) / 1e6, request.out.c_str(),
        static_cast<double>(clock.elapsed()) / 1000);
    return 0;
  } catch (const std::exception& error) {
    progress.finish();
    std::fprintf(stderr, "hifz-build-content: %s\n", error.what());
    return 1;
  }
}
