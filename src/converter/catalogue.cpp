// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/catalogue.h"

#include "common/translation.h"

#include <array>

namespace numbrella {
namespace {

// Units of each category in list order, their names marked for the catalogues under
// kUnitCatalogueContext (spelt out for lupdate). Codes are unique over the whole catalogue;
// each category keeps to its own block, and joining any two codes of one category as
// decimal texts gives a text no other pair of one category gives.
constexpr Unit kDistanceUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Inches"), 0},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Feet"), 1},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Yards"), 2},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Miles"), 3},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Millimeters"), 4},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Centimeters"), 5},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Meters"), 6},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilometers"), 7},
};

constexpr Unit kAreaUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Inches"), 10},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Feet"), 11},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Yards"), 12},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Miles"), 13},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Millimeters"), 14},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Centimeters"), 15},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Meters"), 16},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Sq Kilometers"), 17},
};

constexpr Unit kFlowRateUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Gallons/Second"), 20},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Gallons/Minute"), 21},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Liters/Second"), 22},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Liters/Minute"), 23},
};

constexpr Unit kPowerUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Horsepower"), 24},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Watts"), 25},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilowatts"), 26},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Megawatts"), 27},
};

constexpr Unit kMassUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Ounces(avdp)"), 30},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pounds(avdp)"), 31},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Tons(avdp-2000#)"), 32},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Grams"), 33},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilograms"), 34},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Megagrams"), 35},
};

constexpr Unit kPressureUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Millibar"), 40},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Bar"), 41},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "PSI"), 42},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pascal"), 43},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilopascal"), 44},
};

constexpr Unit kVelocityUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Feet/second"), 50},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Feet/minute"), 51},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Miles/hour"), 52},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Meters/second"), 53},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Meters/minute"), 54},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilometers/hour"), 55},
};

constexpr Unit kTemperatureUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Celsius"), 60},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Fahrenheit"), 61},
};

// Liters is 690: 70 is the first Torque unit.
constexpr Unit kVolumeUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Cubic inches"), 62},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Cubic feet"), 63},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Cubic yards"), 64},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Cubic centimeters"), 65},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Cubic meters"), 66},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pints"), 67},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Quarts"), 68},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Gallons"), 69},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Liters"), 690},
};

constexpr Unit kTorqueUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Ounce-force/inch"), 70},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Ounce-force/foot"), 71},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pound-force/inch(Inch pounds)"), 72},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pound-force/foot(Foot pounds)"), 73},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Newton meters"), 74},
};

constexpr Unit kEnergyUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "BTU"), 80},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Calories"), 81},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pound-force inches"), 82},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pound-force feet"), 83},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Horsepower-hours"), 84},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Joules"), 85},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilowatt-hours"), 86},
};

constexpr Unit kForceUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Dynes"), 90},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Gram-force"), 91},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilogram-force"), 92},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Millinewtons"), 93},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Newtons"), 94},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilonewtons"), 95},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Ounce-force"), 96},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pound-force"), 97},
};

constexpr Unit kLightUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Flame"), 100},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Foot-candles"), 101},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Lux"), 102},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Meter-candles"), 103},
};

constexpr Unit kMemoryUnits[] = {
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Bytes (B)"), 201},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Kilobytes (KB)"), 202},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Megabytes (MB)"), 203},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Gigabytes (GB)"), 204},
    {NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Terabytes (TB)"), 205},
};

