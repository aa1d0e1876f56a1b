// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window of a kind, owned by whoever keeps this: built when it is first shown,
// brought forward when it is shown again, and discarded when the user closes it, so
// that the next showing builds it afresh from its defaults. Shown without an owner and
// without modality.
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

namespace numbrella::ui {

template <typename Window>
class SingleWindow final : public QObject {
 public:
  using Make = std::function<std::unique_ptr<Window>()>;
  explicit SingleWindow(Make make = [] { return std::make_unique<Window>(); })
      : make_(std::move(make)) {}

  Window& Show() {
    // A window closed a moment ago may not be discarded yet: it is not shown again.
    if (window_ != nullptr && window_->isHidden()) window_.reset();
    if (window_ == nullptr) {
      window_ = make_();
      window_->installEventFilter(this);
    }
    if (window_->isMinimized()) {
      window_->showNormal();
    } else {
      window_->show();
    }
    window_->raise();
    window_->activateWindow();
    return *window_;
  }

  // The window while it is open, or null.
  Window* Open() const {
    return window_ != nullptr && !window_->isHidden() ? window_.get() : nullptr;
  }

 protected:
  // The close event comes before the window decides whether to close; a window that
  // closed is hidden once the event is through, and is discarded then.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && watched == window_.get()) {
      QMetaObject::invokeMethod(
          this,
          [this, closing = QPointer<QWidget>(window_.get())] {
            if (closing != nullptr && closing.data() == window_.get() && closing->isHidden()) {
              window_.reset();
            }
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  Make make_;
  std::unique_ptr<Window> window_;
};

}  // namespace numbrella::ui
