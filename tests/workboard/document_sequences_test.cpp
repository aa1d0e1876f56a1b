// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard document over several commands: what lands on disk, the encoding it
// keeps, files it cannot open, the language it speaks, and answers that lead on to the
// next command.
#include "workboard/document.h"

#include "support/bracketing_translation.h"
#include "workboard/archive.h"
#include "workboard/document_desk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace numbrella::testing {
namespace {

using enum Command;
using enum SaveAnswer;

TEST(WorkboardDocument, SaveToItsNameWritesTheTextAndOneLineBreakOnly) {
  Desk desk(Start::TitledUnchanged);
  desk.window.files[kOld] = "1 + 1 = 2";  // no final line break
  desk.window.opens = {kOld};
  desk.document.Open();
  EXPECT_EQ(desk.window.text, "1 + 1 = 2");
  desk.window.log.clear();

  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOld], "1 + 1 = 2\r\n");
  EXPECT_EQ(desk.window.log, std::vector<std::string>{Write(kOld)}) << "no dialog, no new title";
}

TEST(WorkboardDocument, AnOpenedFileIsSavedAsItCameUntilTheWorkboardChanges) {
  Desk desk(Start::TitledUnchanged);  // kOld opened: its text and one "\r\n"
  desk.document.Save();
  EXPECT_EQ(desk.window.conversions, 0) << "its own bytes written again";
  desk.window.text = "1 + 1 = 2";  // a change the document was not told of
  ++desk.window.revision;
  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOld], "1 + 1 = 2\r\n");
  desk.window.files[kOld] = "3 + 3 = 6\n";  // would be written with "\r\n"
  desk.window.opens = {kOld};
  desk.document.Open();
  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOld], "3 + 3 = 6\r\n");
  EXPECT_EQ(desk.window.conversions, 2);
}

TEST(WorkboardDocument, AnEntrySavedAndReopenedComesBackUnchanged) {
  Desk desk(Start::UntitledUnchanged);
  const std::string entries =
      PlanArchive(1, {"12", "+", "30", "42"}).entry + PlanArchive(3, {"9", "SR", "", "3"}).entry;
  desk.window.Edit(entries);
  desk.window.saves = {kNew};
  desk.document.Save();
  desk.document.New();
  desk.window.opens = {kNew};
  desk.document.Open();
  EXPECT_EQ(desk.window.text, entries);
  EXPECT_FALSE(desk.document.Changed());
}

TEST(WorkboardDocument, KeepsTheEncodingItOpenedUntilATextNeedsUtf8) {
  Desk desk(Start::UntitledUnchanged);
  const std::string windows1252 = "Caf\xE9: 3 \x80\r\n";
  desk.window.files[kOther] = windows1252;
  desk.window.opens = {kOther};
  desk.document.Open();
  ASSERT_EQ(desk.document.Encoding(), TextEncoding::Windows1252);
  const std::string opened = desk.window.text;

  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOther], windows1252);

  desk.window.Edit(opened + " \u221A4");  // no Windows-1252 character
  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOther], opened + " \u221A4\r\n");
  EXPECT_EQ(desk.document.Encoding(), TextEncoding::Utf8);

  desk.window.Edit(opened);
  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOther], opened + "\r\n") << "stays UTF-8";
}

TEST(WorkboardDocument, NewAndClearWorkboardStartAUtf8Document) {
  for (Command command : {New, Clear}) {
    Desk desk(Start::UntitledUnchanged);
    desk.window.files[kOther] = "Caf\xE9";
    desk.window.opens = {kOther};
    desk.document.Open();
    ASSERT_EQ(desk.document.Encoding(), TextEncoding::Windows1252);
    if (command == New) {
      desk.document.New();
    } else {
      desk.document.ClearWorkboard();
    }
    EXPECT_EQ(desk.document.Encoding(), TextEncoding::Utf8);
  }
}

