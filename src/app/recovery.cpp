// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recovery.h"

#include "ui/text.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextDocument>

#include <utility>

namespace numbrella::app {

namespace {

// The copy follows a change within this, and a burst of changes is written once.
constexpr int kDueMilliseconds = 1000;

bool WriteCopy(const QString& path, const RecoveryRecord& record) {
  const std::string bytes = RecoveryBytes(record);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // It holds the user's figures: for the user's eyes only.
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool RemoveCopy(const QString& path) { return !QFile::exists(path) || QFile::remove(path); }

}  // namespace

QString RecoveryFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // A relative path is invalid there, and ignored.
  if (state.isEmpty() || QDir::isRelativePath(state)) {
    state = QDir::homePath() + QStringLiteral("/.local/state");
  }
  return state + QStringLiteral("/numbrella");
}

RecoveryWriter::RecoveryWriter(QString path) : path_(std::move(path)) {}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard guard(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  // The thread ends before the lock goes: a copy is never seen unlocked half written.
  if (thread_.joinable()) thread_.join();
}

void RecoveryWriter::Hand(std::optional<RecoveryRecord> record) {
  {
    const std::lock_guard guard(mutex_);
    pending_ = std::move(record);
  }
  if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  wake_.notify_all();
}

bool RecoveryWriter::Wait() {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return !pending_ && !busy_; });
  return lastWritten_;
}

void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    std::optional<RecoveryRecord> record = std::move(*pending_);
    pending_.reset();
    busy_ = true;
    lock.unlock();
    const bool written = record ? Claimed() && WriteCopy(path_, *record) : RemoveCopy(path_);
    record.reset();
    lock.lock();
    busy_ = false;
    lastWritten_ = written;
    wake_.notify_all();
  }
}

// Taking the lock syncs its file to the disk: a wait that the first copy, on the
// writer's thread, may have, but not the window at start-up.
bool RecoveryWriter::Claimed() {
  if (lock_ != nullptr) return lock_->isLocked();
  const QString folder = QFileInfo(path_).absolutePath();
  lock_ = std::make_unique<QLockFile>(path_ + ui::Q(kLockSuffix));
  if (!QDir().mkpath(folder)) return false;
  QFile::setPermissions(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  // A lock is stale only when its calculator is gone, however long it has run.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

RecoveryKeeper::RecoveryKeeper(const QString& folder, Source unsaved)
    : unsaved_(std::move(unsaved)) {
  // A name of its own: a calculator started later may get the process number of one
  // that left a copy behind.
  path_ = QDir(folder).filePath(
      QStringLiteral("workboard-%1-%2")
          .arg(QCoreApplication::applicationPid())
          .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')) +
      ui::Q(kRecoverySuffix));
  writer_ = std::make_unique<RecoveryWriter>(path_);
  due_.setSingleShot(true);
  due_.setInterval(kDueMilliseconds);
  connect(&due_, &QTimer::timeout, this, &RecoveryKeeper::Write);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::Watch(const QTextDocument* record) {
  connect(record, &QTextDocument::contentsChange, this, &RecoveryKeeper::Touched);
  connect(record, &QTextDocument::modificationChanged, this, &RecoveryKeeper::Touched);
  connect(record, &QTextDocument::baseUrlChanged, this, &RecoveryKeeper::Touched);
}

void RecoveryKeeper::Touched() {
  // Not restarted by later changes: steady typing does not put the copy off.
  if (writer_ != nullptr && !due_.isActive()) due_.start();
}

bool RecoveryKeeper::Flush() {
  if (writer_ == nullptr) return false;
  if (due_.isActive()) Write();
  return writer_->Wait();
}

bool RecoveryKeeper::WriteNow() {
  if (writer_ == nullptr) return false;
  Write();
  return writer_->Wait();
}

void RecoveryKeeper::Discard() {
  if (writer_ == nullptr) return;
  due_.stop();
  writer_->Hand(std::nullopt);
  writer_->Wait();
  writer_.reset();
}

void RecoveryKeeper::Write() {
  due_.stop();
  writer_->Hand(unsaved_());
}

void OfferLeftCopies(const QString& folder, const QString& own, const CopyOffer& offer) {
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*") + ui::Q(kRecoverySuffix)},
                                          QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& name : names) {
    const QString path = dir.filePath(name);
    if (path == own || !IsRecoveryCopyName(ui::Utf8(name))) continue;
    QLockFile lock(path + ui::Q(kLockSuffix));
    lock.setStaleLockTime(0);
    // Held: its calculator still runs, or another one is offering it just now.
    if (!lock.tryLock(0)) continue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      if (!file.exists()) continue;  // offered and removed by another calculator
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const std::optional<RecoveryRecord> copy =
        ReadRecovery(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    switch (offer(copy, path)) {
      case CopyFate::Remove:
        QFile::remove(path);
        break;
      case CopyFate::MoveAside:
        QFile::rename(path, ui::Q(UnreadableCopyName(ui::Utf8(path))));
        break;
      case CopyFate::Keep:
        break;
    }
  }
}

}  // namespace numbrella::app
