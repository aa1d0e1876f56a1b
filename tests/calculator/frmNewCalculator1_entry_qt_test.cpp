// SPDX-License-Identifier: GPL-3.0-or-later
// Operand entry through the window's keys: held keys, the mouse buttons, the fields,
// the point, Pi and the sign, and where the next digit goes.
#include "calculator/calculator_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace numbrella::testing {
namespace {

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
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
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
  Press("Command1(3)", Qt::RightButton);
  Press("Command1(2)", Qt::MiddleButton);
  EXPECT_EQ(Operand1(), "32");
  Press("cmdBackspace", Qt::RightButton);
  EXPECT_EQ(Operand1(), "3");

  // Two quick clicks, as the window system delivers them: the second press reaches
  // the key as a double click, and still enters its digit or removes a character.
  QWindow* handle = window->windowHandle();
  int time = 1000000;
  auto quickClick = [&](QWidget* key) {
    const QPointF at = key->mapTo(window, key->rect().center());
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

}  // namespace
}  // namespace numbrella::testing
