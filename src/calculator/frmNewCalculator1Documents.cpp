// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard as a document: the File and Workboard commands, the question on
// closing, and what the document asks of the window.
#include "calculator/frmNewCalculator1.h"

#include "common/window_texts.h"
#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/document_files.h"
#include "ui/text.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QUrl>

namespace numbrella {

using ui::Q;
using ui::Utf8;

void frmNewCalculator1::mnuFileNew_Click() { document_.New(); }
void frmNewCalculator1::mnuFileOpen_Click() { document_.Open(); }
void frmNewCalculator1::mnuFileSave_Click() { document_.Save(); }
void frmNewCalculator1::mnuFileSaveFileAs_Click() { document_.SaveAs(); }
void frmNewCalculator1::mnuClearWhiteboad_Click() { document_.ClearWorkboard(); }
void frmNewCalculator1::Command4_Click() { mnuFileNew_Click(); }

void frmNewCalculator1::OpenFile(const QString& path) {
  document_.OpenFile(Utf8(path));
  // The dialogs offer the record's name next, as after File > Open.
  if (document_.FileName() == Utf8(path)) CommonDialog1->FileName = path;
}

// A file dropped from a file manager. Opened once the drop is over: the save question
// must not hold up the program the file came from.
void frmNewCalculator1::WatchDrops() {
  connect(txtArchive1, &ui::RichTextBox::FileDropped, this, &frmNewCalculator1::OpenFile,
          Qt::QueuedConnection);
}
void frmNewCalculator1::mnuFileExit_Click() { close(); }

// Every close comes here: the close box and Exit.
void frmNewCalculator1::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_QueryUnload(cancel, kClosedByUser);
  event->setAccepted(!cancel);
  if (!cancel) emit ClosedCleanly();
}

void frmNewCalculator1::Form_QueryUnload(bool& cancel, int) { cancel = !document_.QueryUnload(); }

// The session ending closes no window of its own accord: the window asks as it does
// on closing, and refusing to close holds the session's end up.
void frmNewCalculator1::WatchSessionEnd() {
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!document_.Changed() || !manager.allowsInteraction()) return;
    bool cancel = false;
    Form_QueryUnload(cancel, kSessionEnding);
    manager.release();
    if (cancel) manager.cancel();
  });
}

const QTextDocument* frmNewCalculator1::Record() const { return txtArchive1->document(); }

CopyFate frmNewCalculator1::OfferRecovery(const std::optional<RecoveryRecord>& copy,
                                          const QString& path) {
  return document_.OfferRecovery(copy, Utf8(path));
}

namespace {

// A question's answer as the document takes it: a box closed unanswered is Cancel.
SaveAnswer Answer(ui::MessageAnswer answer) {
  switch (answer) {
    case ui::MessageAnswer::Yes:
      return SaveAnswer::Yes;
    case ui::MessageAnswer::No:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
}

}  // namespace

SaveAnswer frmNewCalculator1::AskToRestore(std::string_view question) {
  return Answer(services_.messages->Show(this, Q(question), OwnText(kRestoreQuestionTitle),
                                         ui::MessageButtons::YesNo, ui::MessageIcon::Question,
                                         ui::MessageAnswer::Yes));
}

std::string frmNewCalculator1::TimeText(std::int64_t moment) {
  return Utf8(QLocale().toString(QDateTime::fromSecsSinceEpoch(moment), QLocale::ShortFormat));
}

SaveAnswer frmNewCalculator1::AskToSave(std::string_view question) {
  return Answer(services_.messages->Show(this, Q(question), OwnText(kSaveQuestionTitle),
                                         ui::MessageButtons::YesNoCancel, ui::MessageIcon::Question,
                                         ui::MessageAnswer::Yes));
}

std::optional<std::string> frmNewCalculator1::ChooseFileToOpen() {
  if (!CommonDialog1->ShowOpen(this)) return std::nullopt;
  return Utf8(CommonDialog1->FileName);
}

std::optional<std::string> frmNewCalculator1::ChooseFileToSave() {
  if (!CommonDialog1->ShowSave(this)) return std::nullopt;
  return Utf8(CommonDialog1->FileName);
}

void frmNewCalculator1::ForgetDialogFileName() { CommonDialog1->FileName.clear(); }

std::string frmNewCalculator1::WorkboardText() { return txtArchive1->Utf8Text(); }

std::uint64_t frmNewCalculator1::WorkboardRevision() { return txtArchive1->Revision(); }

bool frmNewCalculator1::SetWorkboardText(std::string_view text) {
  bool replaced = false;
  {
    const QSignalBlocker quiet(txtArchive1);
    replaced = txtArchive1->SetText(Q(text));
  }
  return replaced;
}

void frmNewCalculator1::SetTitle(std::string_view title, std::string_view spoken) {
  setWindowTitle(ui::LiteralTitle(Q(title)));
  setAccessibleName(Q(spoken));
}

void frmNewCalculator1::ShowClearButton(bool shown) { Command4->setVisible(shown); }

// The title names the file exactly and has no place for a mark of unsaved work: the
// state is the document's, which the recovery copy follows, not the window's, whose
// modified state would only warn of the title on every change.
void frmNewCalculator1::ShowModified(bool modified) {
  txtArchive1->document()->setModified(modified);
}

// The file the document belongs to, also one whose save failed: the recovery copy
// follows it.
void frmNewCalculator1::ShowFileName(std::string_view path) {
  txtArchive1->document()->setBaseUrl(path.empty() ? QUrl() : QUrl::fromLocalFile(Q(path)));
}

void frmNewCalculator1::TellFailure(std::string_view text) {
  ShowMessage(Q(text), OwnText(kProgramTitle));
}

FileContent frmNewCalculator1::ReadFile(const std::string& path) {
  return ui::ReadDocumentFile(Q(path), kLargestDocument);
}

std::optional<std::string> frmNewCalculator1::WriteFile(const std::string& path,
                                                        std::string_view bytes) {
  return ui::WriteDocumentFile(Q(path), bytes);
}

std::optional<std::string> frmNewCalculator1::WriteWorkboardFile(const std::string& path) {
  // The box holds no CR or LF of its own: its line breaks come out as "\r\n" already.
  return ui::WriteDocumentFile(Q(path), [this](const ui::PieceWriter& write) {
    if (txtArchive1->WriteUtf8(write)) write("\r\n");
  });
}

}  // namespace numbrella
