// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a window lays out its controls: a table with one row per control, in the twips
// (1/1440 inch) of its design, from the top left of the client area. A row names the
// control, places it and gives the texts it shows and says, as source texts that are
// translated in the window's context, its class, as tr() translates. The tables stand
// in the window's member functions, where QT_TR_NOOP files their texts under the class.
//
//   static constexpr ui::ControlRow kRows[] = {
//       {ui::Keep<&W::cmdSwap1>, "cmdSwap1", {4920, 4320, 1395, 375}, QT_TR_NOOP("&Swap")},
//       {ui::Keep<&W::Label2, 0>, "Label2(0)", {180, 720, 3735, 255}},
//   };
//   ui::Layout(*this).Create(area, kRows);
//
// Every twip of a window, its controls' places and its own size, becomes pixels in
// Layout::Pixels and nowhere else, so that the whole design scales in one place. Each
// control keeps the place it was given, so that the window can lay itself out again
// when the desktop's font changes while it is open (FollowDesktop).
#include "ui/text_field.h"

#include <QRect>
#include <QSize>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <type_traits>

class QComboBox;
class QLabel;
class QLineEdit;

namespace numbrella::ui {

struct TwipsRect {
  double left;
  double top;
  double width;
  double height;
};

// One control of a window as designed. Texts are nullptr where the control has none;
// the accessible name and description are only given where the caption and the
// tooltip would not do (a caption of symbols, a button that needs its slot's number).
struct ControlRow {
  // Makes the control in its parent and keeps it in the window's member: Keep or Make.
  QWidget* (*make)(QObject& window, QWidget* parent);
  const char* name;  // the object name, the one the handlers and the tests know it by
  TwipsRect twips;
  const char* caption = nullptr;      // a label's or a button's text
  const char* tip = nullptr;          // the tooltip
  const char* spoken = nullptr;       // the accessible name
  const char* description = nullptr;  // the accessible description, when not the tooltip
};

// A new control as every window has it: labels show their text as it is, fields hold
// texts of any length.
template <typename Control>
Control* NewControl(QWidget* parent) {
  if constexpr (std::is_same_v<Control, QLineEdit>) {
    return TextField(parent);
  } else {
    auto* control = new Control(parent);
    if constexpr (std::is_same_v<Control, QLabel>) control->setTextFormat(Qt::PlainText);
    return control;
  }
}

namespace layout_detail {
template <typename Member>
struct MemberOf;
template <typename Window, typename Type>
struct MemberOf<Type Window::*> {
  using WindowType = Window;
};
}  // namespace layout_detail

// A row's control kept in `member` of the window, or in its element `index` when the
// member is an array of controls; the control is of the member's type.
template <auto member, int index = -1>
QWidget* Keep(QObject& window, QWidget* parent) {
  using Window = typename layout_detail::MemberOf<decltype(member)>::WindowType;
  auto& kept = static_cast<Window&>(window).*member;
  auto& control = [&kept]() -> auto& {
    if constexpr (index < 0) {
      return kept;
    } else {
      return kept[static_cast<std::size_t>(index)];
    }
  }
  ();
  control = NewControl<std::remove_pointer_t<std::remove_reference_t<decltype(control)>>>(parent);
  return control;
}

// A row's control that no member keeps: a caption that only shows its text.
template <typename Control>
QWidget* Make(QObject&, QWidget* parent) {
  return NewControl<Control>(parent);
}

class Layout {
 public:
  // Lays out the controls of `window`, whose class is the context its texts are
  // translated in, as tr() translates them.
  // The design grows with the window's font, as dialogs laid out in dialog units do,
  // so that every caption still fits a larger desktop font; it never shrinks below the
  // design.
  explicit Layout(QWidget& window);

  // Makes the control of each row in `parent`, in the order of the rows: the order the
  // controls stack in, later ones above, and the order of the focus chain unless the
  // window sets its own.
  void Create(QWidget* parent, std::span<const ControlRow> rows) const;
  QWidget* Create(QWidget* parent, const ControlRow& row) const;

  // Places `control` at `twips`, and keeps the place for PlaceAgain.
  void Place(QWidget* control, const TwipsRect& twips) const;
  // The place `control` was last given, in twips; nullopt for one no Layout placed.
  static std::optional<TwipsRect> PlaceOf(const QWidget* control);
  // Places every control in `root` that was given a place again, at the window's font
  // as it is now: where a window laid out at that font would have it.
  void PlaceAgain(const QWidget& root) const;

  // Twips in pixels, 15 to a pixel at the design's font, halves rounded up; fractions
  // of a twip are allowed.
  int Pixels(double twips) const;
  QRect Pixels(const TwipsRect& twips) const;
  QSize Pixels(int widthTwips, int heightTwips) const;

 private:
  // Gives the row's control its name and texts.
  void Name(QWidget* control, const ControlRow& row) const;

  QWidget& window_;
  double scale_;  // the window's font against the design's, at least 1
};

// The width a drop-down needs to show its widest entry whole, as its style draws it.
int WidthToShow(const QComboBox* box);

// Desktops change the application's font, palette and style while programs run (a dark
// scheme at sunset, a larger font from the settings). Once `window` and all its
// controls have taken on such a change, `changed` runs, once for a burst of changes:
// the window's one handler, which lays it out again from its table (PlaceAgain) as a
// fresh start at the new font would, and applies its colour fixes to the new palette.
void FollowDesktop(QWidget& window, std::function<void()> changed);

}  // namespace numbrella::ui
