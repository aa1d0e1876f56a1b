// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/worksheet.h"

#include "common/number_text.h"

#include <optional>

namespace numbrella {

namespace {

// The negated number of a text that begins with "-", as a general number text. A
// number beyond the double range loses its minus sign as text, so the key still
// changes the sign and the evaluation reports the number as it does any other.
std::string NegatedText(const std::string& text) {
  std::optional<double> value = ReadLeadingNumber(text);
  if (!value) return text.substr(1);
  return GeneralNumberText(-*value + 0.0);  // + 0.0: a lone "-" gives 0, not -0
}

}  // namespace

void Worksheet::GotFocus(int index) {
  operand1Current_ = index == 0;
  operand2Current_ = index != 0;
}

void Worksheet::ResetFlags() {
  operand1Current_ = false;
  operand2Current_ = false;
  answerShown_ = false;
}

bool Worksheet::ChooseDecimalPlaces(int places) {
  decimalPlaces_ = places;
  return !answer_.empty();
}

void Worksheet::FreshCalculationIfDue() {
  if (!answerShown_ || operand2Current_) return;
  answerShown_ = false;
  operator_.reset();
  answer_.clear();
  operands_[0].clear();
  operands_[1].clear();
  operand1Current_ = true;
}

bool Worksheet::PressKeypad(int index) {
  FreshCalculationIfDue();
  if (index >= 0 && index <= 9) {
    repeatKey_ = index;
    NumbersTick();
    return true;
  }
  if (index == kPiKey) {
    if (operand1Current_) {
      operands_[0] = kPiText;
      answer_.clear();
    }
    if (operand2Current_) {
      operands_[1] = kPiText;
      answer_.clear();
    }
  }
  return false;
}

void Worksheet::NumbersTick() {
  const char digit = static_cast<char>('0' + repeatKey_);
  if (operand1Current_) operands_[0] += digit;
  if (operand2Current_) {
    answer_.clear();
    operands_[1] += digit;
  }
}

FocusRequest Worksheet::Decimal() {
  FocusRequest focus = FocusRequest::None;
  if (answerShown_ && !operand2Current_) {
    FreshCalculationIfDue();
    focus = FocusRequest::Operand1;
  }
  if (operand1Current_ && operands_[0].find('.') != std::string::npos) return focus;
  if (operand1Current_) operands_[0] += '.';
  if (operand2Current_ && operands_[1].find('.') == std::string::npos) operands_[1] += '.';
  return focus;
}

void Worksheet::PlusMinus() {
  answer_.clear();
  if (operand1Current_ && (operands_[0].empty() || operands_[0].front() != '-')) {
    operands_[0].insert(0, 1, '-');
    answerShown_ = false;
    return;
  }
  if (operand1Current_) operands_[0] = NegatedText(operands_[0]);
  if (operand2Current_) {
    std::string& text = operands_[1];
    if (text.empty() || text.front() != '-') {
      text.insert(0, 1, '-');
    } else {
      text = NegatedText(text);
    }
  }
}

void Worksheet::BackspacePress() {
  answer_.clear();
  BackspaceTick();
}

void Worksheet::BackspaceTick() {
  if (operand1Current_ && !operands_[0].empty()) operands_[0].pop_back();
  if (operand2Current_ && !operands_[1].empty()) operands_[1].pop_back();
}

void Worksheet::BackspaceRelease() { answerShown_ = false; }

FocusRequest Worksheet::ClearAll() {
  operator_.reset();
  answer_.clear();
  operands_[0].clear();
  operands_[1].clear();
  return FocusRequest::Operand1;
}

OperatorStep Worksheet::OperatorKey(numbrella::Operator op) {
  if (TakesTwoOperands(op)) return {.focus = TwoOperandKey(op)};
  return OneOperandKey(op);
}

FocusRequest Worksheet::TwoOperandKey(numbrella::Operator op) {
  operator_ = op;
  const FocusRequest focus = operands_[0].empty() ? FocusRequest::Operand1 : FocusRequest::Operand2;
  if (answerShown_ && !answer_.empty()) {
    operands_[0] = answer_;
    operands_[1].clear();
    answer_.clear();
  }
  return focus;
}

OperatorStep Worksheet::OneOperandKey(numbrella::Operator op) {
  operator_ = op;
  operands_[1].clear();
  OperatorStep step;
  if (!operands_[0].empty()) {
    step.evaluate = true;
    return step;
  }
  if (!answer_.empty() && answerShown_) {
    operands_[0] = answer_;
    answer_.clear();
  }
  if (operands_[0].empty()) step.focus = FocusRequest::Operand1;
  return step;
}

EvaluationOutcome Worksheet::Evaluate() const {
  return numbrella::Evaluate(operands_[0], operands_[1], operator_, decimalPlaces_);
}

void Worksheet::ApplyAnswer(const EvaluationOutcome& outcome) {
  if (outcome.emptyOperand2) operands_[1].clear();
  operand1Current_ = false;
  operand2Current_ = false;
  answerShown_ = true;
  answer_ = outcome.answer;
}

FocusRequest Worksheet::ApplyRefusal(const EvaluationOutcome& outcome) {
  if (outcome.emptyOperand1) operands_[0].clear();
  if (outcome.emptyOperand2) operands_[1].clear();
  return outcome.focusOperand2 ? FocusRequest::Operand2 : FocusRequest::None;
}

void Worksheet::CopyAnswer() { copiedAnswer_ = ReadLeadingNumber(answer_).value_or(0.0); }

void Worksheet::PasteAnswer() {
  answer_.clear();
  answerShown_ = false;
  if (operand1Current_) operands_[0] = GeneralNumberText(copiedAnswer_);
  if (operand2Current_) operands_[1] = GeneralNumberText(copiedAnswer_);
}

bool Worksheet::RecallConstant(std::string_view slotText) {
  answerShown_ = false;
  if (!operand1Current_ && !operand2Current_) return true;
  std::optional<double> value = ReadLeadingNumber(slotText);
  if (!value) return false;
  operands_[operand1Current_ ? 0 : 1] = GeneralNumberText(*value);
  answer_.clear();
  return true;
}

FocusRequest Worksheet::EnterNumber(double value) {
  FreshCalculationIfDue();
  if (!operand2Current_) operand1Current_ = true;
  answerShown_ = false;
  answer_.clear();
  operands_[operand1Current_ ? 0 : 1] = GeneralNumberText(value);
  return operand1Current_ ? FocusRequest::Operand1 : FocusRequest::Operand2;
}

bool SlotNeedsOverwriteQuestion(std::string_view slotText) {
  return !slotText.empty() && slotText != "0";
}

}  // namespace numbrella
