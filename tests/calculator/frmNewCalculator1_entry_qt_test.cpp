// SPDX-License-Identifier: GPL-3.0-or-later
// Operand entry, evaluation and the constant slots, through the window's keys.
#include "calculator/calculator_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <limits>

namespace numbrella::testing {
namespace {

using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

const QString kDivideByZero = QStringLiteral("        You cannot divide by zero!");
const QString kArithmeticFailure =
    QStringLiteral("An error has occurred (possibly an overflow)....\r\nplease continue working.");

class CalculatorEntry : public CalculatorWindowTest {
 protected:
  void SetUp() override {
    CalculatorWindowTest::SetUp();
    Open();
  }
  // Holds a key down for the given time, then lets it go.
  void Hold(const QString& name, int milliseconds) {
    QWidget* key = Find(name);
    QTest::mousePress(key, Qt::LeftButton);
    QTest::qWait(milliseconds);
    QTest::mouseRelease(key, Qt::LeftButton);
  }
  void ExpectOnlyMessage(const QString& text, const QString& title) {
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, text);
    EXPECT_EQ(fakes.messages.shown[0].title, title);
    EXPECT_EQ(fakes.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::None);
    fakes.messages.shown.clear();
  }
  QLineEdit* Slot(int index) const { return Find<QLineEdit>(QStringLiteral("txtPaste(%1)").arg(index)); }
};

TEST_F(CalculatorEntry, HeldKeysRepeatEveryQuarterSecondUntilReleased) {
  Hold("Command1(7)", 600);
  EXPECT_EQ(Operand1(), "777") << "on the press, at 250 ms and at 500 ms";
  QTest::qWait(400);
  EXPECT_EQ(Operand1(), "777") << "the release stopped the repeat";

  Hold("Command1(10)", 600);
  EXPECT_EQ(Operand1(), "3.14159265") << "Pi does not repeat";

  Press("cmdClearAll");
  Keys("123");
  Hold("cmdBackspace", 300);
  EXPECT_EQ(Operand1(), "1");
  EXPECT_EQ(AnswerShown(), "");
}

TEST_F(CalculatorEntry, RepeatTimerTicksEnterTheHeldDigit) {
  auto* timer = window->findChild<QTimer*>("tmrNumbers");
  ASSERT_NE(timer, nullptr);
  QTest::mousePress(Find("Command1(4)"), Qt::LeftButton);
  EXPECT_TRUE(timer->isActive());
  QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  QTest::mouseRelease(Find("Command1(4)"), Qt::LeftButton);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(Operand1(), "444");

  auto* backspace = window->findChild<QTimer*>("tmrBackspace");
  ASSERT_NE(backspace, nullptr);
  QTest::mousePress(Find("cmdBackspace"), Qt::LeftButton);
  EXPECT_TRUE(backspace->isActive());
  QMetaObject::invokeMethod(backspace, "timeout", Qt::DirectConnection);
  QTest::mouseRelease(Find("cmdBackspace"), Qt::LeftButton);
  EXPECT_FALSE(backspace->isActive());
  EXPECT_EQ(Operand1(), "4");
}

TEST_F(CalculatorEntry, HeldKeysStopWhenTheWindowLosesTheMouse) {
  auto* numbers = window->findChild<QTimer*>("tmrNumbers");
  auto* backspace = window->findChild<QTimer*>("tmrBackspace");
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::mousePress(Find("cmdBackspace"), Qt::LeftButton);
  {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isActiveWindow(); }));
    EXPECT_FALSE(backspace->isActive()) << "another window took the keyboard and mouse";
  }

  QTest::mousePress(Find("Command1(4)"), Qt::LeftButton);
  window->hide();
  EXPECT_FALSE(numbers->isActive()) << "hidden";
  window->show();

  QTest::mousePress(Find("Command1(5)"), Qt::LeftButton);
  Find("Command1(5)")->setEnabled(false);
  EXPECT_FALSE(numbers->isActive()) << "the press was cancelled";
  Find("Command1(5)")->setEnabled(true);
  EXPECT_EQ(Operand1(), "45") << "each press entered once and nothing repeated";
}

