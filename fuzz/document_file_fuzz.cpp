// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the document reader and writer. Whatever opens must save in
// the encoding it was read in, as the same bytes with every line end made CR LF, and
// open again as the same text; any text at all must save as bytes that open.
#include "workboard/document_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The bytes with every line end, lone CR, lone LF or CR LF, made CR LF.
std::string WithCrLf(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!IsLineBreak(bytes[i])) {
      out += bytes[i];
      continue;
    }
    out += "\r\n";
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  return out;
}

bool HoldsNul(std::string_view bytes) { return bytes.find('\0') != std::string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace numbrella;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  DocumentReading reading = ReadDocument(bytes);
  Require(reading.document.has_value() == !HoldsNul(bytes));
  if (reading.document) {
    const OpenedDocument& document = *reading.document;
    DocumentBytes written = WriteDocument(document.text, document.encoding);
    Require(written.encoding == document.encoding);
    // The break that ends the last line is the one saving adds.
    bool endsWithBreak = size != 0 && IsLineBreak(bytes.back());
    Require(written.bytes == WithCrLf(bytes) + (endsWithBreak ? "" : "\r\n"));
    DocumentReading again = ReadDocument(written.bytes);
    Require(again.document.has_value());
    Require(again.document->text == document.text);
    Require(again.document->encoding == document.encoding);
  } else {
    Require(reading.refusal == DocumentRefusal::NotText);
  }

  // The bytes as a text, which may hold anything, bytes that are no UTF-8 included:
  // nothing of it is lost, and a fallback to UTF-8 writes exactly what UTF-8 would.
  DocumentBytes utf8 = WriteDocument(std::string(bytes), TextEncoding::Utf8);
  Require(utf8.encoding == TextEncoding::Utf8);
  Require(utf8.bytes == WithCrLf(bytes) + "\r\n");
  DocumentBytes single = WriteDocument(std::string(bytes), TextEncoding::Windows1252);
  if (single.encoding == TextEncoding::Utf8) Require(single.bytes == utf8.bytes);
  for (const DocumentBytes* written : {&utf8, &single}) {
    if (!HoldsNul(written->bytes)) Require(ReadDocument(written->bytes).document.has_value());
  }
  return 0;
}
