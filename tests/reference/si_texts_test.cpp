// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/si_texts.h"

#include "support/bracketing_translation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numbrella {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

TEST(SIInfoText, TitleSourceAndParagraphsAreLaidOutLineByLine) {
  const std::string& text = SIInfoText();
  EXPECT_EQ(text.rfind(std::string(33, ' ') + "The International System (Metric) (SI)\r\n", 0), 0u);
  EXPECT_NE(text[33], ' ');
  ASSERT_GE(text.size(), 10u);
  EXPECT_EQ(text.substr(text.size() - 10), "carbon-12.");

  // Every line break is CR LF: no lone CR or LF.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "at " << i;
    }
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
    }
  }

  std::vector<std::string> lines = SplitLines(text);
  // Title, two empty lines, the source line, then one empty line between paragraphs.
  ASSERT_EQ(lines.size(), 1u + 2 + 1 + 8 * 2);
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3],
            std::string(11, ' ') + "Source: Department of Commerce, National Bureau of Standards.");
  for (std::size_t i = 4; i < lines.size(); i += 2) {
    EXPECT_EQ(lines[i], "") << "line " << i;
    EXPECT_FALSE(lines[i + 1].empty()) << "line " << i + 1;
  }
  EXPECT_EQ(lines[5].rfind("    The International System of Units is a modernized", 0), 0u);
  EXPECT_NE(lines[5][4], ' ');
  const char* headings[] = {"  LENGTH - Meter - ",
                            "  TIME - Second - ",
                            "  MASS - Kilogram - ",
                            "  TEMPERATURE - Kelvin - ",
                            "  ELECTRIC CURRENT - Ampere - ",
                            "  LUMINOUS INTESITY - Candela - ",
                            "  AMOUNT OF SUBSTANCE - Mole - "};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(lines[7 + 2 * i].rfind(headings[i], 0), 0u) << headings[i];
  }
}

TEST(SIInfoText, KeepsItsSignsAndFiguresAsWritten) {
  const std::string& text = SIInfoText();
  EXPECT_NE(text.find("0.01\xC2\xB0"
                      "C on the Centigrade"),
            std::string::npos);
  EXPECT_NE(text.find("32.02\xC2\xB0"
                      "F on the Fahrenheit scale"),
            std::string::npos);
  EXPECT_NE(text.find("The temperature 0\xC2\xB0K is called 'absolute zero.'"), std::string::npos);
  EXPECT_NE(text.find("(2,042\xC2\xB0K)."), std::string::npos);
  EXPECT_NE(text.find("of 2 \xC3\x97 10-7 newton for each meter"), std::string::npos);
  EXPECT_NE(text.find("1,650,763.73 wavelengths"), std::string::npos);
  EXPECT_NE(text.find("9,192,631,770 cycles"), std::string::npos);
  EXPECT_NE(text.find("(Use of metric weights and measures was legalized in the United "
                      "States in 1866, and our customary units of weights and measures are "
                      "defined in terms of the meter and kilogram.)"),
            std::string::npos);
  EXPECT_EQ(text.find("  "), 0u);
  // Blanks come singly inside the paragraphs: no doubled blank from joining pieces.
  std::vector<std::string> lines = SplitLines(text);
  for (std::size_t i = 5; i < lines.size(); i += 2) {
    std::string body = lines[i].substr(lines[i].find_first_not_of(' '));
    EXPECT_EQ(body.find("  "), std::string::npos) << body.substr(0, 40);
    EXPECT_NE(body.back(), ' ');
  }
}

TEST(SIBaseUnits, SevenRowsInColumns) {
  const std::vector<std::string> expected = {
      "Meter       m        length",
      "Kilogram    kg       mass",
      "Second      s        time",
      "Ampere      A        electric current",
      "Kelvin      K        temperature",
      "Mole        mol      amount of substance",
      "Candela     cd       luminous intensity",
  };
  auto units = SIBaseUnits();
  ASSERT_EQ(units.size(), expected.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::string row = SIBaseUnitRowText(units[i]);
    EXPECT_EQ(row, expected[i]);
    EXPECT_EQ(row.substr(21), units[i].quantity);
  }
}

