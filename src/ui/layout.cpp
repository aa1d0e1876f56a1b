// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

namespace numbrella::ui {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch
// Where a control keeps the place it was given, in twips.
constexpr char kTwipsProperty[] = "numbrellaTwips";

// The font the windows are laid out for, a 9-point sans serif at 96 dots per inch: the
// average width of its letters and its line height, in pixels.
constexpr double kDesignLetterWidth = 7.41;
constexpr double kDesignLineHeight = 14.0;

double FontScale(const QFont& font) {
  static const QString letters =
      QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  // A window lays out its parts one after another, each with a Layout of its own: the
  // font they share is measured once.
  static QString measuredFont;
  static double measuredScale = 0;
  const QString key = font.key();
  if (measuredScale > 0 && key == measuredFont) return measuredScale;
  const QFontMetricsF metrics(font);
  measuredScale =
      std::max({1.0, metrics.horizontalAdvance(letters) / letters.size() / kDesignLetterWidth,
                metrics.height() / kDesignLineHeight});
  measuredFont = key;
  return measuredScale;
}

}  // namespace

Layout::Layout(QWidget& window) : window_(window), scale_(FontScale(window.font())) {}

void Layout::Create(QWidget* parent, std::span<const ControlRow> rows) const {
  for (const ControlRow& row : rows) Create(parent, row);
}

QWidget* Layout::Create(QWidget* parent, const ControlRow& row) const {
  QWidget* control = row.make(window_, parent);
  Name(control, row);
  Place(control, row.twips);
  return control;
}

void Layout::Place(QWidget* control, const TwipsRect& twips) const {
  control->setProperty(kTwipsProperty, QRectF(twips.left, twips.top, twips.width, twips.height));
  control->setGeometry(Pixels(twips));
}

std::optional<TwipsRect> Layout::PlaceOf(const QWidget* control) {
  const QVariant kept = control->property(kTwipsProperty);
  if (!kept.isValid()) return std::nullopt;
  const QRectF twips = kept.toRectF();
  return TwipsRect{twips.left(), twips.top(), twips.width(), twips.height()};
}

void Layout::PlaceAgain(const QWidget& root) const {
  for (QWidget* control : root.findChildren<QWidget*>()) {
    if (const std::optional<TwipsRect> twips = PlaceOf(control)) {
      control->setGeometry(Pixels(*twips));
    }
  }
}

void Layout::Name(QWidget* control, const ControlRow& row) const {
  const char* context = window_.metaObject()->className();
  auto translated = [context](const char* text) {
    return QCoreApplication::translate(context, text);
  };
  control->setObjectName(QLatin1String(row.name));
  if (row.caption != nullptr) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(translated(row.caption));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(translated(row.caption));
    }
  }
  if (row.tip != nullptr) control->setToolTip(translated(row.tip));
  if (row.spoken != nullptr) control->setAccessibleName(translated(row.spoken));
  if (row.description != nullptr) {
    control->setAccessibleDescription(translated(row.description));
  } else if (row.tip != nullptr) {
    DescribeByToolTip(control);
  }
}

int Layout::Pixels(double twips) const {
  return static_cast<int>(twips * scale_ / kTwipsPerPixel + 0.5);
}

QRect Layout::Pixels(const TwipsRect& twips) const {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

QSize Layout::Pixels(int widthTwips, int heightTwips) const {
  return QSize(Pixels(widthTwips), Pixels(heightTwips));
}

int WidthToShow(const QComboBox* box) {
  const QFontMetrics metrics(box->font());
  int widest = 0;
  for (int index = 0; index < box->count(); ++index) {
    widest = std::max(widest, metrics.horizontalAdvance(box->itemText(index)));
  }
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = box->isEditable();
  return box->style()
      ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), box)
      .width();
}

namespace {

// Watches one window for the desktop's changes and runs its handler once the change
// has reached every control: Qt tells the window of a new palette before its controls.
class DesktopWatch final : public QObject {
 public:
  DesktopWatch(QWidget& window, std::function<void()> changed)
      : QObject(&window), changed_(std::move(changed)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::FontChange:
      case QEvent::PaletteChange:
      case QEvent::StyleChange:
      case QEvent::ApplicationFontChange:
      case QEvent::ApplicationPaletteChange:
        if (!pending_) {
          pending_ = true;
          QMetaObject::invokeMethod(
              this,
              [this] {
                pending_ = false;
                changed_();
              },
              Qt::QueuedConnection);
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  std::function<void()> changed_;
  bool pending_ = false;
};

}  // namespace

void FollowDesktop(QWidget& window, std::function<void()> changed) {
  new DesktopWatch(window, std::move(changed));
}

}  // namespace numbrella::ui
