// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery copies on disk. While the workboard holds unsaved work, the calculator keeps
// a copy of it in the user's state folder, written off the window's thread and held by
// a lock from the first copy on while the calculator runs. A copy whose lock nobody
// holds was left by a calculator that ended without a clean close: the next start
// offers it back.
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
// leaves the copy as it was. Before its first copy it makes the folder and takes the
// copy's lock, which it holds until it ends; without them it writes nothing. Nothing
// touches the disk, not even to start the thread, before a copy is first handed over.
class RecoveryWriter {
 public:
  explicit RecoveryWriter(QString path);
  // Finishes what was handed over, and lets the lock go.
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
  // Whether the copy may be written: its folder is there and its lock is held.
  bool Claimed();

  const QString path_;
  std::unique_ptr<QLockFile> lock_;  // the writer's thread's alone
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::optional<RecoveryRecord>> pending_;
  bool busy_ = false;
  bool stopping_ = false;
  bool lastWritten_ = true;
  std::thread thread_;
};

// The copy of one running calculator's workboard: a name of its own in `folder`, held
// by its lock from the first copy for as long as the keeper lives. A keeper that
// cannot have the folder or the lock keeps nothing, and its writes fail.
class RecoveryKeeper : public QObject {
 public:
  // `unsaved` gives what the copy must hold now, nullopt when nothing is unsaved.
  using Source = std::function<std::optional<RecoveryRecord>()>;
  RecoveryKeeper(const QString& folder, Source unsaved);
  // The copy stays: only Discard and a workboard with nothing unsaved remove it.
  ~RecoveryKeeper() override;

  // The copy's path.
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
