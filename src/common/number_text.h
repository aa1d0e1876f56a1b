// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading numbers from the texts the user sees, and writing numbers as those texts.
// Every text written here reads back as the same number: "." is the decimal
// separator whatever the locale.
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

// The number at the start of a text. Blanks, tabs and line feeds are skipped wherever
// they stand until the number ends; "&H"/"&O" start hexadecimal/octal whole numbers.
// An empty text, or one that does not begin with a number, reads as 0.
// nullopt: the number lies beyond the double range.
std::optional<double> ReadLeadingNumber(std::string_view text);

// The whole text, apart from surrounding blanks, as one decimal number.
// nullopt: not a number (the empty text included) or beyond the double range.
std::optional<double> ReadStrictNumber(std::string_view text);

// At most 15 significant digits, no trailing zeros, exponent form (1E+15, 1.5E-05)
// only for magnitudes from 1E+15 up or below 0.0001.
std::string GeneralNumberText(double value);

// The most decimal places a fixed-decimals text has.
inline constexpr int kMaxDecimalPlaces = 40;

// Exactly `places` decimals (0..kMaxDecimalPlaces): the value taken at 15 significant digits, then
// rounded with halves away from zero, never an exponent.
std::string FixedDecimalsText(double value, int places);

}  // namespace numbrella
