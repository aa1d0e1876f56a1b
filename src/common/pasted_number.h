// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a number that the user copied from elsewhere (a web page, a spreadsheet, a
// mail) and pastes into the worksheet. People copy numbers as their number settings
// write them, grouped and with their own decimal separator; whatever is not one number
// is refused whole, so that a pasted text never leaves a part of itself behind.
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

// How the user writes numbers, as their number settings say: the decimal separator
// and the digit-grouping separator, in UTF-8.
struct NumberSettings {
  std::string decimal = ".";
  std::string grouping = ",";
};

// Why a text gives no number.
enum class PasteRefusal {
  NoText,      // nothing but blanks
  NotANumber,  // letters, two numbers, a date...: anything but one number
  OutOfRange,  // beyond the double range, or so small that it would read as 0
  NoAnswer,    // a workboard line without "=" and an answer after it
};

struct PastedNumber {
  double value = 0.0;
  std::optional<PasteRefusal> refusal;  // set when the text gives no number
};

// The whole text, apart from surrounding blanks and line breaks, as one number: an
// optional leading "+", "-" or U+2212 minus, digits with the user's decimal separator,
// the whole part perhaps grouped by threes with the user's grouping separator or a
// thin or no-break space, and an optional exponent ("6.02e23", "1E-5"). A text that
// does not read so but is written as this program writes numbers ("." for decimals,
// no grouping) reads that way.
PastedNumber ReadPastedNumber(std::string_view text, const NumberSettings& settings);

// The number a workboard offers the worksheet: the selected text when it reads as one
// number, otherwise the answer of the line with the caret, after its last "=". The
// workboard's answers are written as this program writes numbers, and are read so
// first, whatever the user's settings: "1.234" there is the answer 1.234.
PastedNumber ReadWorkboardNumber(std::string_view selection, std::string_view caretLine,
                                 const NumberSettings& settings);

}  // namespace numbrella