TEST_F(CalculatorEntry, KeysAnswerEveryMouseButton) {
  Press(Find("Command1(3)"), Qt::RightButton);
  Press(Find("Command1(2)"), Qt::MiddleButton);
  EXPECT_EQ(Operand1(), "32");
  Press(Find("cmdBackspace"), Qt::RightButton);
  EXPECT_EQ(Operand1(), "3");

  // Two quick clicks, as the window system delivers them: the second press reaches
  // the key as a double click, and still enters its digit or removes a character.
  QWindow* handle = window->windowHandle();
  int time = 1000000;
  auto quickClick = [&](QWidget* key) {
    const QPointF at = key->mapTo(window.get(), key->rect().center());
    const QPointF global = handle->mapToGlobal(at.toPoint());
    qt_handleMouseEvent(handle, at, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, {}, time += 5);
    QApplication::processEvents();
    qt_handleMouseEvent(handle, at, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, {}, time += 70);
    QApplication::processEvents();
    time += 80;
  };
  quickClick(Find("Command1(5)"));
  quickClick(Find("Command1(5)"));
  EXPECT_EQ(Operand1(), "355");
  quickClick(Find("cmdBackspace"));
  quickClick(Find("cmdBackspace"));
  EXPECT_EQ(Operand1(), "3");
}

TEST_F(CalculatorEntry, OperandFieldsTakeTheFocusAndCopyButTypingGoesThroughTheKeys) {
  Keys("45");
  ClickInto(1);
  EXPECT_TRUE(Operand(1)->hasFocus());
  QTest::keyClicks(Operand(1), "1a2b");
  EXPECT_EQ(Operand2(), "12") << "digits are keys, letters nothing";
  Keys("6");
  EXPECT_EQ(Operand2(), "126") << "the click made operand 2 current";

  ClickInto(0);
  QTest::keyClicks(Operand(0), "9");
  QTest::keyClick(Operand(0), Qt::Key_Backspace);
  EXPECT_EQ(Operand1(), "45");
  // Selected and copied through the field's pop-up menu, which names no key: Ctrl+A
  // and Ctrl+C are the window's Save and Copy.
  const QString selectAll = ChooseFromPopup(Operand(0), "Select All");
  EXPECT_EQ(Operand(0)->selectedText(), "45");
  EXPECT_FALSE(selectAll.contains(u'\t')) << selectAll.toStdString();
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(ChooseFromPopup(Operand(0), "Copy").contains(u'\t'));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "45");
  // Keys always work on the end of the text, wherever the caret is.
  Operand(0)->setCursorPosition(0);
  Keys("7");
  EXPECT_EQ(Operand1(), "457");
}

TEST_F(CalculatorEntry, FreshCalculationAfterAnAnswer) {
  Keys("9-1=");
  ASSERT_EQ(AnswerShown(), "8.00000");
  Keys("4");
  EXPECT_EQ(Operand1(), "4");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(OperatorShown(), "");
  EXPECT_EQ(AnswerShown(), "");

  Keys("-1=p");
  EXPECT_EQ(Operand1(), "3.14159265");
  EXPECT_EQ(OperatorShown(), "");

  Keys("-1=.");
  EXPECT_EQ(Operand1(), ".");
  EXPECT_EQ(Operand2(), "");
  EXPECT_TRUE(Operand(0)->hasFocus());
  Keys("5");
  EXPECT_EQ(Operand1(), ".5");
}