TEST(WorkboardDocument, AFileThatCannotBeOpenedChangesNothing) {
  const std::string bad = "/docs/bad.txt";
  struct Failure {
    const char* name;
    std::optional<std::string> bytes;  // nullopt: the read fails with kDenied
    std::string_view reason;
  };
  const Failure failures[] = {
      {"unreadable", std::nullopt, kDenied},
      {"holds a NUL byte", std::string("1 + 1\0", 6), kNotTextReason},
      {"too large", std::string(kLargestDocument + 1, 'x'), kTooLargeReason},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    Desk desk(Start::TitledChanged);
    if (failure.bytes) {
      desk.window.files[bad] = *failure.bytes;
    } else {
      desk.window.readFailures[bad] = kDenied;
    }
    const std::string text = desk.window.text;
    desk.window.answers = {No};
    desk.window.opens = {bad};
    desk.document.Open();

    EXPECT_EQ(desk.window.Seen(),
              (std::vector<std::string>{kAskSave, kOpenDialog,
                                        Told(OpenFailureText(bad, failure.reason))}));
    EXPECT_EQ(desk.window.text, text);
    EXPECT_EQ(desk.window.title, TitledWindowTitle(kOld));
    EXPECT_EQ(desk.window.spoken, "Numbrella Calculator - old.txt");
    EXPECT_TRUE(desk.document.Changed());
    EXPECT_EQ(desk.document.FileName(), kOld);

    desk.document.Save();
    EXPECT_EQ(desk.window.files[kOld], text + "\r\n");
    EXPECT_EQ(desk.window.files.count(bad), failure.bytes ? 1u : 0u);
    if (failure.bytes) {
      EXPECT_EQ(desk.window.files[bad], *failure.bytes);
    }
  }
}

// Every text the document hands its window is in the user's language. (A reason that
// does not end in a full stop, as the bracketed one, gets one.)
TEST(WorkboardDocument, SpeaksTheUsersLanguage) {
  BracketingTranslation translation;
  const std::string big = "/docs/big.txt";
  Desk desk(Start::TitledChanged);
  desk.window.files[big] = std::string(kLargestDocument + 1, 'x');
  desk.window.answers = {No, No};
  desk.window.opens = {big};
  desk.document.Open();
  desk.document.ClearWorkboard();
  EXPECT_EQ(desk.window.Seen(),
            (std::vector<std::string>{"ask [Would you like to save this document?]", kOpenDialog,
                                      "tell [Cannot open \"" + big +
                                          "\".]\n[It is larger than the workboard holds (64 MB).].",
                                      "ask [Do you wish to save your current document?]"}));
  EXPECT_EQ(desk.window.title, UntitledWindowTitle());
  EXPECT_EQ(desk.window.title.rfind("[  Numbrella Calculator - Untitled]", 0), 0u);
}

TEST(WorkboardDocument, AnAbandonedOpenDoesNotHoldUpTheNext) {
  for (std::vector<Choice> saves : {std::vector<Choice>{}, std::vector<Choice>{kCancelled}}) {
    Desk desk(Start::UntitledChanged);
    desk.window.answers = {saves.empty() ? Cancel : Yes, No};
    desk.window.saves.assign(saves.begin(), saves.end());
    desk.document.Open();
    desk.window.opens = {kOther};
    desk.document.Open();
    EXPECT_EQ(desk.document.FileName(), kOther);
  }
}

TEST(WorkboardDocument, CloseAsksAgainUntilASaveSucceeds) {
  Desk desk(Start::TitledChanged);
  FakeWindow& window = desk.window;
  window.writeFailures[kOld] = kDenied;
  window.answers = {Yes};
  EXPECT_FALSE(desk.document.QueryUnload());
  EXPECT_EQ(window.files[kOld], kOldText + "\r\n") << "the failed save left the file alone";

  window.writeFailures.clear();
  window.answers = {Yes};
  EXPECT_FALSE(desk.document.QueryUnload()) << "asked again after the failed save";
  EXPECT_TRUE(desk.document.QueryUnload()) << "nothing left to save: closes, no question";
  EXPECT_EQ(window.Seen(), (std::vector<std::string>{kAskSave, Told(SaveFailureText(kOld, kDenied)),
                                                     kAskSave, Write(kOld)}));
}

TEST(WorkboardDocument, NewAnsweredYesSavesThenASecondNewClears) {
  Desk desk(Start::UntitledChanged);
  desk.window.answers = {Yes};
  desk.window.saves = {kNew};
  desk.document.New();
  ASSERT_NE(desk.window.text, "");
  ASSERT_TRUE(desk.window.clearButtonShown);

  desk.document.New();
  EXPECT_EQ(desk.window.text, "");
  EXPECT_EQ(desk.document.FileName(), "");
  EXPECT_EQ(desk.window.title, UntitledWindowTitle());
  EXPECT_FALSE(desk.window.clearButtonShown) << "New hides the Clear Workboard button";
}

TEST(WorkboardDocument, ClearingATitledDocumentMakesTheNextSaveAskForAName) {
  Desk desk(Start::TitledUnchanged);
  desk.document.ClearWorkboard();
  EXPECT_TRUE(desk.window.clearButtonShown) << "only New hides the Clear Workboard button";

  desk.window.saves = {kCancelled};
  desk.document.Save();
  EXPECT_EQ(desk.window.Seen(), std::vector<std::string>{kSaveDialog});
  EXPECT_EQ(desk.window.files[kOld], kOldText + "\r\n");
}

}  // namespace
}  // namespace numbrella::testing
