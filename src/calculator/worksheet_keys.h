// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet's keys by identity: the eight operators with their symbols, every key
// of the on-screen keypad, and the keyboard's keys that press them. A mouse click, a
// typed key, Space on a focused key and a screen reader's press all name one of these.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace numbrella {

enum class Operator : std::uint8_t {
  Multiply,
  Divide,
  Add,
  Subtract,
  SquareRoot,
  CubeRoot,
  Power,
  Reciprocal,
};

struct OperatorTraits {
  Operator op;
  std::string_view symbol;  // what the operator display shows
  bool twoOperands;
};

// In the order an operator text is compared when it is read back.
inline constexpr std::array<OperatorTraits, 8> kOperators = {{
    {Operator::Multiply, "X", true},
    {Operator::Divide, "/", true},
    {Operator::Add, "+", true},
    {Operator::Subtract, "-", true},
    {Operator::SquareRoot, "SR", false},
    {Operator::CubeRoot, "CR", false},
    {Operator::Power, "X^Y", true},
    {Operator::Reciprocal, "1/X", false},
}};

constexpr bool InOrderOfTheirIds() {
  for (std::size_t i = 0; i < kOperators.size(); ++i) {
    if (static_cast<std::size_t>(kOperators[i].op) != i) return false;
  }
  return true;
}
static_assert(InOrderOfTheirIds(), "an operator's traits stand at its id");

constexpr const OperatorTraits& TraitsOf(Operator op) {
  return kOperators[static_cast<std::size_t>(op)];
}
constexpr std::string_view Symbol(Operator op) { return TraitsOf(op).symbol; }
constexpr bool TakesTwoOperands(Operator op) { return TraitsOf(op).twoOperands; }
// The operator a display text shows; none for the empty text or any other.
std::optional<Operator> OperatorFromSymbol(std::string_view symbol);

// Every key of the worksheet that the keyboard can press.
enum class WorksheetKey : std::uint8_t {
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Pi,
  Decimal,
  PlusMinus,
  Backspace,
  ClearAll,
  Equals,
  Multiply,
  Divide,
  Add,
  Subtract,
  SquareRoot,
  CubeRoot,
  Power,
  Reciprocal,
};
inline constexpr int kWorksheetKeyCount = static_cast<int>(WorksheetKey::Reciprocal) + 1;

// The keypad's index of a key: the digit itself, or 10 for "Pi"; none for the others.
constexpr std::optional<int> KeypadIndex(WorksheetKey key) {
  if (key <= WorksheetKey::Pi) return static_cast<int>(key);
  return std::nullopt;
}
constexpr WorksheetKey KeypadKey(int index) { return static_cast<WorksheetKey>(index); }

constexpr std::optional<Operator> OperatorOf(WorksheetKey key) {
  if (key < WorksheetKey::Multiply) return std::nullopt;
  return static_cast<Operator>(static_cast<int>(key) - static_cast<int>(WorksheetKey::Multiply));
}
constexpr WorksheetKey KeyOf(Operator op) {
  return static_cast<WorksheetKey>(static_cast<int>(WorksheetKey::Multiply) + static_cast<int>(op));
}
// The two conversions above count on the operator keys standing last, in the operators'
// order.
static_assert(KeyOf(Operator::Multiply) == WorksheetKey::Multiply &&
                  KeyOf(Operator::Divide) == WorksheetKey::Divide &&
                  KeyOf(Operator::Add) == WorksheetKey::Add &&
                  KeyOf(Operator::Subtract) == WorksheetKey::Subtract &&
                  KeyOf(Operator::SquareRoot) == WorksheetKey::SquareRoot &&
                  KeyOf(Operator::CubeRoot) == WorksheetKey::CubeRoot &&
                  KeyOf(Operator::Power) == WorksheetKey::Power &&
                  KeyOf(Operator::Reciprocal) == WorksheetKey::Reciprocal &&
                  kOperators.size() == static_cast<std::size_t>(kWorksheetKeyCount) -
                                           static_cast<std::size_t>(WorksheetKey::Multiply),
              "the operator keys stand last, in the operators' order");

// Keys that act from their press to their release (the keypad and backspace); the
// others act once, as a click.
constexpr bool IsHeld(WorksheetKey key) {
  return key <= WorksheetKey::Pi || key == WorksheetKey::Backspace;
}

// The window system's codes for the keys without a character that the worksheet
// answers; they equal the toolkit's key codes, which the window checks.
namespace keycode {
inline constexpr int kEscape = 0x01000000;
inline constexpr int kBackspace = 0x01000003;
inline constexpr int kReturn = 0x01000004;
inline constexpr int kEnter = 0x01000005;
inline constexpr int kF9 = 0x01000038;
// A dead key, which types nothing until the next key: on German and French layouts
// the circumflex is one.
inline constexpr int kDeadCircumflex = 0x01001252;
inline constexpr int kComma = 0x2c;
inline constexpr int kPeriod = 0x2e;
}  // namespace keycode

// A key as the keyboard reports it: its code, the text it types (UTF-8), whether it is
// on the numeric keypad, whether Ctrl, Alt or Meta is held with it, and whether the
// user's locale writes decimals with a comma.
struct TypedKey {
  int code = 0;
  std::string_view text;
  bool keypad = false;
  bool command = false;
  bool commaDecimals = false;
};

// The worksheet key a typed key presses, if any. Keys held with Ctrl, Alt or Meta are
// the menus' and press none.
std::optional<WorksheetKey> KeyFromKeyboard(const TypedKey& typed);

// Whether a typed key that presses no worksheet key must still be answered, with a
// beep: one that would change a number's meaning, were it dropped unheard. A comma is
// a decimal sign to many, and 1,5 must never become 15.
bool RefusedByWorksheet(const TypedKey& typed);

}  // namespace numbrella
