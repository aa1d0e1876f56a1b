// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window's fixed texts: its title, its messages and the names screen
// readers give its controls.
#include <string>
#include <string_view>

namespace numbrella {

inline constexpr std::string_view kMakerAddress = "www.numbrella.example";
inline constexpr std::string_view kProgramTitle = "Numbrella Calculator";

// "  Numbrella Calculator - Untitled", twelve blanks, the maker's address, one blank.
std::string UntitledWindowTitle();
// "  Numbrella Calculator ", the document's path, twelve blanks, the address, one blank.
std::string TitledWindowTitle(std::string_view path);

inline constexpr std::string_view kDivideByZeroText = "        You cannot divide by zero!";
inline constexpr std::string_view kNegativeRootText =
    "This calculator cannot find the square root of a negative number";
inline constexpr std::string_view kNegativeRootTitle = "Negative Number";
inline constexpr std::string_view kArithmeticFailureText =
    "An error has occurred (possibly an overflow)....\r\nplease continue working.";
inline constexpr std::string_view kArithmeticFailureTitle = "Error";
inline constexpr std::string_view kNoPrinterFontsText = "            No printer or fax fonts";
inline constexpr std::string_view kUnknownFaceText = "What kind of a font face is that?";
inline constexpr std::string_view kOverwriteConstantText =
    "Are you sure you want to copy over the existing value?";
inline constexpr std::string_view kClearConstantsText =
    "Are you sure you want to clear all of the constant values?";
inline constexpr std::string_view kAreYouSureTitle = "Are you sure?";

// The save questions of the workboard's documents.
inline constexpr std::string_view kSaveQuestionText = "Would you like to save this document?";
inline constexpr std::string_view kClearQuestionText = "Do you wish to save your current document?";
inline constexpr std::string_view kSaveQuestionTitle = "Save Your Work?";

// A document that cannot be read or written: the file's path and why, in the
// system's words or in one of the reasons below. Titled kProgramTitle.
std::string OpenFailureText(std::string_view path, std::string_view reason);
std::string SaveFailureText(std::string_view path, std::string_view reason);
inline constexpr std::string_view kNotTextReason = "It is not a text file.";
inline constexpr std::string_view kTooLargeReason =
    "It is larger than the workboard holds (64 MB).";

// Printing that did not succeed, on the printer or into the file named.
std::string PrintFailureText(std::string_view printer);

// The print footer's lines; the last one is followed by the maker's address.
inline constexpr std::string_view kFooterFirstLine = "Executed with the....";
inline constexpr std::string_view kFooterLastLine = "Visit...";

// What screen readers say for the calculator's controls whose captions are symbols,
// or say too little; the other controls are named after their captions.
struct SpokenName {
  std::string_view control;  // the control's name on the window
  std::string_view name;
};
inline constexpr SpokenName kSpokenNames[] = {
    {"cmdDecimal", "Decimal point"},
    {"cmdEqualSign", "Equals"},
    {"cmdOperatorX", "Multiply"},
    {"cmdOperatorDivide", "Divide"},
    {"cmdOperatorPlus", "Add"},
    {"cmdOperatorMinus", "Subtract"},
    {"cmdOperatorSR", "Square root"},
    {"cmdCubeRoot", "Cube root"},
    {"cmdInverse", "Reciprocal"},
    {"cmdPowers", "Power"},
    {"cmdPlusMinus", "Change sign"},
    {"cmdBackspace", "Backspace"},
    {"Command7", "Clear constants"},
    {"cmdCopyA(0)", "Copy answer to constant 1"},
    {"cmdCopyA(1)", "Copy answer to constant 2"},
    {"cmdCopyA(2)", "Copy answer to constant 3"},
    {"cmdCopyA(3)", "Copy answer to constant 4"},
    {"cmdCopyA(4)", "Copy answer to constant 5"},
    {"cmdPasteA(0)", "Paste constant 1"},
    {"cmdPasteA(1)", "Paste constant 2"},
    {"cmdPasteA(2)", "Paste constant 3"},
    {"cmdPasteA(3)", "Paste constant 4"},
    {"cmdPasteA(4)", "Paste constant 5"},
    {"txtPaste(0)", "Constant 1"},
    {"txtPaste(1)", "Constant 2"},
    {"txtPaste(2)", "Constant 3"},
    {"txtPaste(3)", "Constant 4"},
    {"txtPaste(4)", "Constant 5"},
    {"txtArchive1", "Workboard"},
    {"Command2", "Expand workboard"},
    {"Command3", "Collapse workboard"},
};

// The document dialog's file-type list.
inline constexpr std::string_view kFileFilter =
    "Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|"
    "Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*";

}  // namespace numbrella
