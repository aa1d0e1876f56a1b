// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: operand entry with the repeating keys, the operators and the
// evaluation, the answer copy and the constant slots.
#include "calculator/frmNewCalculator1.h"

#include "common/window_texts.h"
#include "common/number_text.h"
#include "ui/text.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <string>

namespace numbrella {

using ui::Q;
using ui::Utf8;

namespace {

bool LeavesTheWindow(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

// ---------------------------------------------------------------------------------
// Operand entry

bool frmNewCalculator1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
      type == QEvent::MouseButtonDblClick) {
    int index = -1;
    for (std::size_t i = 0; i < Command1.size(); ++i) {
      if (watched == Command1[i]) index = static_cast<int>(i);
    }
    if (index >= 0 || watched == cmdBackspace) {
      // A second press within the double-click time reaches the key as a double-click
      // event alone: it is a press like any other.
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      const bool press = type != QEvent::MouseButtonRelease;
      if (index >= 0) {
        if (press) {
          Command1_MouseDown(index, mouse->button(), mouse->modifiers(), at.x(), at.y());
        } else {
          Command1_MouseUp(index, mouse->button(), mouse->modifiers(), at.x(), at.y());
        }
      } else if (press) {
        cmdBackspace_MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
      } else {
        cmdBackspace_MouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y());
      }
      return false;
    }
  } else if ((type == QEvent::Hide || type == QEvent::EnabledChange) &&
             (watched == cmdBackspace ||
              std::find(Command1.begin(), Command1.end(), watched) != Command1.end())) {
    StopRepeating();  // the press was cancelled: no release will come
  } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    for (std::size_t i = 0; i < txtOperand.size(); ++i) {
      if (watched != txtOperand[i]) continue;
      if (type == QEvent::FocusOut) {
        operandKeptFocus_[i] = LeavesTheWindow(reason);
      } else {
        const bool back = LeavesTheWindow(reason) && operandKeptFocus_[i];
        operandKeptFocus_[i] = false;
        if (!back) txtOperand_GotFocus(static_cast<int>(i));
      }
    }
    if (watched == Combo2 && type == QEvent::FocusOut && !LeavesTheWindow(reason)) {
      Combo2_LostFocus();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmNewCalculator1::txtOperand_GotFocus(int index) { sheet_.GotFocus(index); }

void frmNewCalculator1::Command1_MouseDown(int index, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                           int) {
  const bool repeats = sheet_.PressKeypad(index);
  ShowWorksheet();
  if (repeats) tmrNumbers->start();
}

void frmNewCalculator1::Command1_MouseUp(int, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  tmrNumbers->stop();
}

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

void frmNewCalculator1::cmdBackspace_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  sheet_.BackspacePress();
  ShowWorksheet();
  tmrBackspace->start();
}

void frmNewCalculator1::cmdBackspace_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  tmrBackspace->stop();
  sheet_.BackspaceRelease();
}

void frmNewCalculator1::tmrBackspace_Timer() {
  sheet_.BackspaceTick();
  ShowWorksheet();
}

// A held key stops when its window loses the mouse, as when the key is let go.
void frmNewCalculator1::StopRepeating() {
  tmrNumbers->stop();
  if (tmrBackspace->isActive()) cmdBackspace_MouseUp(Qt::LeftButton, Qt::NoModifier, 0, 0);
}

void frmNewCalculator1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) StopRepeating();
  QMainWindow::changeEvent(event);
}

void frmNewCalculator1::hideEvent(QHideEvent* event) {
  StopRepeating();
  QMainWindow::hideEvent(event);
}

void frmNewCalculator1::cmdClearAll_Click() {
  const FocusRequest focus = sheet_.ClearAll();
  ShowWorksheet();
  Focus(focus);
}

// ---------------------------------------------------------------------------------
// Operators and evaluation

void frmNewCalculator1::cmdOperatorX_Click() { TwoOperandKey("X"); }
void frmNewCalculator1::cmdOperatorDivide_Click() { TwoOperandKey("/"); }
void frmNewCalculator1::cmdOperatorPlus_Click() { TwoOperandKey("+"); }
void frmNewCalculator1::cmdOperatorMinus_Click() { TwoOperandKey("-"); }
void frmNewCalculator1::cmdPowers_Click() { TwoOperandKey("X^Y"); }
void frmNewCalculator1::cmdOperatorSR_Click() { OneOperandKey("SR"); }
void frmNewCalculator1::cmdCubeRoot_Click() { OneOperandKey("CR"); }
void frmNewCalculator1::cmdInverse_Click() { OneOperandKey("1/X"); }

void frmNewCalculator1::TwoOperandKey(const char* op) {
  const FocusRequest focus = sheet_.TwoOperandKey(op);
  ShowWorksheet();
  Focus(focus);
}

void frmNewCalculator1::OneOperandKey(const char* op) {
  const OneOperandStep step = sheet_.OneOperandKey(op);
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
  const std::optional<double> places = ReadStrictNumber(Utf8(Combo4->currentText()));
  if (!places) return;
  if (sheet_.ChooseDecimalPlaces(static_cast<int>(*places))) cmdEqualSign_Click();
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
  const auto mirror = [](auto* control, const std::string& text) {
    const QString shown = Q(text);
    if (control->text() != shown) control->setText(shown);
  };
  mirror(txtOperand[0], sheet_.Operand(0));
  mirror(txtOperand[1], sheet_.Operand(1));
  mirror(lblOperator, sheet_.Operator());
  mirror(lblAnswer, sheet_.Answer());
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
