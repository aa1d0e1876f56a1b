// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/catalogue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>
#include <vector>

namespace numbrella {
namespace {

std::string CodeText(UnitCode code) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, code);
  return std::string(buffer, result.ptr);
}

std::string UnitTexts(const UnitCategory& category) {
  std::string joined;
  for (const Unit& unit : category.units) {
    if (!joined.empty()) joined += '|';
    joined += unit.text;
  }
  return joined;
}

const UnitCategory& CategoryNamed(std::string_view title) {
  for (const UnitCategory& category : Categories()) {
    if (category.title == title) return category;
  }
  ADD_FAILURE() << "no category " << title;
  return Categories().front();
}

TEST(Catalogue, CategoriesComeInMenuOrderWithTheirNamesAndLists) {
  struct Expected {
    const char* menu;
    const char* caption;
    const char* title;
    const char* left;
    const char* right;
    std::size_t units;
  };
  const std::vector<Expected> expected = {
      {"mnuArea", "&Area", "Area", "lstArea1", "lstArea2", 8},
      {"mnuMemory", "&Computer Memory / Disk Capacity", "Computer Memory / Disk Capacity",
       "lstMemory1", "lstMemory2", 5},
      {"mnuDistance", "&Distance", "Distance", "lstDistance1", "lstDistance2", 8},
      {"mnuEnergy", "Ener&gy", "Energy", "lstEnergy1", "lstEnergy2", 7},
      {"mnuFlowRate", "&Flow Rate", "Flow Rate", "lstFlow1", "lstFlow2", 4},
      {"mnuForce", "F&orce", "Force", "lstForce1", "lstForce2", 8},
      {"mnuLight", "&Light", "Light", "lstLight1", "lstLight2", 4},
      {"mnuMass", "&Mass", "Mass", "lstMass1", "lstMass2", 6},
      {"mnuPower", "Po&wer", "Power", "lstPower1", "lstPower2", 4},
      {"mnuPressure", "&Pressure", "Pressure", "lstPressure1", "lstPressure2", 5},
      {"mnuTemp", "T&emperature", "Temperature", "lstTemps1", "lstTemps2", 2},
      {"mnuTorque", "&Torque", "Torque", "lstTorque1", "lstTorque2", 5},
      {"mnuSpeed", "Velocit&y", "Velocity", "lstSpeed1", "lstSpeed2", 6},
      {"mnuVolume", "&Volume", "Volume", "lstVolume1", "lstVolume2", 9},
  };
  auto categories = Categories();
  ASSERT_EQ(categories.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].title);
    EXPECT_EQ(categories[i].menuName, expected[i].menu);
    EXPECT_EQ(categories[i].caption, expected[i].caption);
    EXPECT_EQ(categories[i].title, expected[i].title);
    EXPECT_EQ(categories[i].leftList, expected[i].left);
    EXPECT_EQ(categories[i].rightList, expected[i].right);
    EXPECT_EQ(categories[i].units.size(), expected[i].units);
    EXPECT_FALSE(categories[i].description.empty());
  }
}

TEST(Catalogue, DescriptionsKeepTheirBlanks) {
  EXPECT_EQ(CategoryNamed("Computer Memory / Disk Capacity").description,
            " Memory and storage sizes for digital devices. ");
  EXPECT_EQ(CategoryNamed("Area").description, "The measure of a bounded region on a plane");
  EXPECT_EQ(CategoryNamed("Pressure").description, "Force per unit of area");
  EXPECT_EQ(CategoryNamed("Velocity").description,
            "Velocity (Speed) - The time-rate of change of distance: It is expressed as "
            "distance divided by time");
  EXPECT_EQ(CategoryNamed("Mass").description,
            "The quantity of matter in a body as measured by its inertia: experimentally it "
            "is found that the gravitational force on an object is proportional to its mass");
  EXPECT_EQ(CategoryNamed("Distance").description, "The length of a line between two points");
  EXPECT_EQ(CategoryNamed("Energy").description,
            "The capacity for doing work - in modern physics, matter and energy are regarded "
            "as equivalents");
  EXPECT_EQ(CategoryNamed("Flow Rate").description,
            "The amount of liquid passing by a fixed point during a prescribed amount of time");
  EXPECT_EQ(CategoryNamed("Force").description,
            "The cause, or agent, that puts an object at rest into motion or alters the motion "
            "of a moving object");
  EXPECT_EQ(CategoryNamed("Light").description,
            "The rate of flow of light radiation with respect to the sense of sight");
  EXPECT_EQ(CategoryNamed("Power").description, "The rate at which work is done");
  EXPECT_EQ(CategoryNamed("Temperature").description,
            "A measure of the average kinetic energy per molecule in a body");
  EXPECT_EQ(CategoryNamed("Torque").description,
            "Moment of Force (Torque) - A measure of the tendency of a force to rotate the body "
            "upon which it acts about an axis");
  EXPECT_EQ(CategoryNamed("Volume").description, "The quantity of space an object occupies");
  for (const UnitCategory& category : Categories()) {
    if (category.title == "Computer Memory / Disk Capacity") continue;
    EXPECT_NE(category.description.front(), ' ') << category.title;
    EXPECT_NE(category.description.back(), ' ') << category.title;
  }
}

