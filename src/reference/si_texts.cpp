// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/si_texts.h"

#include <array>
#include <charconv>

namespace numbrella {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

constexpr std::string_view kTitle = "The International System (Metric) (SI)";
constexpr std::string_view kSource =
    "Source: Department of Commerce, National Bureau of Standards.";

// The introduction and the seven base units, each one line of text however long;
// "10-7" is written flat.
constexpr std::array<std::string_view, 8> kParagraphs = {
    "    The International System of Units is a modernized version of the metric "
    "system, established by international agreement, that provides a logical and "
    "interconnected framework for all measurements in science, industry, and "
    "commerce. The system is built on a foundation of seven basic units, and all "
    "other units are derived from them. (Use of metric weights and measures was "
    "legalized in the United States in 1866, and our customary units of weights "
    "and measures are defined in terms of the meter and kilogram.)",
    "  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 "
    "wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. "
    "Since then, it is equal to the distance traveled by light in a vacuum in "
    "1/299,792.45 of a second.",
    "  TIME - Second - The second is defined as the duration of 9,192,631,770 "
    "cycles of the radiation associated with a specified transition of the "
    "cesium-133 atom.",
    "  MASS - Kilogram - The standard for the kilogram is a cylinder of "
    "platinum-iridium alloy kept by the International Bureau of Weights and "
    "Measures at Paris. A duplicate at the National Bureau of Standards serves as "
    "the mass standard for the United States. The kilogram is the only base unit "
    "still defined by a physical object.",
    "  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of "
    "the thermodynamic temperature of the triple point of water; that is, the "
    "point at which water forms an interface of solid, liquid, and vapor. This is "
    "defined as 0.01\u00B0C on the Centigrade or Celsius scale and 32.02\u00B0F on the "
    "Fahrenheit scale. The temperature 0\u00B0K is called 'absolute zero.'",
    "  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if "
    "maintained in each of two long parallel wires separated by one meter in free "
    "space, would produce a force between the two wires (due to their magnetic "
    "fields) of 2 \u00D7 10-7 newton for each meter of length. (A newton is the unit of "
    "force that when applied to one kilogram mass would experience an acceleration "
    "of one meter per second per second.)",
    "  LUMINOUS INTESITY - Candela - The candela is defined as the luminous "
    "intensity of 1/600,000 of a square meter of a cavity at the temperature of "
    "freezing platinum (2,042\u00B0K).",
    "  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a "
    "system that contains as many elementary entities as there are atoms in 0.012 "
    "kilogram of carbon-12.",
};

constexpr std::array<SIBaseUnit, 7> kBaseUnits = {{
    {"Meter", "m", "length", 3735},
    {"Kilogram", "kg", "mass", 3735},
    {"Second", "s", "time", 3735},
    {"Ampere", "A", "electric current", 5175},
    {"Kelvin", "K", "temperature", 3915},
    {"Mole", "mol", "amount of substance", 4815},
    {"Candela", "cd", "luminous intensity", 4755},
}};

// Top to bottom. The label array was filled out of order: exa- is index 0, and the
// four outermost prefixes came last.
constexpr std::array<SIPrefix, 20> kPrefixes = {{
    {600, 17, "yotta-", "Y", "1 000 000 000 000 000 000 000 000", "(10E+24)"},
    {941, 16, "zetta-", "Z", "1 000 000 000 000 000 000 000", "(10E+21)"},
    {1282, 0, "exa-", "E", "1 000 000 000 000 000 000", "(10E+18)"},
    {1623, 1, "peta-", "P", "1 000 000 000 000 000", "(10E+15)"},
    {1964, 2, "tera-", "T", "1 000 000 000 000", "(10E+12)"},
    {2305, 3, "giga-", "G", "1 000 000 000", "(10E+09)"},
    {2646, 4, "mega-", "M", "1 000 000", "(10E+06)"},
    {2987, 5, "kilo-", "K", "1 000", "(10E+03)"},
    {3328, 6, "hecto-", "h", "100", "(10E+02)"},
    {3669, 7, "deca-", "da", "10", "(10E+01)"},
    {4010, 8, "deci-", "d", "0.1", "(10E-01)"},
    {4351, 9, "centi-", "c", "0.01", "(10E-02)"},
    {4692, 10, "milli-", "m", "0.001", "(10E-03)"},
    {5033, 11, "micro-", "\u00B5", "0.000 001", "(10E-06)"},
    {5374, 12, "nano-", "n", "0.000 000 001", "(10E-09)"},
    {5715, 13, "pico-", "p", "0.000 000 000 001", "(10E-12)"},
    {6056, 14, "femto-", "f", "0.000 000 000 000 001", "(10E-15)"},
    {6397, 15, "atto-", "a", "0.000 000 000 000 000 001", "(10E-18)"},
    {6738, 18, "zepto-", "z", "0.000 000 000 000 000 000 001", "(10E-21)"},
    {7080, 19, "yocto-", "y", "0.000 000 000 000 000 000 000 001", "(10E-24)"},
}};

// "Label1(3)": the object name of an element of a label array.
std::string Indexed(std::string_view name, int index) {
  char digits[12];
  char* end = std::to_chars(digits, digits + sizeof digits, index).ptr;
  return std::string(name) + "(" + std::string(digits, end) + ")";
}

}  // namespace

