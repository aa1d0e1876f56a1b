// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBox.h"

#include "ui/RichTextBoxLines.h"
#include "ui/services.h"
#include "ui/text.h"

#include <QScrollBar>
#include <QStringView>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace numbrella::ui {

using rich_text::ContinuesLine;
using rich_text::kParagraph;
using rich_text::SetContinuesLine;
using rich_text::ShownText;
using rich_text::ToDocumentText;
using rich_text::ToProgramText;
using rich_text::ToProgramUtf8;
using rich_text::WithShownBreaks;

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  shadow_ = DocumentRange(0, document()->characterCount());
  connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::OnContentsChange);
}

QString RichTextBox::DocumentRange(int from, int to) const {
  const int closing = document()->characterCount() - 1;
  const int end = std::min(to, closing);
  QString part;
  if (from < end) {
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    part = cursor.selectedText();
  }
  if (to > closing) part += kParagraph;
  return part;
}

void RichTextBox::OnContentsChange(int position, int removed, int added) {
  ++revision_;
  if (quiet_ > 0) return;
  // The document reports a window that holds the change; for format changes it is
  // as wide in the old text as in the new one. The text before and after is compared
  // only inside that window.
  const int newLength = document()->characterCount();
  const int oldLength = static_cast<int>(shadow_.size());
  const int growth = newLength - oldLength;
  const int from = std::clamp(position, 0, oldLength);
  const int oldSpan = std::clamp(std::max(removed, added - growth), 0, oldLength - from);
  const int newSpan = oldSpan + growth;
  bool changed = false;
  QString now;
  if (newSpan >= 0 && from + newSpan <= newLength &&
      (now = DocumentRange(from, from + newSpan)).size() == newSpan) {
    changed = QStringView(shadow_).mid(from, oldSpan) != now;
    if (changed) shadow_.replace(from, oldSpan, now);
  } else {
    now = DocumentRange(0, newLength);
    changed = now != shadow_;
    shadow_ = std::move(now);
  }
  if (changed) emit Change();
}

QString RichTextBox::TextRange(int from, int to) const {
  QString result;
  for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    const int start = block.position();
    const QString text = block.text();
    const int first = std::max(from, start) - start;
    const int last = std::min(to - start, static_cast<int>(text.size()));
    if (last > first) result += QStringView(text).mid(first, last - first);
    const int separator = start + static_cast<int>(text.size());
    const QTextBlock next = block.next();
    if (separator >= from && separator < to && next.isValid() && !ContinuesLine(next))
      result += u"\r\n";
  }
  return result;
}

QString RichTextBox::Text() const {
  if (shownBreaks_) return TextRange(0, document()->characterCount() - 1);
  return ToProgramText(QStringView(shadow_).first(shadow_.size() - 1));
}

std::string RichTextBox::Utf8Text() const {
  if (shownBreaks_) return Utf8(Text());
  return ToProgramUtf8(QStringView(shadow_).first(shadow_.size() - 1));
}

bool RichTextBox::WriteUtf8(const std::function<bool(std::string_view)>& write) const {
  if (shownBreaks_) return write(Utf8Text());
  return rich_text::ToProgramUtf8InPieces(QStringView(shadow_).first(shadow_.size() - 1), write);
}

bool RichTextBox::SetText(QString text) {
  qsizetype longestLine = 0;
  text = ToDocumentText(std::move(text), &longestLine);
  if (shownBreaks_ || longestLine > kLongestShownLine) return SetTextWithShownBreaks(text);
  if (QStringView(shadow_).first(shadow_.size() - 1) == text) return false;
  {
    Quiet quiet(this);
    PlainCaret();
    // The box's own setPlainText leaves the caret at the start and lays out only what
    // is shown; moving a caret through the document would lay all of it out at once.
    setPlainText(text);
  }
  // The document now holds these characters: no need to read them back out of it.
  text += kParagraph;
  shadow_ = std::move(text);
  emit Change();
  return true;
}

