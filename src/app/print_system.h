// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer questions the windows ask at start-up and on every repaint, put to the
// print system (CUPS) directly. Qt's print support answers them only after loading
// its print plugin and fetching the default printer's whole description, several
// times over; here each question is one or two requests to the scheduler. The
// library is loaded when first needed; when it cannot be loaded, or no scheduler
// answers, there is no printer.
#include <QObject>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

namespace numbrella::app {

// The number of queues (printers and classes) the scheduler has, 0 when none.
int InstalledPrinterCount();
// The same; `silent` tells whether a scheduler took the request, or let the connection
// wait, and gave no answer.
int CountQueues(bool* silent, std::stop_token stop = {});

// The default destination's name, "queue" or "queue/instance" as the print dialog
// names it; nullopt when there is none.
std::optional<QString> DefaultDestinationName(std::stop_token stop = {});

// Both functions above wait for the scheduler at most this long for each connection
// and its requests; a scheduler that does not answer within it has no printer. A stop
// asked for through `stop` ends the wait within a tenth of a second or so, with no
// printer either.
inline constexpr std::chrono::milliseconds kPrintSystemTimeout{1500};

// The printer questions asked on a thread of their own, so that a print server that
// does not answer never holds a window: each is answered at once from the latest
// answer, and a fresh answer is asked for at most once a second. Destroying it ends a
// request under way at once, whatever the server does, so that the program ends
// without waiting on the server.
class PrinterAnswers {
 public:
  struct Answer {
    int count = 0;
    std::optional<QString> defaultName;
    bool silent = false;  // as CountQueues says
    bool operator==(const Answer&) const = default;
  };
  // Starts asking at once, on a thread of its own.
  PrinterAnswers();
  ~PrinterAnswers();
  PrinterAnswers(const PrinterAnswers&) = delete;
  PrinterAnswers& operator=(const PrinterAnswers&) = delete;

  // From now on `changed` runs on `receiver`'s thread each time an answer differs from
  // the one before it. The receiver must outlive this.
  void TellChanges(QObject* receiver, std::function<void()> changed);
  // Asks afresh at once; `then` runs on the receiver's thread with whether the print
  // system answered that request, within a few seconds whatever the server does.
  void AskNow(std::function<void(bool answering)> then);
  // The latest answer, none before the first; asks for a fresh one.
  std::optional<Answer> Latest();
  // Waits for a first answer until `grace` after the first request went out: true when
  // there is one. Loading the library is not counted; it waits on the disk, not on a
  // print server.
  bool WaitForFirst(std::chrono::milliseconds grace);

 private:
  void Ask(std::stop_token stop);

  std::mutex mutex_;
  QObject* receiver_ = nullptr;
  std::function<void()> changed_;
  std::condition_variable_any wake_;
  std::optional<Answer> latest_;
  bool wanted_ = true;
  std::vector<std::function<void(bool)>> waiting_;  // for the next request's answer
  std::chrono::steady_clock::time_point lastAsked_{};
  std::optional<std::chrono::steady_clock::time_point> firstAsked_;
  std::jthread asker_;  // last: it goes first, before what it uses
};

}  // namespace numbrella::app
