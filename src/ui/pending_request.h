// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A request that a window waits on while the user goes on working, such as a question
// to the print system: the busy cursor shows from its start to its end, and it ends
// once, however it ends (its answer, a time limit, the window closing or going away).
#include <QGuiApplication>

namespace numbrella::ui {

class PendingRequest {
 public:
  PendingRequest() = default;
  PendingRequest(const PendingRequest&) = delete;
  PendingRequest& operator=(const PendingRequest&) = delete;
  ~PendingRequest() { Cancel(); }

  bool Pending() const { return current_ != 0; }

  // Starts a request and returns its number, which its end gives back.
  int Start() {
    Cancel();
    current_ = ++started_;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    return current_;
  }
  // Ends request `number`: true when it was still under way, false when it had ended.
  bool End(int number) {
    if (number != current_ || current_ == 0) return false;
    Cancel();
    return true;
  }
  // Ends the request under way, if any, without an answer.
  void Cancel() {
    if (current_ == 0) return;
    current_ = 0;
    QGuiApplication::restoreOverrideCursor();
  }

 private:
  int started_ = 0;
  int current_ = 0;
};

}  // namespace numbrella::ui
