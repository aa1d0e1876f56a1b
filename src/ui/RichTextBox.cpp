// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBox.h"

#include "ui/color_number.h"
#include "ui/text.h"
#include "workboard/face_list.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QMarginsF>
#include <QMimeData>
#include <QPageLayout>
#include <QPalette>
#include <QPrinter>
#include <QScrollBar>
#include <QStringView>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

namespace numbrella::ui {

namespace {

constexpr QChar kParagraph = QChar::ParagraphSeparator;
// Larger sizes are no font a printer or a screen can show.
constexpr double kLargestPoints = 1638.0;

// The text as the document is to hold it: every line break ("\r\n", "\r", "\n",
// U+2029) becomes "\n", which the document turns into a paragraph. The document's
// frame markers U+FDD0 and U+FDD1 would split paragraphs unseen and become the
// replacement character.
QString ToDocumentText(const QString& text) {
  // Written through a pointer: a text of megabytes is converted in one pass.
  QString result(text.size(), Qt::Uninitialized);
  QChar* out = result.data();
  const QChar* in = text.constData();
  const QChar* end = in + text.size();
  for (; in != end; ++in) {
    const QChar c = *in;
    if (c == u'\r') {
      if (in + 1 != end && in[1] == u'\n') ++in;
      *out++ = u'\n';
    } else if (c == kParagraph) {
      *out++ = u'\n';
    } else if (c == QChar(0xFDD0) || c == QChar(0xFDD1)) {
      *out++ = QChar::ReplacementCharacter;
    } else {
      *out++ = c;
    }
  }
  result.truncate(out - result.constData());
  return result;
}

// The document's characters as the program's text: paragraph separators as "\r\n".
QString ToProgramText(QStringView raw) {
  QString result(raw.size() + raw.count(kParagraph), Qt::Uninitialized);
  QChar* out = result.data();
  for (const QChar c : raw) {
    if (c == kParagraph) {
      *out++ = u'\r';
      *out++ = u'\n';
    } else {
      *out++ = c;
    }
  }
  return result;
}

// The expected document characters for a program text, the closing separator included.
QString ToDocumentCharacters(const QString& documentText) {
  QString raw = documentText;
  raw.replace(u'\n', kParagraph);
  raw += kParagraph;
  return raw;
}

// A paragraph that continues the line before it, after a break of the box's own.
constexpr int kContinuesLine = QTextFormat::UserProperty + 1;

bool ContinuesLine(const QTextBlock& block) {
  return block.isValid() && block.blockFormat().boolProperty(kContinuesLine);
}

void SetContinuesLine(const QTextBlock& block, bool continues) {
  QTextBlockFormat format = block.blockFormat();
  if (continues) {
    format.setProperty(kContinuesLine, true);
  } else {
    format.clearProperty(kContinuesLine);
  }
  QTextCursor(block).setBlockFormat(format);
}

// A document text with breaks put into its long lines, and the numbers of the
// paragraphs after those breaks, counted from the text's first paragraph (0).
struct ShownText {
  QString text;
  std::vector<int> continuing;
};

ShownText WithShownBreaks(const QString& documentText) {
  constexpr qsizetype kLongest = RichTextBox::kLongestShownLine;
  // A break stands after a blank when one is this near, so that words stay whole.
  constexpr qsizetype kLookBack = 256;
  ShownText shown;
  const QChar* text = documentText.constData();
  const qsizetype size = documentText.size();
  qsizetype copied = 0;
  qsizetype lineStart = 0;
  int paragraph = 0;
  for (qsizetype i = 0; i < size; ++i) {
    if (text[i] == u'\n') {
      ++paragraph;
      lineStart = i + 1;
      continue;
    }
    if (i - lineStart < kLongest) continue;
    qsizetype cut = i;
    for (qsizetype j = i; j > i - kLookBack; --j) {
      if (text[j - 1] == u' ') {
        cut = j;
        break;
      }
    }
    if (text[cut - 1].isHighSurrogate()) --cut;
    if (shown.continuing.empty()) shown.text.reserve(size + size / (kLongest - kLookBack) + 1);
    shown.text.append(QStringView(text + copied, cut - copied));
    shown.text += u'\n';
    copied = cut;
    lineStart = cut;
    shown.continuing.push_back(++paragraph);
  }
  if (shown.continuing.empty()) {
    shown.text = documentText;
  } else {
    shown.text.append(QStringView(text + copied, size - copied));
  }
  return shown;
}

}  // namespace

// Holds the box quiet while it changes formats or replaces its whole text itself.
class RichTextBox::Quiet {
 public:
  explicit Quiet(RichTextBox* box) : box_(box) { ++box_->quiet_; }
  ~Quiet() { --box_->quiet_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  RichTextBox* box_;
};

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
    if (separator >= from && separator < to && next.isValid() && !ContinuesLine(next)) result += u"\r\n";
  }
  return result;
}

QString RichTextBox::Text() const {
  if (shownBreaks_) return TextRange(0, document()->characterCount() - 1);
  return ToProgramText(QStringView(shadow_).first(shadow_.size() - 1));
}

