// SPDX-License-Identifier: GPL-3.0-or-later
// Typing at the calculator while its workboard holds 10 MB of unsaved work, with the
// recovery copy kept against the same typing without it, in turns of one run each.
//
// "12+34" and Enter, over and over, each key given to the focused control with its
// paint and any timer it makes due, as fast as the window takes them: each Enter adds
// an entry to the record, so the copy is written about once a second, each time inside
// one of the keys measured (far faster than anyone types, so that no write falls
// between keys: the worst case). Typing is about waiting, so each key is timed in
// wall-clock time. Two ratios of the medians over the runs, with the copy to without:
// the mean key, and the worst keys (the 10 slowest of 20,000, about one for each copy
// written, against the 10 slowest of the same typing without a copy). Printed at the
// end, with what a copy costs the window's thread: taking the record, which the keeper
// does when a write is due.
#include "app/application.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"
#include "workboard/recovery.h"

#include <benchmark/benchmark.h>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

#include <sys/stat.h>

namespace numbrella::bench {
namespace {

testing::FakeServices* fakes = nullptr;
QString folder;  // set up by main

constexpr int kKeys = 20000;
constexpr int kWorst = 10;
constexpr char kTyped[] = "12+34\r";

// Each run's figures in milliseconds, [0] without the copy, [1] with it.
std::vector<double> means[2];
std::vector<double> worst[2];
std::vector<double> takes;

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// A write puts a new file in place of the copy.
ino_t CopyFile(const QString& path) {
  struct stat status {};
  return ::stat(path.toLocal8Bit().constData(), &status) == 0 ? status.st_ino : 0;
}

void Type(benchmark::State& state, bool keepCopy) {
  Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  if (keepCopy) application.KeepRecoveryCopies(folder);
  ShowAndPaint(&window);
  auto* workboard = window.findChild<ui::RichTextBox*>(QStringLiteral("txtArchive1"));
  const QString entry = QStringLiteral("\r\n\r\n123.5  X  2  =  247.00000");
  workboard->SetText(entry.repeated(10 * (1 << 20) / entry.size()));
  workboard->MoveCaretToEnd();
  const QString path = keepCopy ? application.Recovery()->Path() : QString();
  std::vector<double> keys;
  keys.reserve(kKeys);
  int writes = 0;
  ino_t copy = 0;
  for (auto _ : state) {
    QElapsedTimer key;
    key.start();
    TypeKey(&window, QLatin1Char(kTyped[keys.size() % (sizeof kTyped - 1)]));
    QCoreApplication::processEvents();
    keys.push_back(static_cast<double>(key.nsecsElapsed()) / 1e6);
    state.SetIterationTime(keys.back() / 1e3);
    if (keepCopy && CopyFile(path) != copy) {
      copy = CopyFile(path);
      ++writes;
    }
  }
  std::sort(keys.begin(), keys.end());
  means[keepCopy].push_back(std::accumulate(keys.begin(), keys.end(), 0.0) / kKeys);
  worst[keepCopy].push_back(std::accumulate(keys.end() - kWorst, keys.end(), 0.0) / kWorst);
  state.counters["mean_ms"] = means[keepCopy].back();
  state.counters["worst_ms"] = worst[keepCopy].back();
  state.counters["slowest_ms"] = keys.back();
  if (!keepCopy) return;
  QElapsedTimer take;
  take.start();
  const std::optional<RecoveryRecord> record = window.Document().UnsavedRecord();
  takes.push_back(static_cast<double>(take.nsecsElapsed()) / 1e6);
  state.counters["take_ms"] = takes.back();
  state.counters["writes"] = writes;
  application.Recovery()->Flush();
  const qint64 size = QFileInfo(path).size();
  state.counters["copy_MB"] = static_cast<double>(size) / (1 << 20);
  if (writes < 3 || !record || size != static_cast<qint64>(RecoveryBytes(*record).size())) {
    state.SkipWithError("the copy was not kept");
  }
  application.Recovery()->Discard();
}

}  // namespace
}  // namespace numbrella::bench

int main(int argc, char** argv) {
  using namespace numbrella::bench;
  CalculatorBenchRun run(argc, argv, fakes);
  BenchFolder files("recovery", folder);
  if (!files.Ready([] { return true; })) return 1;
  for (int turn = 0; turn < 3; ++turn) {
    for (const bool keepCopy : {false, true}) {
      benchmark::RegisterBenchmark(keepCopy ? "BM_TypingWithCopy" : "BM_TypingWithoutCopy",
                                   [keepCopy](benchmark::State& state) { Type(state, keepCopy); })
          ->Iterations(kKeys)
          ->UseManualTime();
    }
  }
  return run.Measure([](RatioReporter&) {
    if (means[0].empty() || takes.empty()) return;
    std::printf("mean key with / without the copy = %.2f (goal: at most 1.2)\n",
                Median(means[1]) / Median(means[0]));
    std::printf(
        "worst keys with / without the copy = %.2f (the %d slowest of %d keys each: %.1f ms"
        " against %.1f ms)\n",
        Median(worst[1]) / Median(worst[0]), kWorst, kKeys, Median(worst[1]), Median(worst[0]));
    std::printf("the window's thread per copy: %.2f ms, taking the record\n", Median(takes));
  });
}
