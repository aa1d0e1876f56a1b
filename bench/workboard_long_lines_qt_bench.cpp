// SPDX-License-Identifier: GPL-3.0-or-later
// A 10 MB workboard held as one line, against the same characters in lines of about
// 80, each command given through the window and waited for up to the paint that
// shows its result, in wall-clock time (the user waits for the window):
//  - opening the file;
//  - a key typed at the end of the record;
//  - another font size chosen for the whole record.
// A text edit lays out a paragraph whole on every change in it, so one line of 10 MB
// would take seconds for each key and minutes for a font; the workboard shows long
// lines in pieces. The ratio says what a long line still costs over short ones; the
// medians say how long the user waits.
#include "app/application.h"
#include "bench_support.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

namespace numbrella::bench {
namespace {

testing::FakeServices* fakes = nullptr;
QString folder;

QString RecordFile(bool oneLine) {
  return QDir(folder).filePath(oneLine ? QStringLiteral("one-line.txt")
                                       : QStringLiteral("lines.txt"));
}

// Words of 3 to 9 letters; a line break after about 80 characters, or a blank for one line.
bool WriteRecord(bool oneLine) {
  constexpr std::size_t kTenMegabytes = 10u * 1024u * 1024u;
  std::string bytes;
  bytes.reserve(kTenMegabytes + 16);
  std::size_t lineStart = 0;
  for (unsigned word = 0; bytes.size() < kTenMegabytes; ++word) {
    bytes.append(3 + word % 7, static_cast<char>('a' + word % 26));
    if (bytes.size() - lineStart >= 80) {
      bytes += oneLine ? " " : "\r\n";
      lineStart = bytes.size();
    } else {
      bytes += ' ';
    }
  }
  bytes += "\r\n";
  QFile file(RecordFile(oneLine));
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
}

// A calculator window with a record open in it.
struct Opened {
  explicit Opened(bool oneLine) : application(fakes->services()), window(application.Calculator()) {
    ShowAndPaint(&window);
    workboard = window.findChild<ui::RichTextBox*>(QStringLiteral("txtArchive1"));
    watch = std::make_unique<PaintWatch>(workboard->viewport());
    fakes->dialogs.openFiles.push_back(RecordFile(oneLine));
    window.findChild<QAction*>(QStringLiteral("mnuFileOpen"))->trigger();
    opened = WaitForPaint(*watch) && workboard->Text().size() > 10'000'000;
  }
  Application application;
  frmNewCalculator1& window;
  ui::RichTextBox* workboard = nullptr;
  std::unique_ptr<PaintWatch> watch;
  bool opened = false;
};

void Key(QWidget* target, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

void BM_Open(benchmark::State& state, bool oneLine) {
  bool opened = true;
  for (auto _ : state) {
    Opened record(oneLine);
    state.PauseTiming();
    opened = opened && record.opened;
    state.ResumeTiming();
  }
  if (!opened) state.SkipWithError("the record was not opened");
}

void BM_TypeAtTheEnd(benchmark::State& state, bool oneLine) {
  Opened record(oneLine);
  record.workboard->setFocus();
  record.workboard->MoveCaretToEnd();
  WaitForPaint(*record.watch);
  for (auto _ : state) {
    Key(record.workboard, Qt::Key_X, QStringLiteral("x"));
    const bool shown = WaitForPaint(*record.watch);
    state.PauseTiming();
    Key(record.workboard, Qt::Key_Backspace, QString());
    WaitForPaint(*record.watch);
    state.ResumeTiming();
    if (!shown) state.SkipWithError("the key was never shown");
  }
}

void BM_ChooseFontSize(benchmark::State& state, bool oneLine) {
  Opened record(oneLine);
  auto* sizes = record.window.findChild<QComboBox*>(QStringLiteral("Combo1"));
  int index = 0;
  for (auto _ : state) {
    index = (index + 1) % 2;
    sizes->setCurrentIndex(index);
    emit sizes->activated(index);
    if (!WaitForPaint(*record.watch)) state.SkipWithError("the font was never shown");
  }
}

#define NUMBRELLA_BOTH_RECORDS(command, iterations) \
  BENCHMARK_CAPTURE(command, lines, false)          \
      ->Unit(benchmark::kMillisecond)               \
      ->UseRealTime()                               \
      ->Iterations(iterations)                      \
      ->Repetitions(3)                              \
      ->ReportAggregatesOnly(true);                 \
  BENCHMARK_CAPTURE(command, one_line, true)        \
      ->Unit(benchmark::kMillisecond)               \
      ->UseRealTime()                               \
      ->Iterations(iterations)                      \
      ->Repetitions(3)                              \
      ->ReportAggregatesOnly(true)

NUMBRELLA_BOTH_RECORDS(BM_Open, 2);
NUMBRELLA_BOTH_RECORDS(BM_TypeAtTheEnd, 20);
NUMBRELLA_BOTH_RECORDS(BM_ChooseFontSize, 4);

void PrintCommand(RatioReporter& reporter, const std::string& command) {
  const double lines = reporter.wallTimes[command + "/lines_median"];
  const double oneLine = reporter.wallTimes[command + "/one_line_median"];
  PrintRatio(reporter, command + "/one_line", command + "/lines", "", true);
  std::printf("  %s: %.0f ms in lines of 80, %.0f ms as one line (goal: at most 2,000 ms)\n",
              command.c_str(), lines, oneLine);
}

}  // namespace
}  // namespace numbrella::bench

int main(int argc, char** argv) {
  using namespace numbrella::bench;
  CalculatorBenchRun run(argc, argv, fakes);
  BenchFolder temporary("workboard_long_lines", folder);
  if (!temporary.Ready([] { return WriteRecord(false) && WriteRecord(true); })) return 1;
  return run.Measure([](RatioReporter& reporter) {
    for (const char* command : {"BM_Open", "BM_TypeAtTheEnd", "BM_ChooseFontSize"}) {
      PrintCommand(reporter, command);
    }
  });
}
