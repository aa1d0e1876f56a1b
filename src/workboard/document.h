// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workboard as a document: its file name, whether it holds unsaved changes, and
// the commands New, Open, Save, Save As, Clear Workboard and the question on closing,
// each running its steps in order through the window it belongs to.
#include "workboard/document_file.h"

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
  // Replaces it. A text that differs from the old one runs the window's change
  // handler (which calls WorkboardDocument::TextChanged and shows the Clear Workboard
  // button) before this returns.
  virtual void SetWorkboardText(std::string_view text) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void HideClearButton() = 0;
  // A message box with `text`, an OK button and the title "Numbrella Calculator".
  virtual void TellFailure(std::string_view text) = 0;
  virtual FileContent ReadFile(const std::string& path) = 0;
  // Writes `bytes` as the file's whole new content, or leaves the file as it was:
  // nullopt when written, else why not (the system's words).
  virtual std::optional<std::string> WriteFile(const std::string& path, std::string_view bytes) = 0;
};

class WorkboardDocument {
 public:
  explicit WorkboardDocument(DocumentWindow& window);

  // The commands. Each asks, shows dialogs, reads or writes as its steps say.
  void New();
  void Open();
  void Save();
  void SaveAs();
  void ClearWorkboard();
  // The window is about to close: true to let it close, false to keep it open.
  bool QueryUnload();

  // The workboard's text changed (the window's change handler).
  void TextChanged() { blnWorkboardChanged = true; }
  // Start-up and the repaint check decide it themselves.
  void SetChanged(bool changed) { blnWorkboardChanged = changed; }

  bool Changed() const { return blnWorkboardChanged; }
  const std::string& FileName() const { return strFileName; }  // "" while untitled
  TextEncoding Encoding() const { return encoding_; }

 private:
  void SaveCurrentDocument();
  bool SaveThisDocument();
  bool SaveFile();
  bool SaveFile2();
  bool WriteWorkboard();
  void SaveFailed();
  void OpenExistingFile();
  void ShowTitle();
  void ShowUntitled();
  void Forget();

  DocumentWindow& window_;
  std::string strFileName;
  bool blnWorkboardChanged = false;
  bool blnOpening = false;
  bool blnSaveCancelled = false;
  TextEncoding encoding_ = TextEncoding::Utf8;
};

}  // namespace numbrella
