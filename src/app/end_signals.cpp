// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/end_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

namespace numbrella::app {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe the handler writes into: [0] is read by the event loop, [1] written.
int endPipe[2] = {-1, -1};
// Whether a signal has come already.
volatile std::sig_atomic_t signalled = 0;

void NoteSignal(int signal) {
  // A second signal ends the program at once, as the signal does by default: the first
  // one's end has not come, as when a modal loop or a stuck disk holds it up. The copy
  // of the workboard stays as it was last written.
  if (signalled != 0) {
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signal, &byDefault, nullptr);
    ::raise(signal);
    return;
  }
  signalled = 1;
  // Only what is safe in a signal handler: one write, errno kept for the code it
  // interrupted. A full pipe already says that a signal came.
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &byte, 1);
  errno = saved;
}

bool Ignored(int signal) {
  struct sigaction current {};
  return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

EndSignals::EndSignals(std::function<void()> ending) : ending_(std::move(ending)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, endPipe) != 0) {
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(endPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    char bytes[16];
    while (::read(endPipe[0], bytes, sizeof bytes) > 0) {
    }
    ending_();
  });
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kEndSignals) {
    if (!Ignored(signal)) ::sigaction(signal, &action, nullptr);
  }
}

EndSignals::~EndSignals() {
  if (notifier_ == nullptr) return;
  for (const int signal : kEndSignals) {
    if (!Ignored(signal)) std::signal(signal, SIG_DFL);
  }
  notifier_.reset();
  ::close(endPipe[0]);
  ::close(endPipe[1]);
  endPipe[0] = endPipe[1] = -1;
  signalled = 0;
}

}  // namespace numbrella::app