std::string RichTextBox::Utf8Text() const {
  if (shownBreaks_) return Utf8(Text());
  // The characters converted once, then each paragraph separator's UTF-8 made "\r\n"
  // in place: a text of megabytes is saved without a copy in between.
  std::string bytes = Utf8(QStringView(shadow_).first(shadow_.size() - 1));
  constexpr std::string_view kSeparator = "\xE2\x80\xA9";
  std::size_t found = bytes.find(kSeparator);
  if (found == std::string::npos) return bytes;
  std::size_t out = found;
  while (found != std::string::npos) {
    bytes[out++] = '\r';
    bytes[out++] = '\n';
    const std::size_t from = found + kSeparator.size();
    found = bytes.find(kSeparator, from);
    const std::size_t to = found == std::string::npos ? bytes.size() : found;
    std::memmove(bytes.data() + out, bytes.data() + from, to - from);
    out += to - from;
  }
  bytes.resize(out);
  return bytes;
}

void RichTextBox::SetText(const QString& text) {
  const ShownText shown = WithShownBreaks(ToDocumentText(text));
  // With the box's own breaks on either side, the texts are compared as the program's.
  std::optional<QString> before;
  if (shownBreaks_ || !shown.continuing.empty()) {
    before = Text();
    QString wanted = ToDocumentText(text);
    if (wanted.replace(QChar(u'\n'), QStringLiteral("\r\n")) == *before) return;
  } else if (ToDocumentCharacters(shown.text) == shadow_) {
    return;
  }
  {
    Quiet quiet(this);
    // The box's own setPlainText leaves the caret at the start and lays out only what
    // is shown; moving a caret through the document would lay all of it out at once.
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
    if (selectionFormatted_) {
      // The new text took the format at the caret, which may carry a face of its own.
      QTextCursor all(document());
      all.select(QTextCursor::Document);
      all.setCharFormat(QTextCharFormat());
      document()->clearUndoRedoStacks();
      selectionFormatted_ = false;
    }
    setCurrentCharFormat(QTextCharFormat());
  }
  QString now = document()->toRawText() + kParagraph;
  bool changed = now != shadow_;
  shadow_ = std::move(now);
  if (before) changed = Text() != *before;
  if (changed) emit Change();
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

std::optional<QString> RichTextBox::InstalledFamily(const QString& face) {
  if (face.isEmpty()) return std::nullopt;
  // The face list shows families by their plain names, which the font system takes
  // for a family of any foundry.
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    const QString plain = Q(PlainFamilyName(Utf8(family)));
    if (plain.compare(face, Qt::CaseInsensitive) == 0) return plain;
  }
  return std::nullopt;
}

bool RichTextBox::SetFontName(const QString& face) {
  const std::optional<QString> family = InstalledFamily(face);
  if (!family) return false;
  Quiet quiet(this);
  QFont whole = font();
  whole.setFamilies({*family});
  setFont(whole);
  if (selectionFormatted_) {
    // Faces given to parts of the text give way to the face of the whole text.
    QTextCursor all(document());
    all.beginEditBlock();  // one step to undo
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    setCurrentCharFormat(QTextCharFormat());
    all.endEditBlock();
    selectionFormatted_ = false;
  }
  return true;
}

bool RichTextBox::SetFontSize(double points) {
  if (!std::isfinite(points) || points <= 0.0 || points > kLargestPoints) return false;
  Quiet quiet(this);
  QFont whole = font();
  whole.setPointSizeF(points);
  setFont(whole);
  return true;
}

void RichTextBox::SetFontBold(bool on) {
  Quiet quiet(this);
  QFont whole = font();
  whole.setBold(on);
  setFont(whole);
}

void RichTextBox::SetFontItalic(bool on) {
  Quiet quiet(this);
  QFont whole = font();
  whole.setItalic(on);
  setFont(whole);
}

QFont RichTextBox::TextFont() const { return font(); }

bool RichTextBox::SetSelectionFontName(const QString& face) {
  const std::optional<QString> family = InstalledFamily(face);
  if (!family) return false;
  Quiet quiet(this);
  QTextCharFormat format;
  format.setFontFamilies(QStringList{*family});
  mergeCurrentCharFormat(format);
  selectionFormatted_ = true;
  return true;
}

void RichTextBox::SetBackColor(quint32 bgr) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorFromNumber(bgr));
  setPalette(colours);
}

quint32 RichTextBox::BackColor() const { return NumberFromColor(palette().color(QPalette::Base)); }

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

bool PrintText(const QString& text, const QFont& font, QPrinter* target) {
  if (target == nullptr || !target->isValid()) return false;
  // A printer that reports no margins would print to the paper's edge.
  if (target->pageLayout().margins(QPageLayout::Millimeter).isNull()) {
    target->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  }
  QTextDocument document;
  document.setDefaultFont(font);
  document.setPlainText(WithShownBreaks(ToDocumentText(text)).text);
  // Laid out for the printer's page, the document prints as it is; left to lay out
  // its pages itself, it would add page numbers under the footer.
  document.documentLayout()->setPaintDevice(target);
  document.setPageSize(target->pageRect(QPrinter::DevicePixel).size());
  document.print(target);
  return target->printerState() != QPrinter::Error && target->printerState() != QPrinter::Aborted;
}

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
  if (shownBreaks_ && !isReadOnly() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
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
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && DeleteAcrossShownBreak(key == Qt::Key_Backspace)) {
      return;
    }
  }
  QTextEdit::keyPressEvent(event);
}

}  // namespace numbrella::ui
