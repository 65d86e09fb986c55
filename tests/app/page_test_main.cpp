#include <gtest/gtest.h>

#include <QApplication>
#include <iostream>

#include "movie/page_view.h"
#include "page_fixture.h"

// Tests that drive the real page: it starts once, for all of them.
int main(int argc, char** argv) {
  hifz::preparePageView();
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  if (!hifz::testing::startSharedPage()) {
    std::cerr << "The page with Ruffle did not start.\n";
    return 1;
  }
  const int failed = RUN_ALL_TESTS();
  hifz::testing::stopSharedPage();
  return failed;
}
