// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBoxLines.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#if defined(__x86_64__)
#include <immintrin.h>
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

// The most one step of ToProgramUtf8 writes.
constexpr std::ptrdiff_t kRoom = 32;

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define NUMBRELLA_SPREAD_RUNS 1

// Where each byte of eight characters, ASCII or paragraph separators, goes in their
// UTF-8, for every set of separators among them (bit i for character i): byte i of the
// eight, or 8 and 9 for the "\r\n" that stands for a separator; 0x80 past the end.
struct Spread {
  alignas(16) std::array<std::uint8_t, 16> from;
  std::uint8_t size;  // the number of bytes
};

constexpr std::array<Spread, 256> MakeSpreads() {
  std::array<Spread, 256> spreads{};
  for (unsigned separators = 0; separators < spreads.size(); ++separators) {
    Spread& spread = spreads[separators];
    std::uint8_t size = 0;
    for (std::uint8_t i = 0; i < 8; ++i) {
      if ((separators >> i & 1) != 0) {
        spread.from[size++] = 8;
        spread.from[size++] = 9;
      } else {
        spread.from[size++] = i;
      }
    }
    spread.size = size;
    while (size < spread.from.size()) spread.from[size++] = 0x80;
  }
  return spreads;
}

constexpr std::array<Spread, 256> kSpreads = MakeSpreads();

// The UTF-8 of eight characters, ASCII or paragraph separators: their ASCII in the low
// eight bytes of `ascii`, 0 for a separator.
__attribute__((target("ssse3"))) inline char* PutEight(__m128i ascii, const Spread& spread,
                                                       char* out) {
  const __m128i lineBreak = _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, '\r', '\n', 0, 0, 0, 0, 0, 0);
  const __m128i from = _mm_load_si128(reinterpret_cast<const __m128i*>(spread.from.data()));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                   _mm_shuffle_epi8(_mm_or_si128(ascii, lineBreak), from));
  return out + spread.size;
}

// Sixteen characters at a time, as long as they are ASCII or paragraph separators and
// there is room for what they become: the line breaks of a workboard, which would end
// a run of plain text at every line, go along without a branch of their own.
__attribute__((target("ssse3"))) void PutPlainRuns(const char16_t*& in, const char16_t* end,
                                                   char*& out, const char* limit) {
  const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
  const __m128i separator = _mm_set1_epi16(static_cast<short>(kParagraph.unicode()));
  const __m128i zero = _mm_setzero_si128();
  while (end - in >= 16 && limit - out >= kRoom) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 8));
    const __m128i firstBreaks = _mm_cmpeq_epi16(first, separator);
    const __m128i secondBreaks = _mm_cmpeq_epi16(second, separator);
    const __m128i firstPlain =
        _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(first, high), zero), firstBreaks);
    const __m128i secondPlain =
        _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(second, high), zero), secondBreaks);
    if (_mm_movemask_epi8(_mm_packs_epi16(firstPlain, secondPlain)) != 0xFFFF) return;
    const unsigned breaks =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(firstBreaks, secondBreaks)));
    const __m128i ascii = _mm_packus_epi16(_mm_andnot_si128(firstBreaks, first),
                                           _mm_andnot_si128(secondBreaks, second));
    out = PutEight(_mm_unpacklo_epi64(ascii, zero), kSpreads[breaks & 0xFF], out);
    out = PutEight(_mm_unpackhi_epi64(ascii, zero), kSpreads[breaks >> 8], out);
    in += 16;
  }
}
#endif

// Converts from `in` on until `end`, or until less than kRoom is left before `limit`;
// `in` is left where it stopped.
char* PutProgramUtf8(const char16_t*& in, const char16_t* end, char* out, const char* limit) {
#ifdef NUMBRELLA_SPREAD_RUNS
  static const bool spreads = __builtin_cpu_supports("ssse3");
#endif
  while (in != end && limit - out >= kRoom) {
#ifdef NUMBRELLA_SPREAD_RUNS
    if (spreads) {
      PutPlainRuns(in, end, out, limit);
      if (in == end || limit - out < kRoom) break;
    }
#endif
    const char16_t c = *in++;
    out = PutUtf8(c, in, end, out);
  }
  return out;
}

}  // namespace

std::string ToProgramUtf8(QStringView raw) {
  const char16_t* in = raw.utf16();
  const char16_t* const end = in + raw.size();
  // The bytes of the plain text and the line breaks' second bytes, with room to spare
  // for the caller's final line break; other characters grow it as they come.
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(raw.size() + raw.size() / 8 + kRoom));
  char* out = bytes.data();
  while (true) {
    out = PutProgramUtf8(in, end, out, bytes.data() + bytes.size());
    if (in == end) break;
    const std::size_t written = static_cast<std::size_t>(out - bytes.data());
    bytes.resize(bytes.size() + std::max(bytes.size() / 2, static_cast<std::size_t>(kRoom)));
    out = bytes.data() + written;
  }
  bytes.resize(static_cast<std::size_t>(out - bytes.data()));
  return bytes;
}

bool ToProgramUtf8InPieces(QStringView raw, const std::function<bool(std::string_view)>& write) {
  // Each piece's bytes fit the buffer, used again for every piece: nothing is the size
  // of the whole text.
  constexpr qsizetype kPiece = kUtf8PieceLength;
  const std::unique_ptr<char[]> buffer(new char[3 * kPiece + kRoom]);
  const char16_t* in = raw.utf16();
  const char16_t* const end = in + raw.size();
  while (in != end) {
    const char16_t* pieceEnd = end - in > kPiece ? in + kPiece : end;
    // A surrogate pair stays in one piece.
    if (pieceEnd != end && QChar::isHighSurrogate(pieceEnd[-1])) --pieceEnd;
    char* const out = PutProgramUtf8(in, pieceEnd, buffer.get(), buffer.get() + 3 * kPiece + kRoom);
    if (!write(std::string_view(buffer.get(), static_cast<std::size_t>(out - buffer.get())))) {
      return false;
    }
  }
  return true;
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
