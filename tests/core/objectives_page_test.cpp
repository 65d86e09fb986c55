#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "navigation/windows_1256.h"
#include "procedure_log.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TestProgram;

std::string decoded(std::vector<std::uint8_t> bytes) { return windows1256ToUtf8(bytes); }

struct DecodingCase {
  std::vector<std::uint8_t> bytes;
  std::string text;
};

TEST(Windows1256, DecodesArabicTextAndEveryOtherCharacterOfTheCodePage) {
  const DecodingCase cases[] = {
      {{'T', 'F', 'S', ' ', '1', '\r', '\n'}, "TFS 1\r\n"},
      // "In the name of God, the Most Gracious, the Most Merciful"
      {{0xC8, 0xD3, 0xE3, ' ',  0xC7, 0xE1, 0xE1, 0xE5, ' ',  0xC7, 0xE1,
        0xD1, 0xCD, 0xE3, 0xE4, ' ',  0xC7, 0xE1, 0xD1, 0xCD, 0xED, 0xE3},
       "بسم الله الرحمن الرحيم"},
      // Every Arabic letter and the tatweel, in the code page's order.
      {{0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD,
        0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xD9, 0xDA, 0xDB,
        0xDC, 0xDD, 0xDE, 0xDF, 0xE1, 0xE3, 0xE4, 0xE5, 0xE6, 0xEC, 0xED},
       "ءآأؤإئابةتثجحخدذرزسشصضطظعغـفقكلمنهوىي"},
      // The eight vowel marks, which lie between Latin letters.
      {{0xF0, 0xF1, 0xF2, 0xF3, 0xF5, 0xF6, 0xF8, 0xFA},
       "\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652"},
      {{0xA1, 0xBA, 0xBF}, "،؛؟"},
      {{0x81, 0x8D, 0x8E, 0x90, 0x98, 0xAA, 0xC0, 0xFF, 0x8A, 0x8F, 0x9A, 0x9F}, "پچژگکھہےٹڈڑں"},
      {{0xE0, 0xE2, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEE, 0xEF, 0xF4, 0xF9, 0xFB, 0xFC, 0xD7, 0xF7},
       "àâçèéêëîïôùûü×÷"},
      {{0x80, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8B, 0x8C,
        0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x99, 0x9B, 0x9C},
       "€‚ƒ„…†‡ˆ‰‹Œ‘’“”•–—™›œ"},
      {{0x9D, 0x9E, 0xFD, 0xFE, 0xA0}, "\u200C\u200D\u200E\u200F\u00A0"},
      {{0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB0,
        0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBB, 0xBC, 0xBD, 0xBE},
       "¢£¤¥¦§¨©«¬\u00AD®¯°±²³´µ¶·¸¹»¼½¾"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(decoded(c.bytes), c.text);
}

TEST(Windows1256, EveryByteIsOneCharacter) {
  std::vector<std::uint8_t> all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<std::uint8_t>(byte));
  const std::string text = decoded(all);
  int characters = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  EXPECT_EQ(characters, 256);
  // Only byte 0 stands for U+0000; no byte of the upper half is left out.
  EXPECT_EQ(text.find('\0'), 0u);
  EXPECT_EQ(text.find('\0', 1), std::string::npos);
}

const std::string kChapter = "C:\\Hifz\\data\\2-2\\Absa\\";

class ObjectivesPage : public ::testing::Test {
 protected:
  void SetUp() override {
    program.files.addFile(kChapter + "menu.gif");
    program.load();
    form()[form1::reset].onClick = [this] {
      calls.push_back("reset");
      textAtReset = form()[form1::Label12].caption();
    };
    testing::logProcedures(form(), calls, {form1::DoingIt});
  }
  Form1& form() { return *program.form; }
  void chooseChapter() { program.slot(form1::verses4).raiseFSCommand("click", "4"); }
  TestProgram program;
  std::vector<std::string> calls;
  std::string textAtReset;
};

TEST_F(ObjectivesPage, ShowsTheChaptersTextDecodedFromTheArabicCodePage) {
  // "Objectives of the chapter" and a second line.
  program.files.addFile(kChapter + "TFS.txt",
                        "\xC3\xE5\xCF\xC7\xDD \xC7\xE1\xD3\xE6\xD1\xC9\r\n1- ");
  chooseChapter();
  form()[form1::Image17].click();
  EXPECT_TRUE(form()[form1::Picture10].visible());
  EXPECT_EQ(form()[form1::Label12].caption(), "أهداف السورة\r\n1- ");
  EXPECT_THAT(calls, ElementsAre("reset"));
  EXPECT_EQ(textAtReset, "");
}

TEST_F(ObjectivesPage, AMissingTextLeavesThePageOpenAndEmpty) {
  chooseChapter();
  form()[form1::Image17].click();
  EXPECT_TRUE(form()[form1::Picture10].visible());
  EXPECT_EQ(form()[form1::Label12].caption(), "");
  EXPECT_THAT(program.messages.shown, IsEmpty());
  EXPECT_EQ(program.dialog(), nullptr);
}

TEST_F(ObjectivesPage, AFailingResetStillLeavesThePageOpen) {
  program.files.addFile(kChapter + "TFS.txt", "abc");
  chooseChapter();
  form()[form1::reset].onClick = [] { throw std::runtime_error("reading state"); };
  form()[form1::Image17].click();
  EXPECT_TRUE(form()[form1::Picture10].visible());
  EXPECT_EQ(form()[form1::Label12].caption(), "");
}

TEST_F(ObjectivesPage, DoesNothingOnTheMenuScreenOrBeforeAnyChapter) {
  program.files.addFile(kChapter + "TFS.txt", "abc");
  // The menu screen after start-up, with a chapter known.
  form().state().CurrentChapter = "2-2\\Absa\\";
  form()[form1::Image17].click();
  // The chapter screen, but no chapter chosen yet.
  form().state().CurrentChapter = "";
  form()[form1::Picture8].setVisible(false);
  form()[form1::Image17].click();
  EXPECT_FALSE(form()[form1::Picture10].visible());
  EXPECT_EQ(form()[form1::Label12].caption(), "Label12");
  EXPECT_THAT(calls, IsEmpty());
}

TEST_F(ObjectivesPage, CloseButtonPlaysTheClickSoundAndClosesThePage) {
  chooseChapter();
  form()[form1::Image17].click();
  calls.clear();
  form()[form1::Image21].click();
  EXPECT_THAT(calls, ElementsAre("DoingIt"));
  EXPECT_FALSE(form()[form1::Picture10].visible());
}

TEST_F(ObjectivesPage, StaysOverTheMenuScreenUntilClosed) {
  chooseChapter();
  form()[form1::Image17].click();
  form()[form1::Image20].click();
  EXPECT_TRUE(form()[form1::Picture8].visible());
  EXPECT_TRUE(form()[form1::Picture10].visible());
}

}  // namespace
}  // namespace hifz
