// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBoxLines.h"

#include <QTextBlockFormat>
#include <QTextCursor>

namespace numbrella::ui::rich_text {

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

QString ToDocumentCharacters(const QString& documentText) {
  QString raw = documentText;
  raw.replace(u'\n', kParagraph);
  raw += kParagraph;
  return raw;
}

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

}  // namespace numbrella::ui::rich_text
