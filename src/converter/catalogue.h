// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The converter's fixed catalogue: fourteen categories in menu order, their units in
// list order with their unit codes, and the items of the decimal-places list.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace numbrella {

using UnitCode = std::int32_t;

// The translation catalogues' name for the unit, caption, title and description texts.
inline constexpr char kUnitCatalogueContext[] = "numbrella::UnitCatalogue";

struct Unit {
  std::string_view text;  // the list item's text
  UnitCode code;          // the list item's item data
};

struct UnitCategory {
  std::string_view menuName;     // "mnuArea"
  std::string_view caption;      // "&Area"
  std::string_view title;        // lblTitle caption
  std::string_view description;  // lblTitle tooltip, blanks kept
  std::string_view leftList;     // "lstArea1"
  std::string_view rightList;    // "lstArea2"
  std::span<const Unit> units;
};

struct DecimalPlacesItem {
  std::string_view text;
  int data;
};

// The index of each category in Categories(), the order of the "&Lists" menu.
namespace category {
enum : int {
  kArea,
  kMemory,
  kDistance,
  kEnergy,
  kFlowRate,
  kForce,
  kLight,
  kMass,
  kPower,
  kPressure,
  kTemperature,
  kTorque,
  kVelocity,
  kVolume,
};
}  // namespace category

inline constexpr int kCategoryCount = category::kVolume + 1;

// The fourteen categories in the order of the "&Lists" menu (Area first).
std::span<const UnitCategory> Categories();

// The category that holds a code, or nullptr.
const UnitCategory* CategoryOfCode(UnitCode code);

// The code at a list index of a category; nullopt outside the list.
std::optional<UnitCode> CodeAt(const UnitCategory& category, int index);

// The unit with a code, or nullptr.
const Unit* UnitOfCode(UnitCode code);

// The 31 items "0" .. "30" of the decimal-places list.
std::span<const DecimalPlacesItem> DecimalPlacesItems();

}  // namespace numbrella
