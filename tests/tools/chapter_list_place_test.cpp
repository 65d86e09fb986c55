#include <gtest/gtest.h>

#include <QRectF>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "generated_content.h"
#include "movie_facts.h"
#include "navigation/chapter_catalog.h"
#include "navigation/chapter_list_slots.h"
#include "test_program.h"

namespace hifz::testing {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kTwipsPerStagePixel = 20;

// Where the program puts a control after start-up, in window pixels.
QRectF placed(const TestProgram& program, ControlHandle<Form1, Control> handle) {
  const Control& control = (*program.form)[handle];
  QPointF at;
  for (const Control* in = &control; in->container() != nullptr; in = in->container()) {
    at += QPointF(in->left(), in->top());
  }
  return {at / kTwipsPerPixel, QSizeF(control.width(), control.height()) / kTwipsPerPixel};
}

QRectF inStagePixels(const swf::Rect& twips) {
  return {QPointF(twips.xMin, twips.yMin) / kTwipsPerStagePixel,
          QSizeF(twips.width(), twips.height()) / kTwipsPerStagePixel};
}

std::string text(const QRectF& rect) {
  std::ostringstream out;
  out << rect.width() << "x" << rect.height() << " at " << rect.left() << "," << rect.top();
  return out.str();
}

// The menu screen keeps the chapter lists behind the top menu strip and shows
// the chosen group's list in the strip's place. What of a list's slot lies
// beside the strip shows on both screens, so there a list holds nothing but
// its background colour, and its tiles lie wholly where the strip covers it.
TEST(SampleContentMenus, EachChapterListShowsItsTilesOnlyWhereTheTopMenuStripCoversIt) {
  TestProgram program;
  program.load();
  const QRectF strip =
      placed(program, form1::Picture12).intersected(placed(program, form1::Picture8));
  for (std::size_t index = 0; index < chapterGroups().size(); ++index) {
    const ChapterGroup& group = chapterGroups()[index];
    const auto listSlot = chapterListSlot(index);
    SCOPED_TRACE(std::string(group.listMovie));
    const auto facts = factsOf(generatedDataFolder() / group.listMovie);
    ASSERT_TRUE(facts.has_value());
    ASSERT_EQ((*program.form)[listSlot].settings().scale, ScaleMode::NoScale);
    // A movie that does not scale shows at its own size, centred in its slot.
    const QRectF slot = placed(program, listSlot);
    const QSizeF stage(facts->widthPixels, facts->heightPixels);
    const QPointF stageAt = slot.center() - QPointF(stage.width(), stage.height()) / 2;
    const QRectF shown = slot.intersected(strip).translated(-stageAt);

    ASSERT_FALSE(facts->buttonHitAreas.empty());
    for (const swf::Rect& hit : facts->buttonHitAreas) {
      const QRectF tile = inStagePixels(hit);
      EXPECT_TRUE(shown.contains(tile)) << "a tile " << text(tile) << ", the strip " << text(shown);
    }

    ASSERT_TRUE(facts->background.has_value());
    const std::uint32_t background = 0xff000000 | *facts->background;
    int paintedStages = 0;
    for (const StoredBitmap& bitmap : facts->bitmaps) {
      if (QSizeF(bitmap.width, bitmap.height) != stage) continue;
      ++paintedStages;
      const std::vector<std::uint32_t> pixels = pixelsOf(bitmap);
      int strays = 0;
      for (int y = 0; y < bitmap.height && !pixels.empty(); ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
          const bool beside = !QRectF(x, y, 1, 1).intersects(shown);
          strays += beside && pixels[static_cast<std::size_t>(y * bitmap.width + x)] != background;
        }
      }
      EXPECT_EQ(strays, 0) << "pixels beside the strip not in the background colour";
    }
    EXPECT_EQ(paintedStages, 1);
  }
}

}  // namespace
}  // namespace hifz::testing
