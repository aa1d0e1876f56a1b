// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/catalogue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>
#include <string_view>
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

// The texts themselves are guarded by the catalogues: a changed text is an untranslated
// one there. What the lists and menus rely on is checked here.
TEST(Catalogue, EveryCategoryHasItsMenuTwoListsAndTexts) {
  std::set<std::string_view> names;
  std::size_t units = 0;
  for (const UnitCategory& category : Categories()) {
    SCOPED_TRACE(category.title);
    EXPECT_TRUE(category.menuName.starts_with("mnu"));
    EXPECT_NE(category.caption.find('&'), std::string_view::npos);
    EXPECT_TRUE(category.leftList.ends_with("1") && category.rightList.ends_with("2"));
    EXPECT_EQ(category.leftList.substr(0, category.leftList.size() - 1),
              category.rightList.substr(0, category.rightList.size() - 1));
    for (std::string_view name : {category.menuName, category.leftList, category.rightList}) {
      EXPECT_TRUE(names.insert(name).second) << name;
    }
    EXPECT_FALSE(category.description.empty());
    EXPECT_GE(category.units.size(), 2u);
    units += category.units.size();
  }
  EXPECT_EQ(Categories().size(), 14u);
  EXPECT_EQ(Categories().front().title, "Area");
  EXPECT_EQ(Categories().back().title, "Volume");
  EXPECT_EQ(units, 81u);
}

TEST(Catalogue, OnlyTheMemoryDescriptionKeepsBlanksAtItsEnds) {
  EXPECT_EQ(CategoryNamed("Computer Memory / Disk Capacity").description,
            " Memory and storage sizes for digital devices. ");
  for (const UnitCategory& category : Categories()) {
    if (category.title == "Computer Memory / Disk Capacity") continue;
    EXPECT_NE(category.description.front(), ' ') << category.title;
    EXPECT_NE(category.description.back(), ' ') << category.title;
  }
  // Lux and Meter-candles are two entries, not one.
  EXPECT_EQ(UnitTexts(CategoryNamed("Light")), "Flame|Foot-candles|Lux|Meter-candles");
}

TEST(Catalogue, CodesAreUniqueAndKeepToTheirCategoryBlocks) {
  struct Block {
    const char* title;
    UnitCode first;
    UnitCode last;
  };
  const std::vector<Block> blocks = {
      {"Distance", 0, 7},
      {"Area", 10, 17},
      {"Flow Rate", 20, 23},
      {"Power", 24, 27},
      {"Mass", 30, 35},
      {"Pressure", 40, 44},
      {"Velocity", 50, 55},
      {"Temperature", 60, 61},
      {"Torque", 70, 74},
      {"Energy", 80, 86},
      {"Force", 90, 97},
      {"Light", 100, 103},
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
