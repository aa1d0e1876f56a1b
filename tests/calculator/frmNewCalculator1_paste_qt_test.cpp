// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers coming in whole, by each way in, and a calculation with each.
#include "calculator/calculator_window.h"

#include <QClipboard>
#include <QTextBlock>
#include <QToolTip>

namespace numbrella::testing {
namespace {

class NumbersComingIn : public CalculatorEntry {
 protected:
  QPoint CaretTo(int line) {  // to the end of the line; a point on its last character
    Workboard()->setTextCursor(QTextCursor(Workboard()->document()->findBlockByNumber(line)));
    Workboard()->moveCursor(QTextCursor::EndOfBlock);
    return Workboard()->cursorRect().center() - QPoint(4, 0);
  }
  void Type(QWidget* control, Qt::Key key, Qt::KeyboardModifier modifier) {
    control->setFocus();
    QTest::keyClick(control, key, modifier);
  }
};

TEST_F(NumbersComingIn, CtrlVPastesWhereverTheFocusIsOnTheWorksheet) {
  fakes.clipboard.text = QStringLiteral(" 1234.5\n");
  Type(Find("Command1(7)"), Qt::Key_V, Qt::ControlModifier);
  Keys("2+");  // typed on after it, then on to operand 2
  fakes.clipboard.text = QStringLiteral("\u22123");
  Type(Operand(1), Qt::Key_V, Qt::ControlModifier);
  Keys("=");
  fakes.clipboard.text = QStringLiteral("OS: Linux Mint 17.2");  // refused whole, with a beep
  Type(Operand(1), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(AnswerShown() + Operand2() + QToolTip::text(), "1231.52000-3Not one number");
  EXPECT_EQ(fakes.beeper.beeps, 1);
  QApplication::clipboard()->setText(QStringLiteral("42"));  // slots and workboard: their own
  Type(Slot(0), Qt::Key_V, Qt::ControlModifier);
  Type(Workboard(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Slot(0)->text() + WorkboardText().right(2) + Operand1(), "42421234.52");
}

TEST_F(NumbersComingIn, ShiftInsertAfterAnAnswerStartsAFreshCalculation) {
  Keys("7+5=");
  fakes.clipboard.text = QStringLiteral("6.02e23");
  Type(Find("lblAnswer"), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Operand1() + OperatorShown() + Operand2() + AnswerShown(), "6.02E+23");
  Keys("/2=");
  EXPECT_EQ(AnswerShown(), "301000000000000000000000.00000");
}

TEST_F(NumbersComingIn, MiddleClickPastesTheSelection) {
  Keys("4*");
  fakes.clipboard.selection = QStringLiteral("2.5");
  QTest::mouseClick(Operand(1), Qt::MiddleButton);
  Keys("=");
  EXPECT_EQ(AnswerShown(), "10.00000");
}

TEST_F(NumbersComingIn, TheWorkboardKeyTakesTheAnswerOfTheCaretLine) {
  Keys("7+5=3+4=");
  CaretTo(2);
  Type(Workboard(), Qt::Key_R, Qt::ControlModifier);
  Keys("/8=");
  EXPECT_EQ(AnswerShown(), "1.50000");
}

TEST_F(NumbersComingIn, ThePopUpMenuTakesTheSelectedNumberAndLeavesTheRecord) {
  Keys("7+5=+");  // operand 2 current
  const QString record = WorkboardText();
  Workboard()->setTextCursor(Workboard()->document()->find(QStringLiteral("5")));
  EXPECT_EQ(ChooseFromPopup(Workboard()->viewport(), "Use in Operand"), "&Use in Operand");
  EXPECT_TRUE(window->focusWidget() == Operand(1) && WorkboardText() == record);
  Keys("=");
  EXPECT_EQ(AnswerShown(), "17.00000");
}

TEST_F(NumbersComingIn, CtrlDoubleClickTakesALinesAnswerAndAPlainOneAWord) {
  Keys("2^10=");
  QTest::mouseDClick(Workboard()->viewport(), Qt::LeftButton, Qt::ControlModifier, CaretTo(2));
  Keys("-1=");
  QTest::mouseDClick(Workboard()->viewport(), Qt::LeftButton, Qt::NoModifier, CaretTo(4));
  EXPECT_EQ(AnswerShown() + Workboard()->textCursor().selectedText(), "1023.0000000000");
}

}  // namespace
}  // namespace numbrella::testing
