// SPDX-License-Identifier: GPL-3.0-or-later
// Whole calculations with the mouse landing on the workboard, in the line spacings, and
// the converter opened from the calculator's menu.
#include "calculator/calculator_window.h"

#include <QAction>

namespace numbrella::testing {
namespace {

using CalculatorWalkthrough = CalculatorWindowTest;

TEST_F(CalculatorWalkthrough, TypicalCalculationLandsOnTheWorkboard) {
  Open();
  Keys("7+5");
  EXPECT_EQ(Operand1(), "7");
  EXPECT_EQ(OperatorShown(), "+");
  EXPECT_EQ(Operand2(), "5");
  Keys("=");
  EXPECT_EQ(AnswerShown(), "12.00000");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n7  +  5  =  12.00000");
  EXPECT_TRUE(Find("Command4")->isVisible());
  EXPECT_TRUE(Workboard()->hasFocus());
  EXPECT_EQ(Workboard()->textCursor().position(), Workboard()->document()->characterCount() - 1);

  // Again: the same line once more.
  Keys("=");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n7  +  5  =  12.00000\r\n\r\n7  +  5  =  12.00000");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(CalculatorWalkthrough, LineSpacingsOneAndThree) {
  Open();
  Choose(Combo(3), "1");
  Keys("1+2=");
  EXPECT_EQ(WorkboardText(), "\r\n1  +  2  =  3.00000");
  Keys("9");
  Press("cmdOperatorSR");
  EXPECT_EQ(WorkboardText(), "\r\n1  +  2  =  3.00000\r\n9  SR    =  3.00000");
  Choose(Combo(3), "3");
  Keys("=");
  EXPECT_EQ(WorkboardText(),
            "\r\n1  +  2  =  3.00000\r\n9  SR    =  3.00000\r\n\r\n\r\n9  SR    =  3.00000");
}

TEST_F(CalculatorWalkthrough, ConversionCalculatorMenuOpensTheConverter) {
  Open();
  Choose("mnuConvCalc");
  QWidget* converter = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "frmListBoxConverter" && top->isVisible()) converter = top;
  }
  ASSERT_NE(converter, nullptr);
  EXPECT_FALSE(converter->isModal());
  EXPECT_EQ(converter->parentWidget(), nullptr);
  EXPECT_TRUE(window->isEnabled());
  converter->close();
}

}  // namespace
}  // namespace numbrella::testing
