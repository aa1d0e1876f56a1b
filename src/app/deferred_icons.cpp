// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/deferred_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

namespace numbrella::app {

namespace {

// An icon that is made the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (!icon_) icon_ = make_();
    return *icon_;
  }

  std::function<QIcon()> make_;
  std::optional<QIcon> icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
  const bool extension = standardIcon == SP_ToolBarHorizontalExtensionButton ||
                         standardIcon == SP_ToolBarVerticalExtensionButton;
  if (!extension || option != nullptr)
    return QProxyStyle::standardIcon(standardIcon, option, widget);
  // Made later, the picture cannot ask the bar, which may be gone by then: it is
  // told the bar's direction now.
  QStyleOption direction;
  direction.direction =
      widget != nullptr ? widget->layoutDirection() : QGuiApplication::layoutDirection();
  QPointer<QStyle> style(const_cast<DeferredIconStyle*>(this));
  return QIcon(new DeferredIconEngine([style, direction, standardIcon] {
    if (!style) return QIcon();
    return static_cast<DeferredIconStyle*>(style.data())
        ->QProxyStyle::standardIcon(standardIcon, &direction);
  }));
}

}  // namespace numbrella::app
