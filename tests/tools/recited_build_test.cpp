#include "content/recited/recited_build.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <variant>

#include "content/chapter_plan.h"
#include "movie_facts.h"
#include "recitation_files.h"
#include "recited_fixture.h"

namespace hifz::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr double kFrame = 1 / content::kFrameRate;

// The movie holds one MP3 sound, started once, and its frames cover the
// sound to within one frame, the last of them stopping.
void expectCoveringMp3Movie(const MovieFacts& facts) {
  ASSERT_EQ(facts.eventSounds.size(), 1u);
  EXPECT_EQ(facts.eventSounds[0].format, 2);
  EXPECT_EQ(facts.soundStarts, 1);
  EXPECT_EQ(facts.header.framesPerSecond(), content::kFrameRate);
  EXPECT_EQ(facts.framesShown, facts.header.frameCount);
  EXPECT_TRUE(facts.stopsOnLastFrame);
}

TEST_F(RecitedBuildTest, EveryVerseMovieCarriesItsFileAsItIsAndLastsAsLong) {
  for (const ToneVerse& verse : toneVerses()) {
    if (verse.surah < 111) continue;  // chapters left out of the original course
    SCOPED_TRACE(verse.fileName());
    const fs::path source = recitation() / verse.fileName();
    const auto facts = factsOf(chapterFolder(fromFolder(), verse.surah) /
                               (std::to_string(verse.verse) + "-001.gif"));
    ASSERT_TRUE(facts);
    expectCoveringMp3Movie(*facts);
    if (facts->eventSounds.empty()) continue;
    const EventSound& sound = facts->eventSounds[0];
    EXPECT_EQ(sound.data, audioOf(source).frames);
    EXPECT_EQ(sound.stereo, verse.channels == 2);
    const DecodedLength decoded = decodedLength(source);
    EXPECT_EQ(sound.samples, decoded.samples);
    const double seconds = static_cast<double>(decoded.samples) / decoded.sampleRate;
    EXPECT_GE(facts->seconds(), seconds);
    EXPECT_LT(facts->seconds(), seconds + kFrame);
    EXPECT_NEAR(seconds, verse.seconds, 0.06) << "the tone, with the encoder's delay";
  }
}

TEST_F(RecitedBuildTest, TheWholeChapterMovieJoinsItsVerses) {
  const auto facts = factsOf(chapterFolder(fromFolder(), 114) / content::kWholeChapterMovie);
  ASSERT_TRUE(facts);
  expectCoveringMp3Movie(*facts);
  std::vector<std::uint8_t> frames;
  std::uint32_t samples = 0;
  for (int verse = 1; verse <= 6; ++verse) {
    const content::Mp3Audio audio =
        audioOf(recitation() / ("11400" + std::to_string(verse) + ".mp3"));
    frames.insert(frames.end(), audio.frames.begin(), audio.frames.end());
    samples += audio.samples;
  }
  ASSERT_EQ(facts->eventSounds.size(), 1u);
  EXPECT_EQ(facts->eventSounds[0].data, frames);
  EXPECT_EQ(facts->eventSounds[0].samples, samples);
  EXPECT_GE(facts->seconds(), samples / 44100.0);
  EXPECT_LT(facts->seconds(), samples / 44100.0 + kFrame);
}

TEST_F(RecitedBuildTest, AChapterOfTwoRatesIsJoinedAtTheRateMostOfItsVersesHave) {
  const auto facts = factsOf(chapterFolder(fromFolder(), 111) / content::kWholeChapterMovie);
  ASSERT_TRUE(facts);
  expectCoveringMp3Movie(*facts);
  ASSERT_EQ(facts->eventSounds.size(), 1u);
  EXPECT_EQ(facts->eventSounds[0].rate, 44100);
  EXPECT_FALSE(facts->eventSounds[0].stereo);
  double seconds = 0;
  for (int verse = 1; verse <= 5; ++verse) {
    seconds += audioOf(recitation() / ("11100" + std::to_string(verse) + ".mp3")).seconds();
  }
  // Each converted verse gains the encoder's delay and padding, 50 ms at most.
  EXPECT_NEAR(facts->eventSounds[0].samples / 44100.0, seconds, 0.1);
  const auto chapter =
      std::find_if(fromFolder().summary.chapters.begin(), fromFolder().summary.chapters.end(),
                   [](const content::ChapterOutcome& c) { return c.name == "1-1/al masad (111)"; });
  ASSERT_NE(chapter, fromFolder().summary.chapters.end());
  EXPECT_EQ(chapter->converted, 2);
}

