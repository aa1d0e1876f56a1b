// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard document's commands in every state, driven through a scripted window
// with an in-memory file system.
#include "workboard/document.h"

#include "common/window_texts.h"
#include "support/bracketing_translation.h"
#include "workboard/archive.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace numbrella {
namespace {

using Choice = std::optional<std::string>;

// The window as the document sees it. Questions and dialogs are answered from queues;
// one the test did not script fails the test. `log` holds what the user would see or
// find on disk, in order: "ask <question>", "open dialog", "save dialog",
// "write <path>", "tell <message>" and "title <title>".
class FakeWindow : public DocumentWindow {
 public:
  ~FakeWindow() override {
    EXPECT_TRUE(answers.empty()) << "a scripted question was never asked";
    EXPECT_TRUE(opens.empty()) << "a scripted Open dialog was never shown";
    EXPECT_TRUE(saves.empty()) << "a scripted Save dialog was never shown";
  }

  SaveAnswer AskToSave(std::string_view question) override {
    log.push_back("ask " + std::string(question));
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted question: " << question;
      return SaveAnswer::Cancel;
    }
    SaveAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  Choice ChooseFileToOpen() override { return Dialog("open dialog", opens); }
  Choice ChooseFileToSave() override { return Dialog("save dialog", saves); }
  void ForgetDialogFileName() override { dialogName.clear(); }
  std::string WorkboardText() override { return text; }
  void SetWorkboardText(std::string_view newText) override {
    if (newText == text) return;
    text = newText;
    clearButtonShown = true;
    document->TextChanged();
  }
  void SetTitle(std::string_view newTitle) override {
    title = newTitle;
    log.push_back("title " + title);
  }
  void HideClearButton() override { clearButtonShown = false; }
  void TellFailure(std::string_view message) override {
    log.push_back("tell " + std::string(message));
  }
  FileContent ReadFile(const std::string& path) override {
    if (auto failure = readFailures.find(path); failure != readFailures.end()) {
      return {std::nullopt, failure->second};
    }
    auto file = files.find(path);
    if (file == files.end()) return {std::nullopt, "No such file or directory"};
    return {file->second, ""};
  }
  std::optional<std::string> WriteFile(const std::string& path, std::string_view bytes) override {
    if (auto failure = writeFailures.find(path); failure != writeFailures.end()) {
      return failure->second;
    }
    files[path] = bytes;
    log.push_back("write " + path);
    return std::nullopt;
  }

  // The log without the titles, for tests that look only at the final title.
  std::vector<std::string> Seen() const {
    std::vector<std::string> seen;
    for (const std::string& entry : log) {
      if (!entry.starts_with("title ")) seen.push_back(entry);
    }
    return seen;
  }

  WorkboardDocument* document = nullptr;
  std::deque<SaveAnswer> answers;
  std::deque<Choice> opens;
  std::deque<Choice> saves;
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> readFailures;   // path -> the system's reason
  std::map<std::string, std::string> writeFailures;  // path -> the system's reason
  std::vector<std::string> log;
  std::string text;
  std::string title;
  std::string dialogName;  // the name the dialogs offer next
  bool clearButtonShown = false;

