// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/document.h"

#include "common/window_texts.h"

#include <optional>
#include <string>
#include <utility>

namespace numbrella {

WorkboardDocument::WorkboardDocument(DocumentWindow& window) : window_(window) {}

void WorkboardDocument::New() {
  window_.ForgetDialogFileName();
  if (blnWorkboardChanged) {
    switch (window_.AskToSave(Translate(kWindowTextsContext, kSaveQuestionText))) {
      case SaveAnswer::Yes:
        // The saved text stays on the workboard; a second New clears it.
        SaveThisDocument();
        return;
      case SaveAnswer::Cancel:
        return;
      case SaveAnswer::No:
        window_.SetWorkboardText("");
        window_.HideClearButton();
        blnWorkboardChanged = false;
        ShowUntitled();
        break;
    }
  }
  ShowUntitled();
  strFileName.clear();
  // Emptying the text runs the change handler; the steps after it undo what it did.
  window_.SetWorkboardText("");
  window_.HideClearButton();
  blnWorkboardChanged = false;
  encoding_ = TextEncoding::Utf8;
  ClearWorkboard();
}

void WorkboardDocument::Open() {
  blnOpening = true;
  if (blnWorkboardChanged) SaveCurrentDocument();
  if (!blnSaveCancelled) {
    OpenExistingFile();
  } else {
    blnSaveCancelled = false;
  }
  blnOpening = false;
}

void WorkboardDocument::Save() {
  SaveThisDocument();
  if (strFileName.empty()) ShowUntitled();
}

void WorkboardDocument::SaveAs() {
  // Both branches end in the Save dialog: an untitled document has no name to save to.
  if (!strFileName.empty()) {
    SaveFile2();
  } else {
    SaveThisDocument();
  }
  if (strFileName.empty()) {
    ShowUntitled();
  } else {
    ShowTitle();
  }
}

void WorkboardDocument::ClearWorkboard() {
  if (!blnWorkboardChanged) {
    // Emptying a non-empty text marks it changed; an empty workboard is not.
    window_.SetWorkboardText("");
    ShowUntitled();
    blnWorkboardChanged = false;
    Forget();
    return;
  }
  switch (window_.AskToSave(Translate(kWindowTextsContext, kClearQuestionText))) {
    case SaveAnswer::No:
      window_.SetWorkboardText("");
      blnWorkboardChanged = false;
      ShowUntitled();
      Forget();
      break;
    case SaveAnswer::Yes:
      SaveAs();
      break;
    case SaveAnswer::Cancel:
      break;
  }
}

bool WorkboardDocument::QueryUnload() {
  if (!blnWorkboardChanged) return true;
  switch (window_.AskToSave(Translate(kWindowTextsContext, kSaveQuestionText))) {
    case SaveAnswer::Yes:
      // The window stays open even after a good save, so the user sees it happen;
      // the next close finds nothing unsaved and goes through.
      SaveThisDocument();
      return false;
    case SaveAnswer::Cancel:
      return false;
    case SaveAnswer::No:
      return true;
  }
  return false;
}

void WorkboardDocument::SaveCurrentDocument() {
  switch (window_.AskToSave(Translate(kWindowTextsContext, kSaveQuestionText))) {
    case SaveAnswer::Yes:
      SaveThisDocument();
      break;
    case SaveAnswer::Cancel:
      blnSaveCancelled = true;
      break;
    case SaveAnswer::No:
      break;
  }
}

bool WorkboardDocument::SaveThisDocument() {
  return strFileName.empty() ? SaveFile2() : SaveFile();
}

bool WorkboardDocument::SaveFile() {
  if (WriteWorkboard()) return true;
  SaveFailed();
  return false;
}

bool WorkboardDocument::SaveFile2() {
  std::optional<std::string> chosen = window_.ChooseFileToSave();
  if (!chosen) {
    SaveFailed();
    return false;
  }
  // The name is kept even when the write fails, so that Save tries it again.
  strFileName = std::move(*chosen);
  if (!WriteWorkboard()) {
    SaveFailed();
    return false;
  }
  ShowTitle();
  return true;
}

bool WorkboardDocument::WriteWorkboard() {
  DocumentBytes file = WriteDocument(window_.WorkboardText(), encoding_);
  if (std::optional<std::string> failure = window_.WriteFile(strFileName, file.bytes)) {
    window_.TellFailure(SaveFailureText(strFileName, *failure));
    return false;
  }
  // A text the old encoding could not hold went out as UTF-8; later saves must agree
  // with what is now on disk.
  encoding_ = file.encoding;
  blnWorkboardChanged = false;
  return true;
}

void WorkboardDocument::SaveFailed() {
  // Open must not replace work the user wanted saved but that was not.
  if (blnOpening) blnSaveCancelled = true;
}

void WorkboardDocument::OpenExistingFile() {
  std::optional<std::string> path = window_.ChooseFileToOpen();
  if (!path) return;
  // A file that cannot be opened leaves the document as it was: keeping the old name
  // means a later Save cannot overwrite the failed file with unrelated text.
  FileContent file = window_.ReadFile(*path);
  if (!file.bytes) {
    window_.TellFailure(OpenFailureText(*path, file.failure));
    return;
  }
  DocumentReading reading = ReadDocument(*file.bytes);
  if (!reading.document) {
    const std::string_view reason =
        reading.refusal == DocumentRefusal::TooLarge ? kTooLargeReason : kNotTextReason;
    window_.TellFailure(OpenFailureText(*path, Translate(kWindowTextsContext, reason)));
    return;
  }
  strFileName = std::move(*path);
  window_.SetWorkboardText(reading.document->text);
  encoding_ = reading.document->encoding;
  ShowTitle();
  // Setting the text ran the change handler; what was just read is not a change.
  blnWorkboardChanged = false;
}

void WorkboardDocument::ShowTitle() { window_.SetTitle(TitledWindowTitle(strFileName)); }

void WorkboardDocument::ShowUntitled() { window_.SetTitle(UntitledWindowTitle()); }

void WorkboardDocument::Forget() {
  strFileName.clear();
  window_.ForgetDialogFileName();
  encoding_ = TextEncoding::Utf8;
}

}  // namespace numbrella