TEST_F(RecitedBuildTest, MissingVersesAndFilesThatAreNotMp3AreToldAndTheRestIsBuilt) {
  const std::string problems = problemsText(fromFolder());
  EXPECT_THAT(problems, HasSubstr("reciter/112002.mp3: not usable MP3"));
  EXPECT_THAT(problems, HasSubstr("1-1/Al Falaq (113): verse 4 missing"));
  EXPECT_THAT(problems, HasSubstr("1-1/Iklas (112): verse 2 missing"));
  EXPECT_THAT(problems, HasSubstr("1 file of chapters not chosen"));
  const content::BuildSummary& summary = fromFolder().summary;
  ASSERT_EQ(summary.skipped.size(), 1u);
  EXPECT_EQ(summary.skipped[0].name, (recitation() / kNotMp3Verse).string());
  EXPECT_THAT(summary.skipped[0].why, HasSubstr("not usable MP3 (no MP3 frame found)"));
  EXPECT_THAT(summary.notes, ElementsAre("1 file of chapters not chosen left aside"));

  const auto falaq = factsOf(chapterFolder(fromFolder(), 113) / "menu.gif");
  ASSERT_TRUE(falaq);
  EXPECT_THAT(clickKeys(*falaq), ElementsAre("1", "2", "3", "5"));
  EXPECT_FALSE(fs::exists(chapterFolder(fromFolder(), 113) / "4-001.gif"));
  const auto iklas = factsOf(chapterFolder(fromFolder(), 112) / "menu.gif");
  ASSERT_TRUE(iklas);
  EXPECT_THAT(clickKeys(*iklas), ElementsAre("1", "3", "4"));
}

TEST_F(RecitedBuildTest, TheLayoutIsTheSampleContentsForTheChaptersThatHaveVerses) {
  const fs::path out = fromFolder().out;
  EXPECT_TRUE(fs::is_regular_file(out / "2 blank.gif"));
  for (const char* movie : {"startUp.gif", "topmenu.gif", "exit.gif", "ding.gif", "verses1.gif",
                            "verses2.gif", "verses3.gif", "verses4.gif"}) {
    EXPECT_TRUE(fs::is_regular_file(out / "data" / movie)) << movie;
  }
  std::vector<std::string> anNas = {"Othmani.gif", "TFS.txt", "menu.gif", "words.gif",
                                    std::string(content::kWholeChapterMovie)};
  for (int verse = 1; verse <= 6; ++verse) anNas.push_back(std::to_string(verse) + "-001.gif");
  std::sort(anNas.begin(), anNas.end());
  EXPECT_EQ(filesUnder(chapterFolder(fromFolder(), 114)), anNas);
  std::vector<std::string> chapters;
  for (const auto& group : fs::directory_iterator(out / "data")) {
    if (!group.is_directory()) continue;
    for (const auto& chapter : fs::directory_iterator(group)) {
      chapters.push_back(fs::relative(chapter.path(), out / "data").string());
    }
  }
  std::sort(chapters.begin(), chapters.end());
  EXPECT_THAT(chapters, ElementsAre("1-1/Al Falaq", "1-1/An Nas", "1-1/Iklas", "1-1/al masad"));
  // Part of the original course: the fixed catalog says what it holds.
  EXPECT_FALSE(fs::exists(out / "data" / "catalog.txt"));
}