TEST_F(CalculatorEntry, CarryOverIntoOperand1) {
  Keys("12.5*1=");
  ASSERT_EQ(AnswerShown(), "12.50000");
  Keys("+");
  EXPECT_EQ(Operand1(), "12.50000");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(OperatorShown(), "+");
  EXPECT_TRUE(Operand(1)->hasFocus());

  // Operand 2 is current: the digit goes there, nothing is cleared.
  Keys("4");
  EXPECT_EQ(Operand1(), "12.50000");
  EXPECT_EQ(Operand2(), "4");
  EXPECT_EQ(OperatorShown(), "+");

  // Back into operand 1: the next digit starts afresh.
  ClickInto(0);
  Keys("8");
  EXPECT_EQ(Operand1(), "8");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(OperatorShown(), "");

  // With operand 1 empty an operator key focuses operand 1.
  Press("cmdClearAll");
  Press("cmdOperatorDivide");
  EXPECT_TRUE(Operand(0)->hasFocus());
  EXPECT_EQ(OperatorShown(), "/");
}

TEST_F(CalculatorEntry, PiPointAndSign) {
  Keys("12p");
  EXPECT_EQ(Operand1(), "3.14159265");
  Press("cmdClearAll");
  Keys("..");
  EXPECT_EQ(Operand1(), ".");

  Press("cmdClearAll");
  Keys("5~");
  EXPECT_EQ(Operand1(), "-5");
  Keys("~");
  EXPECT_EQ(Operand1(), "5");
  Press("cmdClearAll");
  Keys("~0.50");
  EXPECT_EQ(Operand1(), "-0.50");
  Keys("~");
  EXPECT_EQ(Operand1(), "0.5");
  Press("cmdClearAll");
  Keys("~");
  EXPECT_EQ(Operand1(), "-");
  Keys("~");
  EXPECT_EQ(Operand1(), "0");

  Keys("+~3");
  EXPECT_EQ(Operand2(), "-3");
  Keys("=");
  EXPECT_EQ(AnswerShown(), "-3.00000");
}

TEST_F(CalculatorEntry, AfterEqualsAndBackspaceNoFieldIsCurrent) {
  Keys("6+2=<");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(Operand1(), "6");
  EXPECT_EQ(Operand2(), "2");
  Keys("5.p");
  EXPECT_EQ(Operand1(), "6");
  EXPECT_EQ(Operand2(), "2");
  Keys("=");
  ASSERT_EQ(AnswerShown(), "8.00000");
  Keys("<~");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(Operand1(), "6");
  ClickInto(1);
  Keys("1");
  EXPECT_EQ(Operand2(), "21");
}

TEST_F(CalculatorEntry, ClearAllKeepsPlacesAndWorkboard) {
  Choose(Combo(4), "2");
  Keys("1+1=");
  const QString record = WorkboardText();
  Press("cmdClearAll");
  EXPECT_EQ(Operand1(), "");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(OperatorShown(), "");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_TRUE(Operand(0)->hasFocus());
  EXPECT_EQ(WorkboardText(), record);
  Keys("3+1=");
  EXPECT_EQ(AnswerShown(), "4.00");

  // Backspace on an empty current field only empties the answer.
  ClickInto(1);
  Keys("<=");
  ASSERT_EQ(AnswerShown(), "3.00");
  ClickInto(1);
  Keys("<");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(Operand1(), "3");
  EXPECT_EQ(Operand2(), "");
}

TEST_F(CalculatorEntry, EqualsWithoutOperatorOrWithAnEmptyOperand) {
  Keys("7=");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(WorkboardText(), "");
  EXPECT_TRUE(fakes.messages.shown.empty());
  Keys("+=");
  EXPECT_EQ(AnswerShown(), "7.00000");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n7  +    =  7.00000");
}