// The "&Lists" menu, top to bottom.
constexpr std::array<UnitCategory, kCategoryCount> kCategories = {{
    {"mnuArea", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Area"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Area"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "The measure of a bounded region on a plane"),
     "lstArea1", "lstArea2", kAreaUnits},
    {"mnuMemory",
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Computer Memory / Disk Capacity"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Computer Memory / Disk Capacity"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         " Memory and storage sizes for digital devices. "),
     "lstMemory1", "lstMemory2", kMemoryUnits},
    {"mnuDistance", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Distance"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Distance"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "The length of a line between two points"),
     "lstDistance1", "lstDistance2", kDistanceUnits},
    {"mnuEnergy", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Ener&gy"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Energy"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "The capacity for doing work - in modern physics, matter and energy are "
                         "regarded as equivalents"),
     "lstEnergy1", "lstEnergy2", kEnergyUnits},
    {"mnuFlowRate", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Flow Rate"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Flow Rate"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "The amount of liquid passing by a fixed point during a prescribed "
                         "amount of time"),
     "lstFlow1", "lstFlow2", kFlowRateUnits},
    {"mnuForce", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "F&orce"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Force"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "The cause, or agent, that puts an object at rest into motion or alters "
                         "the motion of a moving object"),
     "lstForce1", "lstForce2", kForceUnits},
    {"mnuLight", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Light"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Light"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "The rate of flow of light radiation with respect to the sense of sight"),
     "lstLight1", "lstLight2", kLightUnits},
    {"mnuMass", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Mass"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Mass"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "The quantity of matter in a body as measured by its inertia: "
                         "experimentally it is found that the gravitational force on an object is "
                         "proportional to its mass"),
     "lstMass1", "lstMass2", kMassUnits},
    {"mnuPower", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Po&wer"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Power"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "The rate at which work is done"), "lstPower1",
     "lstPower2", kPowerUnits},
    {"mnuPressure", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Pressure"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Pressure"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Force per unit of area"), "lstPressure1",
     "lstPressure2", kPressureUnits},
    {"mnuTemp", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "T&emperature"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Temperature"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "A measure of the average kinetic energy per molecule in a body"),
     "lstTemps1", "lstTemps2", kTemperatureUnits},
    {"mnuTorque", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Torque"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Torque"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "Moment of Force (Torque) - A measure of the tendency of a force to "
                         "rotate the body upon which it acts about an axis"),
     "lstTorque1", "lstTorque2", kTorqueUnits},
    {"mnuSpeed", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Velocit&y"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Velocity"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue",
                         "Velocity (Speed) - The time-rate of change of distance: It is expressed "
                         "as distance divided by time"),
     "lstSpeed1", "lstSpeed2", kVelocityUnits},
    {"mnuVolume", NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "&Volume"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "Volume"),
     NUMBRELLA_TRANSLATE("numbrella::UnitCatalogue", "The quantity of space an object occupies"),
     "lstVolume1", "lstVolume2", kVolumeUnits},
}};

// A category left out of the table would stand there empty, and an index would name
// the wrong category: both are caught here.
constexpr bool IndicesNameTheirCategories() {
  for (const UnitCategory& entry : kCategories) {
    if (entry.units.empty()) return false;
  }
  using namespace category;
  return kCategories[kArea].menuName == "mnuArea" && kCategories[kMemory].menuName == "mnuMemory" &&
         kCategories[kDistance].menuName == "mnuDistance" &&
         kCategories[kEnergy].menuName == "mnuEnergy" &&
         kCategories[kFlowRate].menuName == "mnuFlowRate" &&
         kCategories[kForce].menuName == "mnuForce" && kCategories[kLight].menuName == "mnuLight" &&
         kCategories[kMass].menuName == "mnuMass" && kCategories[kPower].menuName == "mnuPower" &&
         kCategories[kPressure].menuName == "mnuPressure" &&
         kCategories[kTemperature].menuName == "mnuTemp" &&
         kCategories[kTorque].menuName == "mnuTorque" &&
         kCategories[kVelocity].menuName == "mnuSpeed" &&
         kCategories[kVolume].menuName == "mnuVolume";
}
static_assert(IndicesNameTheirCategories());

// "0" .. "30"; the first eleven carry their own number as item data, the rest 0.
constexpr std::array<DecimalPlacesItem, 31> kDecimalPlaces = {{
    {"0", 0},  {"1", 1},  {"2", 2},   {"3", 3},  {"4", 4},  {"5", 5},  {"6", 6},  {"7", 7},
    {"8", 8},  {"9", 9},  {"10", 10}, {"11", 0}, {"12", 0}, {"13", 0}, {"14", 0}, {"15", 0},
    {"16", 0}, {"17", 0}, {"18", 0},  {"19", 0}, {"20", 0}, {"21", 0}, {"22", 0}, {"23", 0},
    {"24", 0}, {"25", 0}, {"26", 0},  {"27", 0}, {"28", 0}, {"29", 0}, {"30", 0},
}};

}  // namespace

std::span<const UnitCategory> Categories() { return kCategories; }

const UnitCategory* CategoryOfCode(UnitCode code) {
  for (const UnitCategory& category : kCategories) {
    for (const Unit& unit : category.units) {
      if (unit.code == code) return &category;
    }
  }
  return nullptr;
}

std::optional<UnitCode> CodeAt(const UnitCategory& category, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= category.units.size()) {
    return std::nullopt;
  }
  return category.units[static_cast<std::size_t>(index)].code;
}

const Unit* UnitOfCode(UnitCode code) {
  for (const UnitCategory& category : kCategories) {
    for (const Unit& unit : category.units) {
      if (unit.code == code) return &unit;
    }
  }
  return nullptr;
}

std::span<const DecimalPlacesItem> DecimalPlacesItems() { return kDecimalPlaces; }

}  // namespace numbrella
