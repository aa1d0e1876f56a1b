// The worksheet without a window: key sequences as a user presses them, and the texts
// and flags they leave.
#include "calculator/worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

// A worksheet as the window has it after start-up: 5 places, no flags.
Worksheet Started() {
  Worksheet sheet;
  sheet.ResetFlags();
  sheet.ChooseDecimalPlaces(5);
  return sheet;
}

void Type(Worksheet& sheet, const std::string& keys) {
  for (char c : keys) {
    if (c == '.') {
      sheet.Decimal();
    } else {
      sheet.PressKeypad(c - '0');
    }
  }
}

// Evaluates as the equals key does for an answer outcome; returns the outcome.
EvaluationOutcome Equals(Worksheet& sheet) {
  EvaluationOutcome outcome = sheet.Evaluate();
  if (outcome.kind == OutcomeKind::Answer) sheet.ApplyAnswer(outcome);
  return outcome;
}

TEST(Worksheet, TypicalCalculationAndRepeatedEquals) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "7");
  EXPECT_EQ(sheet.TwoOperandKey("+"), FocusRequest::Operand2);
  sheet.GotFocus(1);
  Type(sheet, "5");
  EvaluationOutcome outcome = Equals(sheet);
  ASSERT_EQ(outcome.kind, OutcomeKind::Answer);
  EXPECT_EQ(sheet.Answer(), "12.00000");
  EXPECT_EQ(sheet.Operand(0), "7");
  EXPECT_EQ(sheet.Operand(1), "5");
  EXPECT_EQ(sheet.Operator(), "+");
  EXPECT_FALSE(sheet.Operand1Current());
  EXPECT_FALSE(sheet.Operand2Current());
  EXPECT_TRUE(sheet.AnswerShown());
  // The operator stays, so the same calculation evaluates again.
  EXPECT_EQ(Equals(sheet).answer, "12.00000");
}

TEST(Worksheet, KeypadEntersDigitsOnlyIntoTheCurrentField) {
  Worksheet sheet = Started();
  // No field current and no answer: nothing changes.
  EXPECT_TRUE(sheet.PressKeypad(3));
  sheet.PressKeypad(Worksheet::kPiKey);
  sheet.Decimal();
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(0), "");
  EXPECT_EQ(sheet.Operand(1), "");

  sheet.GotFocus(0);
  EXPECT_TRUE(sheet.PressKeypad(7));
  EXPECT_EQ(sheet.RepeatKey(), 7);
  sheet.NumbersTick();
  sheet.NumbersTick();
  EXPECT_EQ(sheet.Operand(0), "777");
  EXPECT_FALSE(sheet.PressKeypad(Worksheet::kPiKey)) << "Pi does not repeat";
  EXPECT_EQ(sheet.Operand(0), "3.14159265");
  sheet.GotFocus(1);
  Type(sheet, "42");
  EXPECT_EQ(sheet.Operand(0), "3.14159265");
  EXPECT_EQ(sheet.Operand(1), "42");
}

TEST(Worksheet, TypingIntoOperand2EmptiesTheAnswerButOperand1DoesNot) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "2");
  sheet.TwoOperandKey("X");
  sheet.GotFocus(1);
  Type(sheet, "3");
  Equals(sheet);
  ASSERT_EQ(sheet.Answer(), "6.00000");
  // The user clicks back into operand 2 and types: the answer empties, nothing else.
  sheet.GotFocus(1);
  Type(sheet, "1");
  EXPECT_EQ(sheet.Operand(1), "31");
  EXPECT_EQ(sheet.Answer(), "");
  EXPECT_EQ(sheet.Operand(0), "2");
  EXPECT_EQ(sheet.Operator(), "X");
}

TEST(Worksheet, FreshCalculationAfterAnAnswer) {
  for (int key : {4, Worksheet::kPiKey, -1 /* the "." key */}) {
    SCOPED_TRACE(key);
    Worksheet sheet = Started();
    sheet.GotFocus(0);
    Type(sheet, "9");
    sheet.TwoOperandKey("-");
    sheet.GotFocus(1);
    Type(sheet, "1");
    Equals(sheet);
    FocusRequest focus = FocusRequest::None;
    if (key < 0) {
      focus = sheet.Decimal();
    } else {
      sheet.PressKeypad(key);
    }
    const std::string expected = key == 4 ? "4" : key < 0 ? "." : "3.14159265";
    EXPECT_EQ(sheet.Operand(0), expected);
    EXPECT_EQ(sheet.Operand(1), "");
    EXPECT_EQ(sheet.Operator(), "");
    EXPECT_EQ(sheet.Answer(), "");
    EXPECT_FALSE(sheet.AnswerShown());
    EXPECT_TRUE(sheet.Operand1Current());
    EXPECT_EQ(focus, key < 0 ? FocusRequest::Operand1 : FocusRequest::None);
  }
}

