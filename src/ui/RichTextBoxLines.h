// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the rich-text box's parts share: the text as the program speaks it against the
// text as the document holds it, the box's own breaks in long lines, and the guard that
// keeps the box from reporting its own changes of format.
#include "ui/RichTextBox.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <QTextBlock>
#include <QTextFormat>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace numbrella::ui::rich_text {

inline constexpr QChar kParagraph = QChar::ParagraphSeparator;

// The text as the document is to hold it: every line break ("\r\n", "\r", "\n",
// U+2029) becomes one paragraph separator (U+2029), which the document takes for a
// paragraph's end. The document's frame markers U+FDD0 and U+FDD1 would split
// paragraphs unseen and become the replacement character. `longestLine`, when given,
// receives the number of characters of the longest line.
QString ToDocumentText(QString text, qsizetype* longestLine = nullptr);

// The document's characters as the program's text: paragraph separators as "\r\n".
QString ToProgramText(QStringView raw);

// The same in UTF-8, as QString::toUtf8 writes it, made in one pass.
std::string ToProgramUtf8(QStringView raw);

// The same handed to `write` in pieces of at most kUtf8PieceLength characters, in
// order; false as soon as `write` returns false. Smaller pieces would cost a file
// write each for little text.
inline constexpr qsizetype kUtf8PieceLength = 1 << 18;
bool ToProgramUtf8InPieces(QStringView raw, const std::function<bool(std::string_view)>& write);

// A paragraph that continues the line before it, after a break of the box's own.
inline constexpr int kContinuesLine = QTextFormat::UserProperty + 1;

bool ContinuesLine(const QTextBlock& block);
void SetContinuesLine(const QTextBlock& block, bool continues);

// A document text with breaks put into its long lines, and the numbers of the
// paragraphs after those breaks, counted from the text's first paragraph (0).
struct ShownText {
  QString text;
  std::vector<int> continuing;
};

ShownText WithShownBreaks(const QString& documentText);

}  // namespace numbrella::ui::rich_text

namespace numbrella::ui {

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

}  // namespace numbrella::ui
