// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/catalogue.h"

#include <array>

namespace numbrella {
namespace {

// Units of each category in list order. Codes are unique over the whole catalogue;
// each category keeps to its own block, and joining any two codes of one category as
// decimal texts gives a text no other pair of one category gives.
constexpr Unit kDistanceUnits[] = {
    {"Inches", 0},      {"Feet", 1},        {"Yards", 2},  {"Miles", 3},
    {"Millimeters", 4}, {"Centimeters", 5}, {"Meters", 6}, {"Kilometers", 7},
};

constexpr Unit kAreaUnits[] = {
    {"Sq Inches", 10},      {"Sq Feet", 11},        {"Sq Yards", 12},  {"Sq Miles", 13},
    {"Sq Millimeters", 14}, {"Sq Centimeters", 15}, {"Sq Meters", 16}, {"Sq Kilometers", 17},
};

constexpr Unit kFlowRateUnits[] = {
    {"Gallons/Second", 20},
    {"Gallons/Minute", 21},
    {"Liters/Second", 22},
    {"Liters/Minute", 23},
};

constexpr Unit kPowerUnits[] = {
    {"Horsepower", 24},
    {"Watts", 25},
    {"Kilowatts", 26},
    {"Megawatts", 27},
};

constexpr Unit kMassUnits[] = {
    {"Ounces(avdp)", 30}, {"Pounds(avdp)", 31}, {"Tons(avdp-2000#)", 32},
    {"Grams", 33},        {"Kilograms", 34},    {"Megagrams", 35},
};

constexpr Unit kPressureUnits[] = {
    {"Millibar", 40}, {"Bar", 41}, {"PSI", 42}, {"Pascal", 43}, {"Kilopascal", 44},
};

constexpr Unit kVelocityUnits[] = {
    {"Feet/second", 50},   {"Feet/minute", 51},   {"Miles/hour", 52},
    {"Meters/second", 53}, {"Meters/minute", 54}, {"Kilometers/hour", 55},
};

constexpr Unit kTemperatureUnits[] = {
    {"Celsius", 60},
    {"Fahrenheit", 61},
};

// Liters is 690: 70 is the first Torque unit.
constexpr Unit kVolumeUnits[] = {
    {"Cubic inches", 62}, {"Cubic feet", 63}, {"Cubic yards", 64},
    {"Cubic centimeters", 65}, {"Cubic meters", 66}, {"Pints", 67},
    {"Quarts", 68}, {"Gallons", 69}, {"Liters", 690},
};

constexpr Unit kTorqueUnits[] = {
    {"Ounce-force/inch", 70},
    {"Ounce-force/foot", 71},
    {"Pound-force/inch(Inch pounds)", 72},
    {"Pound-force/foot(Foot pounds)", 73},
    {"Newton meters", 74},
};

constexpr Unit kEnergyUnits[] = {
    {"BTU", 80},    {"Calories", 81},         {"Pound-force inches", 82},
    {"Pound-force feet", 83}, {"Horsepower-hours", 84}, {"Joules", 85},
    {"Kilowatt-hours", 86},
};

constexpr Unit kForceUnits[] = {
    {"Dynes", 90},   {"Gram-force", 91},  {"Kilogram-force", 92}, {"Millinewtons", 93},
    {"Newtons", 94}, {"Kilonewtons", 95}, {"Ounce-force", 96},    {"Pound-force", 97},
};

constexpr Unit kLightUnits[] = {
    {"Flame", 100},
    {"Foot-candles", 101},
    {"Lux", 102},
    {"Meter-candles", 103},
};

constexpr Unit kMemoryUnits[] = {
    {"Bytes (B)", 201},      {"Kilobytes (KB)", 202}, {"Megabytes (MB)", 203},
    {"Gigabytes (GB)", 204}, {"Terabytes (TB)", 205},
};

// The "&Lists" menu, top to bottom.
constexpr std::array<UnitCategory, kCategoryCount> kCategories = {{
    {"mnuArea", "&Area", "Area", "The measure of a bounded region on a plane", "lstArea1",
     "lstArea2", kAreaUnits},
    {"mnuMemory", "&Computer Memory / Disk Capacity", "Computer Memory / Disk Capacity",
     " Memory and storage sizes for digital devices. ", "lstMemory1", "lstMemory2", kMemoryUnits},
    {"mnuDistance", "&Distance", "Distance", "The length of a line between two points",
     "lstDistance1", "lstDistance2", kDistanceUnits},
    {"mnuEnergy", "Ener&gy", "Energy",
     "The capacity for doing work - in modern physics, matter and energy are regarded as "
     "equivalents",
     "lstEnergy1", "lstEnergy2", kEnergyUnits},
    {"mnuFlowRate", "&Flow Rate", "Flow Rate",
     "The amount of liquid passing by a fixed point during a prescribed amount of time",
     "lstFlow1", "lstFlow2", kFlowRateUnits},
    {"mnuForce", "F&orce", "Force",
     "The cause, or agent, that puts an object at rest into motion or alters the motion of a "
     "moving object",
     "lstForce1", "lstForce2", kForceUnits},
    {"mnuLight", "&Light", "Light",
     "The rate of flow of light radiation with respect to the sense of sight", "lstLight1",
     "lstLight2", kLightUnits},
    {"mnuMass", "&Mass", "Mass",
     "The quantity of matter in a body as measured by its inertia: experimentally it is "
     "found that the gravitational force on an object is proportional to its mass",
     "lstMass1", "lstMass2", kMassUnits},
    {"mnuPower", "Po&wer", "Power", "The rate at which work is done", "lstPower1",
     "lstPower2", kPowerUnits},
    {"mnuPressure", "&Pressure", "Pressure", "Force per unit of area", "lstPressure1",
     "lstPressure2", kPressureUnits},
    {"mnuTemp", "T&emperature", "Temperature",
     "A measure of the average kinetic energy per molecule in a body", "lstTemps1",
     "lstTemps2", kTemperatureUnits},
    {"mnuTorque", "&Torque", "Torque",
     "Moment of Force (Torque) - A measure of the tendency of a force to rotate the body "
     "upon which it acts about an axis",
     "lstTorque1", "lstTorque2", kTorqueUnits},
    {"mnuSpeed", "Velocit&y", "Velocity",
     "Velocity (Speed) - The time-rate of change of distance: It is expressed as distance "
     "divided by time",
     "lstSpeed1", "lstSpeed2", kVelocityUnits},
    {"mnuVolume", "&Volume", "Volume", "The quantity of space an object occupies",
     "lstVolume1", "lstVolume2", kVolumeUnits},
}};

// A category left out of the table would stand there empty, and an index would name
// the wrong category: both are caught here.
constexpr bool IndicesNameTheirCategories() {
  for (const UnitCategory& entry : kCategories) {
    if (entry.units.empty()) return false;
  }
  using namespace category;
  return kCategories[kArea].menuName == "mnuArea" &&
         kCategories[kMemory].menuName == "mnuMemory" &&
         kCategories[kDistance].menuName == "mnuDistance" &&
         kCategories[kEnergy].menuName == "mnuEnergy" &&
         kCategories[kFlowRate].menuName == "mnuFlowRate" &&
         kCategories[kForce].menuName == "mnuForce" &&
         kCategories[kLight].menuName == "mnuLight" &&
         kCategories[kMass].menuName == "mnuMass" &&
         kCategories[kPower].menuName == "mnuPower" &&
         kCategories[kPressure].menuName == "mnuPressure" &&
         kCategories[kTemperature].menuName == "mnuTemp" &&
         kCategories[kTorque].menuName == "mnuTorque" &&
         kCategories[kVelocity].menuName == "mnuSpeed" &&
         kCategories[kVolume].menuName == "mnuVolume";
}
static_assert(IndicesNameTheirCategories());

// "0" .. "30"; the first eleven carry their own number as item data, the rest 0.
constexpr std::array<DecimalPlacesItem, 31> kDecimalPlaces = {{
    {"0", 0},  {"1", 1},  {"2", 2},  {"3", 3},  {"4", 4},  {"5", 5},  {"6", 6},  {"7", 7},
    {"8", 8},  {"9", 9},  {"10", 10}, {"11", 0}, {"12", 0}, {"13", 0}, {"14", 0}, {"15", 0},
    {"16", 0}, {"17", 0}, {"18", 0}, {"19", 0}, {"20", 0}, {"21", 0}, {"22", 0}, {"23", 0},
    {"24", 0}, {"25", 0}, {"26", 0}, {"27", 0}, {"28", 0}, {"29", 0}, {"30", 0},
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
