// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's menus, documents and printing, driven through its menus,
// keys and buttons, with files on disk and printing to PDF. The order of the
// document's steps is shown in the document's own test; these show that the window
// carries them out.
#include "calculator/documents_window.h"
#include "support/pdf_text.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTextCursor>
#include <QWindow>

namespace numbrella::testing {
namespace {

TEST_F(Documents, MenusInTheirOrderWithTheirKeys) {
  struct Entry {
    const char* name;  // "" for a separator
    const char* caption;
    const char* key;
  };
  struct Menu {
    const char* caption;
    std::vector<Entry> entries;
  };
  const std::vector<Menu> expected = {
      {"&File",
       {{"mnuFileNew", "&New", "Ctrl+N"},
        {"mnuFileOpen", "&Open", "Ctrl+O"},
        {"mnuFileSave", "S&ave", "Ctrl+A"},
        {"mnuFileSaveFileAs", "&Save As", "Ctrl+S"},
        {"", "", ""},
        {"mnuPrintDisplay", "&Print Workboard", "Ctrl+B"},
        {"", "", ""},
        {"mnuFileExit", "E&Xit", "Ctrl+X"}}},
      {"&Edit",
       {{"mnuEditCut", "Cu&t", "Ctrl+T"},
        {"mnuEditCopy", "&Copy", "Ctrl+C"},
        {"mnuEditPaste", "&Paste", "Ctrl+P"},
        {"", "", ""},
        {"mnuPasteNumber", "Paste &Number", "Ctrl+V"},
        {"mnuUseInOperand", "&Use in Operand", "Ctrl+R"}}},
      {"&View", {{"mnuTextBack", "Text &Background", "Ctrl+E"}}},
      {"&Workboard",
       {{"mnuDisplayWork", "&Display Workboard", "Ctrl+D"},
        {"mnuClearWhiteboad", "Clear &Workboard", "Ctrl+W"}}},
  };
  const QList<QAction*> bar = window->menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);
  for (std::size_t m = 0; m < expected.size(); ++m) {
    QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
    ASSERT_NE(menu, nullptr) << m;
    EXPECT_EQ(Str(menu->title()), expected[m].caption);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected[m].entries.size()))
        << expected[m].caption;
    for (std::size_t i = 0; i < expected[m].entries.size(); ++i) {
      const Entry& e = expected[m].entries[i];
      QAction* action = actions[static_cast<qsizetype>(i)];
      EXPECT_EQ(action->isSeparator(), *e.name == '\0') << e.name;
      EXPECT_EQ(Str(action->objectName()), e.name);
      EXPECT_EQ(Str(action->text()), e.caption);
      EXPECT_EQ(Str(action->shortcut().toString()), e.key);
    }
  }
  EXPECT_EQ(Str(bar[1]->menu()->objectName()), "mnuEdit");
  EXPECT_TRUE(Find<QAction>("mnuDisplayWork")->isCheckable());
  EXPECT_TRUE(Find<QAction>("mnuDisplayWork")->isChecked());
  EXPECT_EQ(Str(bar[4]->objectName()), "mnuConvCalc");
  EXPECT_EQ(Str(bar[4]->text()), "&Conversion Calculator");
  EXPECT_EQ(bar[4]->menu(), nullptr);
  EXPECT_EQ(Str(Title()), "  Numbrella Calculator - Untitled            www.numbrella.example ");
}

TEST_F(Documents, KeysActWhereverTheFocusIs) {
  Keys("1+2=");
  // Ctrl+A is Save, also in a constant slot, where it would select all.
  QLineEdit* slot = Find<QLineEdit>("txtPaste(0)");
  QTest::keyClicks(slot, "42");
  fakes.dialogs.saveFiles = {Path("day.txt")};
  QTest::keyClick(slot, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Bytes(Path("day.txt")), "\r\n\r\n1  +  2  =  3.00000\r\n");
  EXPECT_FALSE(slot->hasSelectedText());
  EXPECT_EQ(Str(Title()), Str(TitleFor(Path("day.txt"))));

  // Ctrl+C in the workboard copies through the Edit menu; Ctrl+X there is Exit, which
  // finds nothing unsaved.
  ui::RichTextBox* board = Workboard();
  board->setFocus();
  board->selectAll();
  QTest::keyClick(board, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Str(fakes.clipboard.text), "\r\n\r\n1  +  2  =  3.00000");
  QTest::keyClick(board, Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Str(board->Text()), "\r\n\r\n1  +  2  =  3.00000") << "Ctrl+X cut nothing";
}

