// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/evaluate.h"

#include "common/number_text.h"

#include <cmath>

namespace numbrella {

namespace {

EvaluationOutcome Failure() {
  EvaluationOutcome o;
  o.kind = OutcomeKind::ArithmeticFailure;
  return o;
}

EvaluationOutcome DivideByZero(bool emptyOperand1, bool focusOperand2) {
  EvaluationOutcome o;
  o.kind = OutcomeKind::DivideByZero;
  o.emptyOperand1 = emptyOperand1;
  o.emptyOperand2 = true;
  o.focusOperand2 = focusOperand2;
  return o;
}

}  // namespace

EvaluationOutcome Evaluate(std::string_view operand1, std::string_view operand2,
                           std::optional<Operator> op, int places) {
  if (!op) return EvaluationOutcome{};
  const bool twoOperands = TakesTwoOperands(*op);
  std::optional<double> a = ReadLeadingNumber(operand1);
  if (!a) return Failure();
  double b = 0.0;
  if (twoOperands) {
    std::optional<double> read = ReadLeadingNumber(operand2);
    if (!read) return Failure();
    b = *read;
  }

  double result = 0.0;
  switch (*op) {
    case Operator::Multiply:
      result = *a * b;
      break;
    case Operator::Divide:
      if (b == 0.0) return DivideByZero(false, true);
      result = *a / b;
      break;
    case Operator::Add:
      result = *a + b;
      break;
    case Operator::Subtract:
      result = *a - b;
      break;
    case Operator::SquareRoot:
      if (*a < 0.0) {
        EvaluationOutcome o;
        o.kind = OutcomeKind::NegativeRoot;
        return o;
      }
      result = std::sqrt(*a);
      break;
    case Operator::CubeRoot:
      result = *a >= 0.0 ? std::pow(*a, 1.0 / 3.0) : -std::pow(-*a, 1.0 / 3.0);
      break;
    case Operator::Power:
      result = std::pow(*a, b);
      break;
    case Operator::Reciprocal:
      if (*a == 0.0) return DivideByZero(true, false);
      result = 1.0 / *a;
      break;
  }
  if (!std::isfinite(result)) return Failure();

  EvaluationOutcome outcome;
  outcome.kind = OutcomeKind::Answer;
  outcome.answer = FixedDecimalsText(result, places);
  outcome.emptyOperand2 = !twoOperands;
  return outcome;
}

EvaluationOutcome Evaluate(std::string_view operand1, std::string_view operand2,
                           std::string_view op, int places) {
  return Evaluate(operand1, operand2, OperatorFromSymbol(op), places);
}

}  // namespace numbrella
