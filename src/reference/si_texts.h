// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed content of the three SI reference windows: the explanatory text, the base
// units table and the prefixes table, with the labels that show them and their places
// in twips (1/1440 inch, 15 to a pixel at 96 dots per inch). The tables hold the
// English texts; the functions give them in the user's language.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace numbrella {

// The whole explanatory text: ten paragraphs joined with CR LF line breaks, no line
// break at the end. UTF-8 (the degree and multiplication signs).
std::string SIInfoText();

struct SIBaseUnit {
  std::string_view name;
  std::string_view symbol;
  std::string_view quantity;
  int labelWidth;  // twips
};

// The seven base units, Meter first, in the order of the label array.
std::span<const SIBaseUnit> SIBaseUnits();

// Name padded to 12 characters, symbol padded to 9, then the quantity.
std::string SIBaseUnitRowText(const SIBaseUnit& unit);

struct SIPrefix {
  int top;    // twips
  int index;  // index in the label array
  std::string_view prefix;
  std::string_view symbol;  // UTF-8; the micro sign is one character
  std::string_view factor;
  std::string_view notation;
};

// The twenty prefixes from top to bottom, yotta- to yocto-.
std::span<const SIPrefix> SIPrefixesTopToBottom();

// The prefix shown by the label with that array index, or nullptr outside 0..19.
const SIPrefix* SIPrefixAtIndex(int index);

// Prefix padded to 10 characters, symbol to 4, factor to 35, then the notation:
// 57 characters in all.
std::string SIPrefixRowText(const SIPrefix& prefix);

// A label of one of the table windows: its object name, its text and its place.
struct SILabel {
  std::string objectName;  // "Label1(0)", "Label5", ...
  std::string text;
  int left, top, width, height;  // twips
  bool heading;  // headings are underlined in the proportional font, rows fixed-width
};

// Label1(0..2) headings, then Label2(0..6) rows.
std::vector<SILabel> SIBaseUnitsLabels();
// Label2, Label5, Label3, Label4 headings, then Label1(0..19) rows in index order.
std::vector<SILabel> SIPrefixesLabels();

// Characters (code points) of a UTF-8 text, and the text padded with blanks to a
// number of characters (a longer text is kept whole).
std::size_t CharacterCount(std::string_view utf8);
std::string PadRight(std::string_view utf8, std::size_t characters);

}  // namespace numbrella