TEST(Catalogue, UnitsReadAsTheListsShowThem) {
  EXPECT_EQ(UnitTexts(CategoryNamed("Distance")),
            "Inches|Feet|Yards|Miles|Millimeters|Centimeters|Meters|Kilometers");
  EXPECT_EQ(UnitTexts(CategoryNamed("Mass")),
            "Ounces(avdp)|Pounds(avdp)|Tons(avdp-2000#)|Grams|Kilograms|Megagrams");
  EXPECT_EQ(UnitTexts(CategoryNamed("Torque")),
            "Ounce-force/inch|Ounce-force/foot|Pound-force/inch(Inch pounds)|"
            "Pound-force/foot(Foot pounds)|Newton meters");
  EXPECT_EQ(UnitTexts(CategoryNamed("Volume")),
            "Cubic inches|Cubic feet|Cubic yards|Cubic centimeters|Cubic meters|Pints|"
            "Quarts|Gallons|Liters");
  EXPECT_EQ(UnitTexts(CategoryNamed("Computer Memory / Disk Capacity")),
            "Bytes (B)|Kilobytes (KB)|Megabytes (MB)|Gigabytes (GB)|Terabytes (TB)");
  // Lux and Meter-candles are two entries, not one.
  EXPECT_EQ(UnitTexts(CategoryNamed("Light")), "Flame|Foot-candles|Lux|Meter-candles");
  EXPECT_EQ(UnitTexts(CategoryNamed("Velocity")),
            "Feet/second|Feet/minute|Miles/hour|Meters/second|Meters/minute|Kilometers/hour");
  EXPECT_EQ(UnitTexts(CategoryNamed("Area")),
            "Sq Inches|Sq Feet|Sq Yards|Sq Miles|Sq Millimeters|Sq Centimeters|Sq Meters|"
            "Sq Kilometers");
  EXPECT_EQ(UnitTexts(CategoryNamed("Flow Rate")),
            "Gallons/Second|Gallons/Minute|Liters/Second|Liters/Minute");
  EXPECT_EQ(UnitTexts(CategoryNamed("Power")), "Horsepower|Watts|Kilowatts|Megawatts");
  EXPECT_EQ(UnitTexts(CategoryNamed("Pressure")), "Millibar|Bar|PSI|Pascal|Kilopascal");
  EXPECT_EQ(UnitTexts(CategoryNamed("Temperature")), "Celsius|Fahrenheit");
  EXPECT_EQ(UnitTexts(CategoryNamed("Energy")),
            "BTU|Calories|Pound-force inches|Pound-force feet|Horsepower-hours|Joules|"
            "Kilowatt-hours");
  EXPECT_EQ(UnitTexts(CategoryNamed("Force")),
            "Dynes|Gram-force|Kilogram-force|Millinewtons|Newtons|Kilonewtons|Ounce-force|"
            "Pound-force");
}

