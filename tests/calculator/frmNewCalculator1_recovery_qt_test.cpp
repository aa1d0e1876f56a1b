// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy on disk: kept while the workboard holds unsaved work and gone
// when it holds none, offered back at the next start, private to its calculator, and
// whole even when the disk fills while it is written.
#include "app/recovery.h"
#include "calculator/documents_window.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include <functional>

namespace numbrella::testing {
namespace {

std::optional<RecoveryRecord> CopyAt(const QString& path) {
  if (!QFileInfo::exists(path)) return std::nullopt;
  const QByteArray bytes = Bytes(path);
  return ReadRecovery(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

class Recovery : public Documents {
 protected:
  void SetUp() override {
    Documents::SetUp();
    ASSERT_TRUE(state.isValid());
  }
  void Keep() {
    application->KeepRecoveryCopies(state.path());
    QApplication::processEvents();
  }
  app::RecoveryKeeper& Keeper() const { return *application->Recovery(); }
  QStringList StateFiles() const {
    return QDir(state.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  }
  QString StatePath(const QString& name) const { return QDir(state.path()).filePath(name); }

  QTemporaryDir state;
};

TEST_F(Recovery, UnsavedWorkHasACopyAndSavedWorkNone) {
  Keep();
  EXPECT_TRUE(fakes.messages.shown.empty());
  const QString copy = Keeper().Path();
  Keeper().Flush();
  EXPECT_FALSE(QFileInfo::exists(copy));

  Keys("7+5=");
  ASSERT_TRUE(Keeper().Flush());
  EXPECT_EQ(CopyAt(copy), window->Document().UnsavedRecord());
  EXPECT_EQ(CopyAt(copy)->text, Str(WorkboardText()));
  struct stat status {};
  ASSERT_EQ(::stat(copy.toLocal8Bit().constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);

  fakes.dialogs.saveFiles = {Path("sums.txt")};
  Choose("mnuFileSave");
  Keeper().Flush();
  EXPECT_FALSE(QFileInfo::exists(copy));

  Keys("2*3=");
  Keeper().Flush();
  EXPECT_EQ(CopyAt(copy)->fileName, Str(Path("sums.txt")));
  // Closing and letting the work go is a clean end: nothing stays behind.
  fakes.messages.answers = {ui::MessageAnswer::No};
  window->close();
  application.reset();
  window = nullptr;
  EXPECT_EQ(StateFiles(), QStringList());
}

// The copy follows the workboard's document by itself: each command below changes it
// once the copy has been taken away, and the copy is back as the work stands, or gone
// where nothing is unsaved.
TEST_F(Recovery, EveryChangeOfTheDocumentReachesTheCopy) {
  Keep();
  const QString copy = Keeper().Path();
  ASSERT_TRUE(Write(Path("old.txt"), "old\r\n"));
  const QString unwritable = Path("gone/sums.txt");
  fakes.dialogs.saveFiles = {unwritable, Path("sums.txt")};
  fakes.dialogs.openFiles = {Path("old.txt")};
  fakes.messages.answers = {ui::MessageAnswer::Ok, ui::MessageAnswer::No, ui::MessageAnswer::No};
  struct Step {
    const char* name;
    std::function<void()> command;
  };
  const Step steps[] = {
      {"typing", [&] { Keys("7+5="); }},
      {"a save that fails", [&] { Choose("mnuFileSaveFileAs"); }},
      {"a save", [&] { Choose("mnuFileSaveFileAs"); }},
      {"typing again", [&] { Keys("2*3="); }},
      {"opening, the work let go", [&] { Choose("mnuFileOpen"); }},
      {"typing into the opened file", [&] { Keys("1+1="); }},
      {"clearing, the work let go", [&] { Choose("mnuClearWhiteboad"); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(Write(copy, "taken away"));
    step.command();
    Keeper().Flush();
    const std::optional<RecoveryRecord> unsaved = window->Document().UnsavedRecord();
    EXPECT_EQ(CopyAt(copy), unsaved);
    if (unsaved) {
      EXPECT_EQ(unsaved->fileName, window->Document().FileName());
    }
  }
  EXPECT_TRUE(fakes.messages.answers.empty());
  EXPECT_EQ(window->Document().FileName(), "");
}

TEST_F(Recovery, LeftCopiesAreOfferedBackOneByOne) {
  const RecoveryRecord restored{"\r\n\r\n7  +  5  =  12.00000\r\n\xC3\xA4\x01", Str(Path("a.txt")),
                                TextEncoding::Windows1252, true, 1700000000};
  ASSERT_TRUE(Write(StatePath("workboard-1-a.recovery"),
                    QByteArray::fromStdString(RecoveryBytes(restored))));
  ASSERT_TRUE(Write(StatePath("workboard-2-b.recovery"), "not a copy"));
  ASSERT_TRUE(Write(StatePath("workboard-3-c.recovery"),
                    QByteArray::fromStdString(RecoveryBytes({"let go", "", {}, true, 0}))));
  fakes.messages.answers = {ui::MessageAnswer::Yes, ui::MessageAnswer::Ok, ui::MessageAnswer::Yes,
                            ui::MessageAnswer::Cancel};
  Keep();

  ASSERT_EQ(fakes.messages.shown.size(), 4u);
  const ShownMessage& question = fakes.messages.shown[0];
  EXPECT_EQ(Str(question.title), "Restore Your Work?");
  EXPECT_EQ(question.buttons, ui::MessageButtons::YesNo);
  EXPECT_TRUE(question.text.contains(Path("a.txt"))) << Str(question.text);
  EXPECT_TRUE(fakes.messages.shown[1].text.contains("workboard-2-b.recovery.unreadable"));
  // Yes again over the restored work: the save question first, and Cancel keeps both.
  EXPECT_EQ(Str(fakes.messages.shown[3].title), "Save Your Work?");

  EXPECT_EQ(Str(WorkboardText()), restored.text);
  EXPECT_EQ(Title(), TitleFor(Path("a.txt")));
  EXPECT_TRUE(window->Document().Changed());
  Keeper().Flush();
  EXPECT_EQ(CopyAt(Keeper().Path()), restored);
  QStringList expected = {QFileInfo(Keeper().Path()).fileName(),
                          QFileInfo(Keeper().Path()).fileName() + ".lock",
                          "workboard-2-b.recovery.unreadable", "workboard-3-c.recovery"};
  expected.sort();
  EXPECT_EQ(StateFiles(), expected);
}

TEST(RecoveryKeeper, EachRunningCalculatorHasItsOwnCopy) {
  QTemporaryDir state;
  const RecoveryRecord work{"1  +  1  =  2", "", {}, true, 5};
  auto first = std::make_unique<app::RecoveryKeeper>(state.path(), [&work] { return work; });
  app::RecoveryKeeper second(state.path(), [&work] { return work; });
  EXPECT_NE(first->Path(), second.Path());
  ASSERT_TRUE(first->WriteNow());
  ASSERT_TRUE(second.WriteNow());
  QStringList offered;
  const app::CopyOffer offer = [&offered](const std::optional<RecoveryRecord>&,
                                          const QString& path) {
    offered.push_back(path);
    return CopyFate::Keep;
  };
  app::OfferLeftCopies(state.path(), second.Path(), offer);
  EXPECT_EQ(offered, QStringList());  // both calculators still run
  const QString left = first->Path();
  first.reset();
  app::OfferLeftCopies(state.path(), second.Path(), offer);
  EXPECT_EQ(offered, QStringList({left}));
}

// Start-up touches no disk: the folder and the lock come with the first copy. A file
// where the folder belongs fails the write and leaves the file alone.
TEST(RecoveryKeeper, TheFirstCopyMakesTheFolderAndTheLock) {
  QTemporaryDir state;
  const QString folder = QDir(state.path()).filePath(QStringLiteral("numbrella"));
  const RecoveryRecord work{"1  +  1  =  2", "", {}, true, 5};
  app::RecoveryKeeper keeper(folder, [&work] { return work; });
  EXPECT_FALSE(QFileInfo::exists(folder));
  ASSERT_TRUE(keeper.WriteNow());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            QStringList({QFileInfo(keeper.Path()).fileName(),
                         QFileInfo(keeper.Path()).fileName() + ".lock"}));

  const QString blocked = QDir(state.path()).filePath(QStringLiteral("blocked"));
  ASSERT_TRUE(Write(blocked, "mine"));
  app::RecoveryKeeper nowhere(blocked, [&work] { return work; });
  EXPECT_FALSE(nowhere.WriteNow());
  EXPECT_EQ(Bytes(blocked), "mine");
}

TEST(RecoveryKeeper, AFullDiskLeavesTheOldCopyWhole) {
  QTemporaryDir state;
  RecoveryRecord work{"1  +  1  =  2", "", {}, true, 5};
  app::RecoveryKeeper keeper(state.path(), [&work] { return work; });
  ASSERT_TRUE(keeper.WriteNow());
  const QByteArray before = Bytes(keeper.Path());

  work.text.assign(100000, '7');
  bool written = true;
  WithFilesLimitedTo(4096, [&] { written = keeper.WriteNow(); });

  EXPECT_FALSE(written);
  EXPECT_EQ(Bytes(keeper.Path()), before);
  // No half-written file is left beside it.
  EXPECT_EQ(QDir(state.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
  ASSERT_TRUE(keeper.WriteNow());
  EXPECT_EQ(CopyAt(keeper.Path()), work);
}

}  // namespace
}  // namespace numbrella::testing
