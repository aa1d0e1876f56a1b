// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/document.h"

#include "common/window_texts.h"

#include <chrono>
#include <optional>
#include <string>
#include <utility>

namespace numbrella {

WorkboardDocument::WorkboardDocument(DocumentWindow& window) : window_(window) {}

void WorkboardDocument::New() {
  // Even a New the user goes back on leaves the dialogs without a name to offer.
  window_.ForgetDialogFileName();
  // After Yes the saved text stays on the workboard; a second New clears it.
  if (MaybeSave(kSaveQuestionText, &WorkboardDocument::SaveThisDocument) != UnsavedWork::None) {
    return;
  }
  StartUntitled();
  // Only New hides the button that any change of the text shows.
  window_.ShowClearButton(false);
}

void WorkboardDocument::Open() {
  if (!MayReplaceWorkboard()) return;
  std::optional<std::string> path = window_.ChooseFileToOpen();
  if (path) OpenExistingFile(std::move(*path));
}

void WorkboardDocument::OpenFile(std::string path) {
  if (MayReplaceWorkboard()) OpenExistingFile(std::move(path));
}

void WorkboardDocument::Save() {
  SaveThisDocument();
  if (strFileName.empty()) ShowUntitled();
}

bool WorkboardDocument::SaveAs() {
  const bool saved = SaveUnderNewName();
  // A name whose file could not be written is shown too: a later Save tries it again.
  if (strFileName.empty()) {
    ShowUntitled();
  } else {
    ShowTitle();
  }
  return saved;
}

void WorkboardDocument::ClearWorkboard() {
  if (MaybeSave(kClearQuestionText, &WorkboardDocument::SaveAs) != UnsavedWork::None) return;
  StartUntitled();
}

bool WorkboardDocument::QueryUnload() {
  // After Yes the window stays open even when the save went through, so the user sees
  // it happen; the next close finds nothing unsaved and goes through.
  return MaybeSave(kSaveQuestionText, &WorkboardDocument::SaveThisDocument) == UnsavedWork::None;
}

void WorkboardDocument::TextChanged() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  lastChanged_ = std::chrono::duration_cast<std::chrono::seconds>(now).count();
  fileBytes_.reset();
  SetChanged(true);
}

std::optional<RecoveryRecord> WorkboardDocument::UnsavedRecord() const {
  if (!blnWorkboardChanged) return std::nullopt;
  return RecoveryRecord{window_.WorkboardText(), strFileName, encoding_, true, lastChanged_};
}

CopyFate WorkboardDocument::OfferRecovery(const std::optional<RecoveryRecord>& copy,
                                          std::string_view copyPath) {
  if (!copy) {
    window_.TellFailure(UnreadableCopyText(copyPath, UnreadableCopyName(copyPath)));
    return CopyFate::MoveAside;
  }
  const std::string when = window_.TimeText(copy->lastChanged);
  switch (window_.AskToRestore(RestoreQuestionText(*copy, when))) {
    case SaveAnswer::Yes:
      break;
    case SaveAnswer::No:
      return CopyFate::Remove;
    case SaveAnswer::Cancel:
      return CopyFate::Keep;
  }
  // Work restored from an earlier copy is not replaced unasked; kept, it waits for
  // the next start.
  if (!MayReplaceWorkboard()) return CopyFate::Keep;
  Restore(*copy);
  return CopyFate::Remove;
}

void WorkboardDocument::SetChanged(bool changed) {
  if (changed == blnWorkboardChanged) return;
  blnWorkboardChanged = changed;
  window_.ShowModified(changed);
}

void WorkboardDocument::SetFileName(std::string path) {
  if (path == strFileName) return;
  strFileName = std::move(path);
  window_.ShowFileName(strFileName);
}

WorkboardDocument::UnsavedWork WorkboardDocument::MaybeSave(std::string_view question,
                                                            bool (WorkboardDocument::*save)()) {
  if (!blnWorkboardChanged) return UnsavedWork::None;
  switch (window_.AskToSave(Translate(kWindowTextsContext, question))) {
    case SaveAnswer::Yes:
      return (this->*save)() ? UnsavedWork::Saved : UnsavedWork::Kept;
    case SaveAnswer::No:
      return UnsavedWork::None;
    case SaveAnswer::Cancel:
      break;
  }
  return UnsavedWork::Kept;
}

