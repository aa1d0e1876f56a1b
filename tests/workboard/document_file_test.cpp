// SPDX-License-Identifier: GPL-3.0-or-later
// Workboard documents on disk: line ends, encodings, refusals and the printed page.
#include "workboard/document_file.h"

#include "support/bracketing_translation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace numbrella {
namespace {

using namespace std::string_literals;

// What `file` opens as, read where more bytes follow it in memory: the file ends where
// its bytes end, not at the continuation bytes that happen to follow.
OpenedDocument Open(const std::string& file) {
  const std::string buffer = file + "\x80\x80\x80";
  DocumentReading reading = ReadDocument(std::string_view(buffer).substr(0, file.size()));
  EXPECT_TRUE(reading.document.has_value());
  return reading.document.value_or(OpenedDocument{});
}

TEST(DocumentFile, LineEndsOnOpeningAndSaving) {
  struct Case {
    std::string file, text, saved;
  };
  const Case cases[] = {
      {"", "", "\r\n"},
      {"\r\n", "", "\r\n"},
      {"\n", "", "\r\n"},
      {"a\r\nb\r\n", "a\r\nb", "a\r\nb\r\n"},
      {"a\r\nb", "a\r\nb", "a\r\nb\r\n"},
      {"a\nb\r", "a\r\nb", "a\r\nb\r\n"},
      {"a\r\n\r\n", "a\r\n", "a\r\n\r\n"},
      {"\n\r\r\n", "\r\n\r\n", "\r\n\r\n\r\n"},
      // Lines across the eight-byte words that are read whole.
      {"12  +  30  =  42\n9  SR    =  3\r", "12  +  30  =  42\r\n9  SR    =  3",
       "12  +  30  =  42\r\n9  SR    =  3\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.file));
    OpenedDocument document = Open(c.file);
    EXPECT_EQ(document.text, c.text);
    EXPECT_EQ(WriteDocument(document.text, document.encoding).bytes, c.saved);
  }
}

TEST(DocumentFile, LoneLineBreaksOfTheTextAreWrittenAsCrLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\nb", "a\r\nb\r\n"},
      {"a\n\rb", "a\r\n\r\nb\r\n"},
      {"\r", "\r\n\r\n"},
      {"first line\rsecond line\n", "first line\r\nsecond line\r\n\r\n"},
      // Long texts are checked in blocks: a pair across a block's end is no lone break.
      {std::string(255, '1') + "\r\n2\n" + std::string(300, '3'),
       std::string(255, '1') + "\r\n2\r\n" + std::string(300, '3') + "\r\n"},
  };
  for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
    for (const auto& [text, bytes] : cases) {
      SCOPED_TRACE(testing::PrintToString(text));
      EXPECT_EQ(WriteDocument(text, encoding).bytes, bytes);
    }
  }
}

TEST(DocumentFile, OnlyStrictUtf8IsReadAsUtf8) {
  const std::string utf8[] = {
      "1 + 2 = 3",
      "3 \xC3\x97 5 \xE2\x82\xAC \xF0\x9D\x9C\x8B",
      "\xEF\xBB\xBF= 7",  // the signature stays, as U+FEFF
      "\xC2\x80 \xDF\xBF \xE0\xA0\x80 \xED\x9F\xBF \xEE\x80\x80 \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF",
  };
  const std::pair<std::string, std::string> windows1252[] = {
      {"\x80", "\xE2\x82\xAC"},                                              // stray continuation
      {"\xC3\xA9\xA9", "\xC3\x83\xC2\xA9\xC2\xA9"},                          // one too many
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                      // overlong
      {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},                          // overlong
      {"\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"},              // overlong
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                      // surrogate
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},      // above U+10FFFF
      {"\xF5\x80\x80\x80", "\xC3\xB5\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},  // no such lead
      {"\xFF", "\xC3\xBF"},                                                  // no such lead
      {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},                                  // truncated
      {"\xF0\x9F\x98\nx", "\xC3\xB0\xC5\xB8\xCB\x9C\r\nx"},                  // cut by a line end
  };
  // Each also after plain text, which is read eight bytes at a time.
  for (std::string before : {"", "0123456789 = 10 "}) {
    for (const std::string& file : utf8) {
      SCOPED_TRACE(testing::PrintToString(before + file));
      OpenedDocument document = Open(before + file);
      EXPECT_EQ(document.encoding, TextEncoding::Utf8);
      EXPECT_EQ(document.text, before + file);
    }
    for (const auto& [file, text] : windows1252) {
      SCOPED_TRACE(testing::PrintToString(before + file));
      OpenedDocument document = Open(before + file);
      EXPECT_EQ(document.encoding, TextEncoding::Windows1252);
      EXPECT_EQ(document.text, before + text);
    }
  }
}

