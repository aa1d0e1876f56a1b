// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/first_paint.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <utility>

namespace numbrella::ui {

namespace {

// Owned by the window: it goes with the window, and with it what was still to run.
class FirstPaintWatch final : public QObject {
 public:
  FirstPaintWatch(QWidget& window, std::function<void()> then)
      : QObject(&window), then_(std::move(then)) {
    window.installEventFilter(this);
    latest_.setSingleShot(true);
    connect(&latest_, &QTimer::timeout, this, &FirstPaintWatch::Run);
    latest_.start(kLatestAfterShowing);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued: the paint under way, and its way to the screen, end first.
      QMetaObject::invokeMethod(this, &FirstPaintWatch::Run, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Run() {
    if (!then_) return;
    latest_.stop();
    parent()->removeEventFilter(this);
    std::function<void()> then = std::move(then_);
    then_ = nullptr;
    deleteLater();
    then();
  }

  std::function<void()> then_;
  QTimer latest_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
  new FirstPaintWatch(window, std::move(then));
}

}  // namespace numbrella::ui