 private:
  Choice Dialog(const char* what, std::deque<Choice>& script) {
    log.push_back(what);
    if (script.empty()) {
      ADD_FAILURE() << "unscripted " << what;
      return std::nullopt;
    }
    Choice choice = script.front();
    script.pop_front();
    if (choice) dialogName = *choice;
    return choice;
  }
};

const std::string kOld = "/docs/old.txt";      // the titled document's file
const std::string kNew = "/docs/new.txt";      // where the Save dialog saves
const std::string kOther = "/docs/other.txt";  // what the Open dialog opens
const Choice kCancelled = std::nullopt;
const std::string kDenied = "Permission denied";
const std::string kUntitledText = "5  +  5  =  10";
const std::string kOldText = "1  +  1  =  2";
const std::string kOtherText = "7  *  6  =  42";
const std::string kTyped = "\r\n2  +  2  =  4";

std::string Ask(std::string_view question) { return "ask " + std::string(question); }
std::string Write(const std::string& path) { return "write " + path; }
std::string Told(const std::string& message) { return "tell " + message; }
const std::string kAskSave = Ask(kSaveQuestionText);
const std::string kAskClear = Ask(kClearQuestionText);
const std::string kOpenDialog = "open dialog";
const std::string kSaveDialog = "save dialog";

enum class Start { UntitledUnchanged, UntitledChanged, TitledUnchanged, TitledChanged };

// A window with its document, brought into one of the four states and with an empty
// log. A titled document got its name the only way there is: from a file.
struct Desk {
  explicit Desk(Start start) {
    window.document = &document;
    window.files[kOld] = kOldText + "\r\n";
    window.files[kOther] = kOtherText + "\r\n";
    if (start == Start::TitledUnchanged || start == Start::TitledChanged) {
      window.opens.push_back(kOld);
      document.Open();
    } else {
      // The workboard as start-up leaves it: a text from earlier, not a change.
      window.SetWorkboardText(kUntitledText);
      document.SetChanged(false);
      window.SetTitle(UntitledWindowTitle());
    }
    if (start == Start::UntitledChanged || start == Start::TitledChanged) {
      window.SetWorkboardText(window.text + kTyped);
    }
    window.log.clear();
  }
  FakeWindow window;
  WorkboardDocument document{window};
};

enum class Command { New, Open, Save, SaveAs, Clear, Close };
enum class Text { Kept, Empty, Opened };

struct Case {
  const char* name;
  Command command;
  Start start;
  std::vector<SaveAnswer> answers;
  std::vector<Choice> saves;  // the Save dialog's outcomes, in order
  std::vector<Choice> opens;  // the Open dialog's
  bool writeFails;            // every write fails with kDenied
  std::vector<std::string> seen;
  std::string fileName;
  std::string titleName;  // "" for the untitled title
  bool changed;
  Text text;
  bool closes;  // Close only
};

using enum Command;
using enum Start;
using enum SaveAnswer;

// clang-format off
const Case kCases[] = {
    {"New, unchanged untitled: no question", New, UntitledUnchanged, {}, {}, {}, false,
     {}, "", "", false, Text::Empty, false},
    {"New, unchanged titled: no question", New, TitledUnchanged, {}, {}, {}, false,
     {}, "", "", false, Text::Empty, false},
    {"New, changed, No", New, TitledChanged, {No}, {}, {}, false,
     {kAskSave}, "", "", false, Text::Empty, false},
    {"New, changed, Cancel", New, TitledChanged, {Cancel}, {}, {}, false,
     {kAskSave}, kOld, kOld, true, Text::Kept, false},
    {"New, changed titled, Yes saves and keeps the text", New, TitledChanged, {Yes}, {}, {}, false,
     {kAskSave, Write(kOld)}, kOld, kOld, false, Text::Kept, false},
    {"New, changed untitled, Yes, dialog OK", New, UntitledChanged, {Yes}, {kNew}, {}, false,
     {kAskSave, kSaveDialog, Write(kNew)}, kNew, kNew, false, Text::Kept, false},
    {"New, changed untitled, Yes, dialog Cancel", New, UntitledChanged,
     {Yes}, {kCancelled}, {}, false,
     {kAskSave, kSaveDialog}, "", "", true, Text::Kept, false},

    {"Open, unchanged", Open, UntitledUnchanged, {}, {}, {kOther}, false,
     {kOpenDialog}, kOther, kOther, false, Text::Opened, false},
    {"Open, unchanged, dialog Cancel", Open, TitledUnchanged, {}, {}, {kCancelled}, false,
     {kOpenDialog}, kOld, kOld, false, Text::Kept, false},
    {"Open, changed, No: the dialog follows at once", Open, TitledChanged,
     {No}, {}, {kOther}, false,
     {kAskSave, kOpenDialog}, kOther, kOther, false, Text::Opened, false},
    {"Open, changed, No, dialog Cancel", Open, TitledChanged, {No}, {}, {kCancelled}, false,
     {kAskSave, kOpenDialog}, kOld, kOld, true, Text::Kept, false},
    {"Open, changed, Cancel opens nothing", Open, TitledChanged, {Cancel}, {}, {}, false,
     {kAskSave}, kOld, kOld, true, Text::Kept, false},
    {"Open, changed titled, Yes", Open, TitledChanged, {Yes}, {}, {kOther}, false,
     {kAskSave, Write(kOld), kOpenDialog}, kOther, kOther, false, Text::Opened, false},
    {"Open, changed untitled, Yes, dialog OK", Open, UntitledChanged,
     {Yes}, {kNew}, {kOther}, false,
     {kAskSave, kSaveDialog, Write(kNew), kOpenDialog}, kOther, kOther, false, Text::Opened, false},
    {"Open, changed untitled, Yes, Save dialog Cancel opens nothing", Open, UntitledChanged,
     {Yes}, {kCancelled}, {}, false,
     {kAskSave, kSaveDialog}, "", "", true, Text::Kept, false},
    {"Open, changed, Yes, the save fails: opens nothing", Open, TitledChanged, {Yes}, {}, {}, true,
     {kAskSave, Told(SaveFailureText(kOld, kDenied))}, kOld, kOld, true, Text::Kept, false},

    {"Save, untitled, dialog OK", Save, UntitledUnchanged, {}, {kNew}, {}, false,
     {kSaveDialog, Write(kNew)}, kNew, kNew, false, Text::Kept, false},
    {"Save, untitled, dialog Cancel", Save, UntitledChanged, {}, {kCancelled}, {}, false,
     {kSaveDialog}, "", "", true, Text::Kept, false},
    {"Save, titled: no dialog", Save, TitledChanged, {}, {}, {}, false,
     {Write(kOld)}, kOld, kOld, false, Text::Kept, false},
    // The chosen name is kept for the next Save, though the title does not show it.
    {"Save, untitled, dialog OK, the write fails", Save, UntitledChanged, {}, {kNew}, {}, true,
     {kSaveDialog, Told(SaveFailureText(kNew, kDenied))}, kNew, "", true, Text::Kept, false},

    {"Save As, titled, dialog OK", SaveAs, TitledUnchanged, {}, {kNew}, {}, false,
     {kSaveDialog, Write(kNew)}, kNew, kNew, false, Text::Kept, false},
    {"Save As, titled, dialog Cancel", SaveAs, TitledChanged, {}, {kCancelled}, {}, false,
     {kSaveDialog}, kOld, kOld, true, Text::Kept, false},
    {"Save As, untitled, dialog OK", SaveAs, UntitledChanged, {}, {kNew}, {}, false,
     {kSaveDialog, Write(kNew)}, kNew, kNew, false, Text::Kept, false},
    {"Save As, untitled, dialog Cancel", SaveAs, UntitledChanged, {}, {kCancelled}, {}, false,
     {kSaveDialog}, "", "", true, Text::Kept, false},
    {"Save As, titled, the write fails", SaveAs, TitledChanged, {}, {kNew}, {}, true,
     {kSaveDialog, Told(SaveFailureText(kNew, kDenied))}, kNew, kNew, true, Text::Kept, false},

    {"Clear, unchanged titled: no question", Clear, TitledUnchanged, {}, {}, {}, false,
     {}, "", "", false, Text::Empty, false},
    {"Clear, changed, No", Clear, TitledChanged, {No}, {}, {}, false,
     {kAskClear}, "", "", false, Text::Empty, false},
    {"Clear, changed, Yes saves as and keeps the text", Clear, TitledChanged,
     {Yes}, {kNew}, {}, false,
     {kAskClear, kSaveDialog, Write(kNew)}, kNew, kNew, false, Text::Kept, false},
    {"Clear, changed, Yes, dialog Cancel", Clear, TitledChanged, {Yes}, {kCancelled}, {}, false,
     {kAskClear, kSaveDialog}, kOld, kOld, true, Text::Kept, false},
    {"Clear, changed, Cancel", Clear, UntitledChanged, {Cancel}, {}, {}, false,
     {kAskClear}, "", "", true, Text::Kept, false},

    {"Close, unchanged: no question", Close, TitledUnchanged, {}, {}, {}, false,
     {}, kOld, kOld, false, Text::Kept, true},
    {"Close, changed, Yes saves and stays open", Close, TitledChanged, {Yes}, {}, {}, false,
     {kAskSave, Write(kOld)}, kOld, kOld, false, Text::Kept, false},
    {"Close, changed untitled, Yes, dialog Cancel", Close, UntitledChanged,
     {Yes}, {kCancelled}, {}, false,
     {kAskSave, kSaveDialog}, "", "", true, Text::Kept, false},
    {"Close, changed, No loses the work", Close, TitledChanged, {No}, {}, {}, false,
     {kAskSave}, kOld, kOld, true, Text::Kept, true},
    {"Close, changed, Cancel", Close, TitledChanged, {Cancel}, {}, {}, false,
     {kAskSave}, kOld, kOld, true, Text::Kept, false},
};
// clang-format on

TEST(WorkboardDocument, EveryCommandInEveryState) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Desk desk(c.start);
    FakeWindow& window = desk.window;
    const std::string before = window.text;
    window.answers.assign(c.answers.begin(), c.answers.end());
    window.saves.assign(c.saves.begin(), c.saves.end());
    window.opens.assign(c.opens.begin(), c.opens.end());
    if (c.writeFails) window.writeFailures = {{kOld, kDenied}, {kNew, kDenied}};

