// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/document_file.h"

#include "common/window_texts.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace numbrella {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Windows-1252's characters for the bytes 0x80-0x9F. The five bytes that have none
// keep their Latin-1 character, so that every byte reads as a character and that
// character writes back as the same byte.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The UTF-8 of every high byte's character, worked out once, so that reading a high
// byte is one table copy.
struct EncodedCharacter {
  std::array<char, 3> bytes;
  std::size_t size;
};

constexpr EncodedCharacter EncodeUtf8(char32_t c) {
  // Every Windows-1252 character is in the Basic Multilingual Plane.
  if (c < 0x800) {
    return {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0}, 2};
  }
  return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
           static_cast<char>(0x80 | (c & 0x3F))},
          3};
}

constexpr std::array<EncodedCharacter, 128> BuildHighHalf() {
  std::array<EncodedCharacter, 128> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] =
        EncodeUtf8(i < kHighControls.size() ? kHighControls[i] : static_cast<char32_t>(0x80 + i));
  }
  return table;
}

constexpr std::array<EncodedCharacter, 128> kHighHalf = BuildHighHalf();

std::optional<char> Windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// The index of the first lone CR, lone LF or (when `highStops`) byte at or above 0x80
// from `i` on, or the size. Plain text and CR LF pairs, which are written as they are,
// are passed over eight bytes at a time; near the end it may also stop at a CR LF.
std::size_t NextStop(std::string_view s, std::size_t i, bool highStops) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    // 0x80 in each byte of `v` that is zero, and in no other.
    auto zeroBytes = [](std::uint64_t v) { return ~(((v & kLow7) + kLow7) | v | kLow7); };
    std::uint64_t crBefore = 0;  // 0x80 when the byte before `i` is a CR
    for (; i + 8 <= s.size(); i += 8) {
      std::uint64_t v;
      std::memcpy(&v, s.data() + i, sizeof v);
      std::uint64_t cr = zeroBytes(v ^ (kOnes * '\r'));
      std::uint64_t lf = zeroBytes(v ^ (kOnes * '\n'));
      // A byte flagged here is an LF without a CR before it, or follows a CR without
      // an LF after it.
      std::uint64_t lone = lf ^ ((cr << 8) | crBefore);
      std::uint64_t stops = lone | (highStops ? v & ~kLow7 : 0);
      if (stops != 0) {
        int bit = std::countr_zero(stops);
        std::size_t at = i + static_cast<std::size_t>(bit / 8);
        bool loneCr = (lone >> bit & 1) != 0 && s[at] != '\n';
        return loneCr ? at - 1 : at;
      }
      crBefore = cr >> 56;
    }
    if (crBefore != 0) --i;  // that CR's LF, if any, is still to come
  }
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c == '\r' || c == '\n' || (highStops && static_cast<unsigned char>(c) >= 0x80)) break;
  }
  return i;
}

// The length of the strict UTF-8 sequence at `i` and its character; a length of 0
// when it is not one (overlong, a surrogate, above U+10FFFF, truncated, stray).
struct Decoded {
  std::size_t length;
  char32_t character;
};

Decoded DecodeUtf8(std::string_view s, std::size_t i) {
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = at(i);
  std::size_t length;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {0, 0};
  }
  if (s.size() - i < length) return {0, 0};
  if (at(i + 1) < low || at(i + 1) > high) return {0, 0};
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    unsigned char next = at(i + k);
    if ((next & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (next & 0x3F);
  }
  return {length, c};
}

// Room for the CR LF of lines that end in a lone CR or LF, and for the few high bytes
// that grow; beyond that the text grows as it goes.
std::size_t ExpectedSize(std::size_t inputSize) { return inputSize + inputSize / 8 + 16; }

// Passes the CR or LF at `s[i]`, giving the index after its line break. A CR LF is
// already what is written, so it stays in the run of bytes copied as they are; a lone
// CR or LF ends the run, and a CR LF is written in its place.
std::size_t PassLineBreak(std::string_view s, std::size_t i, bool highStops, std::size_t& runStart,
                          std::string& out) {
  if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') return NextStop(s, i + 2, highStops);
  out.append(s.data() + runStart, i - runStart);
  out += kCrLf;
  return runStart = i + 1;
}

// Where a CR stands, an LF must stand one place on, and nowhere else. The bytes are
// compared in blocks of a fixed size, which the compiler does with vector instructions:
// a text of megabytes is checked in a fraction of the time it takes to copy it.
bool HasLoneLineBreak(std::string_view s) {
  if (s.empty()) return false;
  if (s.front() == '\n' || s.back() == '\r') return true;
  const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
  constexpr std::size_t kBlock = 256;
  std::size_t i = 0;
  for (; i + kBlock < s.size(); i += kBlock) {
    unsigned char odd = 0;
    for (std::size_t j = 0; j < kBlock; ++j) {
      odd |= static_cast<unsigned char>((bytes[i + j] == '\r') ^ (bytes[i + j + 1] == '\n'));
    }
    if (odd != 0) return true;
  }
  for (; i + 1 < s.size(); ++i) {
    if ((s[i] == '\r') != (s[i + 1] == '\n')) return true;
  }
  return false;
}

