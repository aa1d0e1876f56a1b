// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/si_texts.h"

#include "common/translation.h"

#include <array>

namespace numbrella {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The catalogues' name for the texts below (each marker spells it out for lupdate).
constexpr char kContext[] = "numbrella::SITexts";

std::string Translated(std::string_view text) { return Translate(kContext, text); }

//: Centred over the text by the blanks before it: keep it about as long.
constexpr std::string_view kTitle =
    NUMBRELLA_TRANSLATE("numbrella::SITexts", "The International System (Metric) (SI)");
constexpr std::string_view kSource = NUMBRELLA_TRANSLATE(
    "numbrella::SITexts", "Source: Department of Commerce, National Bureau of Standards.");

// The introduction and the seven base units, each one line of text however long;
// "10-7" is written flat.
constexpr std::array<std::string_view, 8> kParagraphs = {
    //: Each paragraph is one line however long; keep its leading blanks.
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "    The International System of Units is a modernized version of the metric system, "
        "established by international agreement, that provides a logical and interconnected "
        "framework for all measurements in science, industry, and commerce. The system is "
        "built on a foundation of seven basic units, and all other units are derived from "
        "them. (Use of metric weights and measures was legalized in the United States in "
        "1866, and our customary units of weights and measures are defined in terms of the "
        "meter and kilogram.)"),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths "
        "in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is "
        "equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second."),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of "
        "the radiation associated with a specified transition of the cesium-133 atom."),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium "
        "alloy kept by the International Bureau of Weights and Measures at Paris. A "
        "duplicate at the National Bureau of Standards serves as the mass standard for the "
        "United States. The kilogram is the only base unit still defined by a physical "
        "object."),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the "
        "thermodynamic temperature of the triple point of water; that is, the point at which "
        "water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on "
        "the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The "
        "temperature 0°K is called 'absolute zero.'"),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if "
        "maintained in each of two long parallel wires separated by one meter in free space, "
        "would produce a force between the two wires (due to their magnetic fields) of 2 × "
        "10-7 newton for each meter of length. (A newton is the unit of force that when "
        "applied to one kilogram mass would experience an acceleration of one meter per "
        "second per second.)"),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of "
        "1/600,000 of a square meter of a cavity at the temperature of freezing platinum "
        "(2,042°K)."),
    NUMBRELLA_TRANSLATE(
        "numbrella::SITexts",
        "  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that "
        "contains as many elementary entities as there are atoms in 0.012 kilogram of "
        "carbon-12."),
};

constexpr std::array<SIBaseUnit, 7> kBaseUnits = {{
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Meter"), "m",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "length")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Kilogram"), "kg",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "mass")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Second"), "s",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "time")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Ampere"), "A",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "electric current")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Kelvin"), "K",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "temperature")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Mole"), "mol",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "amount of substance")},
    {NUMBRELLA_TRANSLATE("numbrella::SITexts", "Candela"), "cd",
     NUMBRELLA_TRANSLATE("numbrella::SITexts", "luminous intensity")},
}};

