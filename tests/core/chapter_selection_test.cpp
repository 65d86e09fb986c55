#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation/chapter_catalog.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

constexpr ControlHandle<Form1, MovieSlot> kLists[] = {form1::verses1, form1::verses2,
                                                      form1::verses3, form1::verses4};
const std::string kData = "C:\\Hifz\\data\\";

class ChapterSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    program.files.addFile(kData + "topmenu.gif");
    program.load();
    program.slot(form1::flash1).loads.clear();
  }
  Form1& form() { return *program.form; }
  testing::FakeMovieSlot& flash1() { return program.slot(form1::flash1); }
  void addChapter(const std::string& folder, std::vector<std::string> names = {"menu.gif"}) {
    for (const std::string& name : names) program.files.addFile(kData + folder + name);
  }
  std::vector<std::string> visibleLists() {
    std::vector<std::string> shown;
    for (const auto list : kLists)
      if (form()[list].visible()) shown.emplace_back(list.name());
    return shown;
  }
  TestProgram program;
};

struct GroupCase {
  const char* command;
  const char* args;
  std::vector<std::string> shownLists;
};

TEST_F(ChapterSelection, GroupChoiceShowsOnlyThatGroupsListAndAlwaysHidesTheStrip) {
  const GroupCase cases[] = {
      {"click", "1-2", {"verses2"}}, {"CLICK", "2-2", {"verses4"}}, {"Click", "1-1", {"verses1"}},
      {"click", "2-1", {"verses3"}}, {"press", "1-1", {}},          {"click", " 1-1", {}},
      {"click", "01-1", {}},         {"click", "3-1", {}},
  };
  for (const auto& c : cases) {
    for (const auto list : kLists) form()[list].setVisible(true);
    form()[form1::Picture12].setVisible(true);
    program.slot(form1::TopMenu).raiseFSCommand(c.command, c.args);
    EXPECT_EQ(visibleLists(), c.shownLists) << c.command << " " << c.args;
    EXPECT_FALSE(form()[form1::Picture12].visible()) << c.command << " " << c.args;
    EXPECT_TRUE(form()[form1::Picture8].visible());
    EXPECT_TRUE(form()[form1::StartFlash].visible());
  }
}

TEST_F(ChapterSelection, EveryCatalogChapterOpensItsOwnFolder) {
  const std::vector<std::vector<std::string>> folders = {
      {"An Nas", "Al Falaq", "Iklas", "al masad", "an naser", "al kaferoon", "al kawthar",
       "al ma Own", "Quraish", "Al feel", "Al Homazah", "Al asr", "Al tkathor", "AlKare3h",
       "Al Fatihah"},
      {"Adoha", "Ashrh", "Ateen", "Alalq", "Alkdr", "AlBainh", "Az Zlzalah", "AlAdiat"},
      {"Al lail", "A sh shams", "Al balad", "al Fajr", "Al Kashiah", "Al Ala", "at tariq",
       "Al broj", "Al Inshiqak"},
      {"AlMotafifeen", "AlInftar", "attkwer", "Absa", "Annaziat"},
  };
  const char* const groups[] = {"1-1", "1-2", "2-1", "2-2"};
  EXPECT_EQ(chapterCatalog().size(), 37u);
  for (std::size_t g = 0; g < 4; ++g) {
    for (std::size_t k = 0; k < folders[g].size(); ++k) {
      const std::string folder = std::string(groups[g]) + "\\" + folders[g][k] + "\\";
      addChapter(folder);
      program.slot(kLists[g]).raiseFSCommand("click", std::to_string(k + 1));
      EXPECT_EQ(form().state().CurrentChapter, folder);
      EXPECT_EQ(flash1().movie(), kData + folder + "menu.gif");
      EXPECT_TRUE(form().window().enabled()) << folder;
    }
    // One past the group's last key chooses nothing.
    const std::string last = form().state().CurrentChapter;
    program.slot(kLists[g]).raiseFSCommand("click", std::to_string(folders[g].size() + 1));
    EXPECT_EQ(form().state().CurrentChapter, last);
  }
}

TEST_F(ChapterSelection, AChosenChapterOpensTheChapterScreen) {
  addChapter("1-1\\An Nas\\", {"menu.gif", "Othmani.gif", "1-001.gif"});
  form().state().MenuMovie = "Menu3.gif";
  program.slot(form1::verses1).raiseFSCommand("Click", "1");

  const MainWindowState& state = form().state();
  EXPECT_EQ(state.CurrentChapter, "1-1\\An Nas\\");
  EXPECT_THAT(flash1().loads, ElementsAre(kData + "1-1\\An Nas\\menu.gif"));
  EXPECT_EQ(state.MenuMovie, "Menu.gif");
  const FileListBox& files = form()[form1::File1];
  EXPECT_EQ(files.path(), kData + "1-1\\An Nas\\");
  EXPECT_EQ(files.pattern(), "othmani*.*");
  EXPECT_FALSE(form()[form1::Picture8].visible());
  EXPECT_FALSE(form()[form1::Picture11].visible());
  EXPECT_TRUE(form().window().enabled());
  EXPECT_EQ(program.dialog(), nullptr);
}

