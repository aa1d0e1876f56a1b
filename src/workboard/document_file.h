// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Workboard documents on disk: plain text, the workboard's text followed by one line
// break, every line break written as CR LF. Any text file opens: a file that is valid
// UTF-8 is read as UTF-8, any other as single-byte text (Windows-1252, where a byte
// has no Windows-1252 character the Latin-1 one), and it is written back in the
// encoding it was read in, so that its bytes come back unchanged.
//
// Texts inside the program are UTF-8 with "\r\n" line breaks.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

enum class TextEncoding {
  Utf8,
  Windows1252,  // bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D as their Latin-1 characters
};

// The largest file the workboard opens, in bytes.
inline constexpr std::size_t kLargestDocument = 64u * 1024u * 1024u;

struct OpenedDocument {
  // The workboard's new text: the file's lines joined by "\r\n". A lone CR, a lone LF
  // and CR LF each end a line; the line break that ends the last line is not kept,
  // so "a\r\nb\r\n" and "a\r\nb" both open as "a\r\nb".
  std::string text;
  TextEncoding encoding = TextEncoding::Utf8;
};

enum class DocumentRefusal {
  NotText,   // the bytes hold a NUL byte: a binary file, not text
  TooLarge,  // more than kLargestDocument bytes
};

struct DocumentReading {
  std::optional<OpenedDocument> document;  // nullopt: refused, for `refusal`
  DocumentRefusal refusal = DocumentRefusal::NotText;
};

// Reads a file's bytes as a workboard document.
DocumentReading ReadDocument(std::string_view bytes);

struct DocumentBytes {
  std::string bytes;
  TextEncoding encoding = TextEncoding::Utf8;  // the encoding the bytes are in
};

// The file's bytes for the workboard text `text` (UTF-8): the text and one "\r\n",
// every line break as "\r\n" (a lone CR or LF in the text becomes one), in `encoding`.
// When the text holds a character that `encoding` cannot write, the whole file is
// written in UTF-8 instead, and `encoding` of the result says so.
DocumentBytes WriteDocument(std::string text, TextEncoding encoding);

// What is printed for the workboard text: two line breaks, the text, two line breaks
// and the three lines of the footer, "Executed with the....", "Numbrella Calculator"
// and "Visit..." followed by the maker's address, with no line break at the end; the
// footer in the user's language.
std::string PrintedPage(std::string_view text);

}  // namespace numbrella
