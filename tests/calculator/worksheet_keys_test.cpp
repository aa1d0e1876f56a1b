// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's keys and the worksheet keys they press on every layout; the
// operators' symbols.
#include "calculator/worksheet_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

std::optional<WorksheetKey> Typed(std::string_view text, int code = 0, bool keypad = false,
                                  bool command = false, bool commaDecimals = false) {
  return KeyFromKeyboard({code, text, keypad, command, commaDecimals});
}

// The keys whose place or character differs between layouts and locales, where a
// number could change its meaning.
TEST(WorksheetKeys, DecimalSignAndPowerOnEveryLayout) {
  struct Case {
    std::string_view text;
    int code;
    bool keypad;
    bool commaDecimals;
    std::optional<WorksheetKey> key;
    bool refused;
  };
  const Case cases[] = {
      {".", keycode::kPeriod, false, false, WorksheetKey::Decimal, false},
      {".", keycode::kPeriod, false, true, WorksheetKey::Decimal, false},
      {",", keycode::kComma, true, false, WorksheetKey::Decimal, false},  // a German keypad
      {",", keycode::kComma, false, true, WorksheetKey::Decimal, false},  // 1,5 in Germany
      {",", keycode::kComma, false, false, std::nullopt, true},           // 1,5 elsewhere
      {"^", '^', false, false, WorksheetKey::Power, false},
      {"", keycode::kDeadCircumflex, false, false, WorksheetKey::Power, false},
      {"", keycode::kDeadCircumflex, false, true, WorksheetKey::Power, false},
  };
  for (const Case& c : cases) {
    const TypedKey typed{c.code, c.text, c.keypad, false, c.commaDecimals};
    EXPECT_EQ(KeyFromKeyboard(typed), c.key) << c.text << " " << c.code;
    EXPECT_EQ(RefusedByWorksheet(typed), c.refused) << c.text << " " << c.code;
  }
}

TEST(WorksheetKeys, LettersInEitherCaseAndKeysWithoutCharacters) {
  EXPECT_EQ(Typed("x", 'X'), WorksheetKey::Multiply);
  EXPECT_EQ(Typed("X", 'X'), WorksheetKey::Multiply);
  EXPECT_EQ(Typed("R", 'R'), WorksheetKey::Reciprocal);
  EXPECT_EQ(Typed("5", '5', true), WorksheetKey::Digit5);
  EXPECT_EQ(Typed("\r", keycode::kEnter, true), WorksheetKey::Equals);
  EXPECT_EQ(Typed("\x1b", keycode::kEscape), WorksheetKey::ClearAll);
  EXPECT_EQ(Typed("", keycode::kF9), WorksheetKey::PlusMinus);
}

TEST(WorksheetKeys, OtherKeysAndMenuKeysPressNothing) {
  EXPECT_EQ(Typed("a", 'A'), std::nullopt);
  EXPECT_EQ(Typed(" ", ' '), std::nullopt) << "Space belongs to the focused key";
  EXPECT_EQ(Typed("\t", 0x01000001), std::nullopt) << "Tab moves the focus";
  EXPECT_EQ(Typed("", 0x01000007), std::nullopt) << "Delete";
  EXPECT_EQ(Typed("12"), std::nullopt) << "composed text is no key";
  EXPECT_EQ(Typed("\xc3\xa9"), std::nullopt);
  EXPECT_EQ(Typed(""), std::nullopt);
  EXPECT_FALSE(RefusedByWorksheet({'A', "a"})) << "a letter changes no number";
  // Held with Ctrl, Alt or Meta a key is the menus': Ctrl+A saves, Ctrl+X exits.
  EXPECT_EQ(Typed("7", '7', false, true), std::nullopt);
  EXPECT_EQ(Typed("x", 'X', false, true), std::nullopt);
  EXPECT_EQ(Typed("\r", keycode::kReturn, false, true), std::nullopt);
  EXPECT_FALSE(RefusedByWorksheet({keycode::kComma, ",", false, true}));
}

TEST(WorksheetKeys, OperatorsAndTheirKeys) {
  for (const OperatorTraits& traits : kOperators) {
    EXPECT_EQ(OperatorFromSymbol(traits.symbol), traits.op);
    EXPECT_EQ(OperatorOf(KeyOf(traits.op)), traits.op);
    EXPECT_FALSE(IsHeld(KeyOf(traits.op)));
  }
  EXPECT_EQ(OperatorFromSymbol(""), std::nullopt);
  EXPECT_EQ(OperatorFromSymbol("x"), std::nullopt) << "the display shows a capital X";
  EXPECT_TRUE(TakesTwoOperands(Operator::Power));
  EXPECT_FALSE(TakesTwoOperands(Operator::CubeRoot));
  EXPECT_EQ(OperatorOf(WorksheetKey::Equals), std::nullopt);

  for (int index = 0; index <= 10; ++index) {
    EXPECT_EQ(KeypadIndex(KeypadKey(index)), index);
    EXPECT_TRUE(IsHeld(KeypadKey(index)));
  }
  EXPECT_TRUE(IsHeld(WorksheetKey::Backspace));
  EXPECT_FALSE(IsHeld(WorksheetKey::Decimal));
  EXPECT_EQ(KeypadIndex(WorksheetKey::Decimal), std::nullopt);
}

}  // namespace
}  // namespace numbrella
