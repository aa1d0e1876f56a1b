// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBoxLines.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <algorithm>
#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace numbrella::ui::rich_text {

QString ToDocumentText(QString text, qsizetype* longestLine) {
  if (text.isEmpty()) {
    if (longestLine != nullptr) *longestLine = 0;
    return text;
  }
  // In place, through pointers: a text of megabytes is converted in one pass, and
  // without a copy when the caller hands its own over.
  char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
  const char16_t* const end = begin + text.size();
  const char16_t* in = begin;
  char16_t* out = begin;
  const char16_t* lineStart = begin;
  qsizetype longest = 0;
  while (in != end) {
    const char16_t c = *in++;
    if (c >= u' ' && c < kParagraph.unicode()) {  // most characters, with one test
      *out++ = c;
    } else if (c == u'\r' || c == u'\n' || c == kParagraph.unicode()) {
      if (c == u'\r' && in != end && *in == u'\n') ++in;
      longest = std::max(longest, static_cast<qsizetype>(out - lineStart));
      *out++ = kParagraph.unicode();
      lineStart = out;
    } else if (c == 0xFDD0 || c == 0xFDD1) {
      *out++ = QChar::ReplacementCharacter;
    } else {
      *out++ = c;
    }
  }
  if (longestLine != nullptr) {
    *longestLine = std::max(longest, static_cast<qsizetype>(out - lineStart));
  }
  text.truncate(out - begin);
  return text;
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

namespace {

// The UTF-8 of the character `c` at `in` (`in` already past it, and past a low surrogate
// that pairs with it), a paragraph separator as "\r\n", a lone surrogate as "?" as
// QString::toUtf8 writes it.
char* PutUtf8(char16_t c, const char16_t*& in, const char16_t* end, char* out) {
  auto put = [&out](unsigned value) { *out++ = static_cast<char>(value); };
  if (c < 0x80) {
    put(c);
  } else if (c == kParagraph.unicode()) {
    put('\r');
    put('\n');
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (QChar::isHighSurrogate(c) && in != end && QChar::isLowSurrogate(*in)) {
    const char32_t u = QChar::surrogateToUcs4(c, *in++);
    put(0xF0 | (u >> 18));
    put(0x80 | ((u >> 12) & 0x3F));
    put(0x80 | ((u >> 6) & 0x3F));
    put(0x80 | (u & 0x3F));
  } else if (QChar::isSurrogate(c)) {
    put('?');
  } else {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

std::string ToProgramUtf8(QStringView raw) {
  const char16_t* in = raw.utf16();
  const char16_t* const end = in + raw.size();
  // The bytes of the plain text and the line breaks' second bytes, with room to spare
  // for the caller's final line break; other characters grow it as they come.
  constexpr std::ptrdiff_t kRoom = 16;  // the most one step below writes
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(raw.size() + raw.size() / 8 + kRoom));
  char* out = bytes.data();
  const char* limit = out + bytes.size();
  while (in != end) {
    if (limit - out < kRoom) {
      const std::size_t written = static_cast<std::size_t>(out - bytes.data());
      bytes.resize(bytes.size() + std::max(bytes.size() / 2, static_cast<std::size_t>(kRoom)));
      out = bytes.data() + written;
      limit = bytes.data() + bytes.size();
    }
#if defined(__SSE2__)
    // Sixteen characters at a time, up to the first that is not ASCII.
    if (end - in >= 16) {
      const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
      const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 8));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(first, second));
      // All ones in the byte of each ASCII character.
      const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
      const __m128i zero = _mm_setzero_si128();
      const __m128i plain = _mm_packs_epi16(_mm_cmpeq_epi16(_mm_and_si128(first, high), zero),
                                            _mm_cmpeq_epi16(_mm_and_si128(second, high), zero));
      const unsigned wide = ~static_cast<unsigned>(_mm_movemask_epi8(plain)) & 0xFFFFu;
      const int ascii = wide == 0 ? 16 : std::countr_zero(wide);
      in += ascii;
      out += ascii;
      if (ascii == 16) continue;
    }
#endif
    const char16_t c = *in++;
    out = PutUtf8(c, in, end, out);
  }
  bytes.resize(static_cast<std::size_t>(out - bytes.data()));
  return bytes;
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
    if (text[i] == kParagraph) {
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
    shown.text += kParagraph;
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
