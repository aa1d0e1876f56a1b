// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two-operand worksheet of the calculator window, apart from any toolkit: the four
// display texts (operand 1, operator, operand 2, answer), the window-level flags and
// every key's effect on them. The window mirrors the texts into its controls, performs
// the focus changes these operations ask for and feeds the resulting focus events back
// through GotFocus.
#include "calculator/evaluate.h"
#include "calculator/worksheet_keys.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

// A focus change an operation asks the window to make. Giving an operand field the
// focus raises the window's focus handler, which calls GotFocus.
enum class FocusRequest { None, Operand1, Operand2 };

// What an operator key asks of the window after it has set the operator.
struct OperatorStep {
  bool evaluate = false;                    // run the equals operation now
  FocusRequest focus = FocusRequest::None;  // otherwise, the field to give the focus
};

class Worksheet {
 public:
  // The text the "Pi" key enters.
  static constexpr std::string_view kPiText = "3.14159265";
  static constexpr int kPiKey = *KeypadIndex(WorksheetKey::Pi);

  // The display texts, as the user sees them.
  const std::string& Operand(int index) const { return operands_[index == 0 ? 0 : 1]; }
  std::string_view Operator() const { return operator_ ? Symbol(*operator_) : std::string_view(); }
  const std::string& Answer() const { return answer_; }

  bool Operand1Current() const { return operand1Current_; }
  bool Operand2Current() const { return operand2Current_; }
  bool AnswerShown() const { return answerShown_; }
  int DecimalPlaces() const { return decimalPlaces_; }
  double CopiedAnswer() const { return copiedAnswer_; }

  // An operand field received the input focus: it becomes the current field.
  void GotFocus(int index);
  // Start-up: no field is current and no answer is shown.
  void ResetFlags();
  // The decimal-places box chose `places`; true when an answer is shown and so the
  // equals operation is to run again.
  bool ChooseDecimalPlaces(int places);

  // Keypad press, index 0..9 (digits) or kPiKey. Enters the digit once at once;
  // true when the key repeats (digits), so the window starts its repeat timer.
  bool PressKeypad(int index);
  // Keypad repeat tick: appends the held digit to the current field.
  void NumbersTick();
  // The "." key.
  FocusRequest Decimal();
  // The "+/-" key.
  void PlusMinus();
  // The backspace key: press empties the answer, each tick removes one character.
  void BackspacePress();
  void BackspaceTick();
  void BackspaceRelease();
  // The "Clear All" key.
  FocusRequest ClearAll();

  // An operator key: the five two-operand ones ("X", "/", "+", "-", "X^Y") choose the
  // operator and move the focus; the three one-operand ones ("SR", "CR", "1/X") may
  // evaluate at once.
  OperatorStep OperatorKey(numbrella::Operator op);

  // The equals operation on the current texts.
  EvaluationOutcome Evaluate() const;
  // A successful outcome: operand 2 perhaps emptied, no field current, answer shown.
  void ApplyAnswer(const EvaluationOutcome& outcome);
  // Divide by zero or negative root, after the user has closed the message.
  FocusRequest ApplyRefusal(const EvaluationOutcome& outcome);

  // The answer copy key keeps the answer's value; the text to put on the clipboard
  // is Answer() itself.
  void CopyAnswer();
  // The answer paste key writes the kept value into the current field.
  void PasteAnswer();
  // A constant slot's recall key. False when the slot holds a number beyond the range
  // of a double: the current field and the answer then stay as they were.
  bool RecallConstant(std::string_view slotText);
  // A number pasted or taken from the workboard goes in as if typed: after an answer
  // it starts a fresh calculation, as a digit does, and then replaces the current
  // field's text, operand 1's when none is current, as a recalled constant does. The
  // field it went into.
  FocusRequest EnterNumber(double value);

 private:
  void FreshCalculationIfDue();
  FocusRequest TwoOperandKey(numbrella::Operator op);
  OperatorStep OneOperandKey(numbrella::Operator op);

  std::array<std::string, 2> operands_;
  std::optional<numbrella::Operator> operator_;
  std::string answer_;
  bool operand1Current_ = false;
  bool operand2Current_ = false;
  bool answerShown_ = false;
  int decimalPlaces_ = 0;
  int repeatKey_ = 0;
  double copiedAnswer_ = 0.0;
};

// The store key of a constant slot asks before it overwrites the slot's text; an empty
// slot, or one holding exactly "0", is free.
bool SlotNeedsOverwriteQuestion(std::string_view slotText);

}  // namespace numbrella