struct OthmaniCase {
  std::vector<std::string> files;
  bool othmaniOpens;
};

TEST_F(ChapterSelection, TheOthmaniPageOpensOnlyWithExactlyOneOthmaniFile) {
  const OthmaniCase cases[] = {
      {{"menu.gif", "Othmani.gif"}, true},
      {{"menu.gif", "OTHMANI.GIF", "1-001.gif"}, true},
      {{"menu.gif"}, false},
      {{"menu.gif", "Othmani.gif", "othmani2.swf"}, false},
  };
  int chapter = 0;
  for (const auto& c : cases) {
    const std::string folder = "1-2\\Case" + std::to_string(++chapter) + "\\";
    addChapter(folder, c.files);
    form().state().CurrentChapter = folder;
    program.slot(form1::verses2).raiseFSCommand("click", "99");
    EXPECT_EQ(form()[form1::NoOthmani].visible(), !c.othmaniOpens) << folder;
    EXPECT_EQ(form().state().CurrentChapter, folder);
  }
}

TEST_F(ChapterSelection, KeysAreComparedExactly) {
  addChapter("1-1\\Al Falaq\\");
  program.slot(form1::verses1).raiseFSCommand("click", "2");
  for (const char* key : {" 1", "01", "1 ", "+1"}) {
    program.slot(form1::verses1).raiseFSCommand("click", key);
    EXPECT_EQ(form().state().CurrentChapter, "1-1\\Al Falaq\\") << key;
  }
}

TEST_F(ChapterSelection, AnyOtherCommandOpensTheCurrentChapterAgain) {
  addChapter("2-1\\Al lail\\");
  program.slot(form1::verses3).raiseFSCommand("click", "1");
  form()[form1::Picture8].setVisible(true);
  flash1().loads.clear();
  program.slot(form1::verses3).raiseFSCommand("hover", "2");
  EXPECT_EQ(form().state().CurrentChapter, "2-1\\Al lail\\");
  EXPECT_THAT(flash1().loads, ElementsAre(kData + "2-1\\Al lail\\menu.gif"));
  EXPECT_FALSE(form()[form1::Picture8].visible());
}

TEST_F(ChapterSelection, BeforeAnyChapterANonKeyOpensTheDataFolderItself) {
  program.slot(form1::verses1).raiseFSCommand("click", " 1");
  EXPECT_EQ(form().state().CurrentChapter, "");
  EXPECT_EQ(form()[form1::File1].path(), kData);
  EXPECT_THAT(flash1().loads, ElementsAre(kData + "menu.gif"));
  EXPECT_FALSE(form()[form1::Picture8].visible());
}

struct AbsentCase {
  ControlHandle<Form1, MovieSlot> list;
  const char* key;
  const char* folder;
  bool creditsStay;
};

TEST_F(ChapterSelection, AnAbsentChapterRaisesTheNoticeAndBlocksTheMainWindow) {
  const AbsentCase cases[] = {
      {form1::verses1, "15", "1-1\\Al Fatihah\\", true},
      {form1::verses2, "1", "1-2\\Adoha\\", true},
      {form1::verses3, "9", "2-1\\Al Inshiqak\\", false},
      {form1::verses4, "5", "2-2\\Annaziat\\", false},
  };
  for (const auto& c : cases) {
    TestProgram fresh;
    fresh.load();
    Form1& main = *fresh.form;
    fresh.slot(form1::flash1).loads.clear();
    fresh.slot(c.list).raiseFSCommand("click", c.key);

    EXPECT_EQ(main.state().CurrentChapter, c.folder);
    EXPECT_EQ(main[form1::Picture11].visible(), c.creditsStay) << c.folder;
    EXPECT_TRUE(main[form1::Picture8].visible());
    EXPECT_TRUE(main[form1::NoOthmani].visible());
    EXPECT_THAT(fresh.slot(form1::flash1).loads, IsEmpty());
    EXPECT_FALSE(main.window().enabled());

    ASSERT_NE(fresh.dialog(), nullptr);
    MsgForm& notice = *fresh.dialog();
    EXPECT_EQ(notice[msg_form::TitleMassage].caption(), "تنبيه");
    EXPECT_EQ(notice[msg_form::MyMsg].caption(), "يمكنك إضافة السور الناقصة\rمن موقع البرنامج");
    EXPECT_EQ(notice[msg_form::MyBotton].caption(), "1");
    EXPECT_TRUE(notice[msg_form::MyR1].visible());
    EXPECT_TRUE(notice.window().visible());

    // Its OK button gives the main window back.
    notice[msg_form::Command3].setValue(true);
    EXPECT_TRUE(main.window().enabled());
    EXPECT_EQ(fresh.dialog(), nullptr);
  }
}

}  // namespace
}  // namespace hifz