bool WorkboardDocument::MayReplaceWorkboard() {
  return MaybeSave(kSaveQuestionText, &WorkboardDocument::SaveThisDocument) != UnsavedWork::Kept;
}

bool WorkboardDocument::SaveThisDocument() {
  return strFileName.empty() ? SaveUnderNewName() : WriteWorkboard();
}

bool WorkboardDocument::SaveUnderNewName() {
  std::optional<std::string> chosen = window_.ChooseFileToSave();
  if (!chosen) return false;
  // The name is kept even when the write fails, so that Save tries it again.
  SetFileName(std::move(*chosen));
  if (!WriteWorkboard()) return false;
  ShowTitle();
  return true;
}

bool WorkboardDocument::WriteWorkboard() {
  std::optional<std::string> failure;
  TextEncoding written = TextEncoding::Utf8;
  if (encoding_ == TextEncoding::Utf8 && fileBytes_ &&
      window_.WorkboardRevision() == fileRevision_) {
    failure = window_.WriteFile(strFileName, *fileBytes_);
  } else if (encoding_ == TextEncoding::Utf8) {
    // The text is the file but for its last line break: no copy of megabytes is made.
    failure = window_.WriteWorkboardFile(strFileName);
  } else {
    DocumentBytes file = WriteDocument(window_.WorkboardText(), encoding_);
    written = file.encoding;
    failure = window_.WriteFile(strFileName, file.bytes);
  }
  if (failure) {
    window_.TellFailure(SaveFailureText(strFileName, *failure));
    return false;
  }
  // A text the old encoding could not hold went out as UTF-8; later saves must agree
  // with what is now on disk.
  encoding_ = written;
  SetChanged(false);
  return true;
}

void WorkboardDocument::OpenExistingFile(std::string path) {
  // A file that cannot be opened leaves the document as it was: keeping the old name
  // means a later Save cannot overwrite the failed file with unrelated text.
  FileContent file = window_.ReadFile(path);
  if (!file.bytes) {
    window_.TellFailure(OpenFailureText(path, file.failure));
    return;
  }
  DocumentReading reading = ReadDocument(*file.bytes);
  if (!reading.document) {
    const std::string_view reason =
        reading.refusal == DocumentRefusal::TooLarge ? kTooLargeReason : kNotTextReason;
    window_.TellFailure(OpenFailureText(path, Translate(kWindowTextsContext, reason)));
    return;
  }
  SetFileName(std::move(path));
  // A new text on the workboard shows the Clear Workboard button, as any change does.
  if (window_.SetWorkboardText(reading.document->text)) window_.ShowClearButton(true);
  encoding_ = reading.document->encoding;
  KeepFileBytes(std::move(*file.bytes));
  ShowTitle();
  SetChanged(false);
}

// Saving an opened record again, as users do out of habit, writes its bytes as they
// came: no conversion of megabytes of text. Kept only when they are exactly what the
// conversion would write; any change to the workboard lets them go.
void WorkboardDocument::KeepFileBytes(std::string bytes) {
  fileBytes_.reset();
  if (encoding_ != TextEncoding::Utf8) return;
  const std::string text = window_.WorkboardText();
  if (bytes.size() != text.size() + 2 || !bytes.starts_with(text) || !bytes.ends_with("\r\n")) {
    return;
  }
  fileBytes_ = std::move(bytes);
  fileRevision_ = window_.WorkboardRevision();
}

void WorkboardDocument::Restore(const RecoveryRecord& record) {
  window_.SetWorkboardText(record.text);
  window_.ShowClearButton(true);
  SetFileName(record.fileName);
  encoding_ = record.encoding;
  lastChanged_ = record.lastChanged;
  if (strFileName.empty()) {
    ShowUntitled();
  } else {
    ShowTitle();
  }
  SetChanged(record.changed);
}

// Empties the workboard for an untitled document, which the dialogs offer no name for
// and which starts in UTF-8.
void WorkboardDocument::StartUntitled() {
  window_.SetWorkboardText("");
  fileBytes_.reset();
  SetChanged(false);
  ShowUntitled();
  SetFileName({});
  window_.ForgetDialogFileName();
  encoding_ = TextEncoding::Utf8;
}

void WorkboardDocument::ShowTitle() {
  window_.SetTitle(TitledWindowTitle(strFileName), SpokenWindowTitle(strFileName));
}

void WorkboardDocument::ShowUntitled() {
  window_.SetTitle(UntitledWindowTitle(), SpokenWindowTitle({}));
}

}  // namespace numbrella
