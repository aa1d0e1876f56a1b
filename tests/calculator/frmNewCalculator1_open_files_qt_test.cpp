// SPDX-License-Identifier: GPL-3.0-or-later
// Files and text dropped on the workboard.
#include "calculator/documents_window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace numbrella::testing {
namespace {

// Drags `data` to the end of the workboard (a drop goes where a drag was taken) and
// drops it: the action taken.
Qt::DropAction Drop(QWidget* target, QMimeData& data, Qt::DropActions offered) {
  const QPoint at(target->width() - 5, target->height() - 5);
  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QApplication::processEvents();
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

TEST_F(Documents, AFileDroppedOpensAfterTheSaveQuestionAndTextIsInserted) {
  ASSERT_TRUE(Write(Path("sums.txt"), "1  +  1  =  2.00000\r\n"));
  Keys("7+5=");
  QMimeData file, text;
  file.setUrls({QUrl::fromLocalFile(Path("sums.txt"))});
  fakes.messages.answers = {ui::MessageAnswer::No};
  // A file manager offers Move first, which would take the file away.
  EXPECT_EQ(Drop(Workboard()->viewport(), file, Qt::MoveAction | Qt::CopyAction), Qt::CopyAction);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"Would you like to save this document?"});
  EXPECT_EQ(Str(WorkboardText()), "1  +  1  =  2.00000");
  EXPECT_EQ(Title(), TitleFor(Path("sums.txt")));
  text.setText(QStringLiteral(" Total"));
  Drop(Workboard()->viewport(), text, Qt::CopyAction);
  EXPECT_EQ(Str(WorkboardText()), "1  +  1  =  2.00000 Total");
  EXPECT_TRUE(window->Document().Changed());
}

}  // namespace
}  // namespace numbrella::testing
