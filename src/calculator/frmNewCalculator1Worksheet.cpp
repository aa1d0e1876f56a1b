// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: operand entry with the repeating keys, the operators and the
// evaluation, the answer copy and the constant slots.
#include "calculator/frmNewCalculator1.h"

#include "common/number_text.h"
#include "common/window_texts.h"
#include "ui/accessibility.h"
#include "ui/text.h"

#include <QComboBox>
#include <QEvent>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <string>

namespace numbrella {

using ui::Q;
using ui::Utf8;

// ---------------------------------------------------------------------------------
// Operand entry

void frmNewCalculator1::txtOperand_GotFocus(int index) { sheet_.GotFocus(index); }

void frmNewCalculator1::Command1_MouseDown(int index) {
  const bool repeats = sheet_.PressKeypad(index);
  ShowWorksheet();
  if (repeats) tmrNumbers->start();
}

void frmNewCalculator1::Command1_MouseUp() { tmrNumbers->stop(); }

void frmNewCalculator1::tmrNumbers_Timer() {
  sheet_.NumbersTick();
  ShowWorksheet();
}

void frmNewCalculator1::cmdDecimal_Click() {
  const FocusRequest focus = sheet_.Decimal();
  ShowWorksheet();
  Focus(focus);
}

void frmNewCalculator1::cmdPlusMinus_Click() {
  sheet_.PlusMinus();
  ShowWorksheet();
}

void frmNewCalculator1::cmdBackspace_MouseDown() {
  sheet_.BackspacePress();
  ShowWorksheet();
  tmrBackspace->start();
}

void frmNewCalculator1::cmdBackspace_MouseUp() {
  tmrBackspace->stop();
  sheet_.BackspaceRelease();
}

void frmNewCalculator1::tmrBackspace_Timer() {
  sheet_.BackspaceTick();
  ShowWorksheet();
}

// A held key stops when its window loses the mouse, as when the key is let go.
void frmNewCalculator1::StopRepeating() {
  heldKeys_.LetGo();
  typedKeys_.LetGo();
}

void frmNewCalculator1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) StopRepeating();
  QMainWindow::changeEvent(event);
}

void frmNewCalculator1::hideEvent(QHideEvent* event) {
  StopRepeating();
  // A closed window prints nothing; one the user minimised still does.
  if (!event->spontaneous()) printRequest_.Cancel();
  QMainWindow::hideEvent(event);
}

void frmNewCalculator1::cmdClearAll_Click() {
  const FocusRequest focus = sheet_.ClearAll();
  ShowWorksheet();
  Focus(focus);
}

// ---------------------------------------------------------------------------------
// Operators and evaluation

void frmNewCalculator1::cmdOperator_Click(Operator op) {
  const OperatorStep step = sheet_.OperatorKey(op);
  ShowWorksheet();
  if (step.evaluate) {
    cmdEqualSign_Click();
    return;
  }
  Focus(step.focus);
}

void frmNewCalculator1::cmdEqualSign_Click() {
  const EvaluationOutcome outcome = sheet_.Evaluate();
  switch (outcome.kind) {
    case OutcomeKind::Nothing:
      return;
    case OutcomeKind::Answer:
      sheet_.ApplyAnswer(outcome);
      ShowWorksheet();
      if (!Archive()) ShowFailure(kArithmeticFailureText, kArithmeticFailureTitle);
      return;
    case OutcomeKind::DivideByZero:
    case OutcomeKind::NegativeRoot: {
      if (outcome.kind == OutcomeKind::DivideByZero) {
        ShowFailure(kDivideByZeroText, kProgramTitle);
      } else {
        ShowFailure(kNegativeRootText, kNegativeRootTitle);
      }
      const FocusRequest focus = sheet_.ApplyRefusal(outcome);
      ShowWorksheet();
      Focus(focus);
      return;
    }
    case OutcomeKind::ArithmeticFailure:
      ShowFailure(kArithmeticFailureText, kArithmeticFailureTitle);
      return;
  }
}