TEST(Catalogue, CodesAreUniqueAndKeepToTheirCategoryBlocks) {
  struct Block {
    const char* title;
    UnitCode first;
    UnitCode last;
  };
  const std::vector<Block> blocks = {
      {"Distance", 0, 7},       {"Area", 10, 17},    {"Flow Rate", 20, 23},
      {"Power", 24, 27},        {"Mass", 30, 35},    {"Pressure", 40, 44},
      {"Velocity", 50, 55},     {"Temperature", 60, 61}, {"Torque", 70, 74},
      {"Energy", 80, 86},       {"Force", 90, 97},   {"Light", 100, 103},
      {"Computer Memory / Disk Capacity", 201, 205},
  };
  for (const Block& block : blocks) {
    const UnitCategory& category = CategoryNamed(block.title);
    UnitCode expected = block.first;
    for (const Unit& unit : category.units) EXPECT_EQ(unit.code, expected++) << unit.text;
    EXPECT_EQ(expected, block.last + 1) << block.title;
  }
  const UnitCategory& volume = CategoryNamed("Volume");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(CodeAt(volume, i), 62 + i);
  EXPECT_EQ(CodeAt(volume, 8), 690);

  std::set<UnitCode> seen;
  for (const UnitCategory& category : Categories()) {
    for (const Unit& unit : category.units) {
      EXPECT_TRUE(seen.insert(unit.code).second) << "code used twice: " << unit.code;
    }
  }
  EXPECT_EQ(seen.size(), 81u);
}

TEST(Catalogue, JoinedCodeTextsOfEveryOrderedPairAreDistinct) {
  std::set<std::string> keys;
  std::size_t pairs = 0;
  for (const UnitCategory& category : Categories()) {
    for (const Unit& from : category.units) {
      for (const Unit& into : category.units) {
        ++pairs;
        std::string key = CodeText(from.code) + CodeText(into.code);
        EXPECT_TRUE(keys.insert(key).second) << "joined text repeats: " << key;
        if (category.title == "Distance") {
          EXPECT_EQ(key.size(), 2u) << key;
        } else {
          EXPECT_GE(key.size(), 4u) << key;
          EXPECT_LE(key.size(), 6u) << key;
        }
      }
    }
  }
  EXPECT_EQ(pairs, 521u);
  EXPECT_EQ(keys.size(), 521u);
  EXPECT_TRUE(keys.contains("62690"));
  EXPECT_TRUE(keys.contains("69062"));
  EXPECT_TRUE(keys.contains("01"));
  EXPECT_TRUE(keys.contains("1011"));
}

TEST(Catalogue, LookupsByIndexAndByCode) {
  const UnitCategory& volume = CategoryNamed("Volume");
  EXPECT_EQ(CodeAt(volume, 0), 62);
  EXPECT_EQ(CodeAt(volume, 8), 690);
  EXPECT_EQ(CodeAt(volume, 9), std::nullopt);
  EXPECT_EQ(CodeAt(volume, -1), std::nullopt);
  EXPECT_EQ(CodeAt(CategoryNamed("Distance"), 0), 0);

  ASSERT_NE(UnitOfCode(690), nullptr);
  EXPECT_EQ(UnitOfCode(690)->text, "Liters");
  EXPECT_EQ(CategoryOfCode(690), &volume);
  ASSERT_NE(UnitOfCode(70), nullptr);
  EXPECT_EQ(UnitOfCode(70)->text, "Ounce-force/inch");
  EXPECT_EQ(CategoryOfCode(70)->title, "Torque");
  ASSERT_NE(UnitOfCode(0), nullptr);
  EXPECT_EQ(UnitOfCode(0)->text, "Inches");
  EXPECT_EQ(CategoryOfCode(205)->title, "Computer Memory / Disk Capacity");

  for (UnitCode missing : {-1, 8, 9, 18, 28, 36, 1070, 104, 200, 206, 999}) {
    EXPECT_EQ(UnitOfCode(missing), nullptr) << missing;
    EXPECT_EQ(CategoryOfCode(missing), nullptr) << missing;
  }
  // Every unit is found again by its own code, in its own category.
  for (const UnitCategory& category : Categories()) {
    for (const Unit& unit : category.units) {
      EXPECT_EQ(UnitOfCode(unit.code), &unit);
      EXPECT_EQ(CategoryOfCode(unit.code), &category);
    }
  }
}

TEST(Catalogue, DecimalPlacesListHoldsZeroToThirty) {
  auto items = DecimalPlacesItems();
  ASSERT_EQ(items.size(), 31u);
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, CodeText(static_cast<UnitCode>(i)));
    EXPECT_EQ(items[i].data, i <= 10 ? static_cast<int>(i) : 0) << items[i].text;
  }
}

}  // namespace
}  // namespace numbrella