TEST_F(RecitedBuildTest, A8kHzVerseIsConvertedToJoinA44kHzChapter) {
  QTemporaryDir dir;
  const fs::path folder = fs::path(dir.path().toStdString()) / "reciter";
  fs::create_directories(folder);
  double seconds = 0;
  for (int verse = 1; verse <= 6; ++verse) {
    // The encoder writes 5.5 times as many samples as it is given for verse 6.
    const auto file = toneMp3(300 + 50 * verse, 0.5, verse == 6 ? 8000 : 44100, 1);
    writeBytes(folder / ("11400" + std::to_string(verse) + ".mp3"), file);
    seconds += audioOf(folder / ("11400" + std::to_string(verse) + ".mp3")).seconds();
  }
  const Built built = build(folder, folder.parent_path() / "out", {114});
  ASSERT_EQ(built.summary.chapters.size(), 1u);
  EXPECT_EQ(built.summary.chapters[0].built, 6);
  EXPECT_EQ(built.summary.chapters[0].converted, 1);
  const auto facts = factsOf(chapterFolder(built, 114) / content::kWholeChapterMovie);
  ASSERT_TRUE(facts);
  ASSERT_EQ(facts->eventSounds.size(), 1u);
  EXPECT_EQ(facts->eventSounds[0].rate, 44100);
  EXPECT_NEAR(facts->eventSounds[0].samples / 44100.0, seconds, 0.1);
}

