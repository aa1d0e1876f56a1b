// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window's fixed texts: its title, its messages and the names screen
// readers give its controls. They are English here; the functions below, and the core
// code that hands a text to a window, give it in the user's language, and a window
// translates the constants it shows itself:
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

//: The leading blanks centre the message in its box.
inline constexpr std::string_view kDivideByZeroText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "        You cannot divide by zero!");
inline constexpr std::string_view kNegativeRootText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "This calculator cannot find the square root of a negative number");
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
inline constexpr std::string_view kUnknownFaceText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "What kind of a font face is that?");
inline constexpr std::string_view kOverwriteConstantText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "Are you sure you want to copy over the existing value?");
inline constexpr std::string_view kClearConstantsText =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "Are you sure you want to clear all of the constant values?");
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

// What screen readers say for the calculator's controls whose captions are symbols,
// or say too little; the other controls are named after their captions.
struct SpokenName {
  std::string_view control;  // the control's name on the window
  std::string_view name;
};
inline constexpr SpokenName kSpokenNames[] = {
    {"cmdDecimal", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Decimal point")},
    {"cmdEqualSign", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Equals")},
    {"cmdOperatorX", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Multiply")},
    {"cmdOperatorDivide", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Divide")},
    {"cmdOperatorPlus", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Add")},
    {"cmdOperatorMinus", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Subtract")},
    {"cmdOperatorSR", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Square root")},
    {"cmdCubeRoot", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Cube root")},
    {"cmdInverse", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Reciprocal")},
    {"cmdPowers", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Power")},
    {"cmdPlusMinus", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Change sign")},
    {"cmdBackspace", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Backspace")},
    {"Command7", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Clear constants")},
    //: What a screen reader says for the button; the answer is the calculator's result.
    {"cmdCopyA(0)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Copy answer to constant 1")},
    {"cmdCopyA(1)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Copy answer to constant 2")},
    {"cmdCopyA(2)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Copy answer to constant 3")},
    {"cmdCopyA(3)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Copy answer to constant 4")},
    {"cmdCopyA(4)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Copy answer to constant 5")},
    {"cmdPasteA(0)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Paste constant 1")},
    {"cmdPasteA(1)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Paste constant 2")},
    {"cmdPasteA(2)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Paste constant 3")},
    {"cmdPasteA(3)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Paste constant 4")},
    {"cmdPasteA(4)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Paste constant 5")},
    {"txtPaste(0)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Constant 1")},
    {"txtPaste(1)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Constant 2")},
    {"txtPaste(2)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Constant 3")},
    {"txtPaste(3)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Constant 4")},
    {"txtPaste(4)", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Constant 5")},
    {"txtArchive1", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Workboard")},
    {"Command2", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Expand workboard")},
    {"Command3", NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Collapse workboard")},
};

// The document dialog's file-type list.
//: Pairs of a file type's name and its pattern, all joined by "|": translate the names
//: only and keep every "|" and pattern.
inline constexpr std::string_view kFileFilter =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|"
                        "Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*");

}  // namespace numbrella
