#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using testing::TestProgram;

class MenuReturn : public ::testing::Test {
 protected:
  void SetUp() override {
    program.load();
    flash1().loads.clear();
  }
  testing::FakeMovieSlot& flash1() { return program.slot(form1::flash1); }
  Form1& form() { return *program.form; }
  TestProgram program{"C:\\Hifz"};
};

TEST_F(MenuReturn, MenuLoadsBlankThenThePageInUse) {
  form().state().CurrentChapter = "1-1\\An Nas\\";
  form().state().MenuMovie = "Menu3.gif";
  form()[form1::Label4].setCaption("7");
  form()[form1::Label5].setCaption("12");
  form()[form1::playing].setVisible(true);
  form().run(form1::Menu);
  EXPECT_THAT(flash1().loads,
              ElementsAre("C:\\Hifz\\2 blank.gif", "C:\\Hifz\\data\\1-1\\An Nas\\Menu3.gif"));
  EXPECT_EQ(form()[form1::Label4].caption(), "0");
  EXPECT_EQ(form()[form1::Label5].caption(), "0");
  EXPECT_FALSE(form()[form1::playing].visible());
}

TEST_F(MenuReturn, MenuWithAnUnknownPageNameLoadsTheFolderItself) {
  form().state().CurrentChapter = "1-1\\An Nas\\";
  for (const char* name : {"menu3.gif", "Menu4.gif", ""}) {
    flash1().loads.clear();
    form().state().MenuMovie = name;
    form().run(form1::Menu);
    EXPECT_THAT(flash1().loads,
                ElementsAre("C:\\Hifz\\2 blank.gif", "C:\\Hifz\\data\\1-1\\An Nas\\"))
        << name;
  }
}

TEST_F(MenuReturn, MenuBeforeAnyChapterLoadsFromTheDataFolder) {
  form().run(form1::Menu);
  EXPECT_EQ(flash1().movie(), "C:\\Hifz\\data\\Menu.gif");
}

TEST_F(MenuReturn, FadeinLoadsTheFirstPageWithoutBlankAndResetsTheCount) {
  form().state().CurrentChapter = "2-2\\Absa\\";
  form().state().MenuMovie = "Menu2.gif";
  form().state().RepeatsDone = 3;
  form()[form1::Label4].setCaption("7");
  form()[form1::playing].setVisible(true);
  form()[form1::Picture5].setVisible(true);
  form().run(form1::fadein);
  EXPECT_THAT(flash1().loads, ElementsAre("C:\\Hifz\\data\\2-2\\Absa\\menu.gif"));
  EXPECT_EQ(form().state().RepeatsDone, 0);
  EXPECT_EQ(form().state().MenuMovie, "Menu2.gif");
  EXPECT_FALSE(form()[form1::Picture5].visible());
  EXPECT_EQ(form()[form1::Label4].caption(), "7");
  EXPECT_TRUE(form()[form1::playing].visible());
}

}  // namespace
}  // namespace hifz
