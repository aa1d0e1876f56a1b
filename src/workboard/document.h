// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workboard as a document: its file name, whether it holds unsaved changes, and
// the commands New, Open, Save, Save As, Clear Workboard and the question on closing,
// each running its steps in order through the window it belongs to.
#include "workboard/document_file.h"
#include "workboard/recovery.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

enum class SaveAnswer { Yes, No, Cancel };

// A file's bytes, or why it could not be read (the system's words).
struct FileContent {
  std::optional<std::string> bytes;
  std::string failure;
};

// What a document needs from its window. The window implements it; tests script it.
// Every text the document hands over is in the user's language already.
class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;
  // The save question: `question`, titled "Save Your Work?", with a question mark and
  // the buttons Yes (the default), No and Cancel.
  virtual SaveAnswer AskToSave(std::string_view question) = 0;
  // The Open and Save dialogs: the chosen file's full path, nullopt on Cancel. The
  // dialog offers the name it returned last.
  virtual std::optional<std::string> ChooseFileToOpen() = 0;
  virtual std::optional<std::string> ChooseFileToSave() = 0;
  // The dialog offers no name the next time.
  virtual void ForgetDialogFileName() = 0;
  // The workboard's whole text, UTF-8 with "\r\n" line breaks.
  virtual std::string WorkboardText() = 0;
  // A number that changes each time the workboard's text may have changed, by any
  // means: the user's, the document's own or the program's.
  virtual std::uint64_t WorkboardRevision() = 0;
  // Replaces it without running the window's change handler: what the document puts on
  // the workboard is no work of the user's. True when the new text differs from the old.
  virtual bool SetWorkboardText(std::string_view text) = 0;
  // The title shown, and the one a screen reader says.
  virtual void SetTitle(std::string_view title, std::string_view spoken) = 0;
  virtual void ShowClearButton(bool shown) = 0;
  // Called each time the workboard comes to hold unsaved work or ceases to.
  virtual void ShowModified(bool modified) = 0;
  // Called each time the document comes to belong to another file (`path`), or to
  // none (""), also to one that could not be written.
  virtual void ShowFileName(std::string_view path) = 0;
  // The question that offers unsaved work back after the calculator ended without a
  // clean close: `question`, with a question mark and the buttons Yes (the default) and
  // No; Cancel when it went unanswered.
  virtual SaveAnswer AskToRestore(std::string_view question) = 0;
  // A moment (seconds since 1970, UTC) as the user reads times.
  virtual std::string TimeText(std::int64_t moment) = 0;
  // A message box with `text`, an OK button and the title "Numbrella Calculator".
  virtual void TellFailure(std::string_view text) = 0;
  virtual FileContent ReadFile(const std::string& path) = 0;
  // Writes `bytes` as the file's whole new content, or leaves the file as it was:
  // nullopt when written, else why not (the system's words).
  virtual std::optional<std::string> WriteFile(const std::string& path, std::string_view bytes) = 0;
  // Writes the workboard as a UTF-8 document file, as WriteFile writes what
  // WriteDocument makes of WorkboardText(): every line break "\r\n", and a final one.
  // The bytes go to the file as they are made, never all at once.
  virtual std::optional<std::string> WriteWorkboardFile(const std::string& path) = 0;
};

class WorkboardDocument {
 public:
  explicit WorkboardDocument(DocumentWindow& window);

  // The commands. Each asks, shows dialogs, reads or writes as its steps say.
  void New();
  void Open();
  // Open with the file at `path` in place of the dialog's choice: a file named on the
  // command line or dropped on the workboard.
  void OpenFile(std::string path);
  void Save();
  // True when the workboard was saved.
  bool SaveAs();
  void ClearWorkboard();
  // The window is about to close: true to let it close, false to keep it open.
  bool QueryUnload();

  // The workboard's text changed (the window's change handler).
  void TextChanged();
  // Start-up and the repaint check decide it themselves.
  void SetChanged(bool changed);

  bool Changed() const { return blnWorkboardChanged; }
  const std::string& FileName() const { return strFileName; }  // "" while untitled
  TextEncoding Encoding() const { return encoding_; }

  // What a recovery copy must hold now: nullopt when nothing is unsaved.
  std::optional<RecoveryRecord> UnsavedRecord() const;
  // Offers the recovery copy at `copyPath` back, `copy` being what it holds (nullopt
  // when it cannot be read). Yes puts the record on the workboard as it was, changed,
  // after the save question for any unsaved work already there.
  CopyFate OfferRecovery(const std::optional<RecoveryRecord>& copy, std::string_view copyPath);

 private:
  // Where unsaved work stands once the user has been asked about it.
  enum class UnsavedWork {
    None,   // there was none, or the user let it go: the command goes on
    Saved,  // Yes, and the save went through
    Kept,   // Cancel, or Yes and the save did not go through
  };
  UnsavedWork MaybeSave(std::string_view question, bool (WorkboardDocument::*save)());
  // The save question before another record replaces the workboard's: false when the
  // user keeps the unsaved work (Cancel, or Yes and the save did not go through).
  bool MayReplaceWorkboard();
  bool SaveThisDocument();
  bool SaveUnderNewName();
  bool WriteWorkboard();
  void OpenExistingFile(std::string path);
  void Restore(const RecoveryRecord& record);
  void StartUntitled();
  void ShowTitle();
  void ShowUntitled();
  void SetFileName(std::string path);
  void KeepFileBytes(std::string bytes);

  DocumentWindow& window_;
  std::string strFileName;
  bool blnWorkboardChanged = false;
  TextEncoding encoding_ = TextEncoding::Utf8;
  std::int64_t lastChanged_ = 0;  // seconds since 1970, UTC
  // The opened file's bytes, while they are what saving the workboard would write and
  // the workboard is as it was then (at fileRevision_).
  std::optional<std::string> fileBytes_;
  std::uint64_t fileRevision_ = 0;
};

}  // namespace numbrella
