// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard as a document, each command given through the window's menu and
// measured against what Qt alone does for the same work:
//  - opening a 10 MB workboard file, up to the paint that shows it, against reading
//    the file and giving its text to a plain QTextEdit (setPlainText) of the
//    workboard's size and font, in a window of the calculator's size, shown as it is;
//  - saving that document again, against QSaveFile writing the same bytes;
//  - printing a 1,000-entry workboard to PDF, against QTextDocument::print of the
//    same page in the same font to a QPrinter(HighResolution) set to PDF.
//
// Opening and saving are compared in wall-clock time: the user waits for the window
// to show the file, or for the save to end, and both spend part of that time out of
// this thread's processor time (the save mostly in the sync that puts the file on
// disk before it replaces the old one), so processor time would leave out what the
// user waits for. Their processor-time ratios are printed for comparison. Printing
// only lays out and writes into the page cache, all on this thread, so it is compared
// in this thread's processor time, which other work on the machine does not stretch.
//
// The files are in a temporary folder beside this program, in the build folder, not
// in /tmp: /tmp is a memory file system on many machines, where the sync costs
// nothing. Ours and the baseline write to the same folder, so to the same disk.
//
// Each call takes from tens of milliseconds to seconds: few iterations, five
// repetitions, medians compared. Prints the ratios at the end.
#include "app/application.h"
#include "bench_support.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"
#include "workboard/document_file.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <charconv>
#include <cstdio>
#include <random>
#include <string>

namespace numbrella::bench {
namespace {

testing::FakeServices* fakes = nullptr;

// Set up once by main.
QString folder;
QByteArray documentBytes;  // the 10 MB file, as saving writes it
QString workboardRecord;   // 1,000 entries
QFont workboardFont;       // the workboard's font after the start-up
QRect workboardGeometry;   // in the window
QSize windowSize;

QString InFolder(const char* name) { return QDir(folder).filePath(QString::fromLatin1(name)); }

// A number as it is keyed in: 3 to 9 digits before the point, 1 to 4 after it.
double Operand(std::mt19937& random, int& decimals) {
  std::uniform_int_distribution<int> wholeDigits(3, 9);
  std::uniform_int_distribution<int> fractionDigits(1, 4);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  decimals = fractionDigits(random);
  double value = mantissa(random);
  for (int i = 1; i < wholeDigits(random); ++i) value *= 10.0;
  return value;
}

std::string Fixed(double value, int decimals) {
  char text[64];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, written.ptr);
}

// Workboard entries with a line spacing of 2, as the equals key leaves them: two line
// breaks and "operand  op  operand  =  answer", lines of about 30 to 80 characters.
class Entries {
 public:
  std::string Next() {
    static const char* const kOperators[] = {"+", "-", "X", "/"};
    const char* op = kOperators[std::uniform_int_distribution<int>(0, 3)(random_)];
    int decimals1 = 0;
    int decimals2 = 0;
    const double a = Operand(random_, decimals1);
    const double b = Operand(random_, decimals2);
    const double answer = *op == '+' ? a + b : *op == '-' ? a - b : *op == 'X' ? a * b : a / b;
    return "\r\n\r\n" + Fixed(a, decimals1) + "  " + op + "  " + Fixed(b, decimals2) + "  =  " +
           Fixed(answer, 5);
  }

 private:
  std::mt19937 random_{20240611};
};

template <typename T>
T* Find(QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

// Writes the document's bytes as the file at `path` and waits until they are on disk:
// a save's sync would otherwise wait for them too, in data-ordered file systems that
// write out the data of other files along with the journal.
bool WriteToDisk(const QString& path) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(documentBytes) == documentBytes.size() &&
         file.commit();
}

bool NothingUnexpected() { return fakes->messages.shown.empty() && fakes->dialogs.unscripted == 0; }

// ---------------------------------------------------------------------------------
// Opening

void BM_OpenIntoTextEdit(benchmark::State& state) {
  const QString path = InFolder("day.txt");
  QWidget window;
  window.resize(windowSize);
  auto* box = new QTextEdit(&window);
  box->setGeometry(workboardGeometry);
  box->setFont(workboardFont);
  ShowAndPaint(&window);
  PaintWatch watch(box->viewport());
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      state.SkipWithError("the file does not open");
      break;
    }
    box->setPlainText(QString::fromUtf8(file.readAll()));
    const bool shown = WaitForPaint(watch);
    state.PauseTiming();
    box->setPlainText(QString());
    WaitForPaint(watch);
    state.ResumeTiming();
    if (!shown) {
      state.SkipWithError("the text was never shown");
      break;
    }
  }
}

void BM_OpenThroughWindow(benchmark::State& state) {
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  ShowAndPaint(&window);
  auto* workboard = Find<ui::RichTextBox>(window, "txtArchive1");
  auto* open = Find<QAction>(window, "mnuFileOpen");
  auto* fresh = Find<QAction>(window, "mnuFileNew");
  PaintWatch watch(workboard->viewport());
  // The workboard holds the file's text without the line break that ends it.
  const qsizetype expected = QString::fromUtf8(documentBytes).size() - 2;
  bool opened = true;
  for (auto _ : state) {
    fakes->dialogs.openFiles.push_back(InFolder("day.txt"));
    open->trigger();
    const bool shown = WaitForPaint(watch);
    state.PauseTiming();
    opened = opened && shown && workboard->Text().size() == expected;
    // New empties the workboard, so that the next open replaces an empty text, as the
    // baseline's does, and is not refused as the text already shown.
    fresh->trigger();
    WaitForPaint(watch);
    state.ResumeTiming();
  }
  if (!opened || !NothingUnexpected()) state.SkipWithError("the file was not opened as it is");
}

