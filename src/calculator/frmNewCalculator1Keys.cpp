// SPDX-License-Identifier: GPL-3.0-or-later
// Every way a worksheet key is pressed: the mouse on the on-screen key, the keyboard
// while the focus is on the worksheet, Space on the focused key and a screen reader's
// press. All of them come down to KeyDown and KeyUp, which run the key's handler.
#include "calculator/frmNewCalculator1.h"

#include "ui/RichTextBox.h"
#include "ui/key_input.h"
#include "ui/text.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace numbrella {

namespace {

static_assert(keycode::kEscape == Qt::Key_Escape && keycode::kBackspace == Qt::Key_Backspace &&
              keycode::kReturn == Qt::Key_Return && keycode::kEnter == Qt::Key_Enter &&
              keycode::kF9 == Qt::Key_F9 && keycode::kComma == Qt::Key_Comma &&
              keycode::kPeriod == Qt::Key_Period);

bool LeavesTheWindow(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

std::optional<int> Typed(const QKeyEvent& event) {
  const std::string text = ui::Utf8(event.text());
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const std::optional<WorksheetKey> key = KeyFromKeyboard(
      {event.key(), text, modifiers.testFlag(Qt::KeypadModifier),
       (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0});
  if (!key) return std::nullopt;
  return static_cast<int>(*key);
}

}  // namespace

void frmNewCalculator1::WireKeys() {
  for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
    keys_[static_cast<std::size_t>(KeypadKey(index))] = Command1[static_cast<std::size_t>(index)];
  }
  const std::pair<WorksheetKey, QPushButton*> others[] = {
      {WorksheetKey::Decimal, cmdDecimal},          {WorksheetKey::PlusMinus, cmdPlusMinus},
      {WorksheetKey::Backspace, cmdBackspace},      {WorksheetKey::ClearAll, cmdClearAll},
      {WorksheetKey::Equals, cmdEqualSign},         {WorksheetKey::Multiply, cmdOperatorX},
      {WorksheetKey::Divide, cmdOperatorDivide},    {WorksheetKey::Add, cmdOperatorPlus},
      {WorksheetKey::Subtract, cmdOperatorMinus},   {WorksheetKey::SquareRoot, cmdOperatorSR},
      {WorksheetKey::CubeRoot, cmdCubeRoot},        {WorksheetKey::Power, cmdPowers},
      {WorksheetKey::Reciprocal, cmdInverse},
  };
  for (const auto& [key, button] : others) keys_[static_cast<std::size_t>(key)] = button;

  inputFilters_ = new QObject(this);
  heldKeys_ = new ui::HeldButtons(inputFilters_, [this](int key, bool down) {
    down ? KeyDown(static_cast<WorksheetKey>(key)) : KeyUp(static_cast<WorksheetKey>(key));
  });
  for (int id = 0; id < kWorksheetKeyCount; ++id) {
    const auto key = static_cast<WorksheetKey>(id);
    QPushButton* button = keys_[static_cast<std::size_t>(id)];
    if (IsHeld(key)) {
      heldKeys_->Add(button, id);
    } else {
      connect(button, &QPushButton::clicked, this, [this, key] {
        KeyDown(key);
        KeyUp(key);
      });
    }
  }

  typedKeys_ = new ui::TypedKeys(inputFilters_, &Typed, [this](int key, bool down) {
    KeyTyped(static_cast<WorksheetKey>(key), down);
  });
  for (QWidget* control : std::initializer_list<QWidget*>{txtOperand[0], txtOperand[1], lblAnswer,
                                                          cmdCopy, cmdPaste, Command7}) {
    typedKeys_->Watch(control);
  }
  for (QPushButton* button : keys_) typedKeys_->Watch(button);
  for (std::size_t slot = 0; slot < cmdCopyA.size(); ++slot) {
    typedKeys_->Watch(cmdCopyA[slot]);
    typedKeys_->Watch(cmdPasteA[slot]);
  }

  for (int index = 0; index < 2; ++index) {
    new ui::FocusWatch(inputFilters_, txtOperand[static_cast<std::size_t>(index)],
                       [this, index](bool in, Qt::FocusReason reason) { OperandFocus(index, in, reason); });
  }
  new ui::FocusWatch(inputFilters_, Combo2, [this](bool in, Qt::FocusReason reason) {
    if (!in && !LeavesTheWindow(reason)) Combo2_LostFocus();
  });
}

void frmNewCalculator1::KeyDown(WorksheetKey key) {
  if (const std::optional<int> index = KeypadIndex(key)) {
    Command1_MouseDown(*index, Qt::LeftButton, Qt::NoModifier, 0, 0);
    return;
  }
  switch (key) {
    case WorksheetKey::Backspace: cmdBackspace_MouseDown(Qt::LeftButton, Qt::NoModifier, 0, 0); return;
    case WorksheetKey::Decimal: cmdDecimal_Click(); return;
    case WorksheetKey::PlusMinus: cmdPlusMinus_Click(); return;
    case WorksheetKey::ClearAll: cmdClearAll_Click(); return;
    case WorksheetKey::Equals: cmdEqualSign_Click(); return;
    case WorksheetKey::Multiply: cmdOperatorX_Click(); return;
    case WorksheetKey::Divide: cmdOperatorDivide_Click(); return;
    case WorksheetKey::Add: cmdOperatorPlus_Click(); return;
    case WorksheetKey::Subtract: cmdOperatorMinus_Click(); return;
    case WorksheetKey::SquareRoot: cmdOperatorSR_Click(); return;
    case WorksheetKey::CubeRoot: cmdCubeRoot_Click(); return;
    case WorksheetKey::Power: cmdPowers_Click(); return;
    case WorksheetKey::Reciprocal: cmdInverse_Click(); return;
    default: return;  // the keypad, above
  }
}

void frmNewCalculator1::KeyUp(WorksheetKey key) {
  if (const std::optional<int> index = KeypadIndex(key)) {
    Command1_MouseUp(*index, Qt::LeftButton, Qt::NoModifier, 0, 0);
  } else if (key == WorksheetKey::Backspace) {
    cmdBackspace_MouseUp(Qt::LeftButton, Qt::NoModifier, 0, 0);
  }
}

// A typed key shows its on-screen key pressed while it is held. The record takes the
// focus to show a new line, as after a click; typing goes on where it was, and an
// operand field that gets the focus back this way is no new current field.
void frmNewCalculator1::KeyTyped(WorksheetKey key, bool down) {
  keys_[static_cast<std::size_t>(key)]->setDown(down);
  if (!down) {
    KeyUp(key);
    return;
  }
  QWidget* typingIn = QApplication::focusWidget();
  KeyDown(key);
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