TEST(DocumentFile, EveryByteOfAWindows1252FileComesBack) {
  std::string file;
  for (int byte = 1; byte <= 0xFF; ++byte) {
    if (byte != '\r' && byte != '\n') file += static_cast<char>(byte);
  }
  file += "\r\n";
  OpenedDocument document = Open(file);
  ASSERT_EQ(document.encoding, TextEncoding::Windows1252);
  // 0x80-0xA0: the euro sign, quotes, dashes and the like, U+0081, U+008D, U+008F,
  // U+0090 and U+009D for the five bytes that have no character, and U+00A0.
  const std::string from0x80 =
      "\xE2\x82\xAC\xC2\x81\xE2\x80\x9A\xC6\x92\xE2\x80\x9E\xE2\x80\xA6\xE2\x80\xA0\xE2\x80\xA1"
      "\xCB\x86\xE2\x80\xB0\xC5\xA0\xE2\x80\xB9\xC5\x92\xC2\x8D\xC5\xBD\xC2\x8F"
      "\xC2\x90\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94"
      "\xCB\x9C\xE2\x84\xA2\xC5\xA1\xE2\x80\xBA\xC5\x93\xC2\x9D\xC5\xBE\xC5\xB8\xC2\xA0";
  const std::size_t ascii = 0x7F - 2;
  EXPECT_EQ(document.text.substr(0, ascii), file.substr(0, ascii));
  EXPECT_EQ(document.text.substr(ascii, from0x80.size()), from0x80);
  EXPECT_EQ(document.text.substr(document.text.size() - 2), "\xC3\xBF");  // 0xFF

  DocumentBytes written = WriteDocument(document.text, document.encoding);
  EXPECT_EQ(written.encoding, TextEncoding::Windows1252);
  EXPECT_EQ(written.bytes, file);
}

TEST(DocumentFile, WhatWindows1252CannotHoldIsWrittenAsUtf8) {
  struct Case {
    std::string text;
    TextEncoding encoding;
    std::string bytes;
  };
  const TextEncoding utf8 = TextEncoding::Utf8;
  const Case cases[] = {
      {"caf\xC3\xA9 \xE2\x82\xAC\xC5\xB8\xC2\x81", TextEncoding::Windows1252,
       "caf\xE9 \x80\x9F\x81\r\n"},
      {"caf\xC3\xA9 5 \xE2\x86\x92 7", utf8, "caf\xC3\xA9 5 \xE2\x86\x92 7\r\n"},
      {"\xC2\x80", utf8, "\xC2\x80\r\n"},  // its byte would read as the euro sign
      {"\xF0\x9D\x9C\x8B", utf8, "\xF0\x9D\x9C\x8B\r\n"},
      {"\xC3\xA9\xFF\nx", utf8, "\xC3\xA9\xFF\r\nx\r\n"},  // not UTF-8: copied as it is
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    DocumentBytes written = WriteDocument(c.text, TextEncoding::Windows1252);
    EXPECT_EQ(written.encoding, c.encoding);
    EXPECT_EQ(written.bytes, c.bytes);
  }
}

