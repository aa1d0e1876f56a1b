// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for window tests: one QApplication for the whole run, offscreen on a
// 1920 x 1080 screen unless the caller chose another platform.
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM",
           "offscreen:configfile=" NUMBRELLA_TEST_DATA_DIR "/support/screen-1920x1080.json", 0);
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