TEST(SIPrefixes, TwentyRowsFromYottaToYoctoEach57Characters) {
  const std::vector<std::string> prefixes = {"yotta-", "zetta-", "exa-",   "peta-",  "tera-",
                                             "giga-",  "mega-",  "kilo-",  "hecto-", "deca-",
                                             "deci-",  "centi-", "milli-", "micro-", "nano-",
                                             "pico-",  "femto-", "atto-",  "zepto-", "yocto-"};
  const std::vector<int> indices = {17, 16, 0,  1,  2,  3,  4,  5,  6,  7,
                                    8,  9,  10, 11, 12, 13, 14, 15, 18, 19};
  auto rows = SIPrefixesTopToBottom();
  ASSERT_EQ(rows.size(), 20u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(prefixes[i]);
    EXPECT_EQ(rows[i].prefix, prefixes[i]);
    EXPECT_EQ(rows[i].index, indices[i]);
    EXPECT_EQ(SIPrefixAtIndex(indices[i]), &rows[i]);
    std::string text = SIPrefixRowText(rows[i]);
    EXPECT_EQ(CharacterCount(text), 57u) << text;
    EXPECT_EQ(text.rfind(prefixes[i], 0), 0u);
  }
  EXPECT_EQ(SIPrefixAtIndex(-1), nullptr);
  EXPECT_EQ(SIPrefixAtIndex(20), nullptr);

  EXPECT_EQ(SIPrefixRowText(*SIPrefixAtIndex(5)),
            "kilo-     K   1 000                              (10E+03)");
  EXPECT_EQ(SIPrefixRowText(*SIPrefixAtIndex(7)),
            "deca-     da  10                                 (10E+01)");
  EXPECT_EQ(SIPrefixRowText(*SIPrefixAtIndex(17)),
            "yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)");
  EXPECT_EQ(SIPrefixRowText(*SIPrefixAtIndex(19)),
            "yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)");
  // The micro sign is one character wide, two bytes long.
  std::string micro = SIPrefixRowText(*SIPrefixAtIndex(11));
  EXPECT_EQ(micro, "micro-    \xC2\xB5   0.000 001                          (10E-06)");
  EXPECT_EQ(micro.size(), 58u);
}

// The words are translated, the symbols and figures not; the columns are padded
// after the translation.
TEST(SITexts, WordsInTheUsersLanguage) {
  BracketingTranslation translation;
  std::vector<std::string> lines = SplitLines(SIInfoText());
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], std::string(33, ' ') + "[The International System (Metric) (SI)]");
  EXPECT_EQ(lines[3], std::string(11, ' ') +
                          "[Source: Department of Commerce, National Bureau of Standards.]");
  EXPECT_EQ(lines[19],
            "[  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a "
            "system that contains as many elementary entities as there are atoms in "
            "0.012 kilogram of carbon-12.]");

  EXPECT_EQ(SIBaseUnitRowText(SIBaseUnits()[0]), "[Meter]     m        [length]");
  EXPECT_EQ(SIPrefixRowText(*SIPrefixAtIndex(11)),
            "[micro-]  \xC2\xB5   0.000 001                          (10E-06)");
}

TEST(SIPadding, CountsCharactersNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(CharacterCount("abc"), 3u);
  EXPECT_EQ(CharacterCount("\xC2\xB5"), 1u);
  EXPECT_EQ(CharacterCount("2 \xC3\x97 10"), 6u);
  EXPECT_EQ(PadRight("\xC2\xB5", 4), "\xC2\xB5   ");
  EXPECT_EQ(PadRight("m", 4), "m   ");
  EXPECT_EQ(PadRight("toolong", 4), "toolong");
  EXPECT_EQ(PadRight("", 3), "   ");
}

}  // namespace
}  // namespace numbrella
