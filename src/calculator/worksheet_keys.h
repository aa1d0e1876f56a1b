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

// The eight operators, each with the symbol the operator display shows and whether it
// takes two operands, in the order an operator text is compared when it is read back.
// The one list makes the operators, their traits and the worksheet's operator keys,
// which therefore stand in the same order.
#define NUMBRELLA_OPERATORS(X) \
  X(Multiply, "X", true)       \
  X(Divide, "/", true)         \
  X(Add, "+", true)            \
  X(Subtract, "-", true)       \
  X(SquareRoot, "SR", false)   \
  X(CubeRoot, "CR", false)     \
  X(Power, "X^Y", true)        \
  X(Reciprocal, "1/X", false)
#define NUMBRELLA_OPERATOR_NAME(name, symbol, twoOperands) name,
#define NUMBRELLA_OPERATOR_TRAITS(name, symbol, twoOperands) {Operator::name, symbol, twoOperands},

enum class Operator : std::uint8_t { NUMBRELLA_OPERATORS(NUMBRELLA_OPERATOR_NAME) };

struct OperatorTraits {
  Operator op;
  std::string_view symbol;
  bool twoOperands;
};

inline constexpr std::array<OperatorTraits, 8> kOperators = {
    {NUMBRELLA_OPERATORS(NUMBRELLA_OPERATOR_TRAITS)}};

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
  NUMBRELLA_OPERATORS(NUMBRELLA_OPERATOR_NAME)
};
inline constexpr int kWorksheetKeyCount = static_cast<int>(WorksheetKey::Reciprocal) + 1;
#undef NUMBRELLA_OPERATOR_TRAITS
#undef NUMBRELLA_OPERATOR_NAME
#undef NUMBRELLA_OPERATORS

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
