// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long runs of random user actions: when one action hangs or crashes the program, the
// run must still say which seed and which action it was. A thread ends the process
// with them when an action runs past its limit; a signal handler names them when the
// process crashes, then lets the crash take its course (and the sanitizers report).
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace numbrella::testing {

class ActionWatchdog {
 public:
  ActionWatchdog(std::uint64_t seed, std::chrono::seconds limit) : seed_(seed), limit_(limit) {
    Instance() = this;
    for (int signal : kCrashSignals) {
      struct sigaction handler {};
      handler.sa_handler = &ActionWatchdog::OnCrash;
      sigemptyset(&handler.sa_mask);
      sigaction(signal, &handler, &previous_[Slot(signal)]);
    }
    thread_ = std::thread([this] { Watch(); });
  }

  ~ActionWatchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
    for (int signal : kCrashSignals) sigaction(signal, &previous_[Slot(signal)], nullptr);
    Instance() = nullptr;
  }

  ActionWatchdog(const ActionWatchdog&) = delete;
  ActionWatchdog& operator=(const ActionWatchdog&) = delete;

  // Action `number` starts now; `description` says what it does.
  void Begin(long number, const std::string& description) {
    std::lock_guard<std::mutex> lock(mutex_);
    number_ = number;
    started_ = std::chrono::steady_clock::now();
    running_ = true;
    SetDescription(description);
  }
  // What the running action does, once it has picked its details.
  void Describe(const std::string& description) {
    std::lock_guard<std::mutex> lock(mutex_);
    SetDescription(description);
  }
  void End() {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
  }

  // "seed S, action N: description"
  std::string Where() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return crashNote_;
  }

 private:
  static constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
  static int Slot(int signal) {
    for (int i = 0; i < 5; ++i) {
      if (kCrashSignals[i] == signal) return i;
    }
    return 0;
  }
  static ActionWatchdog*& Instance() {
    static ActionWatchdog* instance = nullptr;
    return instance;
  }

  void SetDescription(const std::string& description) {
    std::snprintf(crashNote_, sizeof crashNote_, "seed %llu, action %ld: %s",
                  static_cast<unsigned long long>(seed_), number_, description.c_str());
  }

  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
      wake_.wait_for(lock, std::chrono::milliseconds(250));
      if (running_ && std::chrono::steady_clock::now() - started_ > limit_) {
        std::fprintf(stderr, "\nrandom use hangs: %s has run for more than %lld s\n", crashNote_,
                     static_cast<long long>(limit_.count()));
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  }

  // Only async-signal-safe calls: write the note, then hand the signal on.
  static void OnCrash(int signal) {
    if (ActionWatchdog* self = Instance()) {
      static const char kHead[] = "\nrandom use crashed at ";
      ssize_t ignored = write(STDERR_FILENO, kHead, sizeof kHead - 1);
      ignored = write(STDERR_FILENO, self->crashNote_, std::strlen(self->crashNote_));
      ignored = write(STDERR_FILENO, "\n", 1);
      (void)ignored;
      sigaction(signal, &self->previous_[Slot(signal)], nullptr);
    } else {
      std::signal(signal, SIG_DFL);
    }
    // Returning re-runs a faulting instruction under the previous handler; an abort
    // is raised again for it (it stays pending until this handler returns).
    if (signal == SIGABRT) raise(signal);
  }

  const std::uint64_t seed_;
  const std::chrono::seconds limit_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  bool running_ = false;
  long number_ = 0;
  std::chrono::steady_clock::time_point started_;
  char crashNote_[1024] = "";
  struct sigaction previous_[5]{};
  std::thread thread_;
};

}  // namespace numbrella::testing
