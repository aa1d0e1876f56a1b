// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery copies on disk. While the workboard holds unsaved work, the calculator keeps
// a copy of it in the user's state folder, written off the window's thread and held by
// a lock while the calculator runs. A copy whose lock nobody holds was left by a
// calculator that ended without a clean close: the next start offers it back.
#include "workboard/recovery.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

class QTextDocument;

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace numbrella::app {

// $XDG_STATE_HOME/numbrella, by default ~/.local/state/numbrella.
QString RecoveryFolder();

// Writes one copy on a thread of its own, atomically: a write that fails (a full disk)
// leaves the copy as it was.
class RecoveryWriter {
 public:
  explicit RecoveryWriter(QString path);
  // Finishes what was handed over.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // What the copy is to hold; nullopt removes it. A record not yet written when the
  // next comes is dropped for it.
  void Hand(std::optional<RecoveryRecord> record);
  // Waits until all that was handed over is done: true when the last of it went through.
  bool Wait();

 private:
  void Run();

  const QString path_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::optional<RecoveryRecord>> pending_;
  bool busy_ = false;
  bool stopping_ = false;
  bool lastWritten_ = true;
  std::thread thread_;  // last: it starts once the rest is ready
};

// The copy of one running calculator's workboard: a name of its own in `folder`, held
// by its lock for as long as the keeper lives. A keeper that cannot have the folder or
// the lock keeps nothing.
class RecoveryKeeper : public QObject {
 public:
  // `unsaved` gives what the copy must hold now, nullopt when nothing is unsaved.
  using Source = std::function<std::optional<RecoveryRecord>()>;
  RecoveryKeeper(const QString& folder, Source unsaved);
  // The copy stays: only Discard and a workboard with nothing unsaved remove it.
  ~RecoveryKeeper() override;

  // The copy's path, "" when nothing is kept.
  const QString& Path() const { return path_; }

  // Follows `record`, the workboard's document: each change of its text, of its
  // unsaved state and of the file it belongs to (its base URL) makes the copy follow.
  void Watch(const QTextDocument* record);
  // The workboard may have changed: the copy follows within two seconds.
  void Touched();
  // Writes at once what a change has made due, and waits for it: true when written.
  bool Flush();
  // Writes the copy as the workboard is now, and waits for it.
  bool WriteNow();
  // The calculator closed after the save question: the copy goes and none follows.
  void Discard();

 private:
  void Write();

  QString path_;
  std::unique_ptr<QLockFile> lock_;
  Source unsaved_;
  QTimer due_;
  std::unique_ptr<RecoveryWriter> writer_;
};

// Offers each copy in `folder` that no running calculator holds, but `own`, to
// `offer`, and does with it what `offer` returns.
using CopyOffer =
    std::function<CopyFate(const std::optional<RecoveryRecord>& copy, const QString& path)>;
void OfferLeftCopies(const QString& folder, const QString& own, const CopyOffer& offer);

}  // namespace numbrella::app