void frmNewCalculator1::Combo4_Click() {
  const std::optional<int> places = ItemNumber(Combo4);
  if (!places) return;
  if (sheet_.ChooseDecimalPlaces(*places)) cmdEqualSign_Click();
}

// ---------------------------------------------------------------------------------
// Answer transfer and constants

void frmNewCalculator1::cmdCopy_Click() {
  sheet_.CopyAnswer();
  services_.clipboard->Clear();
  services_.clipboard->SetText(Q(sheet_.Answer()));
}

void frmNewCalculator1::cmdPaste_Click() {
  sheet_.PasteAnswer();
  ShowWorksheet();
}

void frmNewCalculator1::cmdCopyA_Click(int index) {
  QLineEdit* slot = txtPaste[static_cast<std::size_t>(index)];
  if (SlotNeedsOverwriteQuestion(Utf8(slot->text())) &&
      Ask(kOverwriteConstantText, ui::MessageAnswer::No) != ui::MessageAnswer::Yes) {
    return;
  }
  slot->setText(Q(sheet_.Answer()));
}

void frmNewCalculator1::cmdPasteA_Click(int index) {
  if (!sheet_.RecallConstant(Utf8(txtPaste[static_cast<std::size_t>(index)]->text()))) {
    // A number beyond the range of a double: it cannot be written as a number.
    services_.beeper->Beep();
  }
  ShowWorksheet();
}

void frmNewCalculator1::Command7_Click() {
  bool anyFilled = false;
  for (QLineEdit* slot : txtPaste) anyFilled = anyFilled || !slot->text().isEmpty();
  if (!anyFilled) return;
  if (Ask(kClearConstantsText, ui::MessageAnswer::No) != ui::MessageAnswer::Yes) return;
  for (QLineEdit* slot : txtPaste) slot->clear();
}

void frmNewCalculator1::ShowWorksheet() {
  const auto mirror = [](auto* control, std::string_view text) {
    const QString shown = Q(text);
    if (control->text() == shown) return false;
    control->setText(shown);
    return true;
  };
  mirror(txtOperand[0], sheet_.Operand(0));
  mirror(txtOperand[1], sheet_.Operand(1));
  if (mirror(lblOperator, sheet_.Operator())) {
    const std::optional<Operator> op = OperatorFromSymbol(sheet_.Operator());
    lblOperator->setAccessibleName(op ? KeyButton(KeyOf(*op))->accessibleName() : tr("empty"));
  }
  if (!mirror(lblAnswer, sheet_.Answer())) return;
  // An empty display would be named after its caption: "Answer, Answer".
  const QString answer = lblAnswer->text();
  lblAnswer->setAccessibleName(answer.isEmpty() ? tr("empty") : QString());
  // A screen reader hears a new answer once: from the display itself while it has the
  // focus, as a change of its name, and otherwise from the announcer.
  if (!answer.isEmpty() && !lblAnswer->hasFocus()) {
    announcer->Announce(Label4->accessibleName() + u' ' + answer);
  }
}

void frmNewCalculator1::Focus(FocusRequest request) {
  if (request == FocusRequest::None) return;
  const int index = request == FocusRequest::Operand1 ? 0 : 1;
  QLineEdit* field = txtOperand[static_cast<std::size_t>(index)];
  if (isActiveWindow()) {
    if (field->hasFocus()) {
      txtOperand_GotFocus(index);
    } else {
      field->setFocus(Qt::OtherFocusReason);  // its focus event makes it current
    }
    return;
  }
  // An inactive window gets its focus events when it is next activated: the field
  // becomes current now, and the later event is no new focus change.
  field->setFocus(Qt::OtherFocusReason);
  txtOperand_GotFocus(index);
  operandKeptFocus_[static_cast<std::size_t>(index)] = true;
  operandKeptFocus_[static_cast<std::size_t>(1 - index)] = false;
}

}  // namespace numbrella