bool EndsWithLineBreak(std::string_view s) {
  return !s.empty() && (s.back() == '\r' || s.back() == '\n');
}

bool IsLineBreak(unsigned char c) { return c == '\r' || c == '\n'; }

// The bytes with every line break as CR LF. Bytes of 0x80 and above are copied as they
// are unless `high` is given: then `high(i, runStart, out)` deals with the one at `i`,
// writing what stands for it after the run of bytes copied so far (or leaving it in
// the run), and gives the index after it, or nullopt to give the whole copy up.
template <typename High>
std::optional<std::string> CopyWithCrLf(std::string_view s, High high) {
  constexpr bool highStops = !std::is_same_v<High, std::nullptr_t>;
  std::string out;
  out.reserve(ExpectedSize(s.size()));
  std::size_t runStart = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (IsLineBreak(c)) {
      i = PassLineBreak(s, i, highStops, runStart, out);
    } else if constexpr (highStops) {
      if (c >= 0x80) {
        std::optional<std::size_t> next = high(i, runStart, out);
        if (!next) return std::nullopt;
        i = *next;
      } else {
        i = NextStop(s, i + 1, true);
      }
    } else {
      i = NextStop(s, i + 1, false);
    }
  }
  out.append(s.data() + runStart, s.size() - runStart);
  return out;
}

// nullopt when the bytes are not strict UTF-8.
std::optional<std::string> Utf8WithCrLf(std::string_view s) {
  return CopyWithCrLf(s,
                      [s](std::size_t i, std::size_t&, std::string&) -> std::optional<std::size_t> {
                        std::size_t length = DecodeUtf8(s, i).length;
                        if (length == 0) return std::nullopt;
                        return i + length;
                      });
}

std::string Windows1252ToUtf8WithCrLf(std::string_view s) {
  return *CopyWithCrLf(s, [s](std::size_t i, std::size_t& runStart, std::string& out) {
    out.append(s.data() + runStart, i - runStart);
    const EncodedCharacter& encoded = kHighHalf[static_cast<unsigned char>(s[i]) - 0x80];
    out.append(encoded.bytes.data(), encoded.size);
    return std::optional<std::size_t>(runStart = i + 1);
  });
}

// nullopt when the text holds a character Windows-1252 has no byte for, or bytes
// that are not UTF-8.
std::optional<std::string> Utf8ToWindows1252WithCrLf(std::string_view s) {
  return CopyWithCrLf(
      s, [s](std::size_t i, std::size_t& runStart, std::string& out) -> std::optional<std::size_t> {
        out.append(s.data() + runStart, i - runStart);
        Decoded decoded = DecodeUtf8(s, i);
        if (decoded.length == 0) return std::nullopt;
        std::optional<char> byte = Windows1252Byte(decoded.character);
        if (!byte) return std::nullopt;
        out += *byte;
        return runStart = i + decoded.length;
      });
}

}  // namespace

DocumentReading ReadDocument(std::string_view bytes) {
  DocumentReading reading;
  if (bytes.size() > kLargestDocument) {
    reading.refusal = DocumentRefusal::TooLarge;
    return reading;
  }
  if (!bytes.empty() && std::memchr(bytes.data(), 0, bytes.size()) != nullptr) {
    reading.refusal = DocumentRefusal::NotText;
    return reading;
  }
  OpenedDocument document;
  if (std::optional<std::string> utf8 = Utf8WithCrLf(bytes)) {
    document.text = std::move(*utf8);
    document.encoding = TextEncoding::Utf8;
  } else {
    document.text = Windows1252ToUtf8WithCrLf(bytes);
    document.encoding = TextEncoding::Windows1252;
  }
  // Saving adds the break that ends the last line, so the text must not hold it.
  if (EndsWithLineBreak(bytes)) document.text.resize(document.text.size() - kCrLf.size());
  reading.document = std::move(document);
  return reading;
}

DocumentBytes WriteDocument(std::string text, TextEncoding encoding) {
  DocumentBytes result;
  if (encoding == TextEncoding::Windows1252) {
    if (std::optional<std::string> single = Utf8ToWindows1252WithCrLf(text)) {
      result.bytes = std::move(*single);
      result.encoding = TextEncoding::Windows1252;
    }
  }
  if (result.encoding == TextEncoding::Utf8) {
    // The bytes as they are, so that bytes that are not UTF-8 are not lost either; a
    // text whose line breaks are all CR LF already is the file (a text of megabytes
    // is not copied).
    if (HasLoneLineBreak(text)) {
      result.bytes = std::move(*CopyWithCrLf(text, nullptr));
    } else {
      result.bytes = std::move(text);
    }
  }
  result.bytes += kCrLf;
  return result;
}

std::string PrintedPage(std::string_view text) {
  std::string page;
  page.reserve(text.size() + 64);
  page += kCrLf;
  page += kCrLf;
  page += text;
  page += kCrLf;
  page += kCrLf;
  page += Translate(kWindowTextsContext, kFooterFirstLine);
  page += kCrLf;
  page += Translate(kWindowTextsContext, kProgramTitle);
  page += kCrLf;
  page += Translate(kWindowTextsContext, kFooterLastLine);
  page += kMakerAddress;
  return page;
}

}  // namespace numbrella