TEST_F(RecitedBuildTest, AnOutThatIsThereIsReplacedOnlyWhenForcedAndEmptyOrContent) {
  struct Case {
    const char* what;
    std::vector<std::string> files;  // a name ending in '/' is a folder
    const char* refusal;             // nullptr when it is replaced
  };
  const Case cases[] = {
      {"an empty folder", {}, nullptr},
      {"content made before", {"data/", "data/startUp.gif", "2 blank.gif"}, nullptr},
      {"a folder of documents",
       {"letter.odt", "photos/", "photos/a.jpg", "b.txt", "c.txt"},
       "it holds \"b.txt\", \"c.txt\", \"letter.odt\" and 1 more"},
      {"content with a document", {"data/", "2 blank.gif", "notes.txt"}, "\"notes.txt\""},
      {"a data folder alone", {"data/"}, "\"data\" without \"2 blank.gif\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const fs::path out = fs::path(dir.path().toStdString()) / "out";
    fs::create_directories(out);
    for (const std::string& file : c.files) {
      if (file.ends_with('/')) {
        fs::create_directories(out / file);
      } else {
        writeBytes(out / file, {'m', 'i', 'n', 'e'});
      }
    }
    const std::vector<std::string> before = filesUnder(out);
    try {
      build(recitation(), out, {114});
      ADD_FAILURE() << "built over what was there";
    } catch (const content::ContentError& error) {
      EXPECT_THAT(error.what(), HasSubstr("already there"));
    }
    EXPECT_EQ(filesUnder(out), before);

    if (c.refusal == nullptr) {
      build(recitation(), out, {114}, true);
      EXPECT_TRUE(fs::is_regular_file(out / "data/1-1/An Nas/menu.gif"));
      EXPECT_GT(fs::file_size(out / "data/startUp.gif"), 4u) << "made anew";
    } else {
      try {
        build(recitation(), out, {114}, true);
        ADD_FAILURE() << "forced over what was there";
      } catch (const content::ContentError& error) {
        EXPECT_THAT(error.what(), HasSubstr(c.refusal));
        EXPECT_THAT(error.what(), HasSubstr("left as it is"));
      }
      EXPECT_EQ(filesUnder(out), before);
    }
    EXPECT_THAT(namesIn(out.parent_path()), ElementsAre("out")) << "nothing left beside OUT";
  }
}

TEST_F(RecitedBuildTest, ForceLeavesAFileInOutsPlaceAlone) {
  QTemporaryDir dir;
  const fs::path out = fs::path(dir.path().toStdString()) / "out";
  writeBytes(out, {'m', 'i', 'n', 'e'});
  try {
    build(recitation(), out, {114}, true);
    ADD_FAILURE() << "forced over a file";
  } catch (const content::ContentError& error) {
    EXPECT_THAT(error.what(), HasSubstr("it is not a folder"));
  }
  EXPECT_EQ(readBytes(out), (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
}

TEST_F(RecitedBuildTest, AudioWithNothingToBuildFromLeavesNoOut) {
  QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  fs::create_directories(root / "empty");
  writeBytes(root / "empty" / "114001.mp3", {'n', 'o'});
  for (const auto& [audio, why] :
       {std::pair{root / "nowhere", "neither a folder nor a zip file"},
        std::pair{root / "empty", "holds no usable verse"},
        std::pair{root / "empty" / "114001.mp3", "neither a folder nor a zip file"}}) {
    try {
      build(audio, root / "out");
      ADD_FAILURE() << audio << " built";
    } catch (const content::ContentError& error) {
      EXPECT_THAT(error.what(), HasSubstr(why));
    }
    EXPECT_FALSE(fs::exists(root / "out"));
  }
}

TEST_F(RecitedBuildTest, TheCommandTellsEachChapterOnALineWithoutATerminal) {
  QTemporaryDir dir;
  const QString out = dir.filePath("out");
  const Outcome outcome = runBuildContent(
      {"--chapters", "114,113", QString::fromStdString(recitation().string()), out});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_THAT(outcome.out, HasSubstr("1-1/An Nas (114): 6 of 6 verses\n"));
  EXPECT_THAT(outcome.out, HasSubstr("1-1/Al Falaq (113): 4 of 5 verses\n"));
  EXPECT_THAT(outcome.out, HasSubstr("2 chapters, 10 verses"));
  EXPECT_THAT(outcome.err, HasSubstr("verse 4 missing"));
  EXPECT_EQ(outcome.out.find('\r'), std::string::npos);

  const Outcome one = runBuildContent(
      {"--chapters", "112", QString::fromStdString(recitation().string()), dir.filePath("one")});
  EXPECT_EQ(one.exitCode, 0) << one.err;
  EXPECT_THAT(one.out, HasSubstr("hifz-build-content: 1 chapter, 3 verses"));
}

TEST_F(RecitedBuildTest, TheCommandExplainsItselfAndRefusesWhatItCannotDo) {
  // Without a session's runtime folder, as under sudo or cron, Qt says nothing.
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  bare.remove("XDG_RUNTIME_DIR");
  const Outcome help = runBuildContent({"--help"}, bare);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.err, "");
  for (const char* word :
       {"SSSAAA.mp3", "--force", "--chapters", "--parts", "zip", "2 blank.gif", "catalog.txt"}) {
    EXPECT_THAT(help.out, HasSubstr(word));
  }
  EXPECT_EQ(runBuildContent({}).exitCode, 2);
  QTemporaryDir dir;
  const std::pair<QStringList, const char*> refused[] = {
      {{"--chapters", "115"}, "--chapters: \"115\" goes past the last chapter"},
      {{"--chapters", "5-3"}, "--chapters: \"5-3\" runs backwards"},
      {{"--parts", "0"}, "--parts: \"0\" is not a part"},
      {{"--chapters", "1", "--parts", "junk"}, "--parts: \"junk\" is not a part"},
  };
  for (const auto& [options, why] : refused) {
    SCOPED_TRACE(options.join(' ').toStdString());
    const Outcome outcome = runBuildContent(
        options + QStringList{QString::fromStdString(recitation().string()), dir.filePath("out")});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_THAT(outcome.err, HasSubstr(why));
    EXPECT_FALSE(fs::exists(dir.filePath("out").toStdString()));
  }
  const Outcome none = runBuildContent(
      {"--chapters", "109", QString::fromStdString(recitation().string()), dir.filePath("out")});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_THAT(none.err, HasSubstr("holds no usable verse of the chosen chapters"));
  EXPECT_FALSE(fs::exists(dir.filePath("out").toStdString()));
}

}  // namespace
}  // namespace hifz::testing
