// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard document's commands in every state, driven through a scripted window
// with an in-memory file system.
#include "workboard/document.h"

#include "workboard/document_desk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numbrella::testing {
namespace {

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
      case New:
        desk.document.New();
        break;
      case Open:
        desk.document.Open();
        break;
      case Save:
        desk.document.Save();
        break;
      case SaveAs:
        desk.document.SaveAs();
        break;
      case Clear:
        desk.document.ClearWorkboard();
        break;
      case Close:
        closes = desk.document.QueryUnload();
        break;
    }

    EXPECT_EQ(window.Seen(), c.seen);
    EXPECT_EQ(desk.document.FileName(), c.fileName);
    EXPECT_EQ(window.fileName, c.fileName) << "the window was told of another file";
    EXPECT_EQ(window.title,
              c.titleName.empty() ? UntitledWindowTitle() : TitledWindowTitle(c.titleName));
    EXPECT_EQ(desk.document.Changed(), c.changed);
    EXPECT_EQ(window.modified, c.changed) << "the window shows another state";
    switch (c.text) {
      case Text::Kept:
        EXPECT_EQ(window.text, before);
        break;
      case Text::Opened:
        EXPECT_EQ(window.text, kOtherText);
        break;
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

}  // namespace
}  // namespace numbrella::testing
