// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/document_files.h"

#include "ui/text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace numbrella::ui {

FileContent ReadDocumentFile(const QString& path, std::size_t largest) {
  FileContent content;
  const QFileInfo info(path);
  if (info.isDir()) {
    //: Follows the line "Cannot open "<file>"."; like the system's reasons, no full stop.
    content.failure =
        Utf8(QCoreApplication::translate("numbrella::DocumentFiles", "It is a folder"));
    return content;
  }
  if (info.exists() && !info.isFile()) {
    //: Follows the line "Cannot open "<file>"."; like the system's reasons, no full stop.
    content.failure =
        Utf8(QCoreApplication::translate("numbrella::DocumentFiles", "It is not a regular file"));
    return content;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    content.failure = Utf8(file.errorString());
    return content;
  }
  // Some files tell no size (those of /proc): read up to the end, not up to the size.
  const std::size_t wanted = largest + 1;
  std::string bytes;
  bytes.reserve(std::min<std::size_t>(
      static_cast<std::size_t>(std::max<qint64>(file.size(), 0)) + 1, wanted));
  constexpr std::size_t kChunk = 1 << 20;
  while (bytes.size() < wanted) {
    const std::size_t before = bytes.size();
    const std::size_t ask = std::min(kChunk, wanted - before);
    bytes.resize(before + ask);
    const qint64 got = file.read(bytes.data() + before, static_cast<qint64>(ask));
    if (got < 0) {
      content.failure = Utf8(file.errorString());
      return content;
    }
    bytes.resize(before + static_cast<std::size_t>(got));
    if (got == 0) break;
  }
  content.bytes = std::move(bytes);
  return content;
}

std::optional<std::string> WriteDocumentFile(const QString& path, std::string_view bytes) {
  return WriteDocumentFile(path, [bytes](const PieceWriter& write) { write(bytes); });
}

std::optional<std::string> WriteDocumentFile(
    const QString& path, const std::function<void(const PieceWriter&)>& pieces) {
  QSaveFile file(path);
  // Unbuffered: a write that fails (a full disk) fails here and is seen. A buffered
  // one would fail only when committing, which does not notice it and puts the
  // truncated file in place of the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Utf8(file.errorString());
  std::optional<std::string> failure;
  pieces([&file, &failure](std::string_view piece) {
    const char* data = piece.data();
    qint64 left = static_cast<qint64>(piece.size());
    while (left > 0) {
      const qint64 written = file.write(data, left);
      if (written <= 0) {
        failure = Utf8(file.errorString());
        return false;
      }
      data += written;
      left -= written;
    }
    return true;
  });
  if (failure) {
    file.cancelWriting();
    return failure;
  }
  if (!file.commit()) return Utf8(file.errorString());
  return std::nullopt;
}

}  // namespace numbrella::ui
