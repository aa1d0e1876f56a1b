// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet without a window: what the window tests cannot reach or reach only
// slowly — the flags behind the current field, numbers beyond the double range, and
// the number readings of recall and paste.
#include "calculator/worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

Worksheet Started() {
  Worksheet sheet;
  sheet.ResetFlags();
  sheet.ChooseDecimalPlaces(5);
  return sheet;
}

void Digits(Worksheet& sheet, const std::string& digits) {
  for (char c : digits) sheet.PressKeypad(c - '0');
}

TEST(Worksheet, AtMostOneCurrentFieldAndNoneAfterAnAnswer) {
  Worksheet sheet = Started();
  EXPECT_FALSE(sheet.Operand1Current());
  EXPECT_FALSE(sheet.Operand2Current());
  // No current field and no answer: no key changes an operand.
  Digits(sheet, "3");
  sheet.PressKeypad(Worksheet::kPiKey);
  sheet.Decimal();
  sheet.PlusMinus();
  sheet.BackspacePress();
  EXPECT_EQ(sheet.Operand(0), "");
  EXPECT_EQ(sheet.Operand(1), "");

  sheet.GotFocus(0);
  EXPECT_TRUE(sheet.Operand1Current());
  sheet.GotFocus(1);
  EXPECT_FALSE(sheet.Operand1Current());
  EXPECT_TRUE(sheet.Operand2Current());
  Digits(sheet, "8");
  const OperatorStep add = sheet.OperatorKey(Operator::Add);
  EXPECT_EQ(add.focus, FocusRequest::Operand1) << "operand 1 is empty";
  EXPECT_FALSE(add.evaluate);
  sheet.GotFocus(0);
  Digits(sheet, "2");
  EvaluationOutcome outcome = sheet.Evaluate();
  ASSERT_EQ(outcome.kind, OutcomeKind::Answer);
  sheet.ApplyAnswer(outcome);
  EXPECT_EQ(sheet.Answer(), "10.00000");
  EXPECT_FALSE(sheet.Operand1Current());
  EXPECT_FALSE(sheet.Operand2Current());
  EXPECT_TRUE(sheet.AnswerShown());
  EXPECT_TRUE(sheet.ChooseDecimalPlaces(1)) << "an answer shown evaluates again";
}

TEST(Worksheet, SignKeyOnANumberBeyondTheDoubleRange) {
  Worksheet sheet = Started();
  sheet.GotFocus(1);
  sheet.PlusMinus();
  const std::string digits(400, '9');
  Digits(sheet, digits);
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(1), digits) << "the minus goes as text";
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(1), "-" + digits);
  // Within the range the text is rewritten as a number.
  Worksheet small = Started();
  small.GotFocus(0);
  small.PlusMinus();
  Digits(small, "0");
  small.Decimal();
  Digits(small, "250");
  small.PlusMinus();
  EXPECT_EQ(small.Operand(0), "0.25");
  small.PlusMinus();
  small.PlusMinus();
  EXPECT_EQ(small.Operand(0), "0.25") << "and back";
}

TEST(Worksheet, RecallReadsTheSlotsLeadingNumber) {
  Worksheet sheet = Started();
  sheet.GotFocus(1);
  struct Case {
    const char* slot;
    const char* recalled;
  };
  for (const Case& c : {Case{"12.50000", "12.5"}, Case{"", "0"}, Case{"pi", "0"},
                        Case{" 1 000,5", "1000"}, Case{"2e3x", "2000"}, Case{"&HFF", "255"},
                        Case{"1e20", "1E+20"}, Case{"-0.00001", "-1E-05"}}) {
    EXPECT_TRUE(sheet.RecallConstant(c.slot)) << c.slot;
    EXPECT_EQ(sheet.Operand(1), c.recalled) << c.slot;
  }
  EXPECT_FALSE(sheet.RecallConstant("1e999"));
  EXPECT_EQ(sheet.Operand(1), "-1E-05") << "beyond the range: the field keeps its text";
  EXPECT_FALSE(sheet.AnswerShown());
}

TEST(Worksheet, CopiedAnswerIsKeptAsANumber) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Digits(sheet, "3");
  OperatorStep step = sheet.OperatorKey(Operator::Reciprocal);
  ASSERT_TRUE(step.evaluate);
  sheet.ApplyAnswer(sheet.Evaluate());
  ASSERT_EQ(sheet.Answer(), "0.33333");
  sheet.CopyAnswer();
  EXPECT_EQ(sheet.CopiedAnswer(), 0.33333);
  sheet.GotFocus(0);
  sheet.PasteAnswer();
  EXPECT_EQ(sheet.Operand(0), "0.33333");
  EXPECT_EQ(sheet.Answer(), "");
}

TEST(Worksheet, SlotOverwriteQuestion) {
  EXPECT_FALSE(SlotNeedsOverwriteQuestion(""));
  EXPECT_FALSE(SlotNeedsOverwriteQuestion("0"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion("0.0"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion(" 0"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion("7"));
}

}  // namespace
}  // namespace numbrella
