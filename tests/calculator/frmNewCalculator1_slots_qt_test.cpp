// SPDX-License-Identifier: GPL-3.0-or-later
// The answer copied and pasted, and the constant slots stored, recalled and cleared.
#include "calculator/calculator_window.h"

#include <QClipboard>
#include <QGuiApplication>

#include <limits>

namespace numbrella::testing {
namespace {

using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

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
    EXPECT_EQ(field->maxLength(), std::numeric_limits<int>::max())
        << field->objectName().toStdString();
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
  EXPECT_EQ(fakes.messages.shown[0].text,
            "Are you sure you want to clear all of the constant values?");
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
