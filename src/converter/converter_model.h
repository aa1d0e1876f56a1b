// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion calculator's window logic without a toolkit: the quantity (the unit
// category) shown, the unit chosen in the "Convert:" list and in the "Into:" list, the
// direction of the conversion, the decimal places, the input and output texts, and the
// names of the source and the target unit and the list headings. Every operation runs
// the handlers of the window in the order the window runs them, nested runs included:
// selecting a list item runs that list's handler, setting the input runs its change
// handler. The window shows what the model holds after each operation.
#include "common/translation.h"
#include "converter/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

// Forward: the unit of the left list ("Convert:") is the source, the hand points right.
// Reverse: the unit of the right list is the source, the hand points left.
enum class ConversionDirection { Forward, Reverse };

class ConverterModel {
 public:
  // Window texts that never change. The model holds the shown texts in the user's
  // language (the captions, the units' names, the title and its tooltip); the credit
  // is translated where it is shown, under kTextsContext.
  static constexpr char kTextsContext[] = "numbrella::frmListBoxConverter";
  static constexpr std::string_view kCaption =
      " Zaduzer Uvev!!                           www.numbrella.example";
  static constexpr std::string_view kConvertCaption =
      NUMBRELLA_TRANSLATE("numbrella::frmListBoxConverter", "Convert:");
  static constexpr std::string_view kIntoCaption =
      NUMBRELLA_TRANSLATE("numbrella::frmListBoxConverter", "Into:");
  static constexpr std::string_view kResetName = "Zederu Dizira";
  //: Two lines: keep the line break (CR LF); the name on the second line stays as it is.
  static constexpr std::string_view kCreditText =
      NUMBRELLA_TRANSLATE("numbrella::frmListBoxConverter", "Released to\r\nZederu Dizira");
  static constexpr std::string_view kStartDecimals = "14";

  // The state of a window before it is loaded: Area, no unit chosen, the forward
  // direction, every text empty.
  ConverterModel();

  // Start-up: Area, the first unit on both sides, input "1", 14 decimal places.
  void Load();

  // A category command (the "&Lists" entries, by index into Categories()): that
  // quantity with its first unit on both sides; keeps input, decimal places and
  // direction.
  void ChooseCategory(int category);

  // The user chooses the unit at `index` of a category's left ("from") or right
  // ("into") list. An index outside the list chooses none.
  void SelectFromUnit(int category, int index);
  void SelectIntoUnit(int category, int index);

  // Reverses the direction of the conversion (a click on the hand).
  void Reverse();

  // The input text changed (typed or pasted by the user, or set by the window's own
  // commands); the output follows.
  void InputChanged(std::string text);
  // The user typed into the output field or the text part of the decimal-places
  // drop-down: the texts change, nothing else happens.
  void OutputEdited(std::string text);
  void DecimalTextEdited(std::string text);

  // The item at index `item` of the decimal-places drop-down was chosen: its text
  // shows, and the output gets as many decimals as it says.
  void ChooseDecimalPlaces(int item);

  // Exchanges the units: the output becomes the input and is converted back.
  // Leaves everything as it was when the output text is not a number.
  void Swap();

  // The text the copy command puts on the clipboard: the output's leading number
  // as a general number text ("0" when the output does not begin with a number).
  // nullopt: the number lies beyond the double range; nothing is to be put.
  std::optional<std::string> CopyText() const;

  // The hidden reset: when the decimal-places text reads exactly 15 and the input is
  // the reset name, clears the input and returns to 14 decimal places. Returns
  // whether the reset ran.
  bool HiddenReset();

  // What the window shows: the quantity, the units chosen in its left and right list
  // by their index (-1 for none).
  int Category() const { return fromCategory_; }
  int FromUnit() const { return fromSelected_[fromCategory_]; }
  int IntoUnit() const { return intoSelected_[intoCategory_]; }
  ConversionDirection Direction() const { return direction_; }
  int DecimalPlaces() const { return decimalPlaces_; }
  const std::string& DecimalText() const { return decimalText_; }
  const std::string& Input() const { return input_; }
  const std::string& Output() const { return output_; }
  const std::string& SourceUnitName() const { return sourceUnit_; }  // unit of the input
  const std::string& TargetUnitName() const { return targetUnit_; }  // unit of the output
  const std::string& FromHeading() const { return fromHeading_; }    // over the left list
  const std::string& IntoHeading() const { return intoHeading_; }    // over the right list
  const std::string& Title() const { return title_; }
  const std::string& Description() const { return description_; }

 private:
  // Setting a control from code, with the handler it raises.
  void SetFromSelection(int index);  // on the left list referred to
  void SetIntoSelection(int index);  // on the right list referred to
  // Handlers.
  void FromUnitChosen(int category);
  void IntoUnitChosen();
  void InputChange();
  void DecimalPlacesClick();
  // Procedures.
  void Convert();
  std::string SelectedText(int category, int index) const;

  // The lists the conversion reads: this category's left list and that one's right
  // list, different only while a category command runs.
  int fromCategory_ = 0;
  int intoCategory_ = 0;
  std::array<int, kCategoryCount> fromSelected_{};
  std::array<int, kCategoryCount> intoSelected_{};
  ConversionDirection direction_ = ConversionDirection::Forward;
  int decimalPlaces_ = 0;
  std::string decimalText_;
  std::string input_;
  std::string output_;
  std::string sourceUnit_;
  std::string targetUnit_;
  std::string fromHeading_;
  std::string intoHeading_;
  std::string title_;
  std::string description_;
};

}  // namespace numbrella