// ---------------------------------------------------------------------------------
// Saving

void BM_SaveWithQSaveFile(benchmark::State& state) {
  const QString path = InFolder("baseline.txt");
  for (auto _ : state) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(documentBytes) != documentBytes.size() ||
        !file.commit()) {
      state.SkipWithError("QSaveFile did not save");
      break;
    }
  }
}

void BM_SaveThroughWindow(benchmark::State& state) {
  // A copy of the file, so that a faulty save cannot spoil the file the others open.
  const QString path = InFolder("saved.txt");
  if (!WriteToDisk(path)) {
    state.SkipWithError("no copy of the file");
    return;
  }
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  ShowAndPaint(&window);
  PaintWatch watch(Find<ui::RichTextBox>(window, "txtArchive1")->viewport());
  fakes->dialogs.openFiles.push_back(path);
  Find<QAction>(window, "mnuFileOpen")->trigger();
  WaitForPaint(watch);
  auto* save = Find<QAction>(window, "mnuFileSave");
  for (auto _ : state) save->trigger();
  QFile file(path);
  const bool same = file.open(QIODevice::ReadOnly) && file.readAll() == documentBytes;
  if (!same || !NothingUnexpected()) state.SkipWithError("the file was not saved as it was");
}

// ---------------------------------------------------------------------------------
// Printing

void BM_PrintTextDocument(benchmark::State& state) {
  const QString page =
      QString::fromStdString(numbrella::PrintedPage(workboardRecord.toStdString()));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(InFolder("baseline.pdf"));
  for (auto _ : state) {
    QTextDocument document;
    document.setDefaultFont(workboardFont);
    document.setPlainText(page);
    document.print(&printer);
  }
  if (QFileInfo(InFolder("baseline.pdf")).size() == 0) state.SkipWithError("nothing printed");
}

void BM_PrintThroughWindow(benchmark::State& state) {
  const QString pdf = InFolder("printed.pdf");
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  ShowAndPaint(&window);
  auto* workboard = Find<ui::RichTextBox>(window, "txtArchive1");
  workboard->SetText(workboardRecord);
  workboard->MoveCaretToEnd();  // laid out, as it is after the user's work
  QCoreApplication::processEvents();
  auto* print = Find<QAction>(window, "mnuPrintDisplay");
  for (auto _ : state) {
    fakes->dialogs.printFiles.push_back(pdf);
    print->trigger();
  }
  if (QFileInfo(pdf).size() == 0 || !NothingUnexpected()) state.SkipWithError("nothing printed");
}

BENCHMARK(BM_OpenIntoTextEdit)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveWithQSaveFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PrintTextDocument)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PrintThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

bool PrepareFiles() {
  Entries entries;
  std::string bytes;
  constexpr std::size_t kTenMegabytes = 10u * 1024u * 1024u;
  bytes.reserve(kTenMegabytes + 128);
  while (bytes.size() < kTenMegabytes) bytes += entries.Next();
  bytes += "\r\n";  // saving ends the file with a line break
  documentBytes = QByteArray::fromStdString(bytes);
  Entries first;
  std::string record;
  for (int i = 0; i < 1000; ++i) record += first.Next();
  workboardRecord = QString::fromStdString(record);
  return WriteToDisk(InFolder("day.txt"));
}

// The workboard's font and place in the window, for the baselines.
void MeasureWorkboard() {
  numbrella::Application application(fakes->services());
  frmNewCalculator1& window = application.Calculator();
  ShowAndPaint(&window);
  auto* workboard = Find<ui::RichTextBox>(window, "txtArchive1");
  workboardFont = workboard->TextFont();
  workboardGeometry = QRect(workboard->mapTo(&window, QPoint(0, 0)), workboard->size());
  windowSize = window.size();
}

}  // namespace
}  // namespace numbrella::bench

int main(int argc, char** argv) {
  using namespace numbrella::bench;
  CalculatorBenchRun run(argc, argv, fakes);
  BenchFolder temporary("calculator_documents", folder);
  if (!temporary.Ready(PrepareFiles)) return 1;
  MeasureWorkboard();
  return run.Measure([](RatioReporter& reporter) {
    PrintRatio(reporter, "BM_OpenThroughWindow", "BM_OpenIntoTextEdit",
               " (wall clock; goal: at most 1.2)", true);
    PrintRatio(reporter, "BM_OpenThroughWindow", "BM_OpenIntoTextEdit",
               " (processor time, for comparison)");
    PrintRatio(reporter, "BM_SaveThroughWindow", "BM_SaveWithQSaveFile",
               " (wall clock; goal: at most 1.2)", true);
    PrintRatio(reporter, "BM_SaveThroughWindow", "BM_SaveWithQSaveFile",
               " (processor time, for comparison)");
    PrintRatio(reporter, "BM_PrintThroughWindow", "BM_PrintTextDocument",
               " (processor time; goal: at most 1.2)");
  });
}
