// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work deferred past the first frame runs once: after the window's first
// paint, or at the latest a second after it was asked for when no paint comes.
#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace numbrella::testing {
namespace {

// Counts its paints.
class PaintedWindow : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(AfterFirstPaintTest, RunsOnceAfterThePaintOrAtTheLatestWithoutOne) {
  PaintedWindow window;
  window.resize(200, 100);
  std::vector<int> paintsWhenRun;
  ui::AfterFirstPaint(window, [&] { paintsWhenRun.push_back(window.paints); });
  QCoreApplication::processEvents();
  EXPECT_TRUE(paintsWhenRun.empty()) << "nothing painted yet";
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !paintsWhenRun.empty(); }, 5000));
  EXPECT_GE(paintsWhenRun.front(), 1);
  window.repaint();
  QTest::qWait(50);
  EXPECT_EQ(paintsWhenRun.size(), 1u) << "later paints run nothing";

  // A window that is never painted gets its work when the time is up, once.
  PaintedWindow hidden;
  int runs = 0;
  ui::AfterFirstPaint(hidden, [&runs] { ++runs; });
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, 0);
  ASSERT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 5000));
  QTest::qWait(50);
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace numbrella::testing
