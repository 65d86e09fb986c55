#include "content/windows_1256.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "content/content_error.h"

namespace hifz::content {
namespace {

// What the C library's code page tables make of one byte, as UTF-16.
std::u16string decodedByLibrary(uint8_t byte) {
  iconv_t converter = iconv_open("UTF-16LE", "CP1256");
  char in[1] = {static_cast<char>(byte)};
  char16_t out[4] = {};
  char* inAt = in;
  char* outAt = reinterpret_cast<char*>(out);
  size_t inLeft = 1;
  size_t outLeft = sizeof out;
  const size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1)) return {};
  return std::u16string(out, (sizeof out - outLeft) / sizeof(char16_t));
}

TEST(Windows1256, EveryByteOfTheCodePageComesBackFromWhatItStandsFor) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::u16string character = decodedByLibrary(static_cast<uint8_t>(byte));
    ASSERT_EQ(character.size(), 1u) << byte;
    EXPECT_EQ(toWindows1256(character), std::vector<uint8_t>{static_cast<uint8_t>(byte)}) << byte;
  }
}

TEST(Windows1256, ArabicTextWithVowelMarksAndLineEndsEncodes) {
  EXPECT_EQ(toWindows1256(u"سُورَة\r\n"),
            (std::vector<uint8_t>{0xD3, 0xF5, 0xE6, 0xD1, 0xF3, 0xC9, 0x0D, 0x0A}));
  EXPECT_TRUE(toWindows1256(u"").empty());
}

TEST(Windows1256, CharactersTheCodePageLacksAreRefusedByName) {
  // Arabic-Indic digit, a Quranic mark, a lone surrogate half.
  for (const std::u16string text : {u"\u0661", u"\u06E1", u"\xD83D"}) {
    try {
      toWindows1256(u"سورة " + text);
      ADD_FAILURE() << "no error";
    } catch (const ContentError& error) {
      EXPECT_NE(std::string(error.what()).find("U+"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace hifz::content
