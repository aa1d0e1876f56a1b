// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/evaluate.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

std::string AnswerOf(std::string_view a, std::string_view b, std::string_view op, int places = 5) {
  EvaluationOutcome o = Evaluate(a, b, op, places);
  EXPECT_EQ(o.kind, OutcomeKind::Answer) << a << ' ' << op << ' ' << b;
  return o.answer;
}

TEST(Evaluate, NoOperatorDoesNothing) {
  EvaluationOutcome o = Evaluate("7", "5", "", 5);
  EXPECT_EQ(o.kind, OutcomeKind::Nothing);
  EXPECT_FALSE(o.emptyOperand1 || o.emptyOperand2 || o.focusOperand2);
  EXPECT_EQ(Evaluate("7", "5", "?", 5).kind, OutcomeKind::Nothing);
}

TEST(Evaluate, TwoOperandOperatorsKeepBothOperands) {
  EXPECT_EQ(AnswerOf("7", "5", "+"), "12.00000");
  EXPECT_EQ(AnswerOf("7", "5", "-"), "2.00000");
  EXPECT_EQ(AnswerOf("7", "5", "X"), "35.00000");
  EXPECT_EQ(AnswerOf("7", "4", "/"), "1.75000");
  EXPECT_EQ(AnswerOf("2", "0.5", "X^Y"), "1.41421");
  EXPECT_EQ(AnswerOf("7", "", "+"), "7.00000");          // an empty operand reads as 0
  EXPECT_EQ(AnswerOf("12abc", "1,5", "+"), "13.00000");  // leading numbers only
  EXPECT_EQ(AnswerOf("1000000", "1000000", "X", 2), "1000000000000.00");
  EXPECT_EQ(AnswerOf("0", "-0", "X^Y"), "1.00000");
  EXPECT_EQ(AnswerOf("-0.5", "0.25", "X"), "-0.12500");
  EXPECT_FALSE(Evaluate("7", "5", "+", 5).emptyOperand2);
}

TEST(Evaluate, OneOperandOperatorsEmptyOperandTwo) {
  EvaluationOutcome sr = Evaluate("16", "99", "SR", 5);
  EXPECT_EQ(sr.kind, OutcomeKind::Answer);
  EXPECT_EQ(sr.answer, "4.00000");
  EXPECT_TRUE(sr.emptyOperand2);
  EXPECT_FALSE(sr.emptyOperand1);
  EXPECT_EQ(AnswerOf("-8", "", "CR"), "-2.00000");
  EXPECT_EQ(AnswerOf("27", "", "CR"), "3.00000");
  EXPECT_EQ(AnswerOf("4", "", "1/X"), "0.25000");
  EXPECT_TRUE(Evaluate("4", "", "1/X", 5).emptyOperand2);
  EXPECT_TRUE(Evaluate("-8", "3", "CR", 5).emptyOperand2);
  // Operand 2 is not read for them, so an unreadable operand 2 does not matter.
  EXPECT_EQ(AnswerOf("9", "1e999", "SR"), "3.00000");
}

TEST(Evaluate, DivisionByZeroAndNegativeRoots) {
  for (const char* zero : {"", "0", ".", "-", "0.000", "abc"}) {
    EvaluationOutcome o = Evaluate("5", zero, "/", 5);
    EXPECT_EQ(o.kind, OutcomeKind::DivideByZero) << zero;
    EXPECT_TRUE(o.emptyOperand2);
    EXPECT_TRUE(o.focusOperand2);
    EXPECT_FALSE(o.emptyOperand1);
  }
  EvaluationOutcome inverse = Evaluate("0", "", "1/X", 5);
  EXPECT_EQ(inverse.kind, OutcomeKind::DivideByZero);
  EXPECT_TRUE(inverse.emptyOperand1);
  EXPECT_TRUE(inverse.emptyOperand2);
  EXPECT_FALSE(inverse.focusOperand2);
  EvaluationOutcome root = Evaluate("-4", "", "SR", 5);
  EXPECT_EQ(root.kind, OutcomeKind::NegativeRoot);
  EXPECT_FALSE(root.emptyOperand1 || root.emptyOperand2 || root.focusOperand2);
  EXPECT_EQ(AnswerOf("-0", "", "SR"), "0.00000");
}

TEST(Evaluate, ArithmeticFailures) {
  EXPECT_EQ(Evaluate("-8", "0.5", "X^Y", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("10", "400", "X^Y", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("0", "-1", "X^Y", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1e200", "1e200", "X", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1e308", "1e308", "+", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1e308", "1e-10", "/", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("4.9e-324", "", "1/X", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1e999", "1", "+", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1", "1e999", "+", 5).kind, OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("-" + std::string(320, '9'), "", "SR", 5).kind,
            OutcomeKind::ArithmeticFailure);
  EXPECT_EQ(Evaluate("1e999", "", "CR", 5).kind, OutcomeKind::ArithmeticFailure);
}

TEST(Evaluate, AnswerFollowsTheNumberOfPlaces) {
  EXPECT_EQ(AnswerOf("12", "", "+", 0), "12");
  EXPECT_EQ(AnswerOf("1", "10", "/", 40), "0.1" + std::string(39, '0'));
  EXPECT_EQ(AnswerOf("12.5", "", "+", 5), "12.50000");
  EXPECT_EQ(AnswerOf("1", "3", "/", 20), "0.33333333333333300000");
  EXPECT_EQ(AnswerOf("-0.000001", "", "+", 2), "0.00");
}

}  // namespace
}  // namespace numbrella
