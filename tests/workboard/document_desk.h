// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A workboard document on a scripted window with an in-memory file system, brought
// into one of its four states.
#include "workboard/document.h"

#include "common/window_texts.h"
#include "workboard/document_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numbrella::testing {

using Choice = std::optional<std::string>;

// The window as the document sees it. Questions and dialogs are answered from queues;
// one the test did not script fails the test. `log` holds what the user would see or
// find on disk, in order: "ask <question>", "restore? <question>", "open dialog",
// "save dialog", "write <path>", "tell <message>" and "title <title>".
class FakeWindow : public DocumentWindow {
 public:
  ~FakeWindow() override {
    EXPECT_TRUE(answers.empty()) << "a scripted question was never asked";
    EXPECT_TRUE(opens.empty()) << "a scripted Open dialog was never shown";
    EXPECT_TRUE(saves.empty()) << "a scripted Save dialog was never shown";
    EXPECT_TRUE(restoreAnswers.empty()) << "a scripted restore question was never asked";
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
  SaveAnswer AskToRestore(std::string_view question) override {
    log.push_back("restore? " + std::string(question));
    if (restoreAnswers.empty()) {
      ADD_FAILURE() << "unscripted question: " << question;
      return SaveAnswer::Cancel;
    }
    SaveAnswer answer = restoreAnswers.front();
    restoreAnswers.pop_front();
    return answer;
  }
  std::string TimeText(std::int64_t moment) override { return "at " + std::to_string(moment); }
  Choice ChooseFileToOpen() override { return Dialog("open dialog", opens); }
  Choice ChooseFileToSave() override { return Dialog("save dialog", saves); }
  void ForgetDialogFileName() override { dialogName.clear(); }
  std::string WorkboardText() override { return text; }
  std::uint64_t WorkboardRevision() override { return revision; }
  bool SetWorkboardText(std::string_view newText) override {
    if (newText == text) return false;
    text = newText;
    ++revision;
    return true;
  }
  // The user changes the text: the window's change handler runs.
  void Edit(std::string_view newText) {
    if (!SetWorkboardText(newText)) return;
    clearButtonShown = true;
    document->TextChanged();
  }
  void SetTitle(std::string_view newTitle, std::string_view newSpoken) override {
    title = newTitle;
    spoken = newSpoken;
    log.push_back("title " + title);
  }
  void ShowClearButton(bool shown) override { clearButtonShown = shown; }
  void ShowModified(bool shown) override { modified = shown; }
  void ShowFileName(std::string_view path) override { fileName = path; }
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
  std::optional<std::string> WriteWorkboardFile(const std::string& path) override {
    ++conversions;
    return WriteFile(path, WriteDocument(text, TextEncoding::Utf8).bytes);
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
  std::uint64_t revision = 0;
  int conversions = 0;  // saves that converted the text rather than write kept bytes
  std::deque<SaveAnswer> answers;
  std::deque<SaveAnswer> restoreAnswers;
  std::deque<Choice> opens;
  std::deque<Choice> saves;
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> readFailures;   // path -> the system's reason
  std::map<std::string, std::string> writeFailures;  // path -> the system's reason
  std::vector<std::string> log;
  std::string text;
  std::string title;
  std::string spoken;      // the title as a screen reader says it
  std::string dialogName;  // the name the dialogs offer next
  bool clearButtonShown = false;
  bool modified = false;  // as the window last showed it
  std::string fileName;   // the file the window was last told the document belongs to

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

inline const std::string kOld = "/docs/old.txt";      // the titled document's file
inline const std::string kNew = "/docs/new.txt";      // where the Save dialog saves
inline const std::string kOther = "/docs/other.txt";  // what the Open dialog opens
inline const Choice kCancelled = std::nullopt;
inline const std::string kDenied = "Permission denied";
inline const std::string kUntitledText = "5  +  5  =  10";
inline const std::string kOldText = "1  +  1  =  2";
inline const std::string kOtherText = "7  *  6  =  42";
inline const std::string kTyped = "\r\n2  +  2  =  4";

inline std::string Ask(std::string_view question) { return "ask " + std::string(question); }
inline std::string Write(const std::string& path) { return "write " + path; }
inline std::string Told(const std::string& message) { return "tell " + message; }
inline const std::string kAskSave = Ask(kSaveQuestionText);
inline const std::string kAskClear = Ask(kClearQuestionText);
inline const std::string kOpenDialog = "open dialog";
inline const std::string kSaveDialog = "save dialog";

enum class Start { UntitledUnchanged, UntitledChanged, TitledUnchanged, TitledChanged };
enum class Command { New, Open, Save, SaveAs, Clear, Close };

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
      window.Edit(kUntitledText);
      document.SetChanged(false);
      window.SetTitle(UntitledWindowTitle(), SpokenWindowTitle({}));
    }
    if (start == Start::UntitledChanged || start == Start::TitledChanged) {
      window.Edit(window.text + kTyped);
    }
    window.log.clear();
  }
  FakeWindow window;
  WorkboardDocument document{window};
};

}  // namespace numbrella::testing
