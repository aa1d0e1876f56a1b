// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet's evaluation: two operand texts, an operator and a number of decimal
// places in, one outcome out. No side effects.
#include "calculator/worksheet_keys.h"

#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

enum class OutcomeKind { Nothing, Answer, DivideByZero, NegativeRoot, ArithmeticFailure };

struct EvaluationOutcome {
  OutcomeKind kind = OutcomeKind::Nothing;
  std::string answer;          // the fixed-decimals text, for Answer
  bool emptyOperand1 = false;  // fields the outcome empties
  bool emptyOperand2 = false;
  bool focusOperand2 = false;  // "/" by zero gives operand 2 the focus
};

// No operator: the outcome is Nothing.
EvaluationOutcome Evaluate(std::string_view operand1, std::string_view operand2,
                           std::optional<Operator> op, int places);
// The operator as the display shows it ("X", "SR"...); any other text evaluates nothing.
EvaluationOutcome Evaluate(std::string_view operand1, std::string_view operand2,
                           std::string_view op, int places);

}  // namespace numbrella
