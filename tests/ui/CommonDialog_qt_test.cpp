// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommonDialog.h"

#include "app/real_services.h"
#include "support/readable_text.h"
#include "ui/RichTextBox.h"
#include "ui/modal_helper.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace numbrella {
namespace {

using testing::ModalWatchdog;
using testing::WhenModalShown;
using ui::CommonDialog;

using testing::Str;

const QString kProgramFilter = QStringLiteral(
    "Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All "
    "Files(*.*)|*.*");

TEST(FileDialogNameFiltersTest, PairsBecomeQtFiltersInTheirOrder) {
  EXPECT_EQ(ui::FileDialogNameFilters(kProgramFilter),
            QStringList({"Text Files(*.txt)", "Batch Files(*.bat)", "Initialization Files(*.ini)",
                         "All Files(*.*) (*)"}));
  EXPECT_EQ(ui::FileDialogNameFilters(""), QStringList());
  // Several patterns in one pair, a description without its patterns, a pair without a
  // pattern and a closing bar.
  EXPECT_EQ(ui::FileDialogNameFilters("Documents|*.txt;*.ini|Anything||"),
            QStringList({"Documents (*.txt *.ini)", "Anything (*)"}));
  EXPECT_EQ(ui::FileDialogNameFilters("Odd"), QStringList({"Odd (*)"}));
  EXPECT_EQ(ui::FileDialogNameFilters("|*.bat"), QStringList({"*.bat (*.bat)"}));
}

QLineEdit* FileNameEdit(QFileDialog* dialog) {
  auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
  EXPECT_NE(edit, nullptr);
  return edit;
}

// A dialog comes up active for the user; the offscreen platform needs a moment for it.
void Activate(QWidget* dialog) {
  dialog->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
}

// Clicks into the field and replaces its text by typing.
void Retype(QLineEdit* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void TypeFileName(QFileDialog* dialog, const QString& name) {
  QLineEdit* edit = FileNameEdit(dialog);
  if (edit == nullptr) return;
  Activate(dialog);
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClicks(edit, name);
  QTest::keyClick(edit, Qt::Key_Return);
}

void Answer(QWidget* modal, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(box->button(which), nullptr);
  QTest::mouseClick(box->button(which), Qt::LeftButton);
}

class CommonDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QFile old(dir.filePath("old.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept\r\n");
  }
  QString Path(const QString& name) const { return QDir(dir.path()).absoluteFilePath(name); }

  QTemporaryDir dir;
  ModalWatchdog watchdog;
  const app::RealServices real;
  CommonDialog dialog{*real.services().dialogs};
};

TEST_F(CommonDialogTest, SaveOffersTheFileTypesAndAddsNoExtension) {
  dialog.Filter = kProgramFilter;
  dialog.FileName = Path("first.txt");
  QStringList filters;
  QString selectedFilter;
  QString offered;
  QDir shownDirectory;
  bool accepting = false;
  WhenModalShown([&](QWidget* modal) {
    auto* fileDialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(fileDialog, nullptr);
    filters = fileDialog->nameFilters();
    selectedFilter = fileDialog->selectedNameFilter();
    offered = FileNameEdit(fileDialog)->text();
    shownDirectory = fileDialog->directory();
    accepting = fileDialog->acceptMode() == QFileDialog::AcceptSave;
    TypeFileName(fileDialog, "notes");
  });
  ASSERT_TRUE(dialog.ShowSave());
  EXPECT_TRUE(accepting);
  EXPECT_EQ(filters, ui::FileDialogNameFilters(kProgramFilter));
  EXPECT_EQ(Str(selectedFilter), "Text Files(*.txt)");
  EXPECT_EQ(Str(offered), "first.txt");
  EXPECT_EQ(Str(shownDirectory.absolutePath()), Str(QDir(dir.path()).absolutePath()));
  EXPECT_EQ(Str(dialog.FileName), Str(Path("notes"))) << "no extension added";
}

TEST_F(CommonDialogTest, SaveAlwaysAsksBeforeOverwriting) {
  dialog.Filter = kProgramFilter;
  dialog.FileName = Path("old.txt");

  // No to the question keeps the dialog open; Cancel then is a failure and the name
  // stays what it was.
  WhenModalShown([&](QWidget* modal) {
    auto* fileDialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(fileDialog, nullptr);
    WhenModalShown(
        [&, fileDialog](QWidget* question) {
          Answer(question, QMessageBox::No);
          WhenModalShown([](QWidget* again) { QTest::keyClick(again, Qt::Key_Escape); }, question);
        },
        fileDialog);
    TypeFileName(fileDialog, "old.txt");
  });
  EXPECT_FALSE(dialog.ShowSave());
  EXPECT_EQ(Str(dialog.FileName), Str(Path("old.txt")));

  WhenModalShown([&](QWidget* modal) {
    WhenModalShown([](QWidget* question) { Answer(question, QMessageBox::Yes); }, modal);
    TypeFileName(qobject_cast<QFileDialog*>(modal), "old.txt");
  });
  EXPECT_TRUE(dialog.ShowSave());
  EXPECT_EQ(Str(dialog.FileName), Str(Path("old.txt")));

  // What the print dialog was asked for does not carry over: Save still asks.
  WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(dialog.ShowPrinter(nullptr, {.selectionPreselected = true, .pageRangeOffered = false}),
            nullptr);
  bool asked = false;
  WhenModalShown([&](QWidget* modal) {
    auto* fileDialog = qobject_cast<QFileDialog*>(modal);
    asked = !fileDialog->testOption(QFileDialog::DontConfirmOverwrite);
    WhenModalShown([](QWidget* question) { Answer(question, QMessageBox::Yes); }, modal);
    TypeFileName(fileDialog, "old.txt");
  });
  EXPECT_TRUE(dialog.ShowSave());
  EXPECT_TRUE(asked);
  QFile old(Path("old.txt"));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll().toStdString(), "kept\r\n") << "the dialog itself writes nothing";
}

