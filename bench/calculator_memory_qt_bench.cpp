// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory of the calculator window after 10,000 calculations, against a bare
// window whose QTextEdit holds the same text.
//
// This program runs itself as children, one window each, so that neither window
// inherits the other's heap: a calculator child makes 10,000 calculations with the
// keys, as a user does, paints, writes its workboard's text to a file and reports its
// resident set from /proc/self/statm; a bare child sets that text into a QTextEdit,
// paints, lets the text box finish laying its text out and reports likewise. Three
// children of each kind, medians compared; also once more after each child's heap has
// handed its free memory back to the system.
//
// A QTextEdit given a long text at once lays out only what it shows at first and the
// rest later, when asked for its size or scrolled; each laid-out paragraph keeps a
// layout of several hundred bytes. The workboard lays out every entry as it is added,
// so the fair baseline is the bare text box with its text laid out. For comparison,
// also the bare text box before it has laid out its text, the bare text box that got
// the same entries one by one, as the workboard does, and both windows empty.
#include "app/application.h"
#include "calculator/stand_in_fonts.h"
#include "qt_bench_support.h"
#include "support/fake_services.h"
#include "ui/RichTextBox.h"

#include <benchmark/benchmark.h>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <malloc.h>
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

using numbrella::bench::Press;
using numbrella::bench::ResidentBytes;

using numbrella::frmNewCalculator1;

constexpr int kCalculations = 10000;
constexpr const char* kProbe = "--resident-of=";
// What the workboard puts before each entry at the start-up line spacing.
const QString kSpacing = QStringLiteral("\r\n\r\n");

double MB(long bytes) { return static_cast<double>(bytes) / 1048576.0; }

// Calculations with the four basic operators on numbers of a few digits, some with a
// decimal point, each ended by the equals key, which records it on the workboard.
void Calculate(frmNewCalculator1& window, int count) {
  auto key = [&window](const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
  };
  QWidget* digits[10];
  for (int d = 0; d < 10; ++d) {
    digits[d] = window.findChild<QWidget*>(QStringLiteral("Command1(%1)").arg(d));
  }
  QWidget* const operators[] = {key("cmdOperatorPlus"), key("cmdOperatorMinus"),
                                key("cmdOperatorX"), key("cmdOperatorDivide")};
  QWidget* equals = key("cmdEqualSign");
  QWidget* decimal = key("cmdDecimal");
  auto number = [&](int value) {
    for (char c : std::to_string(value)) Press(digits[c - '0']);
  };
  for (int i = 0; i < count; ++i) {
    number(1 + i);  // after an answer, a digit starts a fresh calculation
    Press(operators[i % 4]);
    number(1 + (i * 37) % 997);
    if (i % 3 == 0) {
      Press(decimal);
      number(i % 10);
    }
    Press(equals);
    if (i % 100 == 0) QCoreApplication::processEvents();
  }
}

// The calculator after `count` calculations; its workboard's text goes to `textFile`.
// The window holds the program it belongs to.
std::shared_ptr<QWidget> CalculatorWindow(numbrella::testing::FakeServices& services, int count,
                                          const QString& textFile) {
  auto application = std::make_shared<numbrella::Application>(services.services());
  std::shared_ptr<frmNewCalculator1> window(application, &application->Calculator());
  numbrella::bench::ShowAndPaint(window.get());
  if (count == 0) return window;
  Calculate(*window, count);
  auto* workboard = window->findChild<numbrella::ui::RichTextBox*>(QStringLiteral("txtArchive1"));
  QFile file(textFile);
  if (!file.open(QIODevice::WriteOnly) || file.write(workboard->Text().toUtf8()) < 0) return {};
  return window;
}

// A window holding a QTextEdit alone, with the calculator's text: set at once and
// laid out, set at once only, or given entry by entry. "" leaves it empty.
std::unique_ptr<QWidget> BareWindow(const std::string& how, const QString& textFile) {
  auto window = std::make_unique<QMainWindow>();
  auto* edit = new QTextEdit(window.get());
  window->setCentralWidget(edit);
  window->resize(1021, 720);
  if (how.empty()) return window;
  QFile file(textFile);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(file.readAll());
  if (how == "appended") {
    numbrella::bench::ShowAndPaint(window.get());
    QTextDocument* document = edit->document();
    for (const QString& entry : text.split(kSpacing, Qt::SkipEmptyParts)) {
      QTextCursor end(document);
      end.movePosition(QTextCursor::End);
      end.insertText(QStringLiteral("\n\n") + entry);
      document->clearUndoRedoStacks();
    }
    edit->moveCursor(QTextCursor::End);
    return window;
  }
  edit->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (how == "laid-out") {
    numbrella::bench::ShowAndPaint(window.get());
    edit->document()->documentLayout()->documentSize();  // finishes the layout
  }
  return window;
}

