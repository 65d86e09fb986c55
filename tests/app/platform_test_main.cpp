#include <gtest/gtest.h>

#include <QApplication>

// The Qt services need an application object and a display; scripts/headless
// provides the display.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
