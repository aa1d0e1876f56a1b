// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window from the keyboard: the Tab chain in reading order, the
// workboard that Tab leaves, the keys under the expanded workboard that Tab passes
// over, and the focus mark on the black display strip.
#include "calculator/calculator_window.h"

#include <QImage>

namespace numbrella::testing {
namespace {

class CalculatorKeyboard : public CalculatorWindowTest {
 protected:
  // The names of the controls that Tab (or Shift+Tab) visits from `start` until it
  // comes back there, `start` first.
  QStringList TabChain(QWidget* start, bool forward = true) {
    start->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (int step = 0; step < 200; ++step) {
      QWidget* focused = QApplication::focusWidget();
      if (focused == nullptr) break;
      if (step > 0 && focused == start) return visited;
      visited << focused->objectName();
      QTest::keyClick(focused, Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    ADD_FAILURE() << "Tab does not come back to " << start->objectName().toStdString();
    return visited;
  }

  // The colour of the display's top edge, where the focus mark is drawn.
  static QColor TopEdge(QWidget* display) {
    const QImage image = display->grab().toImage();
    return image.pixelColor(image.width() / 2, 1);
  }
};

const QStringList kReadingOrder = {
    "txtOperand(0)", "txtOperand(1)", "lblAnswer",
    "Command1(7)", "Command1(8)", "Command1(9)",
    "Command1(4)", "Command1(5)", "Command1(6)",
    "Command1(1)", "Command1(2)", "Command1(3)",
    "Command1(0)", "cmdDecimal", "cmdEqualSign",
    "cmdOperatorX", "cmdOperatorDivide", "cmdOperatorPlus", "cmdOperatorMinus",
    "cmdOperatorSR", "cmdCubeRoot", "cmdInverse", "cmdPowers",
    "cmdPlusMinus", "Command1(10)", "cmdCopy", "cmdPaste",
    "cmdBackspace", "cmdClearAll",
    "Combo4", "Command7",
    "cmdCopyA(0)", "cmdPasteA(0)", "txtPaste(0)",
    "cmdCopyA(1)", "cmdPasteA(1)", "txtPaste(1)",
    "cmdCopyA(2)", "cmdPasteA(2)", "txtPaste(2)",
    "cmdCopyA(3)", "cmdPasteA(3)", "txtPaste(3)",
    "cmdCopyA(4)", "cmdPasteA(4)", "txtPaste(4)",
    "Command5", "txtArchive1", "Command2", "Command3",
    "Check1", "Check2", "Combo2", "Combo1", "Combo3"};

TEST_F(CalculatorKeyboard, TabGoesThroughTheWindowInReadingOrder) {
  Open();
  // The hidden "Clear Workboard" button and the printer fields are not on the way.
  EXPECT_EQ(TabChain(Operand(0)), kReadingOrder);
  QStringList backwards = kReadingOrder;
  std::reverse(backwards.begin() + 1, backwards.end());
  EXPECT_EQ(TabChain(Operand(0), false), backwards);

  // Once shown, the "Clear Workboard" button stands after "Hide Workboard".
  Keys("1+2=");
  ASSERT_TRUE(Find("Command4")->isVisible());
  QStringList withClear = kReadingOrder;
  withClear.insert(withClear.indexOf("txtArchive1"), "Command4");
  EXPECT_EQ(TabChain(Operand(0)), withClear);
}

TEST_F(CalculatorKeyboard, TabLeavesTheWorkboardAndItsMenuKeysStillWork) {
  Open();
  Workboard()->SetText("12  +  30  =  42.00000");
  Workboard()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Workboard(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Find("Command2"));
  Workboard()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Workboard(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find("Command4"));
  EXPECT_EQ(WorkboardText(), "12  +  30  =  42.00000");

  // The workboard's Ctrl keys are still the menu's: Ctrl+C copies the selection.
  Workboard()->setFocus(Qt::OtherFocusReason);
  Workboard()->selectAll();
  QTest::keyClick(Workboard(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(fakes.clipboard.text, "12  +  30  =  42.00000");
}

TEST_F(CalculatorKeyboard, TabPassesOverWhatTheWorkboardCoversOrTakesAway) {
  Open();
  Press("Command2");  // expand: the workboard lies over the worksheet
  const QStringList expanded = TabChain(Workboard());
  for (const char* covered : {"txtOperand(0)", "lblAnswer", "Command1(7)", "cmdEqualSign",
                              "cmdClearAll", "Combo4", "cmdCopyA(0)"}) {
    EXPECT_FALSE(expanded.contains(covered)) << covered;
  }
  // What stands beside the workboard is still on the way.
  for (const char* beside : {"Command2", "Command3", "Check1", "Combo3"}) {
    EXPECT_TRUE(expanded.contains(beside)) << beside;
  }
  Press("Command3");  // collapse: the worksheet is back
  EXPECT_EQ(TabChain(Operand(0)), kReadingOrder);

  // Hidden, the workboard takes the window's lower half with it, and Tab the controls
  // that stood there, below the window's edge now.
  Press("Command5");
  QStringList shortened = kReadingOrder;
  shortened.erase(shortened.begin() + shortened.indexOf("txtArchive1"), shortened.end());
  EXPECT_EQ(TabChain(Operand(0)), shortened);
}

TEST_F(CalculatorKeyboard, TheFocusedDisplayShowsAWhiteFrameOnTheBlack) {
  Open();
  QWidget* operand1 = Operand(0);
  QWidget* operand2 = Operand(1);
  QWidget* answer = Find("lblAnswer");
  ASSERT_TRUE(operand1->hasFocus());
  EXPECT_EQ(TopEdge(operand1), QColor(Qt::white));
  EXPECT_EQ(TopEdge(operand2), QColor(Qt::black));

  QTest::keyClick(operand1, Qt::Key_Tab);
  EXPECT_EQ(TopEdge(operand1), QColor(Qt::black));
  EXPECT_EQ(TopEdge(operand2), QColor(Qt::white));
  QTest::keyClick(operand2, Qt::Key_Tab);
  ASSERT_TRUE(answer->hasFocus());
  EXPECT_EQ(TopEdge(answer), QColor(Qt::white));

  // A click on a key takes the focus from the displays: no frame is left.
  Keys("5");
  for (QWidget* display : {operand1, operand2, answer}) {
    EXPECT_EQ(TopEdge(display), QColor(Qt::black)) << display->objectName().toStdString();
  }
  // The constant slots show it the same way.
  QWidget* slot = Find("txtPaste(0)");
  slot->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(TopEdge(slot), QColor(Qt::white));
}

}  // namespace
}  // namespace numbrella::testing