TEST_F(Documents, OpenAndSaveRealFilesByteForByte) {
  // Every byte but NUL, in lines ended by CR LF: a file in a single-byte encoding.
  QByteArray oneByte;
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    oneByte += static_cast<char>(b);
    if (b % 32 == 0) oneByte += "\r\n";
  }
  oneByte += "\r\n";
  const QByteArray utf8 = "12  +  30  =  42\r\nnotes \xE2\x86\x92 kept\r\n";
  const QByteArray signature = "\xEF\xBB\xBF" + utf8;
  for (const QByteArray& bytes : {oneByte, signature, utf8}) {
    ASSERT_TRUE(Write(Path("kept.txt"), bytes));
    fakes.dialogs.openFiles = {Path("kept.txt")};
    Choose("mnuFileOpen");
    EXPECT_EQ(Str(Title()), Str(TitleFor(Path("kept.txt"))));
    EXPECT_TRUE(Find("Command4")->isVisible());
    QFile::remove(Path("kept.txt"));
    Choose("mnuFileSave");
    EXPECT_EQ(Bytes(Path("kept.txt")).toHex(), bytes.toHex());
  }
  EXPECT_TRUE(fakes.messages.shown.empty())
      << "an opened document is unchanged: Open asked nothing";

  // The next entry follows after the line spacing; the file gains it and a line break.
  Keys("1+2=");
  QTest::keyClick(Operand(0), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Bytes(Path("kept.txt")), utf8 + "\r\n1  +  2  =  3.00000\r\n");

  // Save As always asks, offering the last name; the title follows the new name.
  fakes.dialogs.saveFiles = {Path("copy.txt")};
  Choose("mnuFileSaveFileAs");
  EXPECT_EQ(Str(fakes.dialogs.fileRequests.back().fileName), Str(Path("kept.txt")));
  EXPECT_TRUE(fakes.dialogs.fileRequests.back().confirmOverwrite);
  EXPECT_EQ(Bytes(Path("copy.txt")), Bytes(Path("kept.txt")));
  EXPECT_EQ(Str(Title()), Str(TitleFor(Path("copy.txt"))));

  // New forgets the name: untitled, empty, the Clear button hidden, nothing offered.
  Choose("mnuFileNew");
  EXPECT_EQ(Str(WorkboardText()), "");
  EXPECT_FALSE(Find("Command4")->isVisible());
  fakes.dialogs.saveFiles = {std::nullopt};
  Choose("mnuFileSave");
  EXPECT_EQ(Str(fakes.dialogs.fileRequests.back().fileName), "");
  EXPECT_EQ(Str(fakes.dialogs.fileRequests.back().selectedNameFilter), "Text Files(*.txt)");
}

