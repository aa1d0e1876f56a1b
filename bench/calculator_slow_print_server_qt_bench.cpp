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
#include "support/slow_relay.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace std::chrono_literals;
using numbrella::testing::SlowRelay;

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
  const numbrella::app::RealServices real;
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