const std::string& SIInfoText() {
  static const std::string text = [] {
    std::string joined;
    joined.append(33, ' ').append(kTitle);
    for (int i = 0; i < 3; ++i) joined.append(kLineBreak);
    joined.append(11, ' ').append(kSource);
    for (std::size_t i = 0; i < kParagraphs.size(); ++i) {
      joined.append(kLineBreak).append(kLineBreak);
      joined.append(kParagraphs[i]);
    }
    return joined;
  }();
  return text;
}

std::span<const SIBaseUnit> SIBaseUnits() { return kBaseUnits; }

std::string SIBaseUnitRowText(const SIBaseUnit& unit) {
  return PadRight(unit.name, 12) + PadRight(unit.symbol, 9) + std::string(unit.quantity);
}

std::span<const SIPrefix> SIPrefixesTopToBottom() { return kPrefixes; }

const SIPrefix* SIPrefixAtIndex(int index) {
  for (const SIPrefix& prefix : kPrefixes) {
    if (prefix.index == index) return &prefix;
  }
  return nullptr;
}

std::string SIPrefixRowText(const SIPrefix& prefix) {
  return PadRight(prefix.prefix, 10) + PadRight(prefix.symbol, 4) +
         PadRight(prefix.factor, 35) + std::string(prefix.notation);
}

std::vector<SILabel> SIBaseUnitsLabels() {
  std::vector<SILabel> labels = {
      {"Label1(0)", "Name", 180, 180, 675, 255, true},
      {"Label1(1)", "Symbol", 1260, 180, 975, 255, true},
      {"Label1(2)", "Quantity", 2700, 180, 1095, 255, true},
  };
  for (std::size_t i = 0; i < kBaseUnits.size(); ++i) {
    int index = static_cast<int>(i);
    labels.push_back({Indexed("Label2", index), SIBaseUnitRowText(kBaseUnits[i]), 180,
                      720 + 330 * index, kBaseUnits[i].labelWidth, 255, false});
  }
  return labels;
}

std::vector<SILabel> SIPrefixesLabels() {
  std::vector<SILabel> labels = {
      {"Label2", "Name", 180, 300, 675, 255, true},
      {"Label5", "Symbol", 1020, 300, 855, 255, true},
      {"Label3", "Multiplying Factor", 2880, 300, 1875, 255, true},
      {"Label4", "Scientific Notation", 5520, 300, 1935, 255, true},
  };
  for (int index = 0; index < static_cast<int>(kPrefixes.size()); ++index) {
    const SIPrefix& prefix = *SIPrefixAtIndex(index);
    labels.push_back({Indexed("Label1", index), SIPrefixRowText(prefix), 180, prefix.top,
                      7095, 255, false});
  }
  return labels;
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