TEST_F(CalculatorEntry, DivisionByZero) {
  Keys("1+1=");
  ASSERT_EQ(AnswerShown(), "2.00000");
  for (const char* divisor : {"", "0", ".", "~"}) {
    SCOPED_TRACE(divisor);
    Press("cmdClearAll");
    Keys("5/");
    Keys(divisor);
    const QString record = WorkboardText();
    Keys("=");
    ExpectOnlyMessage(kDivideByZero, "Numbrella Calculator");
    EXPECT_EQ(Operand1(), "5");
    EXPECT_EQ(Operand2(), "");
    EXPECT_TRUE(Operand(1)->hasFocus());
    EXPECT_EQ(WorkboardText(), record);
    Keys("4");
    EXPECT_EQ(Operand2(), "4") << "operand 2 is current after the message";
  }
  Keys("=");
  EXPECT_EQ(AnswerShown(), "1.25000");

  // The reciprocal of 0 evaluates at once and empties both operands.
  Press("cmdClearAll");
  Keys("0");
  Press("cmdInverse");
  ExpectOnlyMessage(kDivideByZero, "Numbrella Calculator");
  EXPECT_EQ(Operand1(), "");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(OperatorShown(), "1/X");
}

TEST_F(CalculatorEntry, FailedEvaluationsLeaveTheShownAnswer) {
  // "/" by zero: a recall with no current field keeps the answer on show, so the
  // operator key carries nothing over and operand 2 still holds its 0.
  Keys("5*0=");
  ASSERT_EQ(AnswerShown(), "0.00000");
  Press("cmdPasteA(0)");
  Keys("/=");
  ExpectOnlyMessage(kDivideByZero, "Numbrella Calculator");
  EXPECT_EQ(AnswerShown(), "0.00000");
  EXPECT_EQ(Operand2(), "");
  EXPECT_TRUE(Operand(1)->hasFocus());

  // "1/X" of 0 and the root of -4 evaluate at once, with the last answer on show.
  Press("cmdClearAll");
  Keys("0+5=");
  const QString record = WorkboardText();
  Press("cmdInverse");
  ExpectOnlyMessage(kDivideByZero, "Numbrella Calculator");
  EXPECT_EQ(AnswerShown(), "5.00000");
  EXPECT_EQ(Operand1(), "");

  Press("cmdClearAll");
  Keys("~4+1=");
  ASSERT_EQ(AnswerShown(), "-3.00000");
  Press("cmdOperatorSR");
  ExpectOnlyMessage("This calculator cannot find the square root of a negative number",
                    "Negative Number");
  EXPECT_EQ(AnswerShown(), "-3.00000");
  EXPECT_EQ(Operand1(), "-4");
  EXPECT_EQ(WorkboardText(), record + "\r\n\r\n-4  +  1  =  -3.00000");

  // The answer still counts as shown: the next digit starts a fresh calculation.
  Keys("2");
  EXPECT_EQ(Operand1(), "2");
  EXPECT_EQ(AnswerShown(), "");
}

TEST_F(CalculatorEntry, RootsPowersAndFailures) {
  Keys("4");
  Press("cmdOperatorSR");
  ASSERT_EQ(AnswerShown(), "2.00000");
  const QString record = WorkboardText();
  Press("cmdClearAll");
  Keys("~4");
  Press("cmdOperatorSR");
  ExpectOnlyMessage("This calculator cannot find the square root of a negative number",
                    "Negative Number");
  EXPECT_EQ(Operand1(), "-4");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(WorkboardText(), record);
  Keys("1");
  EXPECT_EQ(Operand1(), "-41") << "operand 1 is still current";

  Press("cmdClearAll");
  Keys("~8");
  Press("cmdCubeRoot");
  EXPECT_EQ(AnswerShown(), "-2.00000");
  EXPECT_EQ(Operand2(), "");
  Press("cmdClearAll");
  Keys("27+5");
  Press("cmdCubeRoot");
  EXPECT_EQ(AnswerShown(), "3.00000");
  EXPECT_EQ(Operand2(), "");

  Press("cmdClearAll");
  Keys("2^.5=");
  EXPECT_EQ(AnswerShown(), "1.41421");

  for (const char* failing : {"~8^.5=", "10^400="}) {
    SCOPED_TRACE(failing);
    Press("cmdClearAll");
    const QString before = WorkboardText();
    Keys(failing);
    ExpectOnlyMessage(kArithmeticFailure, "Error");
    EXPECT_EQ(AnswerShown(), "");
    EXPECT_EQ(WorkboardText(), before);
  }
  EXPECT_EQ(Operand1(), "10");
  EXPECT_EQ(Operand2(), "400");
  EXPECT_EQ(OperatorShown(), "X^Y");

  // A number too large to read fails the same way.
  Press("cmdClearAll");
  for (int i = 0; i < 320; ++i) Keys("9");
  Keys("+1=");
  ExpectOnlyMessage(kArithmeticFailure, "Error");
}