TEST_F(Documents, CloseBoxAsksWithYesNoAndCancel) {
  Keys("1+2=");
  fakes.messages.answers = {ui::MessageAnswer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  const ShownMessage& question = LastMessage();
  EXPECT_EQ(Str(question.text), "Would you like to save this document?");
  EXPECT_EQ(Str(question.title), "Save Your Work?");
  EXPECT_EQ(question.icon, ui::MessageIcon::Question);
  EXPECT_EQ(question.buttons, ui::MessageButtons::YesNoCancel);
  EXPECT_EQ(question.defaultButton, ui::MessageAnswer::Yes);

  // Yes saves and keeps the window open; the next close goes through unasked.
  fakes.messages.answers = {ui::MessageAnswer::Yes};
  fakes.dialogs.saveFiles = {Path("kept.txt")};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(Bytes(Path("kept.txt")), "\r\n\r\n1  +  2  =  3.00000\r\n");
  EXPECT_TRUE(window->close());
  EXPECT_EQ(fakes.messages.shown.size(), 2u);

  // No lets it close with the work unsaved.
  window->show();
  Keys("4+5=");
  fakes.messages.answers = {ui::MessageAnswer::No};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(Bytes(Path("kept.txt")), "\r\n\r\n1  +  2  =  3.00000\r\n");
}

TEST_F(Documents, TitleShowsAFileNameAsItIs) {
  // Qt would take "[*]" for its mark of unsaved changes and drop it, or show "*" for it
  // while the window holds unsaved work.
  const QString odd = Path("odd [*] name.txt");
  fakes.dialogs.saveFiles = {odd};
  Choose("mnuFileSave");
  QApplication::processEvents();
  EXPECT_EQ(Str(window->windowHandle()->title()), Str(TitleFor(odd)));
  Keys("1+2=");
  QApplication::processEvents();
  EXPECT_EQ(Str(window->windowHandle()->title()), Str(TitleFor(odd)));
}

TEST_F(Documents, ClearWorkboardAsksItsOwnQuestion) {
  Keys("1+2=");
  fakes.messages.answers = {ui::MessageAnswer::No};
  QTest::mouseClick(Find("Command4"), Qt::LeftButton);  // New, by the button
  EXPECT_EQ(Str(LastMessage().text), "Would you like to save this document?");
  EXPECT_EQ(Str(WorkboardText()), "");
  Keys("1+2=");
  fakes.messages.answers = {ui::MessageAnswer::No};
  Choose("mnuClearWhiteboad");
  EXPECT_EQ(Str(LastMessage().text), "Do you wish to save your current document?");
  EXPECT_EQ(Str(WorkboardText()), "");
  EXPECT_TRUE(Find("Command4")->isVisible()) << "only New hides the button";
}

// The old file is always whole, and the user always hears why, however writing or
// reading fails. Root ignores permissions: the failures come from the file system.
class FailingFiles : public Documents {
 protected:
  void SetUp() override {
    Documents::SetUp();
    ASSERT_TRUE(Write(Path("old.txt"), "old\r\n"));
    Keys("1+2=");
  }
  void ExpectTold(const QString& path, const char* reason) {
    ASSERT_FALSE(fakes.messages.shown.empty());
    EXPECT_EQ(Str(LastMessage().title), "Numbrella Calculator");
    EXPECT_EQ(LastMessage().icon, ui::MessageIcon::None);
    EXPECT_TRUE(LastMessage().text.contains(path)) << Str(LastMessage().text);
    EXPECT_TRUE(LastMessage().text.contains(reason)) << Str(LastMessage().text);
  }
  void ExpectOldFileWhole() {
    EXPECT_EQ(Bytes(Path("old.txt")), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.txt"})) << "no leftovers";
  }
};

TEST_F(FailingFiles, SavingWhereNoFileCanBe) {
  for (const QString& target : {Path("missing/day.txt"), Path("folder")}) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("folder"));
    fakes.dialogs.saveFiles = {target};
    Choose("mnuFileSaveFileAs");
    ExpectTold(target, target.endsWith("folder") ? "" : "No such file or directory");
    ExpectOldFileWhole();
    EXPECT_FALSE(QFileInfo::exists(Path("missing")));
    EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
    EXPECT_TRUE(QDir(Path("folder")).isEmpty());
    // Still unsaved: closing asks.
    fakes.messages.answers = {ui::MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
  }
}

TEST_F(FailingFiles, SavingOntoAFullDisk) {
  fakes.messages.answers = {ui::MessageAnswer::No};  // not saving the calculation first
  fakes.dialogs.openFiles = {Path("old.txt")};
  Choose("mnuFileOpen");
  Keys("1+2=");
  WithFilesLimitedTo(8, [this] { Choose("mnuFileSave"); });
  ExpectTold(Path("old.txt"), "File too large");
  EXPECT_TRUE(LastMessage().text.contains("The file was not changed."));
  ExpectOldFileWhole();
}

TEST_F(FailingFiles, OpeningWhatCannotBeRead) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("folder"));
  ASSERT_TRUE(QFile::link(Path("gone.txt"), Path("dangling")));
  ASSERT_TRUE(Write(Path("binary"), QByteArray("12\0"
                                               "34",
                                               5)));
  const QString before = WorkboardText();
  fakes.dialogs.saveFiles = {Path("day.txt")};
  Choose("mnuFileSaveFileAs");
  const std::pair<QString, const char*> cases[] = {
      {Path("folder"), "It is a folder."},
      {Path("dangling"), "No such file or directory"},
      {Path("binary"), "It is not a text file."},
  };
  for (const auto& [path, reason] : cases) {
    fakes.dialogs.openFiles = {path};
    Choose("mnuFileOpen");
    ExpectTold(path, reason);
    EXPECT_EQ(Str(WorkboardText()), Str(before));
    EXPECT_EQ(Str(Title()), Str(TitleFor(Path("day.txt"))));
  }
  QFile::remove(Path("binary"));
  QFile::remove(Path("dangling"));
  // The document is still the one it was: Save writes there, never to a failed name.
  Keys("4+5=");
  Choose("mnuFileSave");
  EXPECT_EQ(Bytes(Path("day.txt")), (before + "\r\n\r\n4  +  5  =  9.00000\r\n").toUtf8());
}

