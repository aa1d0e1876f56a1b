// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers coming in whole: pasted into the current operand, or taken back from the
// workboard, each way followed by a calculation with the number.
#include "calculator/calculator_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>

namespace numbrella::testing {
namespace {

// Under English number settings, whatever the machine's.
class NumbersComingIn : public CalculatorEntry {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CalculatorEntry::SetUp();
  }
  void TearDown() override {
    CalculatorEntry::TearDown();
    QLocale::setDefault(before_);
  }
  // What screen readers were last told without the focus moving.
  QString Announced() const {
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (child->property("numbrellaAnnouncer").toBool()) return child->accessibleName();
    }
    return QString();
  }
  // Where the text of the workboard's line `line` (0 first) ends.
  QPoint EndOfLine(int line) const {
    QTextCursor cursor(Workboard()->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    return Workboard()->cursorRect(cursor).center() - QPoint(4, 0);
  }

 private:
  const QLocale before_;
};

TEST_F(NumbersComingIn, CtrlVPastesWhereverTheFocusIsOnTheWorksheet) {
  ClickInto(0);
  fakes.clipboard.text = QStringLiteral(" 1,234.5\n");
  Find("Command1(7)")->setFocus();
  QTest::keyClick(Find("Command1(7)"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Operand1(), "1234.5");
  EXPECT_EQ(Announced(), "Operand 1 1234.5");
  Keys("2+");  // typed on after it, then on to operand 2
  fakes.clipboard.text = QStringLiteral("\u22123");
  QTest::keyClick(Operand(1), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Operand2(), "-3");
  Keys("=");
  EXPECT_EQ(AnswerShown(), "1231.52000");

  // Anything but one number is refused whole: a beep and a note, the field as it was.
  for (const QString& refused : {QStringLiteral("OS: Linux Mint 17.2"), QStringLiteral("1,5")}) {
    fakes.clipboard.text = refused;
    QTest::keyClick(Operand(1), Qt::Key_V, Qt::ControlModifier);
  }
  EXPECT_EQ(Operand1(), "1234.52");
  EXPECT_EQ(Operand2(), "-3");
  EXPECT_EQ(AnswerShown(), "1231.52000");
  EXPECT_EQ(fakes.beeper.beeps, 2);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Not one number");
  EXPECT_EQ(Announced(), "Not one number");

  // The constant slots and the workboard keep their own paste.
  QGuiApplication::clipboard()->setText(QStringLiteral("42"));
  QTest::keyClick(Slot(0), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Slot(0)->text(), "42");
  const QString record = WorkboardText();
  Workboard()->moveCursor(QTextCursor::End);
  QTest::keyClick(Workboard(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(WorkboardText(), record + "42");
  EXPECT_EQ(Operand1(), "1234.52");
}

TEST_F(NumbersComingIn, ShiftInsertAfterAnAnswerStartsAFreshCalculation) {
  Keys("7+5=");
  fakes.clipboard.text = QStringLiteral("6.02e23");
  Find("lblAnswer")->setFocus();
  QTest::keyClick(Find("lblAnswer"), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Operand1(), "6.02E+23");
  EXPECT_EQ(OperatorShown(), "");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(AnswerShown(), "");
  Keys("/2=");
  EXPECT_EQ(AnswerShown(), "301000000000000000000000.00000");
}

TEST_F(NumbersComingIn, MiddleClickPastesTheSelection) {
  Keys("4*");
  fakes.clipboard.text = QStringLiteral("99");
  fakes.clipboard.selection = QStringLiteral("2.5");
  QTest::mouseClick(Operand(1), Qt::MiddleButton);
  EXPECT_EQ(Operand2(), "2.5");
  Keys("=");
  EXPECT_EQ(AnswerShown(), "10.00000");

  fakes.clipboard.selection.clear();
  QTest::mouseClick(Operand(0), Qt::MiddleButton);
  EXPECT_EQ(Operand1(), "4");
  EXPECT_EQ(QToolTip::text(), "Nothing to paste");
}

TEST_F(NumbersComingIn, TheWorkboardKeyTakesTheAnswerOfTheCaretLine) {
  Keys("7+5=3+4=");
  const QString record = WorkboardText();
  QTextCursor caret(Workboard()->document()->findBlockByNumber(2));
  Workboard()->setTextCursor(caret);
  Workboard()->setFocus();
  QTest::keyClick(Workboard(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Operand1(), "12");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(QApplication::focusWidget(), Operand(0));
  EXPECT_EQ(Announced(), "Operand 1 12");
  Keys("/8=");
  EXPECT_EQ(AnswerShown(), "1.50000");

  // A line without an answer refuses; the record never changes.
  Workboard()->setTextCursor(QTextCursor(Workboard()->document()->findBlockByNumber(1)));
  QTest::keyClick(Workboard(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(QToolTip::text(), "No answer on this line");
  EXPECT_EQ(fakes.beeper.beeps, 1);
  EXPECT_EQ(WorkboardText(), record + "\r\n\r\n12  /  8  =  1.50000");
}

TEST_F(NumbersComingIn, ThePopUpMenuTakesTheSelectedNumber) {
  Keys("7+5=");
  const bool changed = window->Document().Changed();
  QTextCursor selection = Workboard()->document()->find(QStringLiteral("5"));
  Workboard()->setTextCursor(selection);
  Keys("+");  // carry-over: operand 2 is current
  EXPECT_EQ(ChooseFromPopup(Workboard()->viewport(), "Use in Operand"), "&Use in Operand");
  EXPECT_TRUE(Find<QAction>("mnuUseInOperand")->isShortcutVisibleInContextMenu());
  EXPECT_EQ(Operand2(), "5");
  EXPECT_EQ(window->focusWidget(), Operand(1));
  Keys("=");
  EXPECT_EQ(AnswerShown(), "17.00000");
  EXPECT_EQ(window->Document().Changed(), changed);
}

TEST_F(NumbersComingIn, CtrlDoubleClickTakesALinesAnswer) {
  Keys("2^10=");
  Keys("9@");
  QWidget* page = Workboard()->viewport();
  QTest::mouseDClick(page, Qt::LeftButton, Qt::ControlModifier, EndOfLine(2));
  EXPECT_EQ(Operand1(), "1024");
  EXPECT_EQ(Workboard()->textCursor().selectedText(), "");
  Keys("-1=");
  EXPECT_EQ(AnswerShown(), "1023.00000");

  // A plain double-click selects a word, as in any editor.
  QTest::mouseDClick(page, Qt::LeftButton, Qt::NoModifier, EndOfLine(4));
  EXPECT_EQ(Workboard()->textCursor().selectedText(), "00000");
  EXPECT_EQ(Operand1(), "1024");
}

}  // namespace
}  // namespace numbrella::testing
