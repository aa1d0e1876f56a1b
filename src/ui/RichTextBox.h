// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rich-text box: a QTextEdit that speaks in whole texts with "\r\n" line breaks,
// formats its whole text with one font, and raises Change() exactly once for every
// real change of its text.
//
// Line breaks: "\r\n", a lone "\r", a lone "\n" and U+2029 all become one line break
// inside; Text() and SelectedText() give every line break back as "\r\n", so a line
// break counts two characters in SelectionLength(). U+2028 is kept as it is.
//
// Pasted and dropped text is inserted as plain text; copied text is plain text with
// "\r\n" line breaks. A file dropped from a file manager is not inserted: FileDropped()
// names it, and the file stays where it was, whatever the file manager proposed.
//
// SetText() puts the caret at the start; formatting given to a selection does not
// survive it. AppendText() leaves the caret where it was, unless it stood at the end.
//
// Long lines: the text edit lays out a whole paragraph again on every change in it, so a
// line of megabytes would take seconds for each key. A line longer than
// kLongestShownLine is shown as several paragraphs; the breaks between them are the
// box's own, never part of the text, and keys at them act on the text's characters.
#include <QFont>
#include <QString>
#include <QTextEdit>
#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMimeData;

namespace numbrella::ui {

class Printer;

class RichTextBox : public QTextEdit {
  Q_OBJECT
 public:
  static constexpr int kLongestShownLine = 8192;

  explicit RichTextBox(QWidget* parent = nullptr);
  QString Text() const;          // whole text, line breaks as "\r\n"
  std::string Utf8Text() const;  // the same in UTF-8, made without the QString between
  // Hands Utf8Text() to `write` in pieces, in order, each converted as its turn comes:
  // a text of megabytes is never copied whole. False as soon as `write` returns false.
  bool WriteUtf8(const std::function<bool(std::string_view)>& write) const;
  bool SetText(QString text);  // replaces all; exactly one Change() if different, none if equal;
                               // true if different
  void AppendText(const QString& text);   // what SetText(Text() + text) gives, without rebuilding:
                                          // cost independent of the existing length
  bool SetFontName(const QString& face);  // whole text; false (and nothing changes) when the face
                                          // is rejected (empty, or not an installed family)
  bool SetFontSize(double points);        // whole text; false when rejected (<= 0 or absurd)
  void SetFontBold(bool on);
  void SetFontItalic(bool on);
  QFont TextFont() const;  // the whole-text font (face, size, bold, italic)
  bool SetSelectionFontName(
      const QString& face);        // face of the selected text (or the insertion point)
  void SetBackColor(quint32 bgr);  // colour number 0x00BBGGRR (65535 = yellow)
  quint32 BackColor() const;
  void MoveCaretToEnd();         // caret to the end, view scrolled there
  QString SelectedText() const;  // line breaks "\r\n"
  int SelectionLength() const;
  QString LineAt(int position) const;  // the whole line that holds the document position
  void ReplaceSelection(
      const QString& text);  // "" deletes the selection; no selection: inserts at the caret
  // Changes with every change of the document, format changes too: equal revisions
  // mean an untouched text.
  std::uint64_t Revision() const { return revision_; }
 signals:
  void Change();  // exactly once for each real change of the text (typing, cut, paste, set,
                  // append); never for format changes or an equal text
  void FileDropped(const QString& path);  // the first local file of a drop

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class Quiet;
  void OnContentsChange(int position, int removed, int added);
  QString DocumentRange(int from, int to) const;
  QString TextRange(int from, int to) const;  // line breaks "\r\n", the box's own breaks left out
  bool SetTextWithShownBreaks(const QString& documentText);
  void PlainCaret();
  void Insert(QTextCursor& cursor, const QString& documentText);
  bool DeleteAcrossShownBreak(bool backwards);
  static std::optional<QString> InstalledFamily(const QString& face);
  bool HasOwnFaces() const;  // some text, or what is typed next, has a face of its own

  // The document's characters as it holds them, paragraph separators included, the
  // closing one too: the text before each change, so that a change can be told from
  // a mere format change by comparing only the part that was touched.
  QString shadow_;
  std::uint64_t revision_ = 0;
  int quiet_ = 0;             // > 0 while the box changes formats or replaces all
  bool shownBreaks_ = false;  // some paragraph may continue the line before it
};

// Prints `text` (line breaks as in a box's text) in `font` on the target's pages,
// whole, whatever print range the target was set to; false when it cannot print.
bool PrintText(const QString& text, const QFont& font, Printer& target);

}  // namespace numbrella::ui