TEST(DocumentFile, BinaryAndTooLargeFilesAreRefused) {
  for (std::string file : {"\0"s, "\0a"s, "0123456789 = 10\0\r\n"s, "\xFF\0"s, "\xC3\xA9\0"s}) {
    SCOPED_TRACE(testing::PrintToString(file));
    DocumentReading reading = ReadDocument(file);
    EXPECT_FALSE(reading.document.has_value());
    EXPECT_EQ(reading.refusal, DocumentRefusal::NotText);
  }
  // The size is checked first: a large binary file is too large, not binary.
  const std::string huge(kLargestDocument + 1, '\0');
  DocumentReading reading = ReadDocument(huge);
  EXPECT_FALSE(reading.document.has_value());
  EXPECT_EQ(reading.refusal, DocumentRefusal::TooLarge);
  EXPECT_EQ(ReadDocument(std::string_view(huge).substr(1)).refusal, DocumentRefusal::NotText);
}

TEST(DocumentFile, PrintedPage) {
  const std::string footer =
      "\r\n\r\nExecuted with the....\r\nNumbrella Calculator\r\nVisit...www.numbrella.example";
  EXPECT_EQ(PrintedPage(""), "\r\n\r\n" + footer);
  EXPECT_EQ(PrintedPage("\r\n1  +  2  =  3"), "\r\n\r\n\r\n1  +  2  =  3" + footer);
}

TEST(DocumentFile, PrintedPageFooterInTheUsersLanguage) {
  BracketingTranslation translation;
  EXPECT_EQ(PrintedPage("1"),
            "\r\n\r\n1\r\n\r\n[Executed with the....]\r\n[Numbrella Calculator]\r\n"
            "[Visit...]www.numbrella.example");
}

// What saving an opened file gives: its line ends as CR LF, and one after its last line.
std::string SavedBytes(std::string_view file) {
  std::string out;
  for (std::size_t i = 0; i < file.size(); ++i) {
    bool pair = file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n';
    out += file[i] == '\r' || file[i] == '\n' ? "\r\n" : std::string(1, file[i]);
    if (pair) ++i;
  }
  if (file.empty() || (file.back() != '\r' && file.back() != '\n')) out += "\r\n";
  return out;
}

TEST(DocumentFile, RandomFilesComeBackAsTheyWere) {
  std::mt19937 random(20240611);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const char* const pieces[] = {
      "\r",      "\n", "\r\n", "\xC3\xA9", "\xE2\x82\xAC", "\xEF\xBB\xBF", "\xF0\x9F\x98\x80",
      "\xC2\x81"};
  int opened[2] = {0, 0};
  for (int round = 0; round < 4000; ++round) {
    // Half the files hold stray high bytes and are, nearly all, no UTF-8.
    const bool strayBytes = pick(0, 1) == 1;
    std::string file;
    for (int piece = pick(0, 24); piece > 0; --piece) {
      int kind = pick(0, strayBytes ? 10 : 9);
      if (kind == 0) {
        file.append(static_cast<std::size_t>(pick(1, 12)), static_cast<char>(pick(' ', '~')));
      } else if (kind == 1) {
        file += static_cast<char>(pick(1, 0x7F));
      } else if (kind < 10) {
        file += pieces[kind - 2];
      } else {
        file += static_cast<char>(pick(0x80, 0xFF));
      }
    }
    SCOPED_TRACE(testing::PrintToString(file));
    OpenedDocument document = Open(file);
    ++opened[document.encoding == TextEncoding::Utf8 ? 0 : 1];
    DocumentBytes written = WriteDocument(document.text, document.encoding);
    ASSERT_EQ(written.encoding, document.encoding);
    ASSERT_EQ(written.bytes, SavedBytes(file));
    OpenedDocument again = Open(written.bytes);
    ASSERT_EQ(again.text, document.text);
    ASSERT_EQ(again.encoding, document.encoding);
  }
  EXPECT_GT(opened[0], 1000);
  EXPECT_GT(opened[1], 1000);
}

}  // namespace
}  // namespace numbrella
