// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion calculator's window logic without a toolkit: which category is
// shown, the selections of the 28 unit lists, the direction of the conversion, the
// decimal places, the input and output texts and the captions. Every operation runs
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

// Forward: the left list is the source (Image1, the hand pointing right, is shown).
// Reverse: the right list is the source (Image2, the hand pointing left, is shown).
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

  // The state of a window before it is loaded: only the Area lists visible, no list
  // with a selection, the forward direction, every text empty.
  ConverterModel();

  // Start-up: Area, the first unit on both sides, input "1", 14 decimal places.
  void Load();

  // A category command (the "&Lists" entries, by index into Categories()): shows the
  // category's two lists with their first units selected; keeps input, decimal
  // places and direction.
  void ChooseCategory(int category);

  // The user selects an item of a list (a category's left or right list); the list's
  // selection handler runs. An index outside the list clears the selection.
  void SelectLeftItem(int category, int index);
  void SelectRightItem(int category, int index);

  // A click on the shown hand picture reverses the direction.
  void ClickImage1();
  void ClickImage2();

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

  // What the window shows.
  int Category() const { return fromCategory_; }  // the category of the left list
  int IntoCategory() const { return intoCategory_; }
  int LeftIndex() const { return leftSelected_[fromCategory_]; }
  int RightIndex() const { return rightSelected_[intoCategory_]; }
  int LeftSelected(int category) const { return leftSelected_[category]; }
  int RightSelected(int category) const { return rightSelected_[category]; }
  bool LeftVisible(int category) const { return leftVisible_[category]; }
  bool RightVisible(int category) const { return rightVisible_[category]; }
  ConversionDirection Direction() const { return direction_; }
  int DecimalPoints() const { return decimalPoints_; }
  const std::string& DecimalText() const { return decimalText_; }
  const std::string& Input() const { return input_; }
  const std::string& Output() const { return output_; }
  const std::string& Label1() const { return label1_; }  // unit of the input
  const std::string& Label2() const { return label2_; }  // unit of the output
  const std::string& Label6() const { return label6_; }  // over the left list
  const std::string& Label7() const { return label7_; }  // over the right list
  const std::string& Title() const { return title_; }
  const std::string& TitleTip() const { return titleTip_; }

 private:
  // Setting a control from code, with the handler it raises.
  void SetLeftSelection(int index);   // on the left list referred to
  void SetRightSelection(int index);  // on the right list referred to
  // Handlers.
  void LeftListClick(int category);
  void RightListClick();
  void InputChange();
  void DecimalPlacesClick();
  // Procedures.
  void Convert();
  void ClearLists();
  std::string SelectedText(int category, int index) const;

  int fromCategory_ = 0;  // the list objFromList refers to: this category's left list
  int intoCategory_ = 0;  // the list objIntoList refers to: this category's right list
  std::array<int, kCategoryCount> leftSelected_{};
  std::array<int, kCategoryCount> rightSelected_{};
  std::array<bool, kCategoryCount> leftVisible_{};
  std::array<bool, kCategoryCount> rightVisible_{};
  ConversionDirection direction_ = ConversionDirection::Forward;
  int decimalPoints_ = 0;
  std::string decimalText_;
  std::string input_;
  std::string output_;
  std::string label1_;
  std::string label2_;
  std::string label6_;
  std::string label7_;
  std::string title_;
  std::string titleTip_;
};

}  // namespace numbrella
