// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window's fixed texts: its title, its messages, its file types and its
// print footer. They are English here; the functions below, and the core code that
// hands a text to a window, give it in the user's language, and a window translates
// the constants it shows itself:
// ui::Translated(kWindowTextsContext, kDivideByZeroText).
#include "common/translation.h"

#include <string>
#include <string_view>

namespace numbrella {

// The catalogues' name for the texts below (each marker spells it out for lupdate).
inline constexpr char kWindowTextsContext[] = "numbrella::WindowTexts";

inline constexpr std::string_view kMakerAddress = "www.numbrella.example";
inline constexpr std::string_view kProgramTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Numbrella Calculator");

// "  Numbrella Calculator - Untitled", twelve blanks, the maker's address, one blank.
std::string UntitledWindowTitle();
// "  Numbrella Calculator ", the document's path, twelve blanks, the address, one blank.
std::string TitledWindowTitle(std::string_view path);
// The title as a screen reader says it, without the blanks and the address:
// "Numbrella Calculator - Untitled", or the file's name in place of "Untitled".
std::string SpokenWindowTitle(std::string_view path);

//: The leading blanks centre the message in its box.
inline constexpr std::string_view kDivideByZeroText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "        You cannot divide by zero!");
inline constexpr std::string_view kNegativeRootText = NUMBRELLA_TRANSLATE(
    "numbrella::WindowTexts", "This calculator cannot find the square root of a negative number");
inline constexpr std::string_view kNegativeRootTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Negative Number");
//: Two lines: keep the line break (CR LF) between them.
inline constexpr std::string_view kArithmeticFailureText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "An error has occurred (possibly an overflow)....\r\n"
                        "please continue working.");
inline constexpr std::string_view kArithmeticFailureTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Error");
//: The leading blanks centre the message in its box.
inline constexpr std::string_view kNoPrinterFontsText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "            No printer or fax fonts");
inline constexpr std::string_view kPrintSystemSilentText = NUMBRELLA_TRANSLATE(
    "numbrella::WindowTexts", "The print system does not answer. Please try again in a moment.");
inline constexpr std::string_view kUnknownFaceText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "What kind of a font face is that?");
inline constexpr std::string_view kOverwriteConstantText = NUMBRELLA_TRANSLATE(
    "numbrella::WindowTexts", "Are you sure you want to copy over the existing value?");
inline constexpr std::string_view kClearConstantsText = NUMBRELLA_TRANSLATE(
    "numbrella::WindowTexts", "Are you sure you want to clear all of the constant values?");
inline constexpr std::string_view kAreYouSureTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Are you sure?");

// The save questions of the workboard's documents.
inline constexpr std::string_view kSaveQuestionText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Would you like to save this document?");
inline constexpr std::string_view kClearQuestionText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Do you wish to save your current document?");
inline constexpr std::string_view kSaveQuestionTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Save Your Work?");

// A document that cannot be read or written: the file's path and why, in the
// system's words or in one of the reasons below. Titled kProgramTitle.
std::string OpenFailureText(std::string_view path, std::string_view reason);
std::string SaveFailureText(std::string_view path, std::string_view reason);
//: Follows the line "Cannot open "<file>"."
inline constexpr std::string_view kNotTextReason =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "It is not a text file.");
//: Follows the line "Cannot open "<file>"."
inline constexpr std::string_view kTooLargeReason =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "It is larger than the workboard holds (64 MB).");

// Printing that did not succeed, on the printer or into the file named.
std::string PrintFailureText(std::string_view printer);

// The print footer's lines; the last one is followed by the maker's address.
//: The printed footer's first line; the program's title follows on the next line.
inline constexpr std::string_view kFooterFirstLine =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Executed with the....");
//: The printed footer's last line, followed at once by the web address.
inline constexpr std::string_view kFooterLastLine =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Visit...");

// The document dialog's file-type list.
//: Pairs of a file type's name and its pattern, all joined by "|": translate the names
//: only and keep every "|" and pattern.
inline constexpr std::string_view kFileFilter =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|"
                        "Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*");

}  // namespace numbrella
