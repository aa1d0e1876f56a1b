// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the workboard as a user does, through the real print dialog: to a printer
// of a print scheduler that the test starts itself, whose spool keeps the submitted
// job, and to a PDF file by the dialog's own choice. It runs as its own executable, so
// that the scheduler's address is set before anything in the process asks for
// printers.
#include "app/application.h"
#include "calculator/stand_in_fonts.h"
#include "support/fake_services.h"
#include "support/pdf_text.h"
#include "support/private_scheduler.h"
#include "support/readable_text.h"
#include "support/slow_relay.h"
#include "support/window_driver.h"
#include "ui/modal_helper.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace numbrella::testing {
namespace {

// In the dialog that comes up: the printer chosen by its name, or the dialog's print to
// a PDF file with the file's name typed in; then Print.
void AnswerPrintDialog(QWidget* modal, const QString& printer, const QString& pdf) {
  auto* dialog = qobject_cast<QPrintDialog*>(modal);
  ASSERT_NE(dialog, nullptr);
  auto* printers = dialog->findChild<QComboBox*>("printers");
  ASSERT_NE(printers, nullptr);
  const int index = pdf.isEmpty() ? printers->findText(printer) : printers->count() - 1;
  ASSERT_GE(index, 0) << Str(printer);
  printers->setCurrentIndex(index);
  if (!pdf.isEmpty()) {
    auto* file = dialog->findChild<QLineEdit*>("filename");
    ASSERT_NE(file, nullptr);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(file, Qt::LeftButton);
    file->selectAll();
    QTest::keyClicks(file, pdf);
  }
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The program with the real printers and dialogs; its messages are answered by the
// test.
struct RealPrinting {
  static ui::Services AnsweredBy(ui::Services services, FakeMessageBoxes& messages) {
    services.messages = &messages;
    return services;
  }

  FakeMessageBoxes messages;
  const app::RealServices real;
  Application application{AnsweredBy(real.services(), messages)};
  frmNewCalculator1* window = &application.Calculator();

  // The window shown and made the active one.
  bool Show() {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
  }
};

// A scheduler of the test's own whose default printer is "numbrella-office", and the
// workboard's face installed.
class OfficePrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::optional<QString> failure = scheduler.Start()) {
      GTEST_SKIP() << "no private print scheduler: " << Str(*failure);
    }
    ASSERT_EQ(scheduler.AddQueue("numbrella-office"), std::nullopt);
    ASSERT_EQ(scheduler.Admin({"-d", "numbrella-office"}), std::nullopt);
    ASSERT_TRUE(InstallStandInFonts({QStringLiteral("Arial Narrow")}));
    ASSERT_TRUE(dir.isValid());
  }

  PrivateScheduler scheduler;
  QTemporaryDir dir;
};

using PrintingTheWorkboard = OfficePrinter;

TEST_F(PrintingTheWorkboard, OnAPrinterAndIntoAPdfFile) {
  ModalWatchdog watchdog(60000);

  RealPrinting program;
  FakeMessageBoxes& messages = program.messages;
  frmNewCalculator1* window = program.window;
  ASSERT_TRUE(program.Show());
  EXPECT_TRUE(messages.shown.empty()) << "the printer's fonts were found";
  for (const char* key : {"Command1(1)", "Command1(2)", "cmdOperatorPlus", "Command1(3)",
                          "Command1(0)", "cmdEqualSign"}) {
    WindowDriver::Click(WindowDriver::Find(window, key));
  }
  const QStringList printed = {"12 + 30 = 42.00000", "Executed with the....",
                               "Numbrella Calculator", "Visit...www.numbrella.example"};
  auto* print = window->findChild<QAction*>("mnuPrintDisplay");
  ASSERT_NE(print, nullptr);

  WhenModalShown([](QWidget* modal) { AnswerPrintDialog(modal, "numbrella-office", QString()); });
  print->trigger();
  QStringList jobs;
  for (int i = 0; i < 300 && jobs.isEmpty(); ++i) {
    QTest::qWait(100);
    jobs = scheduler.JobFiles();
  }
  ASSERT_EQ(jobs.size(), 1) << "the job reached the printer's spool";
  EXPECT_EQ(PdfLines(jobs.front()), printed);

  const QString pdf = dir.filePath("workboard.pdf");
  WhenModalShown([pdf](QWidget* modal) { AnswerPrintDialog(modal, QString(), pdf); });
  print->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); }, 10000));
  EXPECT_EQ(PdfLines(pdf), printed);
  EXPECT_EQ(scheduler.JobFiles().size(), 1) << "the file was no job for the printer";
  EXPECT_TRUE(messages.shown.empty());

  // A scheduler that hangs after it answered: its socket still takes connections. The
  // print dialog does not open on it; a message says so within a few seconds.
  ASSERT_EQ(::kill(static_cast<pid_t>(scheduler.ProcessId()), SIGSTOP), 0);
  QElapsedTimer clock;
  clock.start();
  print->trigger();
  const bool told = QTest::qWaitFor([&] { return !messages.shown.empty(); }, 10000);
  ::kill(static_cast<pid_t>(scheduler.ProcessId()), SIGCONT);
  ASSERT_TRUE(told);
  EXPECT_LT(clock.elapsed(), 6000);
  EXPECT_EQ(messages.shown[0].text,
            "The print system does not answer. Please try again in a moment.");
}