// A child: one window, painted, its resident bytes on standard output.
int Child(const std::string& kind, const QString& textFile, int argc, char** argv) {
  QApplication app(argc, argv);
  numbrella::testing::FakeServices services;
  // The printer offers every font the screen has, "Arial Narrow" among them.
  numbrella::testing::InstallStandInFonts({QStringLiteral("Arial Narrow")});
  numbrella::bench::UseOfficePrinter(services, QFontDatabase::families());
  static const std::map<std::string, std::string> kBare = {{"bare", "laid-out"},
                                                           {"bare-not-laid-out", "set"},
                                                           {"bare-appended", "appended"},
                                                           {"bare-empty", ""}};
  std::shared_ptr<QWidget> window;
  if (kind == "calculator" || kind == "calculator-empty") {
    window = CalculatorWindow(services, kind == "calculator" ? kCalculations : 0, textFile);
    if (!services.messages.shown.empty()) {
      std::fprintf(stderr, "the calculator said: %s\n",
                   qPrintable(services.messages.shown.front().text));
      return 1;
    }
  } else if (kBare.count(kind) != 0) {
    window = BareWindow(kBare.at(kind), textFile);
  }
  if (window == nullptr) return 1;
  if (!window->isVisible()) numbrella::bench::ShowAndPaint(window.get());
  window->repaint();
  QCoreApplication::processEvents();
  const long resident = ResidentBytes();
  // The same once the heap has handed back what it holds free (the text's transient
  // copies, the churn of the calculations).
  malloc_trim(0);
  std::printf("%ld %ld\n", resident, ResidentBytes());
  return 0;
}

struct Resident {
  long bytes = 0;
  long trimmed = 0;  // after malloc_trim
};

// Median resident bytes of three children of one kind; 0 when one failed.
Resident MedianResident(const char* kind, const QString& textFile) {
  std::vector<long> bytes;
  std::vector<long> trimmed;
  for (int run = 0; run < 3; ++run) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kProbe) + QString::fromLatin1(kind), textFile});
    if (!child.waitForFinished(600000) || child.exitCode() != 0) return {};
    const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
    if (numbers.size() != 2) return {};
    bytes.push_back(numbers[0].toLong());
    trimmed.push_back(numbers[1].toLong());
  }
  std::sort(bytes.begin(), bytes.end());
  std::sort(trimmed.begin(), trimmed.end());
  return {bytes[1], trimmed[1]};
}

}  // namespace

int main(int argc, char** argv) {
  numbrella::bench::UseQuietOffscreenPlatform();
  if (argc >= 3 && std::strncmp(argv[1], kProbe, std::strlen(kProbe)) == 0) {
    return Child(argv[1] + std::strlen(kProbe), QString::fromLocal8Bit(argv[2]), argc, argv);
  }

  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);  // takes the runner's own arguments
  QTemporaryDir dir;
  const QString textFile = dir.filePath(QStringLiteral("workboard.txt"));
  // The calculators first: they write the text that the bare windows hold.
  std::map<std::string, long> bytes;
  std::map<std::string, long> trimmed;
  for (const char* kind : {"calculator", "bare", "bare-not-laid-out", "bare-appended",
                           "calculator-empty", "bare-empty"}) {
    const Resident resident = MedianResident(kind, textFile);
    if (resident.bytes == 0) {
      std::fprintf(stderr, "the %s child failed\n", kind);
      return 1;
    }
    bytes[kind] = resident.bytes;
    trimmed[kind] = resident.trimmed;
  }
  const double calculator = static_cast<double>(bytes["calculator"]);
  std::printf("workboard after %d calculations: %lld bytes of text\n", kCalculations,
              static_cast<long long>(QFile(textFile).size()));
  std::printf(
      "resident after %d calculations: calculator %.1f MB / bare text box %.1f MB = %.2f "
      "(goal: at most 1.3)\n",
      kCalculations, MB(bytes["calculator"]), MB(bytes["bare"]),
      calculator / static_cast<double>(bytes["bare"]));
  std::printf(
      "  for comparison, the bare text box before laying its text out %.1f MB (%.2f), "
      "given the entries one by one %.1f MB (%.2f); both windows empty %.1f MB and "
      "%.1f MB\n",
      MB(bytes["bare-not-laid-out"]), calculator / static_cast<double>(bytes["bare-not-laid-out"]),
      MB(bytes["bare-appended"]), calculator / static_cast<double>(bytes["bare-appended"]),
      MB(bytes["calculator-empty"]), MB(bytes["bare-empty"]));
  std::printf("  with the free heap handed back (malloc_trim) in both: %.1f MB / %.1f MB = %.2f\n",
              MB(trimmed["calculator"]), MB(trimmed["bare"]),
              static_cast<double>(trimmed["calculator"]) / static_cast<double>(trimmed["bare"]));
  std::fflush(stdout);
  benchmark::Shutdown();
  return 0;
}
