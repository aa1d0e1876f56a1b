// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/converter_model.h"

#include "common/number_text.h"
#include "converter/convert_value.h"

#include <cmath>
#include <utility>

namespace numbrella {

namespace {

using category::kArea;  // shown at start-up

std::string Text(std::string_view text) { return std::string(text); }

// A catalogue text as the window shows it, in the user's language.
std::string Shown(std::string_view text) { return Translate(kUnitCatalogueContext, text); }
std::string Caption(std::string_view text) {
  return Translate(ConverterModel::kTextsContext, text);
}

}  // namespace

ConverterModel::ConverterModel()
    : fromHeading_(Caption(kConvertCaption)), intoHeading_(Caption(kIntoCaption)) {
  fromSelected_.fill(-1);
  intoSelected_.fill(-1);
}

std::string ConverterModel::SelectedText(int category, int index) const {
  std::optional<UnitCode> code = CodeAt(Categories()[category], index);
  if (!code) return {};
  return Shown(Categories()[category].units[index].text);
}

// ---- start-up -------------------------------------------------------------------

void ConverterModel::Load() {
  const UnitCategory& area = Categories()[kArea];
  title_ = Shown(area.title);
  description_ = Shown(area.description);
  fromCategory_ = kArea;
  intoCategory_ = kArea;
  decimalText_ = Text(kStartDecimals);
  decimalPlaces_ = 14;
  // The right list has no selection yet: the left list's handler converts nothing.
  SetFromSelection(0);
  SetIntoSelection(0);
  InputChanged("1");
  output_ = FixedDecimalsText(1.0, decimalPlaces_);
}

// ---- category commands ------------------------------------------------------------

void ConverterModel::ChooseCategory(int category) {
  if (category < 0 || category >= kCategoryCount) return;
  const UnitCategory& entry = Categories()[category];
  title_ = Shown(entry.title);
  description_ = Shown(entry.description);
  // The right list is still the previous category's here: the conversion that the
  // left selection raises is replaced by the ones that follow.
  fromCategory_ = category;
  SetFromSelection(0);
  intoCategory_ = category;
  SetIntoSelection(0);
  Convert();
}

// ---- list selections ---------------------------------------------------------------

void ConverterModel::SelectFromUnit(int category, int index) {
  if (category < 0 || category >= kCategoryCount) return;
  fromSelected_[category] = CodeAt(Categories()[category], index) ? index : -1;
  FromUnitChosen(category);
}

void ConverterModel::SelectIntoUnit(int category, int index) {
  if (category < 0 || category >= kCategoryCount) return;
  intoSelected_[category] = CodeAt(Categories()[category], index) ? index : -1;
  IntoUnitChosen();
}

void ConverterModel::SetFromSelection(int index) {
  fromSelected_[fromCategory_] = CodeAt(Categories()[fromCategory_], index) ? index : -1;
  FromUnitChosen(fromCategory_);
}

void ConverterModel::SetIntoSelection(int index) {
  intoSelected_[intoCategory_] = CodeAt(Categories()[intoCategory_], index) ? index : -1;
  IntoUnitChosen();
}

// The handlers read the lists referred to, not the list that raised them; the two are
// the same whenever the user clicks, since only the current pair is visible.
void ConverterModel::FromUnitChosen(int category) {
  sourceUnit_ = SelectedText(fromCategory_, FromUnit());
  // The Area list is selected first at start-up, before its right partner.
  if (category == kArea && IntoUnit() < 0) return;
  Convert();
}

void ConverterModel::IntoUnitChosen() {
  targetUnit_ = SelectedText(intoCategory_, IntoUnit());
  Convert();
}

// ---- direction --------------------------------------------------------------------

void ConverterModel::Reverse() {
  direction_ = direction_ == ConversionDirection::Forward ? ConversionDirection::Reverse
                                                          : ConversionDirection::Forward;
  Convert();
}

// ---- texts -------------------------------------------------------------------------

void ConverterModel::InputChanged(std::string text) {
  input_ = std::move(text);
  InputChange();
}

void ConverterModel::InputChange() { Convert(); }

void ConverterModel::OutputEdited(std::string text) { output_ = std::move(text); }

void ConverterModel::DecimalTextEdited(std::string text) { decimalText_ = std::move(text); }

// ---- decimal places ----------------------------------------------------------------

void ConverterModel::ChooseDecimalPlaces(int item) {
  const std::span<const DecimalPlacesItem> items = DecimalPlacesItems();
  if (item < 0 || item >= static_cast<int>(items.size())) return;
  decimalText_ = Text(items[static_cast<std::size_t>(item)].text);
  DecimalPlacesClick();
}

void ConverterModel::DecimalPlacesClick() {
  // The items read as whole numbers from 0 to 30; a text that is no whole number the
  // output can be written with (0 to kMaxDecimalPlaces decimals) ends the handler with nothing
  // changed.
  std::optional<double> places = ReadStrictNumber(decimalText_);
  if (!places || *places < 0 || *places > kMaxDecimalPlaces || *places != std::floor(*places))
    return;
  decimalPlaces_ = static_cast<int>(*places);
  Convert();
}

// ---- the conversion ----------------------------------------------------------------

void ConverterModel::Convert() {
  const int from = FromUnit();
  const int into = IntoUnit();
  // Both codes are read before anything is written: a list without a selection
  // ends the run with nothing changed.
  std::optional<UnitCode> fromCode = CodeAt(Categories()[fromCategory_], from);
  if (!fromCode) return;
  std::optional<UnitCode> intoCode = CodeAt(Categories()[intoCategory_], into);
  if (!intoCode) return;
  UnitCode source = *fromCode;
  UnitCode target = *intoCode;
  if (direction_ == ConversionDirection::Forward) {
    sourceUnit_ = SelectedText(fromCategory_, from);
    targetUnit_ = SelectedText(intoCategory_, into);
    fromHeading_ = Caption(kConvertCaption);
    intoHeading_ = Caption(kIntoCaption);
  } else {
    sourceUnit_ = SelectedText(intoCategory_, into);
    targetUnit_ = SelectedText(fromCategory_, from);
    fromHeading_ = Caption(kIntoCaption);
    intoHeading_ = Caption(kConvertCaption);
    std::swap(source, target);
  }
  // No text: the input or the result lies beyond the double range; the output keeps
  // what it showed.
  std::optional<std::string> result = ConvertValue(source, target, input_, decimalPlaces_);
  if (result) output_ = std::move(*result);
}

// ---- swap, copy, reset -------------------------------------------------------------

void ConverterModel::Swap() {
  // The output is normally written by the conversion; a text the user typed there
  // that is not a number leaves everything as it is.
  std::optional<double> previous = ReadStrictNumber(output_);
  if (!previous) return;
  InputChanged(GeneralNumberText(*previous));
  const int a = FromUnit();
  const int b = IntoUnit();
  SetFromSelection(b);
  SetIntoSelection(a);
  Convert();
}

std::optional<std::string> ConverterModel::CopyText() const {
  std::optional<double> value = ReadLeadingNumber(output_);
  if (!value) return std::nullopt;
  return GeneralNumberText(*value);
}

bool ConverterModel::HiddenReset() {
  std::optional<double> places = ReadStrictNumber(decimalText_);
  if (!places || *places != 15 || input_ != kResetName) return false;
  InputChanged("");
  decimalText_ = Text(kStartDecimals);
  DecimalPlacesClick();
  return true;
}

}  // namespace numbrella
