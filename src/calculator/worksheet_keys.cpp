// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/worksheet_keys.h"

namespace numbrella {

namespace {

struct CodeBinding {
  int code;
  WorksheetKey key;
};

// Keys without a character.
constexpr CodeBinding kCodeBindings[] = {
    {keycode::kReturn, WorksheetKey::Equals},       {keycode::kEnter, WorksheetKey::Equals},
    {keycode::kBackspace, WorksheetKey::Backspace}, {keycode::kEscape, WorksheetKey::ClearAll},
    {keycode::kF9, WorksheetKey::PlusMinus},        {keycode::kDeadCircumflex, WorksheetKey::Power},
};

struct CharacterBinding {
  char character;
  WorksheetKey key;
};

// Characters, wherever the layout puts them; the digits are the keypad's own.
constexpr CharacterBinding kCharacterBindings[] = {
    {'.', WorksheetKey::Decimal},    {'+', WorksheetKey::Add},      {'-', WorksheetKey::Subtract},
    {'*', WorksheetKey::Multiply},   {'x', WorksheetKey::Multiply}, {'X', WorksheetKey::Multiply},
    {'/', WorksheetKey::Divide},     {'^', WorksheetKey::Power},    {'=', WorksheetKey::Equals},
    {'@', WorksheetKey::SquareRoot}, {'#', WorksheetKey::CubeRoot}, {'r', WorksheetKey::Reciprocal},
    {'R', WorksheetKey::Reciprocal}, {'p', WorksheetKey::Pi},       {'P', WorksheetKey::Pi},
};

}  // namespace

std::optional<Operator> OperatorFromSymbol(std::string_view symbol) {
  for (const OperatorTraits& traits : kOperators) {
    if (traits.symbol == symbol) return traits.op;
  }
  return std::nullopt;
}

std::optional<WorksheetKey> KeyFromKeyboard(const TypedKey& typed) {
  if (typed.command) return std::nullopt;
  for (const CodeBinding& binding : kCodeBindings) {
    if (binding.code == typed.code) return binding.key;
  }
  // The keypad's decimal key is the point, whichever character the layout gives it.
  if (typed.keypad && (typed.code == keycode::kComma || typed.code == keycode::kPeriod)) {
    return WorksheetKey::Decimal;
  }
  if (typed.text.size() != 1) return std::nullopt;
  const char c = typed.text.front();
  if (c == ',' && typed.commaDecimals) return WorksheetKey::Decimal;
  if (c >= '0' && c <= '9') return KeypadKey(c - '0');
  for (const CharacterBinding& binding : kCharacterBindings) {
    if (binding.character == c) return binding.key;
  }
  return std::nullopt;
}

bool RefusedByWorksheet(const TypedKey& typed) {
  return !typed.command && typed.text == "," && !KeyFromKeyboard(typed);
}

}  // namespace numbrella
