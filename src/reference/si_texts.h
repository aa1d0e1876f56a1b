// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed content of the three SI reference windows: the explanatory text, the base
// units table and the prefixes table. The tables hold the English texts; the functions
// give them in the user's language.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace numbrella {

// The whole explanatory text: ten paragraphs joined with CR LF line breaks, no line
// break at the end. UTF-8 (the degree and multiplication signs).
std::string SIInfoText();

struct SIBaseUnit {
  std::string_view name;
  std::string_view symbol;
  std::string_view quantity;
};

// The seven base units, Meter first, in the order of the label array.
std::span<const SIBaseUnit> SIBaseUnits();

// Name padded to 12 characters, symbol padded to 9, then the quantity.
std::string SIBaseUnitRowText(const SIBaseUnit& unit);

struct SIPrefix {
  int index;  // index in the label array
  std::string_view prefix;
  std::string_view symbol;  // UTF-8; the micro sign is one character
  std::string_view factor;
  std::string_view notation;
};

// The twenty prefixes from top to bottom, the largest first: yotta- to yocto-.
std::span<const SIPrefix> SIPrefixesTopToBottom();

// The prefix shown by the label with that array index, or nullptr outside 0..19.
const SIPrefix* SIPrefixAtIndex(int index);

// Prefix padded to 10 characters, symbol to 4, factor to 35, then the notation:
// 57 characters in all.
std::string SIPrefixRowText(const SIPrefix& prefix);

// Characters (code points) of a UTF-8 text, and the text padded with blanks to a
// number of characters (a longer text is kept whole).
std::size_t CharacterCount(std::string_view utf8);
std::string PadRight(std::string_view utf8, std::size_t characters);

}  // namespace numbrella
