// SPDX-License-Identifier: GPL-3.0-or-later
// What is dropped on the box: a file from a file manager is named to the window, which
// opens it; anything else is text, inserted where it is dropped.
#include "ui/RichTextBox.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <optional>

namespace numbrella::ui {
namespace {

std::optional<QString> DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return std::nullopt;
}

// Copy, never Move: a file manager deletes what was moved away.
bool AcceptAsCopy(QDropEvent* event) {
  if (!DroppedFile(event->mimeData()) || !(event->possibleActions() & Qt::CopyAction)) {
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

}  // namespace

void RichTextBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptAsCopy(event)) QTextEdit::dragEnterEvent(event);
}

void RichTextBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptAsCopy(event)) QTextEdit::dragMoveEvent(event);
}

void RichTextBox::dropEvent(QDropEvent* event) {
  if (!AcceptAsCopy(event)) {
    QTextEdit::dropEvent(event);
    return;
  }
  emit FileDropped(*DroppedFile(event->mimeData()));
}

}  // namespace numbrella::ui