// Top to bottom, the largest first. The label array was filled out of order: exa- is
// index 0, and the four outermost prefixes came last.
constexpr std::array<SIPrefix, 20> kPrefixes = {{
    {17, NUMBRELLA_TRANSLATE("numbrella::SITexts", "yotta-"), "Y",
     "1 000 000 000 000 000 000 000 000", "(10E+24)"},
    {16, NUMBRELLA_TRANSLATE("numbrella::SITexts", "zetta-"), "Z", "1 000 000 000 000 000 000 000",
     "(10E+21)"},
    {0, NUMBRELLA_TRANSLATE("numbrella::SITexts", "exa-"), "E", "1 000 000 000 000 000 000",
     "(10E+18)"},
    {1, NUMBRELLA_TRANSLATE("numbrella::SITexts", "peta-"), "P", "1 000 000 000 000 000",
     "(10E+15)"},
    {2, NUMBRELLA_TRANSLATE("numbrella::SITexts", "tera-"), "T", "1 000 000 000 000", "(10E+12)"},
    {3, NUMBRELLA_TRANSLATE("numbrella::SITexts", "giga-"), "G", "1 000 000 000", "(10E+09)"},
    {4, NUMBRELLA_TRANSLATE("numbrella::SITexts", "mega-"), "M", "1 000 000", "(10E+06)"},
    {5, NUMBRELLA_TRANSLATE("numbrella::SITexts", "kilo-"), "K", "1 000", "(10E+03)"},
    {6, NUMBRELLA_TRANSLATE("numbrella::SITexts", "hecto-"), "h", "100", "(10E+02)"},
    {7, NUMBRELLA_TRANSLATE("numbrella::SITexts", "deca-"), "da", "10", "(10E+01)"},
    {8, NUMBRELLA_TRANSLATE("numbrella::SITexts", "deci-"), "d", "0.1", "(10E-01)"},
    {9, NUMBRELLA_TRANSLATE("numbrella::SITexts", "centi-"), "c", "0.01", "(10E-02)"},
    {10, NUMBRELLA_TRANSLATE("numbrella::SITexts", "milli-"), "m", "0.001", "(10E-03)"},
    {11, NUMBRELLA_TRANSLATE("numbrella::SITexts", "micro-"), "µ", "0.000 001", "(10E-06)"},
    {12, NUMBRELLA_TRANSLATE("numbrella::SITexts", "nano-"), "n", "0.000 000 001", "(10E-09)"},
    {13, NUMBRELLA_TRANSLATE("numbrella::SITexts", "pico-"), "p", "0.000 000 000 001", "(10E-12)"},
    {14, NUMBRELLA_TRANSLATE("numbrella::SITexts", "femto-"), "f", "0.000 000 000 000 001",
     "(10E-15)"},
    {15, NUMBRELLA_TRANSLATE("numbrella::SITexts", "atto-"), "a", "0.000 000 000 000 000 001",
     "(10E-18)"},
    {18, NUMBRELLA_TRANSLATE("numbrella::SITexts", "zepto-"), "z", "0.000 000 000 000 000 000 001",
     "(10E-21)"},
    {19, NUMBRELLA_TRANSLATE("numbrella::SITexts", "yocto-"), "y",
     "0.000 000 000 000 000 000 000 001", "(10E-24)"},
}};

}  // namespace

std::string SIInfoText() {
  std::string joined;
  joined.append(33, ' ').append(Translated(kTitle));
  for (int i = 0; i < 3; ++i) joined.append(kLineBreak);
  joined.append(11, ' ').append(Translated(kSource));
  for (std::string_view paragraph : kParagraphs) {
    joined.append(kLineBreak).append(kLineBreak);
    joined.append(Translated(paragraph));
  }
  return joined;
}

std::span<const SIBaseUnit> SIBaseUnits() { return kBaseUnits; }

std::string SIBaseUnitRowText(const SIBaseUnit& unit) {
  return PadRight(Translated(unit.name), 12) + PadRight(unit.symbol, 9) + Translated(unit.quantity);
}

std::span<const SIPrefix> SIPrefixesTopToBottom() { return kPrefixes; }

const SIPrefix* SIPrefixAtIndex(int index) {
  for (const SIPrefix& prefix : kPrefixes) {
    if (prefix.index == index) return &prefix;
  }
  return nullptr;
}

std::string SIPrefixRowText(const SIPrefix& prefix) {
  return PadRight(Translated(prefix.prefix), 10) + PadRight(prefix.symbol, 4) +
         PadRight(prefix.factor, 35) + std::string(prefix.notation);
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8) {
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string PadRight(std::string_view utf8, std::size_t characters) {
  std::string padded(utf8);
  std::size_t count = CharacterCount(utf8);
  if (count < characters) padded.append(characters - count, ' ');
  return padded;
}

}  // namespace numbrella