TEST(Worksheet, CarryOverThenOperand2OrBackToOperand1) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "12.5");
  sheet.TwoOperandKey("X");
  sheet.GotFocus(1);
  Type(sheet, "1");
  Equals(sheet);
  ASSERT_EQ(sheet.Answer(), "12.50000");

  EXPECT_EQ(sheet.TwoOperandKey("+"), FocusRequest::Operand2);
  sheet.GotFocus(1);
  EXPECT_EQ(sheet.Operand(0), "12.50000") << "carried as shown, trailing zeros kept";
  EXPECT_EQ(sheet.Operand(1), "");
  EXPECT_EQ(sheet.Answer(), "");
  EXPECT_EQ(sheet.Operator(), "+");
  EXPECT_TRUE(sheet.AnswerShown());

  // Operand 2 is current: a digit goes there although an answer counts as shown.
  Type(sheet, "4");
  EXPECT_EQ(sheet.Operand(0), "12.50000");
  EXPECT_EQ(sheet.Operand(1), "4");
  EXPECT_EQ(sheet.Operator(), "+");

  // Clicking into operand 1 and typing starts afresh.
  sheet.GotFocus(0);
  Type(sheet, "8");
  EXPECT_EQ(sheet.Operand(0), "8");
  EXPECT_EQ(sheet.Operand(1), "");
  EXPECT_EQ(sheet.Operator(), "");
  EXPECT_FALSE(sheet.AnswerShown());
}

TEST(Worksheet, OperatorKeyFocusesOperand1WhileItIsEmpty) {
  Worksheet sheet = Started();
  EXPECT_EQ(sheet.TwoOperandKey("/"), FocusRequest::Operand1);
  sheet.GotFocus(0);
  Type(sheet, "1");
  EXPECT_EQ(sheet.TwoOperandKey("X^Y"), FocusRequest::Operand2);
  EXPECT_EQ(sheet.Operator(), "X^Y");
}

TEST(Worksheet, DecimalPoint) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "..");
  EXPECT_EQ(sheet.Operand(0), ".");
  Type(sheet, "5.");
  EXPECT_EQ(sheet.Operand(0), ".5");
  sheet.GotFocus(1);
  Type(sheet, "1.2.3");
  EXPECT_EQ(sheet.Operand(1), "1.23");
}

TEST(Worksheet, SignKey) {
  struct Case {
    std::string typed;
    std::string after;
  };
  for (const Case& c : {Case{"5", "-5"}, Case{"", "-"}}) {
    for (int field : {0, 1}) {
      Worksheet sheet = Started();
      sheet.GotFocus(field);
      Type(sheet, c.typed);
      sheet.PlusMinus();
      EXPECT_EQ(sheet.Operand(field), c.after) << field;
      sheet.PlusMinus();
      EXPECT_EQ(sheet.Operand(field), c.typed.empty() ? "0" : c.typed) << field;
    }
  }
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  sheet.PlusMinus();
  Type(sheet, "0.50");
  EXPECT_EQ(sheet.Operand(0), "-0.50");
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(0), "0.5");
}

TEST(Worksheet, SignKeyAndTheAnswer) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "4");
  sheet.OneOperandKey("SR");
  Equals(sheet);
  ASSERT_EQ(sheet.Answer(), "2.00000");
  // No field current: only the answer empties; the flag stays.
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Answer(), "");
  EXPECT_EQ(sheet.Operand(0), "4");
  EXPECT_TRUE(sheet.AnswerShown());
  // A minus in front of operand 1 ends the answer shown.
  sheet.GotFocus(0);
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(0), "-4");
  EXPECT_FALSE(sheet.AnswerShown());
}

