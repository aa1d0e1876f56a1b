// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text box's clipboard and keys: plain text in and out, and keys that act on
// the text's characters at the box's own breaks.
#include "ui/RichTextBoxLines.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace numbrella::ui {

using rich_text::ContinuesLine;
using rich_text::kContinuesLine;
using rich_text::ToDocumentText;

QMimeData* RichTextBox::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(SelectedText());
  return data;
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  QTextCursor cursor = textCursor();
  Insert(cursor, ToDocumentText(source->text()));
  setTextCursor(cursor);
  ensureCursorVisible();
}

bool RichTextBox::DeleteAcrossShownBreak(bool backwards) {
  const QTextCursor caret = textCursor();
  if (caret.hasSelection()) return false;
  QTextBlock block = caret.block();
  int at = caret.position();
  if (backwards) {
    while (at == block.position() && ContinuesLine(block)) {
      block = block.previous();
      at = block.position() + block.length() - 1;
    }
  } else {
    while (at == block.position() + block.length() - 1 && ContinuesLine(block.next())) {
      block = block.next();
      at = block.position();
    }
  }
  if (at == caret.position()) return false;
  QTextCursor target(document());
  target.setPosition(at);
  if (backwards) {
    target.deletePreviousChar();
  } else {
    target.deleteChar();
  }
  ensureCursorVisible();
  return true;
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
  // At the box's own breaks the keys act on the text: a line break typed there starts
  // a line of its own, and deleting reaches the character on the other side.
  if (shownBreaks_ && !isReadOnly() &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      QTextCursor cursor = textCursor();
      cursor.beginEditBlock();
      cursor.removeSelectedText();
      QTextBlockFormat format = cursor.blockFormat();
      format.clearProperty(kContinuesLine);
      cursor.insertBlock(format);
      cursor.endEditBlock();
      setTextCursor(cursor);
      ensureCursorVisible();
      return;
    }
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) &&
        DeleteAcrossShownBreak(key == Qt::Key_Backspace)) {
      return;
    }
  }
  QTextEdit::keyPressEvent(event);
}

}  // namespace numbrella::ui
