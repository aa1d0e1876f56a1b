// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's composed texts: English byte for byte, and built of the translated
// pieces in another language.
#include "common/window_texts.h"

#include "support/bracketing_translation.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

const std::string kTitleEnd = std::string(12, ' ') + "www.numbrella.example ";

TEST(WindowTexts, EnglishWithoutATranslator) {
  EXPECT_EQ(Translate(kWindowTextsContext, kDivideByZeroText), kDivideByZeroText);
  EXPECT_EQ(UntitledWindowTitle(), "  Numbrella Calculator - Untitled" + kTitleEnd);
  EXPECT_EQ(TitledWindowTitle("/home/ann/day.txt"),
            "  Numbrella Calculator /home/ann/day.txt" + kTitleEnd);
  EXPECT_EQ(OpenFailureText("/a.txt", kNotTextReason),
            "Cannot open \"/a.txt\".\nIt is not a text file.");
  EXPECT_EQ(SaveFailureText("/a.txt", "No space left on device"),
            "Cannot save the workboard to \"/a.txt\".\nNo space left on device.\n"
            "The file was not changed.");
  EXPECT_EQ(PrintFailureText("Office"), "The workboard could not be printed on \"Office\".");
}

TEST(WindowTexts, ComposedOfTranslatedPieces) {
  BracketingTranslation translation;
  EXPECT_EQ(Translate(kWindowTextsContext, kDivideByZeroText),
            "[        You cannot divide by zero!]");
  // The maker's address is no text to translate.
  EXPECT_EQ(UntitledWindowTitle(), "[  Numbrella Calculator - Untitled]" + kTitleEnd);
  EXPECT_EQ(TitledWindowTitle("/home/ann/day.txt"),
            "[  Numbrella Calculator ]/home/ann/day.txt" + kTitleEnd);
  // The path goes where the translation puts "%1"; a "%1" in the path stays. The
  // reason comes translated or in the system's words, and is not translated again.
  EXPECT_EQ(OpenFailureText("/tmp/100%1.txt", "Permission denied"),
            "[Cannot open \"/tmp/100%1.txt\".]\nPermission denied.");
  EXPECT_EQ(SaveFailureText("/a.txt", "Disk full."),
            "[Cannot save the workboard to \"/a.txt\".]\nDisk full.\n[The file was not changed.]");
  EXPECT_EQ(PrintFailureText("Office"), "[The workboard could not be printed on \"Office\".]");
}

TEST(WindowTexts, EnglishAgainWhenTheTranslatorGoes) {
  { BracketingTranslation translation; }
  EXPECT_EQ(UntitledWindowTitle(), "  Numbrella Calculator - Untitled" + kTitleEnd);
}

}  // namespace
}  // namespace numbrella