TEST(Worksheet, SignKeyOnANumberBeyondTheDoubleRange) {
  Worksheet sheet = Started();
  sheet.GotFocus(1);
  sheet.PlusMinus();
  const std::string digits(400, '9');
  for (int i = 0; i < 400; ++i) sheet.PressKeypad(9);
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(1), digits);
  sheet.PlusMinus();
  EXPECT_EQ(sheet.Operand(1), "-" + digits);
}

TEST(Worksheet, Backspace) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "123");
  sheet.BackspacePress();
  sheet.BackspaceTick();
  sheet.BackspaceRelease();
  EXPECT_EQ(sheet.Operand(0), "1");
  sheet.BackspacePress();
  sheet.BackspaceTick();
  EXPECT_EQ(sheet.Operand(0), "") << "an empty field stays empty";

  // After an evaluation and a click on the key, nothing is current and nothing shown:
  // the keys change neither operand.
  Worksheet done = Started();
  done.GotFocus(0);
  Type(done, "6");
  done.TwoOperandKey("+");
  done.GotFocus(1);
  Type(done, "2");
  Equals(done);
  done.BackspacePress();
  done.BackspaceRelease();
  EXPECT_EQ(done.Answer(), "");
  EXPECT_EQ(done.Operand(1), "2");
  EXPECT_FALSE(done.AnswerShown());
  Type(done, "5.");
  done.PressKeypad(Worksheet::kPiKey);
  done.PlusMinus();
  EXPECT_EQ(done.Operand(0), "6");
  EXPECT_EQ(done.Operand(1), "2");
}

TEST(Worksheet, ClearAllKeepsFlagAndPlaces) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "27");
  sheet.OneOperandKey("CR");
  Equals(sheet);
  EXPECT_EQ(sheet.ClearAll(), FocusRequest::Operand1);
  EXPECT_EQ(sheet.Operand(0), "");
  EXPECT_EQ(sheet.Operator(), "");
  EXPECT_EQ(sheet.Answer(), "");
  EXPECT_TRUE(sheet.AnswerShown());
  EXPECT_EQ(sheet.DecimalPlaces(), 5);
}

TEST(Worksheet, OneOperandKeys) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "9");
  sheet.TwoOperandKey("+");
  sheet.GotFocus(1);
  Type(sheet, "1");
  OneOperandStep step = sheet.OneOperandKey("SR");
  EXPECT_TRUE(step.evaluate);
  EXPECT_EQ(sheet.Operand(1), "");
  EvaluationOutcome outcome = Equals(sheet);
  EXPECT_EQ(outcome.answer, "3.00000");

  // Operand 1 empty while 16 is shown: carried over, no evaluation.
  Worksheet shown = Started();
  shown.GotFocus(0);
  Type(shown, "4");
  shown.TwoOperandKey("X");
  shown.GotFocus(1);
  Type(shown, "4");
  Equals(shown);
  shown.GotFocus(0);
  shown.BackspacePress();  // leaves operand 1 empty, the answer emptied...
  ASSERT_EQ(shown.Operand(0), "");
  // ...so nothing to carry: the key asks for the focus in operand 1.
  step = shown.OneOperandKey("1/X");
  EXPECT_FALSE(step.evaluate);
  EXPECT_EQ(step.focus, FocusRequest::Operand1);
}

TEST(Worksheet, OneOperandKeyCarriesAShownAnswerWithoutEvaluating) {
  // An empty operand 1 while an answer is shown: "" + 16.
  Worksheet empty1 = Started();
  empty1.GotFocus(1);
  Type(empty1, "16");
  empty1.TwoOperandKey("+");  // operand 1 empty: focus to operand 1
  empty1.GotFocus(0);
  // evaluate "" + 16
  EvaluationOutcome outcome = Equals(empty1);
  ASSERT_EQ(outcome.answer, "16.00000");
  OneOperandStep step = empty1.OneOperandKey("SR");
  EXPECT_FALSE(step.evaluate);
  EXPECT_EQ(empty1.Operand(0), "16.00000");
  EXPECT_EQ(empty1.Answer(), "");
  EXPECT_EQ(empty1.Operand(1), "");
  EXPECT_EQ(step.focus, FocusRequest::None);
  EXPECT_EQ(Equals(empty1).answer, "4.00000");
}

