// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers that come in whole: pasted into the current operand from the clipboard, or
// from the desktop's selection by a middle click, and taken back from the workboard.
#include "calculator/frmNewCalculator1.h"

#include "common/pasted_number.h"
#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/text.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTextCursor>
#include <QToolTip>

#include <string>

namespace numbrella {

using ui::Utf8;

namespace {

// How long a refusal's note stays by the field, unless the user goes on sooner.
constexpr int kNoteMilliseconds = 3000;

}  // namespace

void frmNewCalculator1::WireNumbersComingIn() {
  // Not a menu key that acts everywhere: the workboard and the constant slots keep
  // their own paste.
  mnuPasteNumber->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
  mnuPasteNumber->setShortcutContext(Qt::WindowShortcut);
  mnuPasteNumber->setShortcutVisibleInContextMenu(false);
  for (QLineEdit* field : txtOperand) field->installEventFilter(this);
  txtArchive1->viewport()->installEventFilter(this);
}

bool frmNewCalculator1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
    return QMainWindow::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (watched == txtArchive1->viewport()) {
    // A plain double-click selects a word, as in any editor.
    if (type != QEvent::MouseButtonDblClick || mouse->button() != Qt::LeftButton ||
        !mouse->modifiers().testFlag(Qt::ControlModifier)) {
      return false;
    }
    txtArchive1_CtrlDblClick(mouse->position().toPoint());
    return true;
  }
  for (int index = 0; index < 2; ++index) {
    if (watched == txtOperand[static_cast<std::size_t>(index)] &&
        type == QEvent::MouseButtonRelease && mouse->button() == Qt::MiddleButton) {
      txtOperand_MiddleClick(index);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmNewCalculator1::mnuPasteNumber_Click() {
  EnterNumber(ReadPastedNumber(Utf8(services_.clipboard->Text()), UserNumberSettings()), false);
}

void frmNewCalculator1::txtOperand_MiddleClick(int index) {
  Focus(index == 0 ? FocusRequest::Operand1 : FocusRequest::Operand2);
  EnterNumber(ReadPastedNumber(Utf8(services_.clipboard->SelectionText()), UserNumberSettings()),
              false);
}

void frmNewCalculator1::mnuUseInOperand_Click() {
  UseWorkboardNumber(txtArchive1->SelectedText(),
                     txtArchive1->LineAt(txtArchive1->textCursor().position()));
}

void frmNewCalculator1::txtArchive1_CtrlDblClick(const QPoint& at) {
  UseWorkboardNumber(QString(), txtArchive1->LineAt(txtArchive1->cursorForPosition(at).position()));
}

void frmNewCalculator1::UseWorkboardNumber(const QString& selection, const QString& line) {
  EnterNumber(ReadWorkboardNumber(Utf8(selection), Utf8(line), UserNumberSettings()), true);
}

void frmNewCalculator1::EnterNumber(const PastedNumber& number, bool focusField) {
  const int target = sheet_.Operand2Current() ? 1 : 0;
  QLineEdit* field = txtOperand[static_cast<std::size_t>(target)];
  if (number.refusal) {
    // The field keeps its text; the note says why, by the field and to screen readers.
    services_.beeper->Beep();
    const QString note = RefusalNote(*number.refusal);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), note, field, QRect(),
                       kNoteMilliseconds);
    announcer->Announce(note);
    return;
  }
  QToolTip::hideText();  // an earlier refusal's note would now be wrong
  const FocusRequest into = sheet_.EnterNumber(number.value);
  ShowWorksheet();
  if (focusField) Focus(into);
  field = txtOperand[into == FocusRequest::Operand1 ? 0u : 1u];
  announcer->Announce(field->accessibleName() + u' ' + field->text());
}

QString frmNewCalculator1::RefusalNote(PasteRefusal refusal) {
  switch (refusal) {
    case PasteRefusal::NoText:
      return tr("Nothing to paste");
    case PasteRefusal::NotANumber:
      return tr("Not one number");
    case PasteRefusal::OutOfRange:
      return tr("Beyond the calculator's range");
    case PasteRefusal::NoAnswer:
      return tr("No answer on this line");
  }
  return QString();
}

// The locale is the desktop's unless the program was given another.
NumberSettings frmNewCalculator1::UserNumberSettings() {
  const QLocale locale;
  return {Utf8(locale.decimalPoint()), Utf8(locale.groupSeparator())};
}

}  // namespace numbrella
