// hifz-e2e-layout: prints, as JSON, where the journeys click and what they
// should hear: every control of the main window as start-up places it (in
// window pixels), the buttons of the sample content's menu movies (in stage
// pixels), and each chapter's movies with their lengths. With --content DATA,
// the same for content hifz-build-content made in the data folder DATA.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

#include "content/catalog.h"
#include "content/chapter_plan.h"
#include "content/content_groups.h"
#include "content/groups_menu.h"
#include "content/content_writer.h"
#include "content/look.h"
#include "content/menu_movies.h"
#include "content/quran_text.h"
#include "content/tone.h"
#include "dialog/msg_form.h"
#include "navigation/chapter_list_slots.h"
#include "shell/form1_inventory.h"
#include "swf/reader.h"
#include "swf/sound.h"
#include "test_program.h"

namespace {

using hifz::Control;
using hifz::content::MenuButton;
namespace form1 = hifz::form1;
namespace msg_form = hifz::msg_form;

constexpr double kTwipsPerPixel = 15;

QJsonArray rectangle(double x, double y, double width, double height) {
  return {x, y, width, height};
}

QJsonArray size(QSize stage) { return {stage.width(), stage.height()}; }

QJsonObject buttons(const std::vector<MenuButton>& list) {
  QJsonObject result;
  for (const MenuButton& button : list) {
    const QRectF& area = button.area;
    result[QString::fromStdString(button.key)] =
        rectangle(area.x(), area.y(), area.width(), area.height());
  }
  return result;
}

// Where a control lies in its window, in pixels, and whether it shows.
struct Placed {
  QJsonArray rect;
  bool shown = true;
};

Placed placed(const Control& control) {
  double x = 0;
  double y = 0;
  bool shown = true;
  for (const Control* at = &control; at->container() != nullptr; at = at->container()) {
    x += at->left();
    y += at->top();
    shown = shown && at->visible();
  }
  return {rectangle(x / kTwipsPerPixel, y / kTwipsPerPixel, control.width() / kTwipsPerPixel,
                    control.height() / kTwipsPerPixel),
          shown};
}

QString controlKey(const Control& control) {
  QString key = QString::fromStdString(control.name());
  if (control.index() >= 0) key += QString("(%1)").arg(control.index());
  return key;
}

// Every control after start-up, relative to the window's client area.
QJsonObject controls() {
  hifz::testing::TestProgram program;
  program.windows.widthPx = 1280;
  program.windows.heightPx = 1024;
  program.load();
  QJsonObject result;
  for (const Control* control : program.form->controls()) {
    if (control->container() == nullptr) continue;
    const Placed where = placed(*control);
    QJsonObject entry{{"rect", where.rect}, {"shown", where.shown}};
    if (control->kind() == hifz::ControlKind::MovieSlot) {
      const auto settings = hifz::form1SlotSettings(control->name());
      entry["scale"] = settings.scale == hifz::ScaleMode::NoScale ? "noScale" : "showAll";
    }
    result[controlKey(*control)] = entry;
  }
  const auto& window = program.form->window();
  result["Form1"] = QJsonObject{
      {"rect", rectangle(window.left() / kTwipsPerPixel, window.top() / kTwipsPerPixel,
                         window.width() / kTwipsPerPixel, window.height() / kTwipsPerPixel)}};
  return result;
}

// The speakers' volume after start-up and after each of the given clicks on
// the volume buttons, as the program writes it to the mixer.
QJsonArray volumeSteps(
    std::initializer_list<hifz::ControlHandle<hifz::Form1, hifz::CommandButton>> clicks) {
  hifz::testing::TestProgram program;
  program.load();
  QJsonArray values;
  const auto lastWrite = [&program] {
    return static_cast<double>(std::get<2>(program.mixer.writes.back()));
  };
  values.append(lastWrite());
  for (const auto button : clicks) {
    program.form->run(button);
    values.append(lastWrite());
  }
  return values;
}

// The missing-chapter notice's OK button: its centre's offset from the
// dialog's horizontal centre and from its bottom, which the message's measured
// size does not change.
QJsonObject noticeButton() {
  hifz::testing::TestProgram program;
  program.load();
  program.slot(form1::TopMenu).raiseFSCommand("click", "1-1");
  program.slot(form1::verses1).raiseFSCommand("click", "1");
  hifz::MsgForm* dialog = program.dialog();
  if (dialog == nullptr) throw std::runtime_error("the missing-chapter notice did not open");
  const Control& ok = (*dialog)[msg_form::Command3];
  const QJsonArray rect = placed(ok).rect;
  const double centreX = rect[0].toDouble() + rect[2].toDouble() / 2;
  const double centreY = rect[1].toDouble() + rect[3].toDouble() / 2;
  const auto& window = dialog->window();
  return {{"fromCentre", centreX - window.width() / kTwipsPerPixel / 2},
          {"fromBottom", centreY - window.height() / kTwipsPerPixel}};
}

// The loudest sample of a sound, as a fraction of full scale.
double loudness(const hifz::swf::Pcm& sound) {
  int loudest = 0;
  for (const std::int16_t sample : sound.samples)
    loudest = std::max(loudest, std::abs(int{sample}));
  return loudest / 32768.0;
}

// The pitch of a sound, from its rising zero crossings.
double pitch(const hifz::swf::Pcm& sound) {
  int crossings = 0;
  for (std::size_t i = 1; i < sound.samples.size(); ++i)
    if (sound.samples[i - 1] < 0 && sound.samples[i] >= 0) ++crossings;
  return crossings * hifz::swf::samplesPerSecond(sound.rate) /
         static_cast<double>(sound.samples.size());
}

QJsonObject chapter(const hifz::content::ChapterPlan& plan) {
  QJsonArray movies;
  for (const auto& movie : plan.verseMovies) {
    movies.append(QJsonObject{{"file", QString::fromStdString(movie.fileName)},
                              {"verse", movie.verse},
                              {"breath", movie.breath},
                              {"breaths", movie.breaths},
                              {"seconds", movie.frames / hifz::content::kFrameRate}});
  }
  QJsonArray pages;
  for (const auto& page : plan.menuPages) {
    pages.append(QJsonObject{{"file", QString::fromStdString(page.fileName)},
                             {"number", page.number},
                             {"first", page.firstVerse},
                             {"last", page.lastVerse},
                             {"previous", QString::fromStdString(page.previousKey)},
                             {"next", QString::fromStdString(page.nextKey)},
                             {"buttons", buttons(hifz::content::chapterMenuButtons(page))}});
  }
  return {{"group", QString::fromStdString(std::string(plan.chapter.group))},
          {"key", QString::fromStdString(std::string(plan.chapter.key))},
          {"number", plan.chapter.surah},
          {"folder", QString::fromStdString(hifz::content::relativeFolder(plan.chapter))},
          {"verses", static_cast<int>(plan.text.verses.size())},
          {"objectives", QString::fromStdU16String(hifz::content::objectivesText(plan))},
          {"movies", movies},
          {"pages", pages}};
}

// What every content shares: the cells of a chapter menu page, the stages,
// the exit movie's buttons and the whole-chapter movie's name.
QJsonObject sharedContent() {
  // Every cell of a chapter menu page, numbered as verses 1 to 20.
  hifz::content::MenuPage full;
  full.lastVerse = hifz::content::kVersesPerMenuPage;
  return {
      {"menuCells", buttons(hifz::content::chapterMenuButtons(full))},
      {"stages", QJsonObject{{"main", size(hifz::content::kMainDisplay)},
                             {"topMenu", size(hifz::content::kTopMenuStrip)},
                             {"chapterList", size(hifz::content::kChapterListStage)}}},
      {"exit", buttons(hifz::content::exitButtons())},
      {"wholeChapterMovie", QString::fromStdString(std::string(hifz::content::kWholeChapterMovie))},
  };
}

QJsonObject originalLists() {
  QJsonObject lists;
  for (const auto& group : hifz::content::kGroups)
    lists[QString::fromStdString(std::string(group.key))] =
        buttons(hifz::content::chapterListButtons(group.key));
  return lists;
}

QJsonObject sampleContent() {
  QJsonArray chapters;
  for (const auto& plan : hifz::content::planAllChapters(hifz::content::defaultChaptersFolder()))
    chapters.append(chapter(plan));
  QJsonObject result = sharedContent();
  result["topMenu"] = buttons(hifz::content::topMenuButtons());
  result["chapterLists"] = originalLists();
  result["tonePitch"] = pitch(hifz::content::placeholderTone(25));
  result["toneLoudness"] = loudness(hifz::content::placeholderTone(25));
  result["chapters"] = chapters;
  return result;
}

// A built chapter's plan, its verses as long as their movies in `folder`.
hifz::content::ChapterPlan builtPlan(const std::filesystem::path& folder,
                                     const hifz::content::CatalogChapter& listed,
                                     const hifz::content::ChapterText& text) {
  std::map<int, int> every;
  for (int verse = 1; verse <= text.verses.size(); ++verse) every[verse] = 1;
  std::map<int, int> frames;
  for (const auto& movie : hifz::content::planRecitedChapter(listed, text, every).verseMovies) {
    std::ifstream file(folder / movie.fileName, std::ios::binary);
    if (!file) continue;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const auto read = hifz::swf::readMovie(bytes);
    if (!read) throw std::runtime_error((folder / movie.fileName).string() + " is no movie");
    frames[movie.verse] = read.value().header.frameCount;
  }
  return hifz::content::planRecitedChapter(listed, text, frames);
}

// Built content lies as the builder lays out the chapters it holds: the
// original course's groups and lists within it, else a group for each part.
QJsonObject builtContent(const std::filesystem::path& data) {
  const auto quran = hifz::content::defaultChaptersFolder();
  std::vector<hifz::content::ChapterText> texts;
  for (int surah = 1; surah <= 114; ++surah)
    texts.push_back(hifz::content::readChapterText(quran, surah));
  const auto all = hifz::content::quranGroups(texts);
  std::set<int> built;
  for (const auto& group : all)
    for (const auto& listed : group.chapters)
      if (std::filesystem::is_directory(data / hifz::content::relativeFolder(listed)))
        built.insert(listed.surah);
  const auto groups = hifz::content::shownGroups(all, built);
  const bool original = hifz::content::withinOriginalCourse(built);

  QJsonObject lists;
  QJsonObject slots;
  QJsonArray chapters;
  for (std::size_t place = 0; place < groups.size(); ++place) {
    std::vector<hifz::content::ListEntry> entries;
    for (const auto& listed : groups[place].chapters) {
      const auto& text = texts[static_cast<std::size_t>(listed.surah - 1)];
      entries.push_back({listed.key, text.name, static_cast<int>(text.verses.size())});
      if (built.contains(listed.surah))
        chapters.append(
            chapter(builtPlan(data / hifz::content::relativeFolder(listed), listed, text)));
    }
    const QString key = QString::fromStdString(groups[place].key);
    lists[key] = buttons(hifz::content::chapterListButtons(place, entries));
    slots[key] = QString::fromUtf8(hifz::chapterListSlot(place).name());
  }
  QJsonObject result = sharedContent();
  result["topMenu"] = buttons(original ? hifz::content::topMenuButtons()
                                       : hifz::content::groupsMenuButtons(groups));
  result["chapterLists"] = original ? originalLists() : lists;
  if (!original) result["listSlots"] = slots;
  result["chapters"] = chapters;
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  const qsizetype data = arguments.indexOf("--content") + 1;
  try {
    const QJsonObject layout{
        {"controls", controls()},
        {"noticeOk", noticeButton()},
        {"volumeDownDownUp", volumeSteps({form1::Vdown, form1::Vdown, form1::VUP})},
        {"content", data > 0 && data < arguments.size()
                        ? builtContent(arguments[data].toStdString())
                        : sampleContent()}};
    std::fputs(QJsonDocument(layout).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "hifz-e2e-layout: %s\n", error.what());
    return 1;
  }
}
