// SPDX-License-Identifier: GPL-3.0-or-later
// Lines longer than the rich-text box shows in one paragraph: shown in pieces, whole
// in the text, and edited at the box's own breaks as one line.
#include "ui/RichTextBox.h"

#include "ui/rich_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace numbrella::testing {
namespace {

using ui::RichTextBox;

// A line of some 20,000 characters, words of six letters, with a few characters
// outside the basic plane that must never be cut in two.
QString LongLine() {
  QString line;
  for (int i = 0; line.size() < 20000; ++i) {
    line +=
        (i % 500 == 499) ? QString::fromUtf8("\xF0\x9F\x98\x80") : QString(QChar(u'a' + i % 26));
    if (i % 7 == 6) line += u' ';
  }
  return line;
}

void ExpectShortParagraphs(RichTextBox& box) {
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    EXPECT_LE(block.length() - 1, RichTextBox::kLongestShownLine + 1);
    if (block.length() > 1) {
      EXPECT_FALSE(block.text().front().isLowSurrogate());
    }
  }
}

TEST(RichTextBoxTest, LongLinesAreShownInPiecesButStayWholeInTheText) {
  Box b;
  b.Show();
  const QString line = LongLine();
  const QString text = "first\r\n" + line + "\r\n" + line + line;
  EXPECT_TRUE(b.box.SetText(text));
  EXPECT_EQ(b.Changes(), 1);
  EXPECT_GT(b.box.document()->blockCount(), 6);
  ExpectShortParagraphs(b.box);
  EXPECT_EQ(b.box.Text(), text);
  EXPECT_EQ(b.box.Utf8Text(), text.toStdString());
  EXPECT_FALSE(b.box.SetText(text));
  EXPECT_EQ(b.Changes(), 0);
  b.box.selectAll();
  EXPECT_EQ(b.box.SelectedText(), text);
  EXPECT_EQ(b.box.SelectionLength(), text.size());

  // Keys at a break of the box's own act on the characters on either side of it.
  const QTextBlock second = b.box.document()->findBlockByNumber(2);
  const int at = second.position();
  const int inText = 7 + second.position() - 1 - b.box.document()->findBlockByNumber(1).position();
  b.Select(at, at);
  QTest::keyClick(&b.box, Qt::Key_Backspace);
  QString expected = text;
  expected.remove(inText - 1, 1);
  EXPECT_EQ(b.box.Text(), expected);
  QTest::keyClick(&b.box, Qt::Key_Delete);
  expected.remove(inText - 1, 1);
  EXPECT_EQ(b.box.Text(), expected);
  QTest::keyClick(&b.box, Qt::Key_Return);
  QTest::keyClicks(&b.box, "x");
  expected.insert(inText - 1, "\r\nx");
  EXPECT_EQ(b.box.Text(), expected);
  EXPECT_EQ(b.Changes(), 4);
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  expected.remove(inText - 1, 3);
  EXPECT_EQ(b.box.Text(), expected);

  // Pasted and appended long lines are cut for showing too, and undo takes a paste
  // back whole.
  b.box.SetText("ab");
  b.Changes();
  b.Select(1, 1);
  QGuiApplication::clipboard()->setText(line + "\r\n" + line);
  QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(b.Changes(), 1);
  EXPECT_EQ(b.box.Text(), "a" + line + "\r\n" + line + "b");
  ExpectShortParagraphs(b.box);
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(b.box.Text(), "ab");
  b.box.AppendText("\r\n" + line);
  EXPECT_EQ(b.box.Text(), "ab\r\n" + line);
  ExpectShortParagraphs(b.box);
}

}  // namespace
}  // namespace numbrella::testing