TEST_F(Documents, PrintsTheWholeWorkboardWithItsFooter) {
  Keys("12+30=");
  Keys("7*6=");
  ASSERT_TRUE(Write(Path("day.txt"), ""));
  fakes.dialogs.saveFiles = {Path("day.txt")};
  Choose("mnuFileSave");
  const QString text = WorkboardText();
  // With a selection the dialog preselects it, yet everything is printed.
  Workboard()->setFocus();
  QTextCursor cursor = Workboard()->textCursor();
  cursor.setPosition(4);
  cursor.setPosition(8, QTextCursor::KeepAnchor);
  Workboard()->setTextCursor(cursor);
  fakes.dialogs.printFiles = {std::nullopt, Path("page.pdf")};
  Choose("mnuPrintDisplay");
  EXPECT_FALSE(QFile::exists(Path("page.pdf"))) << "Cancel prints nothing";
  Choose("mnuPrintDisplay");
  ASSERT_EQ(fakes.dialogs.printRequests.size(), 2u);
  EXPECT_TRUE(fakes.dialogs.printRequests[1].selectionPreselected);
  EXPECT_FALSE(fakes.dialogs.printRequests[1].pageRangeOffered);

  EXPECT_EQ(PdfLines(Path("page.pdf")),
            QStringList({"12 + 30 = 42.00000", "7 X 6 = 42.00000", "Executed with the....",
                         "Numbrella Calculator", "Visit...www.numbrella.example"}));

  // The workboard shows what it showed, and counts as changed.
  EXPECT_EQ(Str(WorkboardText()), Str(text));
  // The print dialog's flags do not keep the Save dialog from asking before it
  // overwrites a file.
  fakes.dialogs.saveFiles = {std::nullopt};
  Choose("mnuFileSaveFileAs");
  EXPECT_TRUE(fakes.dialogs.fileRequests.back().confirmOverwrite);
  fakes.messages.answers = {ui::MessageAnswer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(Str(LastMessage().text), "Would you like to save this document?");
}

TEST_F(Documents, PrintingThatFailsSaysSo) {
  Keys("1+2=");
  fakes.dialogs.printFiles = {Path("missing/page.pdf")};
  Choose("mnuPrintDisplay");
  ASSERT_FALSE(fakes.messages.shown.empty());
  EXPECT_TRUE(LastMessage().text.contains(Path("missing/page.pdf"))) << Str(LastMessage().text);
  EXPECT_EQ(Str(WorkboardText()), "\r\n\r\n1  +  2  =  3.00000");
}

}  // namespace
}  // namespace numbrella::testing