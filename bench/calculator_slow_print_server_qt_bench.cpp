// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the calculator while its print server is slow. The bench starts a print
// scheduler of its own and puts a relay in front of it that holds every answer back
// 150 ms, as a server across a slow network would; the baseline is the same relay
// passing answers on at once. Keys come at a typist's pace, one every 100 ms, and each
// is timed from its press to its repaint done, the repaint check's printer question
// included. Prints the ratio of the median key times and the scheduler's requests per
// key in either run.
#include "app/application.h"
#include "bench_support.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "support/private_scheduler.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

int UnixSocket(const std::string& path, bool listening) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  const bool ready = listening ? ::bind(fd, where, sizeof(address)) == 0 && ::listen(fd, 16) == 0
                               : ::connect(fd, where, sizeof(address)) == 0;
  if (ready) return fd;
  ::close(fd);
  return -1;
}

bool WriteAll(int fd, const char* data, ssize_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written <= 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

// Passes each connection on to the scheduler, holding back the first part of every
// answer by the delay, and counts the requests.
class SlowRelay {
 public:
  SlowRelay(std::string path, std::string scheduler)
      : path_(std::move(path)), scheduler_(std::move(scheduler)) {
    listener_ = UnixSocket(path_, true);
    accepter_ = std::jthread([this](std::stop_token stop) { Accept(stop); });
  }
  ~SlowRelay() {
    accepter_ = {};
    ::close(listener_);
  }
  const std::string& Path() const { return path_; }
  void SetDelay(std::chrono::milliseconds delay) { delay_ = delay; }
  int Requests() const { return requests_; }

 private:
  void Accept(std::stop_token stop) {
    std::vector<std::jthread> relays;
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop.stop_requested()) {
      if (::poll(&waiting, 1, 50) <= 0) continue;
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      const int server = UnixSocket(scheduler_, false);
      relays.emplace_back([this, stop, client, server] { Relay(stop, client, server); });
    }
  }

  void Relay(std::stop_token stop, int client, int server) {
    bool awaited = false;  // a request went on since the scheduler last answered
    std::vector<char> buffer(1 << 16);
    pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    while (!stop.stop_requested() && server >= 0) {
      if (::poll(ends, 2, 50) <= 0) continue;
      if (ends[0].revents != 0) {
        const ssize_t size = ::read(client, buffer.data(), buffer.size());
        if (size <= 0) break;
        if (std::string_view(buffer.data(), static_cast<size_t>(size)).starts_with("POST ")) {
          ++requests_;
        }
        awaited = true;
        if (!WriteAll(server, buffer.data(), size)) break;
      }
      if (ends[1].revents != 0) {
        const ssize_t size = ::read(server, buffer.data(), buffer.size());
        if (size <= 0) break;
        if (awaited) std::this_thread::sleep_for(delay_.load());
        awaited = false;
        if (!WriteAll(client, buffer.data(), size)) break;
      }
    }
    ::close(client);
    if (server >= 0) ::close(server);
  }

  const std::string path_;
  const std::string scheduler_;
  std::atomic<std::chrono::milliseconds> delay_{0ms};
  std::atomic<int> requests_{0};
  int listener_ = -1;
  std::jthread accepter_;
};

numbrella::testing::FakeServices* fakes = nullptr;
SlowRelay* relay = nullptr;
// Requests and keys, by run.
std::map<std::string, std::pair<int, int>> requestsAndKeys;

void Wait(std::chrono::milliseconds time) {
  QEventLoop loop;
  QTimer::singleShot(time, &loop, &QEventLoop::quit);
  loop.exec();
}

void TypeThroughRelay(benchmark::State& state, const char* run, std::chrono::milliseconds delay) {
  relay->SetDelay(delay);
  // The printers' own thread reads the server's address when it first asks.
  ::setenv("CUPS_SERVER", relay->Path().c_str(), 1);
  const numbrella::ui::RealServices real;
  numbrella::ui::Services services = real.services();
  services.messages = &fakes->messages;
  numbrella::Application application(services);
  numbrella::frmNewCalculator1& window = application.Calculator();
  window.show();
  window.activateWindow();
  // The window may start before the first answer: the typing starts once it is in.
  auto* printer = window.findChild<QLineEdit*>(QStringLiteral("Text3"));
  for (int i = 0; i < 100 && printer->text() != QLatin1String("office"); ++i) Wait(50ms);
  if (printer->text() != QLatin1String("office")) state.SkipWithError("no answer from the printer");
  const QString keys = QStringLiteral("12+34\r");
  const int before = relay->Requests();
  int typed = 0;
  for (auto _ : state) {
    Wait(100ms);
    const auto start = std::chrono::steady_clock::now();
    numbrella::bench::TypeKey(&window, keys[typed++ % keys.size()]);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();  // the repaint check runs after the paint
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  requestsAndKeys[run].first += relay->Requests() - before;
  requestsAndKeys[run].second += typed;
}

void BM_KeysPromptServer(benchmark::State& state) { TypeThroughRelay(state, "prompt server", 0ms); }
void BM_KeysServerAnswering150msLate(benchmark::State& state) {
  TypeThroughRelay(state, "server 150 ms late", 150ms);
}

BENCHMARK(BM_KeysPromptServer)
    ->UseManualTime()
    ->Iterations(60)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_KeysServerAnswering150msLate)
    ->UseManualTime()
    ->Iterations(60)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::CalculatorBenchRun run(argc, argv, fakes);
  numbrella::testing::PrivateScheduler scheduler;
  if (const std::optional<QString> failure = scheduler.Start()) {
    std::printf("no print scheduler of its own (%s): nothing measured\n", qPrintable(*failure));
    return 0;
  }
  if (scheduler.AddQueue(QStringLiteral("office")) ||
      scheduler.Admin({QStringLiteral("-d"), QStringLiteral("office")})) {
    std::printf("no printer on the bench's scheduler: nothing measured\n");
    return 0;
  }
  const QTemporaryDir folder;
  SlowRelay slow(folder.filePath(QStringLiteral("relay.sock")).toStdString(),
                 std::getenv("CUPS_SERVER"));
  relay = &slow;
  return run.Measure([](numbrella::bench::RatioReporter& reporter) {
    numbrella::bench::PrintRatio(reporter, "BM_KeysServerAnswering150msLate", "BM_KeysPromptServer",
                                 " (key to screen, goal: at most 1.2)", true);
    for (const auto& [run, counts] : requestsAndKeys) {
      std::printf("%s: %d scheduler requests in %d keys, %.2f per key\n", run.c_str(), counts.first,
                  counts.second, static_cast<double>(counts.first) / counts.second);
    }
  });
}
