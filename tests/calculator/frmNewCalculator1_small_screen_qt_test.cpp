// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a screen too small for them: 1920 x 1080 scaled by 2, which leaves
// 960 x 540 (the test's environment sets the scale).
#include "calculator/calculator_window.h"
#include "converter/frmListBoxConverter.h"

#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace numbrella::testing {
namespace {

using SmallScreen = CalculatorWindowTest;

TEST_F(SmallScreen, CalculatorFitsWithItsTitleBarOnTheScreenAndScrollsToTheWorkboard) {
  Open();
  const QRect free = window->screen()->availableGeometry();
  ASSERT_LT(free.height(), 600) << "the scale was not applied";
  EXPECT_EQ(window->frameGeometry().top(), free.top());
  EXPECT_LE(window->geometry().bottom(), free.bottom());
  EXPECT_GE(window->frameGeometry().left(), free.left());
  EXPECT_LE(window->frameGeometry().right(), free.right());

  // The workboard's lower edge lies below the window's; the user scrolls down to it.
  auto* scroller = qobject_cast<QScrollArea*>(window->centralWidget());
  ASSERT_NE(scroller, nullptr);
  auto bottomOfWorkboard = [&] {
    return Workboard()->mapTo(window, QPoint(0, Workboard()->height())).y();
  };
  EXPECT_GT(bottomOfWorkboard(), window->height());
  scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
  EXPECT_LE(bottomOfWorkboard(), window->height());

  // It still works as ever: a calculation lands on the workboard.
  Keys("2+3=");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n2  +  3  =  5.00000");

  // Tab reaches the workboard and the controls beside it, scrolled into view.
  scroller->verticalScrollBar()->setValue(0);
  Operand(0)->setFocus();
  for (int i = 0; i < 80 && !Workboard()->hasFocus(); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(Workboard()->hasFocus());
  const QRect caret(Workboard()->viewport()->mapTo(window, Workboard()->cursorRect().topLeft()),
                    Workboard()->cursorRect().size());
  EXPECT_TRUE(window->rect().contains(caret));
  for (int i = 0; i < 10 && QApplication::focusWidget()->objectName() != "Combo3"; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QWidget* spacing = Combo(3);
  ASSERT_TRUE(spacing->hasFocus());
  EXPECT_GT(scroller->verticalScrollBar()->value(), 0);
  EXPECT_LE(spacing->mapTo(window, QPoint(0, spacing->height())).y(), window->height());

  // Without the workboard the window fits whole again.
  Find<QAction>("mnuDisplayWork")->trigger();
  EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);
  EXPECT_LE(window->geometry().bottom(), free.bottom());
}

TEST_F(SmallScreen, ConverterFitsWhole) {
  Open();
  Find<QAction>("mnuConvCalc")->trigger();
  QMainWindow* converter = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->objectName() == "frmListBoxConverter")
      converter = qobject_cast<QMainWindow*>(top);
  }
  ASSERT_NE(converter, nullptr);
  const QRect free = converter->screen()->availableGeometry();
  EXPECT_TRUE(free.contains(converter->geometry()));
  EXPECT_EQ(qobject_cast<QScrollArea*>(converter->centralWidget()), nullptr) << "no need to scroll";
  converter->close();
}

}  // namespace
}  // namespace numbrella::testing
