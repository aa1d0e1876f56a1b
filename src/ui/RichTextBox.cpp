#include "ui/RichTextBox.h"

#include "ui/color_number.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFontDatabase>
#include <QMarginsF>
#include <QMimeData>
#include <QPageLayout>
#include <QPalette>
#include <QPrinter>
#include <QScrollBar>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

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
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      result += u'\n';
    } else if (c == kParagraph) {
      result += u'\n';
    } else if (c == QChar(0xFDD0) || c == QChar(0xFDD1)) {
      result += QChar::ReplacementCharacter;
    } else {
      result += c;
    }
  }
  return result;
}

// The document's characters as the program's text: paragraph separators as "\r\n".
QString ToProgramText(QStringView raw) {
  const qsizetype breaks = raw.count(kParagraph);
  QString result;
  result.reserve(raw.size() + breaks);
  qsizetype start = 0;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] == kParagraph) {
      result += raw.mid(start, i - start);
      result += u"\r\n";
      start = i + 1;
    }
  }
  result += raw.mid(start);
  return result;
}

// The expected document characters for a program text, the closing separator included.
QString ToDocumentCharacters(const QString& documentText) {
  QString raw = documentText;
  raw.replace(u'\n', kParagraph);
  raw += kParagraph;
  return raw;
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

QString RichTextBox::Text() const {
  return ToProgramText(QStringView(shadow_).first(shadow_.size() - 1));
}

void RichTextBox::SetText(const QString& text) {
  const QString documentText = ToDocumentText(text);
  if (ToDocumentCharacters(documentText) == shadow_) return;
  {
    Quiet quiet(this);
    document()->setPlainText(documentText);
    setTextCursor(QTextCursor(document()));
    setCurrentCharFormat(QTextCharFormat());
    selectionFormatted_ = false;
  }
  QString now = DocumentRange(0, document()->characterCount());
  const bool changed = now != shadow_;
  shadow_ = std::move(now);
  if (changed) emit Change();
}

void RichTextBox::AppendText(const QString& text) {
  const QString documentText = ToDocumentText(text);
  if (documentText.isEmpty()) return;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(documentText);  // the change notification comes from the document
  // Replacing the whole text leaves nothing to undo; neither does an appended entry.
  document()->clearUndoRedoStacks();
}

std::optional<QString> RichTextBox::InstalledFamily(const QString& face) {
  if (face.isEmpty()) return std::nullopt;
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    if (family.compare(face, Qt::CaseInsensitive) == 0) return family;
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

QString RichTextBox::SelectedText() const { return ToProgramText(textCursor().selectedText()); }

int RichTextBox::SelectionLength() const { return static_cast<int>(SelectedText().size()); }

void RichTextBox::ReplaceSelection(const QString& text) {
  const QString documentText = ToDocumentText(text);
  QTextCursor cursor = textCursor();
  if (documentText.isEmpty()) {
    if (!cursor.hasSelection()) return;
    cursor.removeSelectedText();
  } else {
    cursor.insertText(documentText);
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
  document.setPlainText(ToDocumentText(text));
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
  cursor.insertText(ToDocumentText(source->text()));
  setTextCursor(cursor);
  ensureCursorVisible();
}

}  // namespace numbrella::ui
