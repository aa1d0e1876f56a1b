// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/evaluate.h"

#include "common/number_text.h"

#include <array>
#include <cmath>
#include <optional>

namespace numbrella {

EvaluationOutcome Evaluate(std::string_view operand1, std::string_view operand2,
                           std::string_view op, int places) {
  EvaluationOutcome outcome;
  if (op.empty()) return outcome;

  static constexpr std::array<std::string_view, 8> kOperators = {"X",  "/",  "+",   "-",
                                                                 "SR", "CR", "X^Y", "1/X"};
  std::size_t which = 0;
  while (which < kOperators.size() && kOperators[which] != op) ++which;
  if (which == kOperators.size()) return outcome;  // only the operator keys write the operator
  const bool twoOperands = which <= 3 || which == 6;

  auto failure = [] {
    EvaluationOutcome o;
    o.kind = OutcomeKind::ArithmeticFailure;
    return o;
  };
  std::optional<double> a = ReadLeadingNumber(operand1);
  if (!a) return failure();
  double b = 0.0;
  if (twoOperands) {
    std::optional<double> read = ReadLeadingNumber(operand2);
    if (!read) return failure();
    b = *read;
  }

  double result = 0.0;
  switch (which) {
    case 0:
      result = *a * b;
      break;
    case 1:
      if (b == 0.0) {
        outcome.kind = OutcomeKind::DivideByZero;
        outcome.emptyOperand2 = true;
        outcome.focusOperand2 = true;
        return outcome;
      }
      result = *a / b;
      break;
    case 2:
      result = *a + b;
      break;
    case 3:
      result = *a - b;
      break;
    case 4:
      if (*a < 0.0) {
        outcome.kind = OutcomeKind::NegativeRoot;
        return outcome;
      }
      result = std::sqrt(*a);
      break;
    case 5:
      result = *a >= 0.0 ? std::pow(*a, 1.0 / 3.0) : -std::pow(-*a, 1.0 / 3.0);
      break;
    case 6:
      result = std::pow(*a, b);
      break;
    case 7:
      if (*a == 0.0) {
        outcome.kind = OutcomeKind::DivideByZero;
        outcome.emptyOperand1 = true;
        outcome.emptyOperand2 = true;
        return outcome;
      }
      result = 1.0 / *a;
      break;
  }
  if (!std::isfinite(result)) return failure();

  outcome.kind = OutcomeKind::Answer;
  outcome.answer = FixedDecimalsText(result, places);
  outcome.emptyOperand2 = !twoOperands;
  return outcome;
}

}  // namespace numbrella