TEST(Worksheet, RefusedEvaluations) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "5");
  sheet.TwoOperandKey("/");
  sheet.GotFocus(1);
  Type(sheet, ".");
  EvaluationOutcome outcome = sheet.Evaluate();
  ASSERT_EQ(outcome.kind, OutcomeKind::DivideByZero);
  EXPECT_EQ(sheet.ApplyRefusal(outcome), FocusRequest::Operand2);
  EXPECT_EQ(sheet.Operand(0), "5");
  EXPECT_EQ(sheet.Operand(1), "");

  Worksheet inverse = Started();
  inverse.GotFocus(0);
  Type(inverse, "0");
  ASSERT_TRUE(inverse.OneOperandKey("1/X").evaluate);
  outcome = inverse.Evaluate();
  ASSERT_EQ(outcome.kind, OutcomeKind::DivideByZero);
  EXPECT_EQ(inverse.ApplyRefusal(outcome), FocusRequest::None);
  EXPECT_EQ(inverse.Operand(0), "");
  EXPECT_EQ(inverse.Operand(1), "");
  EXPECT_TRUE(inverse.Operand1Current()) << "a refusal changes no flag";
}

TEST(Worksheet, NewNumberOfPlacesReevaluatesOnlyWithAnAnswer) {
  Worksheet sheet = Started();
  EXPECT_FALSE(sheet.ChooseDecimalPlaces(2));
  sheet.GotFocus(0);
  Type(sheet, "1");
  sheet.TwoOperandKey("/");
  sheet.GotFocus(1);
  Type(sheet, "8");
  Equals(sheet);
  EXPECT_EQ(sheet.Answer(), "0.13");
  EXPECT_TRUE(sheet.ChooseDecimalPlaces(0));
  EXPECT_EQ(Equals(sheet).answer, "0");
  EXPECT_TRUE(sheet.ChooseDecimalPlaces(40));
  EXPECT_EQ(Equals(sheet).answer, "0.1250000000000000000000000000000000000000");
}

TEST(Worksheet, AnswerCopyAndPaste) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  Type(sheet, "1234.5");
  sheet.TwoOperandKey("X");
  sheet.GotFocus(1);
  Type(sheet, "1");
  Equals(sheet);
  sheet.CopyAnswer();
  EXPECT_EQ(sheet.CopiedAnswer(), 1234.5);
  sheet.GotFocus(1);
  sheet.BackspacePress();
  sheet.BackspaceRelease();
  sheet.PasteAnswer();
  EXPECT_EQ(sheet.Operand(1), "1234.5");
  EXPECT_EQ(sheet.Answer(), "");
  EXPECT_FALSE(sheet.AnswerShown());

  Worksheet none = Started();
  none.CopyAnswer();  // empty answer: 0
  none.GotFocus(0);
  Type(none, "77");
  none.PasteAnswer();
  EXPECT_EQ(none.Operand(0), "0");
}

TEST(Worksheet, ConstantRecall) {
  Worksheet sheet = Started();
  sheet.GotFocus(0);
  EXPECT_TRUE(sheet.RecallConstant("12.50000"));
  EXPECT_EQ(sheet.Operand(0), "12.5");
  sheet.GotFocus(1);
  EXPECT_TRUE(sheet.RecallConstant(""));
  EXPECT_EQ(sheet.Operand(1), "0");
  EXPECT_TRUE(sheet.RecallConstant("pi"));
  EXPECT_EQ(sheet.Operand(1), "0");
  EXPECT_TRUE(sheet.RecallConstant(" 1 000,5"));
  EXPECT_EQ(sheet.Operand(1), "1000");

  // Beyond the double range: refused, the field keeps its text.
  EXPECT_FALSE(sheet.RecallConstant("1e999"));
  EXPECT_EQ(sheet.Operand(1), "1000");

  // No current field: nothing but the flag.
  Worksheet shown = Started();
  shown.GotFocus(0);
  Type(shown, "2");
  shown.OneOperandKey("SR");
  Equals(shown);
  EXPECT_TRUE(shown.RecallConstant("3"));
  EXPECT_EQ(shown.Operand(0), "2");
  EXPECT_EQ(shown.Answer(), "1.41421");
  EXPECT_FALSE(shown.AnswerShown());
}

TEST(Worksheet, SlotOverwriteQuestion) {
  EXPECT_FALSE(SlotNeedsOverwriteQuestion(""));
  EXPECT_FALSE(SlotNeedsOverwriteQuestion("0"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion("0.0"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion("7"));
  EXPECT_TRUE(SlotNeedsOverwriteQuestion(" 0"));
}

}  // namespace
}  // namespace numbrella
