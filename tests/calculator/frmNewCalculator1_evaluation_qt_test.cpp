// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation through the window's keys: equals, the one-operand keys, the number of
// places, and the messages of the calculations that fail.
#include "calculator/calculator_window.h"

namespace numbrella::testing {
namespace {

const QString kDivideByZero = QStringLiteral("        You cannot divide by zero!");
const QString kArithmeticFailure =
    QStringLiteral("An error has occurred (possibly an overflow)....\r\nplease continue working.");

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

}  // namespace
}  // namespace numbrella::testing
