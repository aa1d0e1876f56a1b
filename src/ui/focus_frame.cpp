// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_frame.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <utility>

namespace numbrella::ui {

namespace {

// Draws a frame inside a control once the control has drawn itself. (A style sheet
// would do the same at a start-up cost of its own for each control.)
class FocusFrame final : public QObject {
 public:
  // The frame's colour, at rest or with the focus, as the control is drawn.
  using Colour = std::function<QColor(const QWidget& control, bool focused)>;
  FocusFrame(QWidget* control, Colour colour, int width)
      : QObject(control), colour_(std::move(colour)), width_(width) {
    control->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      control->update();
    } else if (event->type() == QEvent::Paint) {
      static_cast<QObject*>(control)->event(event);  // the control draws itself first
      // Drawn as Qt draws a plain frame, on the very device pixels of the frame that
      // MarkFocus gives a QFrame, in its text colour. A clip region rounds otherwise at a
      // fractional scale and leaves a line of that colour showing.
      QPainter painter(control);
      const QColor colour = colour_(*control, control->hasFocus());
      const QRect all = control->rect();
      if (painter.deviceTransform().type() <= QTransform::TxTranslate &&
          2 * width_ < std::min(all.width(), all.height())) {
        // The same pixels, filled as four bands rather than stroked as nested lines:
        // stroking costs a hundred times more, on every paint of every field.
        const int w = width_;
        painter.fillRect(all.x(), all.y(), all.width(), w, colour);
        painter.fillRect(all.x(), all.bottom() - w + 1, all.width(), w, colour);
        painter.fillRect(all.x(), all.y() + w, w, all.height() - 2 * w, colour);
        painter.fillRect(all.right() - w + 1, all.y() + w, w, all.height() - 2 * w, colour);
      } else {
        qDrawPlainRect(&painter, all, colour, width_);
      }
      return true;
    }
    return false;
  }

 private:
  Colour colour_;
  int width_;
};

void MarkFocus(QWidget* control, FocusFrame::Colour colour, int width) {
  // The frame takes room of its own, so that it covers none of the content.
  if (auto* frame = qobject_cast<QFrame*>(control)) {
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(width);
  } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
    field->setTextMargins(width, 0, width, 0);
  }
  new FocusFrame(control, std::move(colour), width);
}

}  // namespace

void MarkFocus(QWidget* control, const QColor& rest, const QColor& focused, int width) {
  MarkFocus(
      control, [rest, focused](const QWidget&, bool hasFocus) { return hasFocus ? focused : rest; },
      width);
}

void MarkFocus(QWidget* control, QPalette::ColorRole rest, QPalette::ColorRole focused, int width) {
  MarkFocus(
      control,
      [rest, focused](const QWidget& shown, bool hasFocus) {
        return shown.palette().color(hasFocus ? focused : rest);
      },
      width);
}

}  // namespace numbrella::ui