// With the box's own breaks in the old text or the new one, the texts are compared as
// the program's.
bool RichTextBox::SetTextWithShownBreaks(const QString& documentText) {
  const QString before = Text();
  if (ToProgramText(documentText) == before) return false;
  const ShownText shown = WithShownBreaks(documentText);
  {
    Quiet quiet(this);
    PlainCaret();
    setPlainText(shown.text);
    shownBreaks_ = !shown.continuing.empty();
    if (shownBreaks_) {
      QTextCursor batch(document());
      batch.beginEditBlock();  // laid out again once, not once for each paragraph
      for (const int paragraph : shown.continuing) {
        SetContinuesLine(document()->findBlockByNumber(paragraph), true);
      }
      batch.endEditBlock();
      document()->clearUndoRedoStacks();
    }
  }
  shadow_ = document()->toRawText() + kParagraph;
  if (Text() == before) return false;
  emit Change();
  return true;
}

// setPlainText gives the new text the format at the caret, which may carry a face of
// its own: the caret is given a plain format first, and no selection, which the format
// would go to.
void RichTextBox::PlainCaret() {
  QTextCursor caret = textCursor();
  if (caret.hasSelection()) {
    caret.clearSelection();
    setTextCursor(caret);
  }
  setCurrentCharFormat(QTextCharFormat());
}

void RichTextBox::Insert(QTextCursor& cursor, const QString& documentText) {
  const ShownText shown = WithShownBreaks(documentText);
  cursor.beginEditBlock();  // one change, one step to undo
  cursor.removeSelectedText();
  const QTextBlock first = cursor.block();
  cursor.insertText(shown.text);
  // New paragraphs took the format of the one the text went into; only those after
  // the box's own breaks continue a line.
  auto continuing = shown.continuing.begin();
  int paragraph = 1;
  for (QTextBlock block = first.next(); block.isValid() && block.position() <= cursor.position();
       block = block.next(), ++paragraph) {
    const bool continues = continuing != shown.continuing.end() && *continuing == paragraph;
    if (continues) ++continuing;
    if (ContinuesLine(block) != continues) SetContinuesLine(block, continues);
  }
  cursor.endEditBlock();
  if (!shown.continuing.empty()) shownBreaks_ = true;
}

void RichTextBox::AppendText(const QString& text) {
  const QString documentText = ToDocumentText(text);
  if (documentText.isEmpty()) return;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  Insert(end, documentText);  // the change notification comes from the document
  // Replacing the whole text leaves nothing to undo; neither does an appended entry.
  document()->clearUndoRedoStacks();
}

void RichTextBox::MoveCaretToEnd() {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  ensureCursorVisible();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString RichTextBox::SelectedText() const {
  const QTextCursor cursor = textCursor();
  if (shownBreaks_) return TextRange(cursor.selectionStart(), cursor.selectionEnd());
  return ToProgramText(cursor.selectedText());
}

QString RichTextBox::LineAt(int position) const {
  QTextBlock first = document()->findBlock(position);
  while (first.isValid() && ContinuesLine(first)) first = first.previous();
  QTextBlock last = first;
  while (last.next().isValid() && ContinuesLine(last.next())) last = last.next();
  if (!first.isValid()) return QString();
  return TextRange(first.position(), last.position() + static_cast<int>(last.text().size()));
}

int RichTextBox::SelectionLength() const { return static_cast<int>(SelectedText().size()); }

void RichTextBox::ReplaceSelection(const QString& text) {
  const QString documentText = ToDocumentText(text);
  QTextCursor cursor = textCursor();
  if (documentText.isEmpty()) {
    if (!cursor.hasSelection()) return;
    cursor.removeSelectedText();
  } else {
    Insert(cursor, documentText);
  }
  setTextCursor(cursor);
}

bool PrintText(const QString& text, const QFont& font, Printer& target) {
  return target.Print(WithShownBreaks(ToDocumentText(text)).text, font);
}

}  // namespace numbrella::ui
