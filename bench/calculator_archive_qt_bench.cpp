// SPDX-License-Identifier: GPL-3.0-or-later
// What the equals key costs, the workboard entry included, on a workboard that already
// holds 10,000 entries against one that holds 100: an entry is appended, not the whole
// text rebuilt, so its cost must not grow with the record. Prints the ratio at the end.
#include "app/application.h"
#include "bench_support.h"
#include "calculator/stand_in_fonts.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

using numbrella::bench::Press;

using numbrella::frmNewCalculator1;
using numbrella::ui::RichTextBox;

numbrella::testing::FakeServices* fakes = nullptr;

// The entry that 7 + 5 = leaves, with the start-up's line spacing of 2.
const QString kEntry = QStringLiteral("\r\n\r\n7  +  5  =  12.00000");

// The equals key pressed again and again on a workboard of `entries` entries; every 50
// presses the record goes back to its size, outside the timing.
void EqualsOnRecordOf(benchmark::State& state, int entries) {
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  window.show();
  QCoreApplication::processEvents();
  for (const char* key : {"Command1(7)", "cmdOperatorPlus", "Command1(5)"}) {
    Press(window.findChild<QWidget*>(QString::fromLatin1(key)));
  }
  auto* equals = window.findChild<QPushButton*>(QStringLiteral("cmdEqualSign"));
  auto* workboard = window.findChild<RichTextBox*>(QStringLiteral("txtArchive1"));
  const QString record = kEntry.repeated(entries);
  auto reset = [&] {
    workboard->SetText(record);
    workboard->MoveCaretToEnd();  // lays the text out, as it is after the user's work
    QCoreApplication::processEvents();
  };
  reset();
  int i = 0;
  for (auto _ : state) {
    if (i > 0 && i % 50 == 0) {
      state.PauseTiming();
      reset();
      state.ResumeTiming();
    }
    equals->click();
    QCoreApplication::processEvents();  // the repaint that shows the new entry
    ++i;
  }
  if (!workboard->Text().endsWith(kEntry) || fakes->messages.shown.size() != 0) {
    state.SkipWithError("the equals key did not record its entry");
  }
}

void BM_EqualsOn100Entries(benchmark::State& state) { EqualsOnRecordOf(state, 100); }
void BM_EqualsOn10000Entries(benchmark::State& state) { EqualsOnRecordOf(state, 10000); }

// The ratio compares the processor time of this thread, which other work on the
// machine does not stretch.
BENCHMARK(BM_EqualsOn100Entries)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EqualsOn10000Entries)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::CalculatorBenchRun run(argc, argv, fakes);
  return run.Measure([](numbrella::bench::RatioReporter& reporter) {
    numbrella::bench::PrintRatio(reporter, "BM_EqualsOn10000Entries", "BM_EqualsOn100Entries",
                                 " (goal: at most 1.5)");
  });
}