TEST_F(CommonDialogTest, OpenReturnsAnExistingFilesFullPath) {
  dialog.Filter = kProgramFilter;
  dialog.FileName = Path("old.txt");
  QString offered;
  WhenModalShown([&](QWidget* modal) {
    auto* fileDialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(fileDialog, nullptr);
    EXPECT_EQ(fileDialog->acceptMode(), QFileDialog::AcceptOpen);
    offered = FileNameEdit(fileDialog)->text();
    QTest::keyClick(FileNameEdit(fileDialog), Qt::Key_Return);
  });
  ASSERT_TRUE(dialog.ShowOpen());
  EXPECT_EQ(Str(offered), "old.txt");
  EXPECT_EQ(Str(dialog.FileName), Str(Path("old.txt")));

  // A name that is no file gets Qt's answer and is not returned; Cancel is a failure.
  bool told = false;
  WhenModalShown([&](QWidget* modal) {
    WhenModalShown(
        [&, modal](QWidget* warning) {
          told = qobject_cast<QMessageBox*>(warning) != nullptr;
          QTest::keyClick(warning, Qt::Key_Escape);
          WhenModalShown([](QWidget* again) { QTest::keyClick(again, Qt::Key_Escape); }, warning);
          (void)modal;
        },
        modal);
    TypeFileName(qobject_cast<QFileDialog*>(modal), "missing.txt");
  });
  EXPECT_FALSE(dialog.ShowOpen());
  EXPECT_TRUE(told);
  EXPECT_EQ(Str(dialog.FileName), Str(Path("old.txt")));
}

TEST_F(CommonDialogTest, ColourPreselectsTheLastColourAndReturnsTheChosenOne) {
  dialog.Color = 65535;
  QColor preselected;
  WhenModalShown([&](QWidget* modal) {
    auto* colourDialog = qobject_cast<QColorDialog*>(modal);
    ASSERT_NE(colourDialog, nullptr);
    preselected = colourDialog->currentColor();
    // The colour typed as HTML text, then OK.
    Activate(colourDialog);
    for (QLineEdit* edit : colourDialog->findChildren<QLineEdit*>()) {
      if (edit->text().startsWith(u'#')) {
        Retype(edit, "#563412");
        QTest::keyClick(edit, Qt::Key_Tab);
      }
    }
    auto* buttons = colourDialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  ASSERT_TRUE(dialog.ShowColor());
  EXPECT_EQ(preselected, QColor(255, 255, 0));
  EXPECT_EQ(dialog.Color, 0x123456u);

  WhenModalShown([&](QWidget* modal) {
    preselected = qobject_cast<QColorDialog*>(modal)->currentColor();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog.ShowColor());
  EXPECT_EQ(preselected, QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(dialog.Color, 0x123456u) << "Cancel keeps the colour";
}

TEST_F(CommonDialogTest, PrintOffersTheSelectionAndReturnsTheChosenTarget) {
  // With text selected: "Selection" preselected; Cancel is a failure.
  bool selection = false;
  WhenModalShown([&](QWidget* modal) {
    auto* printDialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(printDialog, nullptr);
    auto* selected = printDialog->findChild<QRadioButton*>("printSelection");
    ASSERT_NE(selected, nullptr);
    selection = selected->isChecked();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.ShowPrinter(nullptr, {.selectionPreselected = true, .pageRangeOffered = false}),
            nullptr);
  EXPECT_TRUE(selection);

  // Without a selection: "All"; printing to a file gives a target that prints there.
  bool all = false;
  const QString pdf = Path("workboard.pdf");
  WhenModalShown([&](QWidget* modal) {
    auto* printDialog = qobject_cast<QPrintDialog*>(modal);
    ASSERT_NE(printDialog, nullptr);
    all = printDialog->findChild<QRadioButton*>("printAll")->isChecked();
    auto* printers = printDialog->findChild<QComboBox*>("printers");
    ASSERT_NE(printers, nullptr);
    printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
    auto* file = printDialog->findChild<QLineEdit*>("filename");
    ASSERT_NE(file, nullptr);
    Activate(printDialog);
    Retype(file, pdf);
    auto* buttons = printDialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  ui::Printer* target = dialog.ShowPrinter(nullptr, {.pageRangeOffered = false});
  ASSERT_NE(target, nullptr);
  EXPECT_TRUE(all);
  EXPECT_EQ(Str(target->Destination()), Str(pdf));

  ASSERT_TRUE(ui::PrintText("12  +  30  =  42", QFont(), *target));
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace numbrella
