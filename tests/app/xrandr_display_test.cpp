#include "platform/xrandr_display.h"

#include <gtest/gtest.h>

// Xlib after GoogleTest: its macros (None) clash with GoogleTest's names.
#include <X11/Xlib.h>

namespace hifz {
namespace {

// Xvfb offers its one screen size and refuses others, as a fixed display would.
TEST(XRandrDisplay, KnowsTheCurrentModeAndRefusesOthers) {
  XRandrDisplay display;
  ASSERT_TRUE(display.available());
  const Display::Context context = display.openContext();
  ASSERT_NE(context, 0u);
  const int depth = display.bitsPerPixel(context);
  EXPECT_EQ(depth, 24);
  auto* x = reinterpret_cast<::Display*>(context);
  const int width = DisplayWidth(x, DefaultScreen(x));
  const int height = DisplayHeight(x, DefaultScreen(x));
  EXPECT_EQ(display.testMode(width, height, depth), ModeTest::Usable);
  EXPECT_EQ(display.testMode(width, height, 16), ModeTest::NotUsable);
  EXPECT_EQ(display.testMode(640, 400, depth), ModeTest::NotUsable);
  display.applyMode(width, height, depth);
  display.applyMode(640, 400, depth);
  EXPECT_EQ(display.testMode(width, height, depth), ModeTest::Usable);
  display.releaseContext(context);
  EXPECT_EQ(display.bitsPerPixel(0), 0);
  display.releaseContext(0);
}

}  // namespace
}  // namespace hifz
