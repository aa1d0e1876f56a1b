// SPDX-License-Identifier: GPL-3.0-or-later
// What a keystroke in the converter's input field and a category command cost, each
// against writing the texts they show (the output and the four unit captions) straight
// into bare widgets. Prints the ratios at the end.
#include "app/application.h"
#include "bench_support.h"
#include "converter/frmListBoxConverter.h"
#include "qt_bench_support.h"

#include "support/fake_services.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace {

using numbrella::frmListBoxConverter;

// Five bare widgets in a shown window, like the converter's output and captions.
struct BareWidgets {
  QWidget window;
  QLineEdit* in = new QLineEdit(&window);
  QLineEdit* out = new QLineEdit(&window);
  QLabel* labels[4] = {new QLabel(&window), new QLabel(&window), new QLabel(&window),
                       new QLabel(&window)};
  BareWidgets() {
    window.resize(541, 332);
    window.show();
  }
};

// Made in main, while the application lives.
frmListBoxConverter* converter = nullptr;
BareWidgets* bare = nullptr;

// Outside the timing, before every iteration: what comes before the measured step
// (the user's key changing the input field's text), and now and then a run of the
// event loop, as between user actions, so that posted repaints do not pile up. The
// keystroke and its baseline pause alike, so the pausing costs them the same.
template <class Before>
void Untimed(benchmark::State& state, int iteration, Before before) {
  state.PauseTiming();
  before();
  if ((iteration & 63) == 63) QCoreApplication::processEvents();
  state.ResumeTiming();
}

// The event loop now and then, for benchmarks that do not pause.
void EventLoopNowAndThen(int iteration) {
  if ((iteration & 63) == 63) QCoreApplication::processEvents();
}

// Sets a field's text as a keystroke does, without its change notification.
void SetQuietly(QLineEdit* field, const QString& text) {
  const bool blocked = field->blockSignals(true);
  field->setText(text);
  field->blockSignals(blocked);
}

const QString kInputs[2] = {QStringLiteral("1"), QStringLiteral("12")};

const QString kOutputs[2] = {QStringLiteral("1.00000000000000"),
                             QStringLiteral("12.00000000000000")};
const QString kCaptions[4] = {QStringLiteral("Inches"), QStringLiteral("Inches"),
                              QStringLiteral("Convert:"), QStringLiteral("Into:")};

void WriteFiveTexts(int i) {
  bare->out->setText(kOutputs[i & 1]);
  for (int c = 0; c < 4; ++c) bare->labels[c]->setText(kCaptions[c]);
}

// Baseline: the five texts a keystroke shows (Inches into Inches, the input between
// 1 and 12) written straight into bare widgets, after the same untimed key.
void BM_BareWidgetsFiveTextsAfterKey(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    Untimed(state, i, [&] { SetQuietly(bare->in, kInputs[i & 1]); });
    WriteFiveTexts(i++);
  }
  QCoreApplication::processEvents();
}

// Baseline without pauses, for the category command.
void BM_BareWidgetsFiveTexts(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    WriteFiveTexts(i);
    EventLoopNowAndThen(i++);
  }
  QCoreApplication::processEvents();
}

// One keystroke in the input field, from its change handler to the output and the
// captions written: the conversion and the window showing its result.
void BM_KeystrokeInInput(benchmark::State& state) {
  converter->findChild<QAction*>(QStringLiteral("mnuDistance"))->trigger();
  auto* in = converter->findChild<QLineEdit*>(QStringLiteral("txtIn"));
  auto* out = converter->findChild<QLineEdit*>(QStringLiteral("txtOut"));
  int i = 0;
  for (auto _ : state) {
    Untimed(state, i, [&] { SetQuietly(in, kInputs[i & 1]); });
    Q_EMIT in->textChanged(in->text());
    ++i;
  }
  if (out->text() != QLatin1String("12.00000000000000") &&
      out->text() != QLatin1String("1.00000000000000")) {
    state.SkipWithError("the output does not follow the input");
  }
  QCoreApplication::processEvents();
}

// A category command from the menu: lists switched, first units selected on both
// sides, three conversions, captions and output written.
void BM_CategoryCommand(benchmark::State& state) {
  QAction* commands[2] = {converter->findChild<QAction*>(QStringLiteral("mnuDistance")),
                          converter->findChild<QAction*>(QStringLiteral("mnuArea"))};
  int i = 0;
  for (auto _ : state) {
    commands[i & 1]->trigger();
    EventLoopNowAndThen(i++);
  }
  QCoreApplication::processEvents();
}

BENCHMARK(BM_BareWidgetsFiveTextsAfterKey)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareWidgetsFiveTexts)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeInInput)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CategoryCommand)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::UseQuietOffscreenPlatform();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  numbrella::testing::FakeServices fake;
  auto application = std::make_unique<numbrella::Application>(fake.services());
  converter = &application->ShowConverter();
  bare = new BareWidgets;
  numbrella::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  delete bare;
  application.reset();
  // Ratios of the medians of the repetitions, in processor time: the machine may be
  // shared, and waiting for it is no cost of the window.
  numbrella::bench::PrintRatio(reporter, "BM_KeystrokeInInput", "BM_BareWidgetsFiveTextsAfterKey",
                               " (goal: at most 2)");
  numbrella::bench::PrintRatio(reporter, "BM_CategoryCommand", "BM_BareWidgetsFiveTexts", "");
  std::fflush(stdout);
  benchmark::Shutdown();
  return 0;
}