TEST_F(CalculatorEntry, OneOperandKeyCarriesTheAnswerWithoutEvaluating) {
  ClickInto(1);
  Keys("16+");
  EXPECT_TRUE(Operand(0)->hasFocus()) << "operand 1 is empty";
  Keys("=");
  ASSERT_EQ(AnswerShown(), "16.00000");
  ASSERT_EQ(Operand1(), "");
  const QString record = WorkboardText();
  Press("cmdOperatorSR");
  EXPECT_EQ(Operand1(), "16.00000");
  EXPECT_EQ(Operand2(), "");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(OperatorShown(), "SR");
  EXPECT_EQ(WorkboardText(), record) << "no evaluation yet";
  Keys("=");
  EXPECT_EQ(AnswerShown(), "4.00000");

  // With nothing to carry, the key puts the focus in the empty operand 1.
  Press("cmdClearAll");
  Press("cmdInverse");
  EXPECT_TRUE(Operand(0)->hasFocus());
  EXPECT_EQ(OperatorShown(), "1/X");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(CalculatorEntry, NewNumberOfPlacesReevaluates) {
  Choose(Combo(4), "3");
  EXPECT_EQ(WorkboardText(), "") << "no answer shown: only the places change";
  Keys("12*1=");
  EXPECT_EQ(AnswerShown(), "12.000");
  Choose(Combo(4), "0");
  EXPECT_EQ(AnswerShown(), "12");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n12  X  1  =  12.000\r\n\r\n12  X  1  =  12");
  Choose(Combo(4), "0");
  EXPECT_EQ(WorkboardText().count("=  12"), 3) << "choosing the same entry again evaluates again";

  Press("cmdClearAll");
  Keys("1/10");
  Choose(Combo(4), "40");
  Keys("=");
  EXPECT_EQ(AnswerShown(), "0.1000000000000000000000000000000000000000");
}

TEST_F(CalculatorEntry, AnswerCopyAndPaste) {
  Keys("1234.5*1=");
  Press("cmdCopy");
  EXPECT_EQ(fakes.clipboard.text, "1234.50000");
  EXPECT_EQ(fakes.clipboard.clears, 1);
  Keys("+");  // carry-over, operand 2 current and empty
  Press("cmdPaste");
  EXPECT_EQ(Operand2(), "1234.5");
  EXPECT_EQ(AnswerShown(), "");

  // No answer: the copied value becomes 0, the clipboard empty.
  Press("cmdCopy");
  EXPECT_EQ(fakes.clipboard.text, "");
  Keys("7");
  Press("cmdPaste");
  EXPECT_EQ(Operand2(), "0");

  // With no current field only the answer empties.
  Keys("=");
  ASSERT_EQ(AnswerShown(), "1234.50000");
  Press("cmdPaste");
  EXPECT_EQ(AnswerShown(), "");
  EXPECT_EQ(Operand1(), "1234.50000");
  EXPECT_EQ(Operand2(), "0");
  Keys("8");
  EXPECT_EQ(Operand1(), "1234.50000") << "pasting ended the answer shown: no fresh start";
}

TEST_F(CalculatorEntry, StoringIntoASlot) {
  Keys("12.5*1=");
  Slot(1)->setText("0");
  Press("cmdCopyA(1)");
  EXPECT_TRUE(fakes.messages.shown.empty()) << "a slot holding 0 is free";
  EXPECT_EQ(Slot(1)->text(), "12.50000");

  for (const char* held : {"0.0", "7"}) {
    Slot(2)->clear();
    QTest::keyClicks(Slot(2), held);
    fakes.messages.answers = {MessageAnswer::No};
    Press("cmdCopyA(2)");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const ShownMessage& question = fakes.messages.shown[0];
    EXPECT_EQ(question.text, "Are you sure you want to copy over the existing value?");
    EXPECT_EQ(question.title, "Are you sure?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.defaultButton, MessageAnswer::No);
    EXPECT_EQ(Slot(2)->text(), held);
    fakes.messages.shown.clear();
  }
  fakes.messages.answers = {MessageAnswer::Yes};
  Press("cmdCopyA(2)");
  EXPECT_EQ(Slot(2)->text(), "12.50000");

  // Storing with no answer shown empties the slot.
  Keys("+");
  fakes.messages.answers = {MessageAnswer::Yes};
  Press("cmdCopyA(2)");
  EXPECT_EQ(Slot(2)->text(), "");
  EXPECT_EQ(Operand1(), "12.50000");
}

TEST_F(CalculatorEntry, FieldsHoldTextsOfAnyLength) {
  const QString digits(40000, u'7');
  QGuiApplication::clipboard()->setText(digits);
  Slot(0)->setFocus();
  QTest::keyClick(Slot(0), Qt::Key_Insert, Qt::ShiftModifier);  // Ctrl+V pastes into the workboard
  EXPECT_EQ(Slot(0)->text().size(), digits.size());
  // The operand fields are written by the window, however long the worksheet's text.
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    EXPECT_EQ(field->maxLength(), std::numeric_limits<int>::max()) << field->objectName().toStdString();
  }
}

TEST_F(CalculatorEntry, RecallingASlot) {
  QTest::keyClicks(Slot(0), "12.50000");
  QTest::keyClicks(Slot(3), "1e999");
  ClickInto(0);
  Press("cmdPasteA(0)");
  EXPECT_EQ(Operand1(), "12.5");
  Keys("+");
  Press("cmdPasteA(4)");
  EXPECT_EQ(Operand2(), "0");
  Press("cmdPasteA(3)");
  EXPECT_EQ(Operand2(), "0") << "beyond the double range: kept";
  EXPECT_EQ(fakes.beeper.beeps, 1);
  Keys("=");
  ASSERT_EQ(AnswerShown(), "12.50000");

  // No current field: no operand changes, the answer stays, the flag goes.
  Press("cmdPasteA(0)");
  EXPECT_EQ(Operand1(), "12.5");
  EXPECT_EQ(AnswerShown(), "12.50000");
  Keys("3");
  EXPECT_EQ(Operand1(), "12.5") << "no fresh calculation any more";
}

TEST_F(CalculatorEntry, ClearingTheSlots) {
  Press("Command7");
  EXPECT_TRUE(fakes.messages.shown.empty()) << "all empty: no question";
  QTest::keyClicks(Slot(4), "3");
  fakes.messages.answers = {MessageAnswer::No};
  Press("Command7");
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Are you sure you want to clear all of the constant values?");
  EXPECT_EQ(fakes.messages.shown[0].title, "Are you sure?");
  EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(fakes.messages.shown[0].defaultButton, MessageAnswer::No);
  EXPECT_EQ(Slot(4)->text(), "3");
  QTest::keyClicks(Slot(0), "1");
  fakes.messages.answers = {MessageAnswer::Yes};
  Press("Command7");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Slot(i)->text(), "") << i;
}

}  // namespace
}  // namespace numbrella::testing
