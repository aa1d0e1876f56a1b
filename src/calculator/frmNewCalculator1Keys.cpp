// SPDX-License-Identifier: GPL-3.0-or-later
// Every way a worksheet key is pressed: the mouse on the on-screen key, the keyboard
// while the focus is on the worksheet, Space on the focused key and a screen reader's
// press. All of them come down to PressKey, which runs the key's handler.
#include "calculator/frmNewCalculator1.h"

#include "ui/RichTextBox.h"
#include "ui/key_input.h"
#include "ui/text.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <utility>
#include <vector>

namespace numbrella {

namespace {

static_assert(keycode::kEscape == Qt::Key_Escape && keycode::kBackspace == Qt::Key_Backspace &&
              keycode::kReturn == Qt::Key_Return && keycode::kEnter == Qt::Key_Enter &&
              keycode::kF9 == Qt::Key_F9 && keycode::kComma == Qt::Key_Comma &&
              keycode::kPeriod == Qt::Key_Period &&
              keycode::kDeadCircumflex == Qt::Key_Dead_Circumflex);

// The key as the worksheet knows it; `text` is the event's text in UTF-8. The locale,
// the desktop's unless the program was given another, says whether its users write
// decimals with a comma.
TypedKey Typed(const QKeyEvent& event, const std::string& text) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {event.key(), text, modifiers.testFlag(Qt::KeypadModifier),
          (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0,
          QLocale().decimalPoint() == QStringLiteral(",")};
}

bool LeavesTheWindow(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

std::optional<WorksheetKey> frmNewCalculator1::KeyOfTyped(const QKeyEvent& event) {
  const std::string text = ui::Utf8(event.text());
  return KeyFromKeyboard(Typed(event, text));
}

bool frmNewCalculator1::RefuseTyped(const QKeyEvent& event) {
  const std::string text = ui::Utf8(event.text());
  if (!RefusedByWorksheet(Typed(event, text))) return false;
  services_.beeper->Beep();
  return true;
}

QPushButton*& frmNewCalculator1::KeyButton(WorksheetKey key) {
  return keys_[static_cast<std::size_t>(key)];
}

void frmNewCalculator1::WireKeys() {
  std::vector<std::pair<WorksheetKey, QPushButton*>> keys = {
      {WorksheetKey::Decimal, cmdDecimal},        {WorksheetKey::PlusMinus, cmdPlusMinus},
      {WorksheetKey::Backspace, cmdBackspace},    {WorksheetKey::ClearAll, cmdClearAll},
      {WorksheetKey::Equals, cmdEqualSign},       {WorksheetKey::Multiply, cmdOperatorX},
      {WorksheetKey::Divide, cmdOperatorDivide},  {WorksheetKey::Add, cmdOperatorPlus},
      {WorksheetKey::Subtract, cmdOperatorMinus}, {WorksheetKey::SquareRoot, cmdOperatorSR},
      {WorksheetKey::CubeRoot, cmdCubeRoot},      {WorksheetKey::Power, cmdPowers},
      {WorksheetKey::Reciprocal, cmdInverse},
  };
  for (std::size_t index = 0; index < Command1.size(); ++index) {
    keys.emplace_back(KeypadKey(static_cast<int>(index)), Command1[index]);
  }
  for (const auto& [key, button] : keys) {
    KeyButton(key) = button;
    if (IsHeld(key)) {
      heldKeys_.Add(button, key);
    } else {
      connect(button, &QPushButton::clicked, this, [this, key] {
        PressKey(key, true);
        PressKey(key, false);
      });
    }
    typedKeys_.Watch(button);
  }
  for (QWidget* control : std::initializer_list<QWidget*>{txtOperand[0], txtOperand[1], lblAnswer,
                                                          cmdCopy, cmdPaste, Command7}) {
    typedKeys_.Watch(control);
  }
  for (std::size_t slot = 0; slot < cmdCopyA.size(); ++slot) {
    typedKeys_.Watch(cmdCopyA[slot]);
    typedKeys_.Watch(cmdPasteA[slot]);
  }

  for (int index = 0; index < 2; ++index) {
    focusWatch_.Watch(
        txtOperand[static_cast<std::size_t>(index)],
        [this, index](bool in, Qt::FocusReason reason) { OperandFocus(index, in, reason); });
  }
  focusWatch_.Watch(Combo2, [this](bool in, Qt::FocusReason reason) {
    if (!in && !LeavesTheWindow(reason)) Combo2_LostFocus();
  });
}

// Every worksheet key, however it was pressed, going down or up. The keypad and the
// backspace key act from their press to their release; the others act once, as they
// go down.
void frmNewCalculator1::PressKey(WorksheetKey key, bool down) {
  if (const std::optional<int> index = KeypadIndex(key)) {
    down ? Command1_MouseDown(*index) : Command1_MouseUp();
    return;
  }
  if (key == WorksheetKey::Backspace) {
    down ? cmdBackspace_MouseDown() : cmdBackspace_MouseUp();
    return;
  }
  if (!down) return;
  if (const std::optional<Operator> op = OperatorOf(key)) {
    cmdOperator_Click(*op);
    return;
  }
  switch (key) {
    case WorksheetKey::Decimal:
      cmdDecimal_Click();
      return;
    case WorksheetKey::PlusMinus:
      cmdPlusMinus_Click();
      return;
    case WorksheetKey::ClearAll:
      cmdClearAll_Click();
      return;
    case WorksheetKey::Equals:
      cmdEqualSign_Click();
      return;
    default:
      return;  // the keypad, the backspace key and the operators, above
  }
}

// A typed key shows its on-screen key pressed while it is held. The record takes the
// focus to show a new line, as after a click; typing goes on where it was, and an
// operand field that gets the focus back this way is no new current field.
void frmNewCalculator1::KeyTyped(WorksheetKey key, bool down) {
  KeyButton(key)->setDown(down);
  QWidget* typingIn = QApplication::focusWidget();
  PressKey(key, down);
  if (!down) return;
  if (typingIn == nullptr || QApplication::focusWidget() != txtArchive1) return;
  for (std::size_t i = 0; i < txtOperand.size(); ++i) {
    if (typingIn == txtOperand[i]) {
      operandKeptFocus_[i] = true;
      typingIn->setFocus(Qt::ActiveWindowFocusReason);
      return;
    }
  }
  typingIn->setFocus(Qt::OtherFocusReason);
}

void frmNewCalculator1::OperandFocus(int index, bool in, Qt::FocusReason reason) {
  bool& kept = operandKeptFocus_[static_cast<std::size_t>(index)];
  if (!in) {
    kept = LeavesTheWindow(reason);
    return;
  }
  const bool back = LeavesTheWindow(reason) && kept;
  kept = false;
  if (!back) txtOperand_GotFocus(index);
}

}  // namespace numbrella
