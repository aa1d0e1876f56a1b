// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the calculator window, from its construction (start-up sequence included)
// to its first paint, against a bare QMainWindow holding a QTextEdit; and the resident
// memory after that first paint, against the same bare window.
//
// Time: both are built, shown and painted in this process, again and again; the
// ratio compares the medians of this thread's processor time.
// Memory: this program runs itself twice more, once per window; each child builds its
// window, paints it once and reports its resident set from /proc/self/statm, so that
// neither window inherits the other's heap. For comparison the time of a window with
// the same number of plain controls is given as well. Three children each, medians compared.
// Prints the ratios at the end.
#include "app/application.h"
#include "bench_support.h"
#include "calculator/stand_in_fonts.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using numbrella::bench::ResidentBytes;

using numbrella::frmNewCalculator1;

using numbrella::bench::ShowAndPaint;

std::unique_ptr<QWidget> BareWindow() {
  auto window = std::make_unique<QMainWindow>();
  window->setCentralWidget(new QTextEdit(window.get()));
  window->resize(1021, 720);
  return window;
}

// For comparison: a window with as many plain controls of the same kinds as the
// calculator (buttons, fields, labels, lists, check boxes, a text box), in a grid,
// without fonts, colours or start-up.
std::unique_ptr<QWidget> SameControlsWindow() {
  auto window = std::make_unique<QMainWindow>();
  auto* area = new QWidget(window.get());
  window->setCentralWidget(area);
  int n = 0;
  auto place = [&](QWidget* control) {
    control->setGeometry(8 + (n % 10) * 100, 8 + (n / 10) * 36, 92, 30);
    ++n;
  };
  for (int i = 0; i < 39; ++i) place(new QPushButton(QStringLiteral("7"), area));
  for (int i = 0; i < 11; ++i) place(new QLineEdit(area));
  for (int i = 0; i < 15; ++i) place(new QLabel(QStringLiteral("Operand"), area));
  for (int i = 0; i < 4; ++i) {
    auto* list = new QComboBox(area);
    list->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    place(list);
  }
  for (int i = 0; i < 2; ++i) place(new QCheckBox(QStringLiteral("Bold"), area));
  auto* text = new QTextEdit(area);
  text->setGeometry(4, 332, 755, 355);
  window->resize(1021, 720);
  return window;
}

numbrella::testing::FakeServices* fakes = nullptr;

// The program started, held by its calculator window.
std::shared_ptr<QWidget> Calculator() {
  auto application = std::make_shared<numbrella::Application>(fakes->services());
  return {application, &application->Calculator()};
}

template <typename Make>
void ToFirstPaint(benchmark::State& state, Make make) {
  for (auto _ : state) {
    std::shared_ptr<QWidget> window = make();
    ShowAndPaint(window.get());
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_BareWindowToFirstPaint(benchmark::State& state) { ToFirstPaint(state, BareWindow); }
void BM_SameControlsToFirstPaint(benchmark::State& state) {
  ToFirstPaint(state, SameControlsWindow);
}
void BM_CalculatorToFirstPaint(benchmark::State& state) {
  ToFirstPaint(state, Calculator);
  if (!fakes->messages.shown.empty()) state.SkipWithError("the start-up showed a message");
}

BENCHMARK(BM_BareWindowToFirstPaint)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SameControlsToFirstPaint)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CalculatorToFirstPaint)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

constexpr const char* kProbe = "--resident-after-first-paint=";

// Median resident bytes of three children that each build one kind of window.
long MedianResidentBytes(const QString& program, const QString& kind) {
  std::vector<long> samples;
  for (int run = 0; run < 3; ++run) {
    QProcess child;
    child.start(program, {QString::fromLatin1(kProbe) + kind});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return 0;
    samples.push_back(std::atol(child.readAllStandardOutput().constData()));
  }
  std::sort(samples.begin(), samples.end());
  return samples[1];
}

void PrepareServices(numbrella::testing::FakeServices& services) {
  // The printer offers every font the screen has, "Arial Narrow" among them.
  numbrella::testing::InstallStandInFonts({QStringLiteral("Arial Narrow")});
  numbrella::bench::UseOfficePrinter(services, QFontDatabase::families());
}

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::UseQuietOffscreenPlatform();
  // A child: one window, one paint, its resident set on standard output.
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kProbe, std::strlen(kProbe)) != 0) continue;
    const std::string kind = argv[i] + std::strlen(kProbe);
    QApplication app(argc, argv);
    numbrella::testing::FakeServices services;
    PrepareServices(services);
    fakes = &services;
    std::shared_ptr<QWidget> window =
        kind == "calculator" ? Calculator() : std::shared_ptr<QWidget>(BareWindow());
    ShowAndPaint(window.get());
    std::printf("%ld\n", ResidentBytes());
    return 0;
  }

  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  numbrella::testing::FakeServices services;
  PrepareServices(services);
  fakes = &services;
  numbrella::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // The window's own work, some seventy controls against two, without what every start pays
  // (loading, the toolkit, the font list): the start-up's goals are the whole
  // program's, measured from outside by scripts/startup-ratio.sh.
  numbrella::bench::PrintRatio(reporter, "BM_CalculatorToFirstPaint", "BM_BareWindowToFirstPaint",
                               " (for comparison: the windows alone, in a started process)");
  numbrella::bench::PrintRatio(reporter, "BM_CalculatorToFirstPaint", "BM_SameControlsToFirstPaint",
                               " (for comparison)");
  const QString self = QCoreApplication::applicationFilePath();
  const long bareBytes = MedianResidentBytes(self, QStringLiteral("bare"));
  const long calculatorBytes = MedianResidentBytes(self, QStringLiteral("calculator"));
  if (bareBytes > 0 && calculatorBytes > 0) {
    std::printf(
        "resident after first paint: calculator %.1f MB / bare window %.1f MB = %.2f "
        "(goal: at most 1.3)\n",
        calculatorBytes / 1048576.0, bareBytes / 1048576.0,
        static_cast<double>(calculatorBytes) / static_cast<double>(bareBytes));
  }
  std::fflush(stdout);
  benchmark::Shutdown();
  return 0;
}
