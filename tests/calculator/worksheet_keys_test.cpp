// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's keys and the worksheet keys they press; the operators' symbols.
#include "calculator/worksheet_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace numbrella {
namespace {

std::optional<WorksheetKey> Typed(std::string_view text, int code = 0, bool keypad = false,
                                  bool command = false) {
  return KeyFromKeyboard({code, text, keypad, command});
}

TEST(WorksheetKeys, CharactersAndKeysPressTheirKeys) {
  struct Case {
    std::string_view text;
    int code;
    bool keypad;
    WorksheetKey key;
  };
  const Case cases[] = {
      {"0", '0', false, WorksheetKey::Digit0},
      {"9", '9', false, WorksheetKey::Digit9},
      {"5", '5', true, WorksheetKey::Digit5},
      {".", '.', false, WorksheetKey::Decimal},
      {".", keycode::kPeriod, true, WorksheetKey::Decimal},
      // The keypad's decimal key on a layout that gives it a comma.
      {",", keycode::kComma, true, WorksheetKey::Decimal},
      {"+", '+', false, WorksheetKey::Add},
      {"+", '+', true, WorksheetKey::Add},
      {"-", '-', false, WorksheetKey::Subtract},
      {"*", '*', true, WorksheetKey::Multiply},
      {"x", 'X', false, WorksheetKey::Multiply},
      {"X", 'X', false, WorksheetKey::Multiply},
      {"/", '/', true, WorksheetKey::Divide},
      {"^", '^', false, WorksheetKey::Power},
      {"=", '=', false, WorksheetKey::Equals},
      {"@", '@', false, WorksheetKey::SquareRoot},
      {"#", '#', false, WorksheetKey::CubeRoot},
      {"r", 'R', false, WorksheetKey::Reciprocal},
      {"R", 'R', false, WorksheetKey::Reciprocal},
      {"p", 'P', false, WorksheetKey::Pi},
      {"\r", keycode::kReturn, false, WorksheetKey::Equals},
      {"\r", keycode::kEnter, true, WorksheetKey::Equals},
      {"\b", keycode::kBackspace, false, WorksheetKey::Backspace},
      {"\x1b", keycode::kEscape, false, WorksheetKey::ClearAll},
      {"", keycode::kF9, false, WorksheetKey::PlusMinus},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Typed(c.text, c.code, c.keypad), c.key) << c.text << " " << c.code;
  }
}

TEST(WorksheetKeys, OtherKeysAndMenuKeysPressNothing) {
  EXPECT_EQ(Typed("a", 'A'), std::nullopt);
  EXPECT_EQ(Typed(" ", ' '), std::nullopt) << "Space belongs to the focused key";
  EXPECT_EQ(Typed(",", keycode::kComma), std::nullopt) << "a comma off the keypad";
  EXPECT_EQ(Typed("\t", 0x01000001), std::nullopt) << "Tab moves the focus";
  EXPECT_EQ(Typed("", 0x01000007), std::nullopt) << "Delete";
  EXPECT_EQ(Typed("12"), std::nullopt) << "composed text is no key";
  EXPECT_EQ(Typed("\xc3\xa9"), std::nullopt);
  EXPECT_EQ(Typed(""), std::nullopt);
  // Held with Ctrl, Alt or Meta a key is the menus': Ctrl+A saves, Ctrl+X exits.
  EXPECT_EQ(Typed("7", '7', false, true), std::nullopt);
  EXPECT_EQ(Typed("x", 'X', false, true), std::nullopt);
  EXPECT_EQ(Typed("\r", keycode::kReturn, false, true), std::nullopt);
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