    bool closes = false;
    switch (c.command) {
      case New: desk.document.New(); break;
      case Open: desk.document.Open(); break;
      case Save: desk.document.Save(); break;
      case SaveAs: desk.document.SaveAs(); break;
      case Clear: desk.document.ClearWorkboard(); break;
      case Close: closes = desk.document.QueryUnload(); break;
    }

    EXPECT_EQ(window.Seen(), c.seen);
    EXPECT_EQ(desk.document.FileName(), c.fileName);
    EXPECT_EQ(window.title,
              c.titleName.empty() ? UntitledWindowTitle() : TitledWindowTitle(c.titleName));
    EXPECT_EQ(desk.document.Changed(), c.changed);
    switch (c.text) {
      case Text::Kept: EXPECT_EQ(window.text, before); break;
      case Text::Opened: EXPECT_EQ(window.text, kOtherText); break;
      case Text::Empty:
        EXPECT_EQ(window.text, "");
        EXPECT_EQ(window.dialogName, "") << "the dialog still offers the old name";
        break;
    }
    if (c.command == Close) {
      EXPECT_EQ(closes, c.closes);
    }
  }
}

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

TEST(WorkboardDocument, AnEntrySavedAndReopenedComesBackUnchanged) {
  Desk desk(Start::UntitledUnchanged);
  const std::string entries = PlanArchive("1", {"12", "+", "30", "42"}).entry +
                              PlanArchive("3", {"9", "SR", "", "3"}).entry;
  desk.window.SetWorkboardText(entries);
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

  desk.window.SetWorkboardText(opened + " \u221A4");  // no Windows-1252 character
  desk.document.Save();
  EXPECT_EQ(desk.window.files[kOther], opened + " \u221A4\r\n");
  EXPECT_EQ(desk.document.Encoding(), TextEncoding::Utf8);

  desk.window.SetWorkboardText(opened);
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
            (std::vector<std::string>{
                "ask [Would you like to save this document?]", kOpenDialog,
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
}  // namespace numbrella
