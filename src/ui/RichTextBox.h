#pragma once
// A rich-text box: a QTextEdit that speaks in whole texts with "\r\n" line breaks,
// formats its whole text with one font, and raises Change() exactly once for every
// real change of its text.
//
// Line breaks: "\r\n", a lone "\r" and a lone "\n" all become one line break inside;
// Text() and SelectedText() give every line break back as "\r\n".
#include <QFont>
#include <QString>
#include <QTextEdit>
#include <QtGlobal>

namespace numbrella::ui {

class RichTextBox : public QTextEdit {
  Q_OBJECT
 public:
  explicit RichTextBox(QWidget* parent = nullptr);
  QString Text() const;                 // whole text, line breaks as "\r\n"
  void SetText(const QString& text);    // replaces all; exactly one Change() if different, none if equal
  void AppendText(const QString& text); // what SetText(Text() + text) gives, without rebuilding: cost independent of the existing length
  bool SetFontName(const QString& face);  // whole text; false (and nothing changes) when the face is rejected (empty, or not an installed family)
  bool SetFontSize(double points);        // whole text; false when rejected (<= 0 or absurd)
  void SetFontBold(bool on);
  void SetFontItalic(bool on);
  QFont TextFont() const;               // the whole-text font (face, size, bold, italic)
  bool SetSelectionFontName(const QString& face); // face of the selected text (or the insertion point)
  void SetBackColor(quint32 bgr);        // colour number 0x00BBGGRR (65535 = yellow)
  quint32 BackColor() const;
  void MoveCaretToEnd();                // caret to the end, view scrolled there
  QString SelectedText() const;         // line breaks "\r\n"
  int SelectionLength() const;
  void ReplaceSelection(const QString& text);  // "" deletes the selection; no selection: inserts at the caret
 signals:
  void Change();                        // exactly once for each real change of the text (typing, cut, paste, set, append); never for format changes or an equal text
};

}  // namespace numbrella::ui
