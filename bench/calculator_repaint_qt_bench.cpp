// SPDX-License-Identifier: GPL-3.0-or-later
// The repaint check of the calculator window on a workboard of 1 MB against an empty
// one. With the default printer unchanged the check asks for the printer and copies
// nothing, so the size of the record must not show in it.
//
// Two measures, each a ratio in the same run:
// - the check after a repaint of the worksheet's display strip (the window repaints,
//   the check runs after it, the workboard itself is not drawn): the check's own cost;
// - the check after a repaint of the whole window, the workboard's drawing included,
//   for comparison: what grows there is the text box drawing its visible lines.
// Prints the ratios at the end.
#include "app/application.h"
#include "bench_support.h"
#include "calculator/stand_in_fonts.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"

#include <benchmark/benchmark.h>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using numbrella::frmNewCalculator1;
using numbrella::ui::RichTextBox;

numbrella::testing::FakeServices* fakes = nullptr;

void RepaintWithRecordOf(benchmark::State& state, qsizetype bytes, bool wholeWindow) {
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  window.show();
  auto* workboard = window.findChild<RichTextBox*>(QStringLiteral("txtArchive1"));
  const QString entry = QStringLiteral("\r\n\r\n123.5  X  2  =  247.00000");
  workboard->SetText(entry.repeated(bytes / entry.size()));
  workboard->MoveCaretToEnd();
  QCoreApplication::processEvents();
  // The operands, operator and answer, in the window's coordinates.
  const QRect strip =
      window.findChild<QWidget*>(QStringLiteral("txtOperand(0)"))
          ->geometry()
          .united(window.findChild<QWidget*>(QStringLiteral("lblAnswer"))->geometry())
          .translated(window.centralWidget()->pos());
  const int queriesBefore = fakes->printers.queries;
  for (auto _ : state) {
    if (wholeWindow) {
      window.repaint();
    } else {
      window.repaint(strip);
    }
    QCoreApplication::processEvents();  // the check runs after the paint
  }
  if (fakes->printers.queries == queriesBefore) state.SkipWithError("no printer check ran");
  state.counters["workboard_chars"] = static_cast<double>(workboard->Text().size());
}

constexpr qsizetype kMegabyte = 1 << 20;

void BM_CheckEmptyWorkboard(benchmark::State& state) { RepaintWithRecordOf(state, 0, false); }
void BM_Check1MBWorkboard(benchmark::State& state) { RepaintWithRecordOf(state, kMegabyte, false); }
void BM_WholeRepaintEmptyWorkboard(benchmark::State& state) { RepaintWithRecordOf(state, 0, true); }
void BM_WholeRepaint1MBWorkboard(benchmark::State& state) {
  RepaintWithRecordOf(state, kMegabyte, true);
}

// The ratios compare the processor time of this thread, which other work on the
// machine does not stretch.
BENCHMARK(BM_CheckEmptyWorkboard)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Check1MBWorkboard)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeRepaintEmptyWorkboard)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeRepaint1MBWorkboard)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::CalculatorBenchRun run(argc, argv, fakes);
  return run.Measure([](numbrella::bench::RatioReporter& reporter) {
    numbrella::bench::PrintRatio(reporter, "BM_Check1MBWorkboard", "BM_CheckEmptyWorkboard",
                                 " (goal: at most 1.2)");
    numbrella::bench::PrintRatio(reporter, "BM_WholeRepaint1MBWorkboard",
                                 "BM_WholeRepaintEmptyWorkboard",
                                 " (for comparison: the text box's own drawing included)");
  });
}
