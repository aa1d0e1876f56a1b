// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals that ask a program to end (SIGTERM from a logout or `kill`, SIGHUP from a
// closed terminal, SIGINT from Ctrl+C), taken in the event loop: the handler only
// notes the signal in a pipe, which the event loop reads.
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace numbrella::app {

class EndSignals {
 public:
  // `ending` runs in the event loop for the first signal that comes; a second one ends
  // the program at once, as the signal does by default, whether or not the event loop
  // has run `ending`. A signal that the program was started to ignore (nohup) stays
  // ignored.
  explicit EndSignals(std::function<void()> ending);
  // The signals end the program as they do by default again.
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  std::function<void()> ending_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace numbrella::app
