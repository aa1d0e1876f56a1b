// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/converter_model.h"

#include "support/bracketing_translation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

int Cat(std::string_view menuName) {
  auto categories = Categories();
  for (std::size_t i = 0; i < categories.size(); ++i) {
    if (categories[i].menuName == menuName) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no category " << menuName;
  return 0;
}

ConverterModel Loaded() {
  ConverterModel model;
  model.Load();
  return model;
}

// Selects a pair in the current category as the user would: left, then right.
void Pick(ConverterModel& model, int left, int right) {
  model.SelectFromUnit(model.Category(), left);
  model.SelectIntoUnit(model.Category(), right);
}

TEST(ConverterModel, StartsInAreaWithTheIdentityOfOne) {
  ConverterModel model = Loaded();
  EXPECT_EQ(model.Title(), "Area");
  EXPECT_EQ(model.Description(), "The measure of a bounded region on a plane");
  EXPECT_EQ(model.Category(), Cat("mnuArea"));
  EXPECT_EQ(model.FromUnit(), 0);
  EXPECT_EQ(model.IntoUnit(), 0);
  EXPECT_EQ(model.SourceUnitName(), "Sq Inches");
  EXPECT_EQ(model.TargetUnitName(), "Sq Inches");
  EXPECT_EQ(model.FromHeading(), "Convert:");
  EXPECT_EQ(model.IntoHeading(), "Into:");
  EXPECT_EQ(model.Input(), "1");
  EXPECT_EQ(model.Output(), "1.00000000000000");
  EXPECT_EQ(model.DecimalText(), "14");
  EXPECT_EQ(model.DecimalPlaces(), 14);
  EXPECT_EQ(model.Direction(), ConversionDirection::Forward);
  EXPECT_EQ(model.Category(), Cat("mnuArea"));
  EXPECT_EQ(ConverterModel::kCaption.size(), 63u);
  EXPECT_EQ(ConverterModel::kCaption.substr(0, 15), " Zaduzer Uvev!!");
  EXPECT_EQ(ConverterModel::kCaption.substr(15, 27), std::string(27, ' '));
}

TEST(ConverterModel, CategoryCommandStartsAtTheFirstUnitsAndKeepsTheRest) {
  ConverterModel model = Loaded();
  model.ChooseCategory(Cat("mnuDistance"));
  Pick(model, 3, 5);
  model.ChooseDecimalPlaces(3);
  model.InputChanged("2");
  model.Reverse();

  // The same category again: its selections go back to the first units.
  model.ChooseCategory(Cat("mnuDistance"));
  EXPECT_EQ(model.FromUnit(), 0);
  EXPECT_EQ(model.IntoUnit(), 0);
  EXPECT_EQ(model.Input(), "2");
  EXPECT_EQ(model.DecimalPlaces(), 3);
  EXPECT_EQ(model.Direction(), ConversionDirection::Reverse);
  EXPECT_EQ(model.Output(), "2.000");

  model.ChooseCategory(Cat("mnuMass"));
  EXPECT_EQ(model.Title(), "Mass");
  EXPECT_EQ(model.Category(), Cat("mnuMass"));
  EXPECT_EQ(model.FromUnit(), 0);
  EXPECT_EQ(model.IntoUnit(), 0);
  EXPECT_EQ(model.SourceUnitName(), "Ounces(avdp)");
  EXPECT_EQ(model.TargetUnitName(), "Ounces(avdp)");
  EXPECT_EQ(model.FromHeading(), "Into:");
  EXPECT_EQ(model.IntoHeading(), "Convert:");
  EXPECT_EQ(model.Output(), "2.000");
}

// What the window shows is in the user's language; the name the hidden reset asks for is
// not.
TEST(ConverterModel, ShowsItsTextsTranslated) {
  BracketingTranslation translation;
  ConverterModel model = Loaded();
  EXPECT_EQ(model.Title(), "[Area]");
  EXPECT_EQ(model.Description(), "[The measure of a bounded region on a plane]");
  model.ChooseCategory(Cat("mnuDistance"));
  model.SelectIntoUnit(Cat("mnuDistance"), 1);
  model.Reverse();
  EXPECT_EQ(model.SourceUnitName(), "[Feet]");
  EXPECT_EQ(model.TargetUnitName(), "[Inches]");
  EXPECT_EQ(model.FromHeading(), "[Into:]");
  EXPECT_EQ(model.IntoHeading(), "[Convert:]");
  model.InputChanged("Zederu Dizira");
  model.ChooseDecimalPlaces(15);
  EXPECT_TRUE(model.HiddenReset());
}

TEST(ConverterModel, CategoryCommandEndsWithTheNewPairWhateverTheMixedKeyMatched) {
  // Foot-candles (101) on the right and Inches (0) from the new left list form
  // "1010" in reverse, the Sq Inches identity; forward, Inches and Kilobytes (202)
  // form "0202", the key of no rule. Both passing conversions are replaced.
  ConverterModel model = Loaded();
  model.InputChanged("5");
  model.ChooseCategory(Cat("mnuLight"));
  Pick(model, 0, 1);
  model.Reverse();
  EXPECT_EQ(model.Output(), "1.25000000000000");
  model.ChooseCategory(Cat("mnuDistance"));
  EXPECT_EQ(model.Output(), "5.00000000000000");
  EXPECT_EQ(model.SourceUnitName(), "Inches");

  model.Reverse();
  model.ChooseCategory(Cat("mnuMemory"));
  Pick(model, 0, 1);
  model.ChooseCategory(Cat("mnuDistance"));
  EXPECT_EQ(model.Output(), "5.00000000000000");
  EXPECT_EQ(model.TargetUnitName(), "Inches");
}

TEST(ConverterModel, ReversingExchangesTheCaptionsAndTheDirection) {
  ConverterModel model = Loaded();
  model.ChooseCategory(Cat("mnuDistance"));
  Pick(model, 0, 1);
  EXPECT_EQ(model.Output(), "0.08333333333333");
  model.Reverse();
  EXPECT_EQ(model.Direction(), ConversionDirection::Reverse);
  EXPECT_EQ(model.SourceUnitName(), "Feet");
  EXPECT_EQ(model.TargetUnitName(), "Inches");
  EXPECT_EQ(model.FromHeading(), "Into:");
  EXPECT_EQ(model.IntoHeading(), "Convert:");
  EXPECT_EQ(model.Output(), "12.00000000000000");
  EXPECT_EQ(model.FromUnit(), 0);
  EXPECT_EQ(model.IntoUnit(), 1);
  // A click on a unit in reverse names it as the output (left) or input (right).
  model.SelectFromUnit(model.Category(), 2);
  EXPECT_EQ(model.TargetUnitName(), "Yards");
  EXPECT_EQ(model.Output(), "0.33333333333333");
  model.Reverse();
  EXPECT_EQ(model.Direction(), ConversionDirection::Forward);
  EXPECT_EQ(model.SourceUnitName(), "Yards");
  EXPECT_EQ(model.FromHeading(), "Convert:");
  EXPECT_EQ(model.Output(), "3.00000000000000");
}

TEST(ConverterModel, DecimalPlacesChangeOnlyWhenAnItemIsChosen) {
  ConverterModel model = Loaded();
  model.ChooseCategory(Cat("mnuDistance"));
  Pick(model, 0, 1);
  model.ChooseDecimalPlaces(2);
  EXPECT_EQ(model.Output(), "0.08");
  model.ChooseDecimalPlaces(0);
  EXPECT_EQ(model.Output(), "0");
  model.ChooseDecimalPlaces(30);
  EXPECT_EQ(model.Output(), "0.083333333333333300000000000000");
  model.DecimalTextEdited("20");
  EXPECT_EQ(model.DecimalPlaces(), 30);
  model.InputChanged("2");
  EXPECT_EQ(model.Output(), "0.166666666666667000000000000000");
  // No item leaves the places as they were.
  model.ChooseDecimalPlaces(-1);
  model.ChooseDecimalPlaces(31);
  EXPECT_EQ(model.DecimalPlaces(), 30);
  EXPECT_EQ(model.Output(), "0.166666666666667000000000000000");
}

TEST(ConverterModel, InputIsReadByItsLeadingNumberAndFailuresKeepTheOutput) {
  ConverterModel model = Loaded();
  model.ChooseCategory(Cat("mnuDistance"));
  model.ChooseDecimalPlaces(2);
  for (auto [input, output] : {std::pair{"1,5", "1.00"},
                               {"1 000", "1000.00"},
                               {"2e3", "2000.00"},
                               {"&H10", "16.00"},
                               {"abc", "0.00"},
                               {"", "0.00"},
                               {"-2.5", "-2.50"}}) {
    model.InputChanged(input);
    EXPECT_EQ(model.Output(), output) << input;
  }
  model.ChooseCategory(Cat("mnuArea"));
  model.InputChanged("3");
  Pick(model, 7, 4);
  ASSERT_EQ(model.Output(), "3000000000000.00");
  model.InputChanged("1e300");  // the result overflows
  EXPECT_EQ(model.Output(), "3000000000000.00");
  EXPECT_EQ(model.SourceUnitName(), "Sq Kilometers");
  EXPECT_EQ(model.TargetUnitName(), "Sq Millimeters");
  model.InputChanged("1e999");  // the input itself lies beyond the range
  EXPECT_EQ(model.Output(), "3000000000000.00");

  // A list without a selection ends the conversion before anything is written.
  model.InputChanged("1");
  model.SelectIntoUnit(model.Category(), -1);
  model.InputChanged("7");
  EXPECT_EQ(model.Output(), "1000000000000.00");
  EXPECT_EQ(model.SourceUnitName(), "Sq Kilometers");
}

TEST(ConverterModel, SwapMakesTheRoundTripAndASecondSwapRestoresTheUnits) {
  ConverterModel model = Loaded();
  Pick(model, 2, 1);  // Sq Yards into Sq Feet
  ASSERT_EQ(model.Output(), "9.00000000000000");
  model.Swap();
  EXPECT_EQ(model.Input(), "9");
  EXPECT_EQ(model.FromUnit(), 1);
  EXPECT_EQ(model.IntoUnit(), 2);
  EXPECT_EQ(model.SourceUnitName(), "Sq Feet");
  EXPECT_EQ(model.TargetUnitName(), "Sq Yards");
  EXPECT_EQ(model.Output(), "1.00000000000001");
  // The rounded output comes back as the input: the round trip shows it.
  model.Swap();
  EXPECT_EQ(model.Input(), "1.00000000000001");
  EXPECT_EQ(model.FromUnit(), 2);
  EXPECT_EQ(model.IntoUnit(), 1);
  EXPECT_EQ(model.Output(), "9.00000000000009");

  // In reverse the exchange swaps the input and output units just the same.
  model.ChooseCategory(Cat("mnuDistance"));
  model.InputChanged("1");
  Pick(model, 0, 1);
  model.Reverse();  // Feet into Inches
  ASSERT_EQ(model.Output(), "12.00000000000000");
  model.Swap();
  EXPECT_EQ(model.Direction(), ConversionDirection::Reverse);
  EXPECT_EQ(model.Input(), "12");
  EXPECT_EQ(model.SourceUnitName(), "Inches");
  EXPECT_EQ(model.TargetUnitName(), "Feet");
  EXPECT_EQ(model.Output(), "1.00000000000000");
}

TEST(ConverterModel, SwapWithAnOutputThatIsNoNumberChangesNothing) {
  ConverterModel model = Loaded();
  Pick(model, 1, 0);
  for (const char* typed : {"12abc", "", "abc", "1e999"}) {
    model.OutputEdited(typed);
    model.Swap();
    EXPECT_EQ(model.Input(), "1") << typed;
    EXPECT_EQ(model.Output(), typed);
    EXPECT_EQ(model.FromUnit(), 1);
    EXPECT_EQ(model.IntoUnit(), 0);
  }
  model.OutputEdited(" 2 ");  // surrounding blanks still read
  model.Swap();
  EXPECT_EQ(model.Input(), "2");
  EXPECT_EQ(model.Output(), "0.01388888888889");
}

TEST(ConverterModel, CopyTakesTheLeadingNumberAsAGeneralNumberText) {
  ConverterModel model = Loaded();
  EXPECT_EQ(model.CopyText(), "1");
  model.ChooseCategory(Cat("mnuTemp"));
  model.InputChanged("-3.5");
  EXPECT_EQ(model.Output(), "-3.50000000000000");
  EXPECT_EQ(model.CopyText(), "-3.5");
  model.ChooseCategory(Cat("mnuArea"));
  model.InputChanged("1");
  Pick(model, 0, 1);
  EXPECT_EQ(model.CopyText(), "0.00694444444444");
  model.InputChanged("1e20");
  Pick(model, 0, 0);
  EXPECT_EQ(model.CopyText(), "1E+20");
  model.OutputEdited("no number");
  EXPECT_EQ(model.CopyText(), "0");
  model.OutputEdited("12 apples");
  EXPECT_EQ(model.CopyText(), "12");
  model.OutputEdited("1e999");
  EXPECT_EQ(model.CopyText(), std::nullopt);
}

TEST(ConverterModel, HiddenResetNeedsFifteenPlacesAndTheExactName) {
  ConverterModel model = Loaded();
  model.ChooseDecimalPlaces(15);
  model.InputChanged("Zederu Dizira");
  EXPECT_EQ(model.Output(), "0.000000000000000");
  EXPECT_TRUE(model.HiddenReset());
  EXPECT_EQ(model.Input(), "");
  EXPECT_EQ(model.DecimalText(), "14");
  EXPECT_EQ(model.DecimalPlaces(), 14);
  EXPECT_EQ(model.Output(), "0.00000000000000");

  struct Case {
    const char* places;
    const char* input;
  };
  for (Case c :
       {Case{"15", "zederu dizira"}, Case{"15", "Zederu Dizira "}, Case{"14", "Zederu Dizira"},
        Case{"abc", "Zederu Dizira"}, Case{"", "Zederu Dizira"}, Case{"15abc", "Zederu Dizira"}}) {
    ConverterModel other = Loaded();
    other.ChooseDecimalPlaces(3);
    other.DecimalTextEdited(c.places);
    other.InputChanged(c.input);
    std::string output = other.Output();
    EXPECT_FALSE(other.HiddenReset()) << c.places << " / " << c.input;
    EXPECT_EQ(other.Input(), c.input);
    EXPECT_EQ(other.DecimalText(), c.places);
    EXPECT_EQ(other.DecimalPlaces(), 3);
    EXPECT_EQ(other.Output(), output);
  }
  // Fifteen typed into the text part counts as fifteen, blanks around it too.
  ConverterModel typed = Loaded();
  typed.DecimalTextEdited(" 15 ");
  typed.InputChanged("Zederu Dizira");
  EXPECT_TRUE(typed.HiddenReset());
  EXPECT_EQ(typed.DecimalPlaces(), 14);
}

}  // namespace
}  // namespace numbrella
