// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label that never cuts its text unseen. A text too long for it is drawn in
// a smaller font, down to a least size that still reads well; beyond that as much as
// fits is drawn, ended by an ellipsis, and the tooltip gives the whole text. text()
// stays the whole text: screen readers, copies and the code that reads the label get
// it whole, whatever is drawn.
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace numbrella::ui {

class FittingLabel : public QLabel {
 public:
  // Half the size of the calculator's display, and that of the window's own captions:
  // smaller, bold digits run together (6, 8 and 0 look alike).
  static constexpr double kLeastPointSize = 9;

  explicit FittingLabel(QWidget* parent = nullptr);

  // What the label draws: the room it draws in, the font and the text. The label's own
  // font and whole text when they fit.
  struct Drawn {
    QRect room;
    QFont font;
    QString text;
  };
  Drawn Fitted() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect Room() const;
};

}  // namespace numbrella::ui