// A print server that answers 150 ms late: the window starts with the screen's fonts,
// and the late answer brings the printer's and changes nothing else.
using PrintServerLate = OfficePrinter;

TEST_F(PrintServerLate, ItsAnswerChangesOnlyThePrinterFields) {
  SlowRelay relay(dir.filePath("relay.sock").toStdString(), qgetenv("CUPS_SERVER").toStdString());
  relay.SetDelay(std::chrono::milliseconds(150));
  qputenv("CUPS_SERVER", relay.Path().c_str());

  RealPrinting program;
  FakeMessageBoxes& messages = program.messages;
  frmNewCalculator1* window = program.window;
  auto* printer = WindowDriver::Find<QLineEdit>(window, "Text3");
  ASSERT_EQ(printer->text(), "Screen Fonts") << "the answer came before the window";
  ASSERT_TRUE(program.Show());
  // Places chosen, and operand 1 clicked, before the answer comes.
  WindowDriver::Choose(WindowDriver::Find<QComboBox>(window, "Combo4"), "3");
  WindowDriver::Click(WindowDriver::Find(window, "txtOperand(0)"));
  ASSERT_EQ(printer->text(), "Screen Fonts") << "the answer came before the places";

  ASSERT_TRUE(QTest::qWaitFor([&] { return printer->text() == "numbrella-office"; }, 10000));
  EXPECT_EQ(WindowDriver::Find<QComboBox>(window, "Combo2")->currentText(), "Arial Narrow");
  QTest::keyClicks(QApplication::focusWidget(), "7");
  EXPECT_EQ(WindowDriver::Find<QLineEdit>(window, "txtOperand(0)")->text(), "7");
  QTest::keyClicks(QApplication::focusWidget(), "+5=");
  EXPECT_EQ(WindowDriver::Find<QLabel>(window, "lblAnswer")->text(), "12.000");
  EXPECT_EQ(WindowDriver::Find<QComboBox>(window, "Combo4")->currentText(), "3");
  EXPECT_TRUE(messages.shown.empty());
}

// A print server that does not answer: the window shows at once with the screen's
// fonts, says nothing of printers, and works.
void ExpectNothingHeldBy(const std::string& server) {
  const QByteArray before = qgetenv("CUPS_SERVER");
  qputenv("CUPS_SERVER", server.c_str());
  {
    QElapsedTimer clock;
    clock.start();
    RealPrinting program;
    FakeMessageBoxes& messages = program.messages;
    frmNewCalculator1* window = program.window;
    ASSERT_TRUE(program.Show());
    EXPECT_LT(clock.elapsed(), 1000) << "start-up waited on the print server";
    EXPECT_TRUE(messages.shown.empty()) << "a server that has not answered is no failure";
    EXPECT_EQ(WindowDriver::Find<QLineEdit>(window, "Text3")->text(), "Screen Fonts");
    for (const char* key : {"Command1(7)", "cmdOperatorPlus", "Command1(5)", "cmdEqualSign"}) {
      WindowDriver::Click(WindowDriver::Find(window, key));
    }
    EXPECT_EQ(WindowDriver::Find<QLabel>(window, "lblAnswer")->text(), "12.00000");
    EXPECT_LT(clock.elapsed(), 1000) << "the keys waited on the print server";
    // Printing says that the print system does not answer, within a few seconds and
    // with the window working meanwhile, rather than wait in the print dialog.
    clock.restart();
    WindowDriver::Trigger(window, "mnuPrintDisplay");
    WindowDriver::Click(WindowDriver::Find(window, "Command1(9)"));
    EXPECT_EQ(WindowDriver::Find<QLineEdit>(window, "txtOperand(0)")->text(), "9");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 10000));
    EXPECT_LT(clock.elapsed(), 6000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The print system does not answer. Please try again in a moment.");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy cursor stayed";
    // Nor when the window closes, not saved, while the question waits.
    WindowDriver::Trigger(window, "mnuPrintDisplay");
    messages.answers.push_back(ui::MessageAnswer::No);
    window->close();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  qputenv("CUPS_SERVER", before);
}

// One that takes the connection, and never reads or answers: connections wait in its
// backlog.
TEST(PrintSystemHung, AServerThatNeverAnswersHoldsNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath("cups.sock").toStdString();
  const int hung = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(hung, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(::listen(hung, 64), 0);
  ExpectNothingHeldBy(path);
  ::close(hung);
}

// One out of reach, as behind a VPN that is down: its connections never complete. A
// server whose queue of connections is full lets further ones wait the same way.
TEST(PrintSystemHung, AServerOutOfReachHoldsNothing) {
  const int full = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof(address);
  ASSERT_EQ(::bind(full, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(::listen(full, 0), 0);
  ASSERT_EQ(::getsockname(full, reinterpret_cast<sockaddr*>(&address), &size), 0);
  std::vector<int> waiting;
  for (int i = 0; i < 4; ++i) {
    waiting.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
    ::connect(waiting.back(), reinterpret_cast<sockaddr*>(&address), size);
  }
  ExpectNothingHeldBy("127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
  for (int fd : waiting) ::close(fd);
  ::close(full);
}

}  // namespace
}  // namespace numbrella::testing
