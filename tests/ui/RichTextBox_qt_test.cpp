// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text box as the program reads and writes it: its text, its change
// notifications, editing, appending and printing.
#include "ui/RichTextBox.h"

#include "support/pdf_text.h"
#include "ui/RichTextBoxLines.h"
#include "ui/printing.h"
#include "ui/rich_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numbrella::testing {
namespace {

using ui::RichTextBox;

TEST(RichTextBoxTest, LineBreaksGoInAsAnyKindAndComeOutAsCrLf) {
  Box b;
  b.box.SetText("a\r\nb");
  EXPECT_EQ(Str(b.box.Text()), "a\r\nb");
  EXPECT_EQ(b.box.document()->blockCount(), 2);

  // A lone line feed, a lone carriage return and the paragraph separator are line
  // breaks too; "\r\r\n" is two of them.
  b.box.SetText(QStringLiteral("1\n2\r3\r\r\n4") + QChar(0x2029) + "5");
  EXPECT_EQ(Str(b.box.Text()), "1\r\n2\r\n3\r\n\r\n4\r\n5");
  EXPECT_EQ(b.box.document()->blockCount(), 6);

  // Leading and trailing breaks and empty lines are kept.
  b.box.SetText("\r\n\r\nx\r\n\r\n");
  EXPECT_EQ(Str(b.box.Text()), "\r\n\r\nx\r\n\r\n");

  // The text in UTF-8 is the same text, signature and other characters included, in
  // long runs of plain text and short, in more bytes than characters, and a lone
  // surrogate as QString writes it.
  const QString mixed = QString(20, u'a') + QChar(0xE9) + QString(17, u'b') + QChar(0x2029) +
                        QChar(0xD800) + u'c' + QStringLiteral("\U0001F600") + QString(16, u'd') +
                        QString(60, QChar(0x20AC)) +
                        QStringLiteral("\r\n\r\n1  +  2  =  3").repeated(4);
  for (const QString& text :
       {QStringLiteral("\r\n\r\nx\r\n\r\n"),
        QStringLiteral("\uFEFFa\u2192\r\n\u00E9\u2028\U0001F600"),
        QStringLiteral("\r\n\r\n12  +  30  =  42").repeated(3), mixed, QString()}) {
    b.box.SetText(text);
    EXPECT_EQ(b.box.Utf8Text(), b.box.Text().toStdString());
  }
  // Handed over in pieces, the same bytes: a surrogate pair on the edge of a piece stays
  // whole, and a writer that refuses a piece gets no more.
  // (The box holds a line break as one character: the pair starts at the last place of
  // the first piece.)
  const QString across = (QString(99, u'x') + QStringLiteral("\r\n")).repeated(2621) +
                         QString(43, u'x') + QStringLiteral("\U0001F600") + mixed.repeated(200);
  static_assert(ui::rich_text::kUtf8PieceLength == 2621 * 100 + 43 + 1);
  for (const QString& text : {across, mixed, QString()}) {
    b.box.SetText(text);
    std::string pieces;
    EXPECT_TRUE(b.box.WriteUtf8([&pieces](std::string_view piece) {
      pieces += piece;
      return true;
    }));
    EXPECT_EQ(pieces, b.box.Utf8Text());
  }
  b.box.SetText(across);
  int taken = 0;
  EXPECT_FALSE(b.box.WriteUtf8([&taken](std::string_view) { return ++taken == 0; }));
  EXPECT_EQ(taken, 1);

  // A line separator stays what it was; the document's own frame markers cannot get in.
  const QString kept = QStringLiteral("p") + QChar(0x2028) + "q";
  b.box.SetText(kept);
  EXPECT_EQ(b.box.Text(), kept);
  b.box.SetText(QStringLiteral("f") + QChar(0xFDD0) + "g" + QChar(0xFDD1));
  EXPECT_EQ(b.box.Text(),
            QStringLiteral("f") + QChar::ReplacementCharacter + "g" + QChar::ReplacementCharacter);
  EXPECT_EQ(b.box.document()->blockCount(), 1);

  b.box.SetText("");
  EXPECT_EQ(Str(b.box.Text()), "");

  // The selection speaks CR LF as well, and a line break counts two characters.
  b.box.SetText("ab\ncd");
  b.Select(1, 4);
  EXPECT_EQ(Str(b.box.SelectedText()), "b\r\nc");
  EXPECT_EQ(b.box.SelectionLength(), 4);
  b.Select(2, 2);
  EXPECT_EQ(Str(b.box.SelectedText()), "");
  EXPECT_EQ(b.box.SelectionLength(), 0);
}

TEST(RichTextBoxTest, ChangeComesOnceForEachRealChangeAndNeverOtherwise) {
  Box b;
  b.box.SetText("");
  EXPECT_EQ(b.Changes(), 0) << "an empty box set to empty";
  EXPECT_TRUE(b.box.SetText("12  +  30  =  42"));
  EXPECT_EQ(b.Changes(), 1);
  EXPECT_FALSE(b.box.SetText("12  +  30  =  42"));
  EXPECT_EQ(b.Changes(), 0) << "an equal text";
  b.box.SetText("x\r\ny");
  EXPECT_EQ(b.Changes(), 1);
  b.box.SetText("x\ny");
  EXPECT_EQ(b.Changes(), 0) << "the same text with another kind of line break";
  b.box.AppendText("");
  EXPECT_EQ(b.Changes(), 0);

  // Formats, faces and colours are no change of the text.
  const QStringList faces = TwoFamilies();
  ASSERT_EQ(faces.size(), 2);
  EXPECT_TRUE(b.box.SetFontName(faces[0]));
  EXPECT_TRUE(b.box.SetFontSize(24));
  b.box.SetFontBold(true);
  b.box.SetFontItalic(true);
  b.box.SetBackColor(65535);
  b.Select(0, 1);
  EXPECT_TRUE(b.box.SetSelectionFontName(faces[1]));
  EXPECT_TRUE(b.box.SetFontName(faces[1]));
  b.box.MoveCaretToEnd();
  EXPECT_EQ(b.Changes(), 0);
  EXPECT_EQ(Str(b.box.Text()), "x\r\ny");

  b.box.SetText("");
  EXPECT_EQ(b.Changes(), 1);
}

TEST(RichTextBoxTest, TypingEditingAndUndoEachRaiseOneChange) {
  Box b;
  b.Show();
  QTest::keyClicks(&b.box, "12+3");
  EXPECT_EQ(Str(b.box.Text()), "12+3");
  EXPECT_EQ(b.Changes(), 4);
  QTest::keyClick(&b.box, Qt::Key_Return);
  QTest::keyClicks(&b.box, "x");
  EXPECT_EQ(Str(b.box.Text()), "12+3\r\nx");
  EXPECT_EQ(b.Changes(), 2);
  QTest::keyClick(&b.box, Qt::Key_Backspace);
  QTest::keyClick(&b.box, Qt::Key_Backspace);
  EXPECT_EQ(Str(b.box.Text()), "12+3");
  EXPECT_EQ(b.Changes(), 2);

  // Typing over a selection of the same length is a change; undo and redo are too.
  QTest::keyClick(&b.box, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClicks(&b.box, "4");
  EXPECT_EQ(Str(b.box.Text()), "12+4");
  EXPECT_EQ(b.Changes(), 1);
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Str(b.box.Text()), "12+3");
  EXPECT_EQ(b.Changes(), 1);
  QTest::keyClick(&b.box, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Str(b.box.Text()), "12+4");
  EXPECT_EQ(b.Changes(), 1);

  // Cut and paste through the keyboard: one change each, line breaks as CR LF on the
  // clipboard and back.
  QTest::keyClick(&b.box, Qt::Key_Home);
  QTest::keyClick(&b.box, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&b.box, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&b.box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Str(b.box.Text()), "+4");
  EXPECT_EQ(Str(QGuiApplication::clipboard()->text()), "12");
  EXPECT_EQ(b.Changes(), 1);
  QGuiApplication::clipboard()->setText("a\r\nb\nc");
  QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Str(b.box.Text()), "a\r\nb\r\nc+4");
  EXPECT_EQ(b.Changes(), 1);
  b.Select(0, 3);
  QTest::keyClick(&b.box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Str(QGuiApplication::clipboard()->text()), "a\r\nb");
  EXPECT_EQ(b.Changes(), 0);

  // Pasted rich text arrives as its plain text.
  auto* rich = new QMimeData;
  rich->setHtml("<b>bold</b>");
  rich->setText("bold");
  QGuiApplication::clipboard()->setMimeData(rich);
  QTest::keyClick(&b.box, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Str(b.box.Text()), "a\r\nb\r\nc+4bold");
  EXPECT_EQ(b.Changes(), 1);
  for (const Drawn& piece : DrawnText(b.box)) EXPECT_LT(piece.weight, QFont::DemiBold);
}

TEST(RichTextBoxTest, AppendingGivesWhatSettingTheJoinedTextGives) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"", "\r\n\r\n12  +  30  =  42"},
      {"", ""},
      {"typed", "\r\n7  X  6  =  42"},
      {"line\r\n", "\r\nnext"},
      {"a\r\n\r\n", "b"},
      {"end", "\n\rlone breaks\r"},
      {"x", "\r"},
      {"\r\n", "\r\n"},
  };
  for (const auto& [start, appended] : cases) {
    Box set;
    Box append;
    set.box.SetText(start);
    append.box.SetText(start);
    set.Changes();
    append.Changes();
    set.box.SetText(set.box.Text() + appended);
    append.box.AppendText(appended);
    EXPECT_EQ(Str(append.box.Text()), Str(set.box.Text())) << Str(start) << " + " << Str(appended);
    EXPECT_EQ(append.Changes(), set.Changes()) << Str(start) << " + " << Str(appended);
  }

  // Entries appended one after another, as the calculator writes them.
  Box b;
  for (int i = 0; i < 3; ++i)
    b.box.AppendText(QStringLiteral("\r\n\r\n%1  +  1  =  %2").arg(i).arg(i + 1));
  EXPECT_EQ(Str(b.box.Text()), "\r\n\r\n0  +  1  =  1\r\n\r\n1  +  1  =  2\r\n\r\n2  +  1  =  3");
  EXPECT_EQ(b.Changes(), 3);
}

// The old text is not rebuilt: a face given to part of it stays, and a caret inside it
// stays where it was.
TEST_F(FacedBoxTest, AppendingLeavesTheExistingTextAsItWas) {
  b.box.SetText("first line");
  b.Select(0, 5);
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  b.Select(2, 2);
  b.box.AppendText("\r\nsecond line");
  EXPECT_EQ(b.box.textCursor().position(), 2);
  using Pieces = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(
      TextsAndFaces(DrawnText(b.box)),
      (Pieces{{"first", Str(faces[1])}, {" line", Str(faces[0])}, {"second line", Str(faces[0])}}));
}

TEST(RichTextBoxTest, CaretToEndScrollsTheLastLineIntoView) {
  Box b;
  b.Show();
  QString lines;
  for (int i = 0; i < 200; ++i) lines += QStringLiteral("line %1\r\n").arg(i);
  b.box.SetText(lines + "the end");
  QApplication::processEvents();
  EXPECT_EQ(b.box.textCursor().position(), 0);
  EXPECT_EQ(b.box.verticalScrollBar()->value(), 0);

  b.box.MoveCaretToEnd();
  QApplication::processEvents();
  EXPECT_TRUE(b.box.textCursor().atEnd());
  EXPECT_GT(b.box.verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(b.box.verticalScrollBar()->value(), b.box.verticalScrollBar()->maximum());
  EXPECT_TRUE(b.box.viewport()->rect().contains(b.box.cursorRect()));
  QTest::keyClicks(&b.box, "!");
  EXPECT_TRUE(b.box.Text().endsWith("the end!"));
}

TEST(RichTextBoxTest, ReplacingTheSelection) {
  Box b;
  b.box.SetText("12  +  30");
  b.Changes();
  b.Select(4, 5);
  b.box.ReplaceSelection("X\r\nY");
  EXPECT_EQ(Str(b.box.Text()), "12  X\r\nY  30");
  EXPECT_EQ(b.Changes(), 1);

  b.Select(0, 4);
  b.box.ReplaceSelection("");
  EXPECT_EQ(Str(b.box.Text()), "X\r\nY  30");
  EXPECT_EQ(b.Changes(), 1);

  // Nothing selected: "" changes nothing, a text goes in at the caret.
  b.Select(1, 1);
  b.box.ReplaceSelection("");
  EXPECT_EQ(b.Changes(), 0);
  b.box.ReplaceSelection("=");
  EXPECT_EQ(Str(b.box.Text()), "X=\r\nY  30");
  EXPECT_EQ(b.box.textCursor().position(), 2);
  EXPECT_EQ(b.Changes(), 1);
}

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = file.readAll();
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                          pdf.count("/Type /Page/") + pdf.count("/Type /Page>") +
                          pdf.count("/Type /Page "));
}

TEST(PrintTextTest, PrintsAllTheTextOnPagesOfItsOwnWithoutPageNumbers) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString text;
  QStringList expected;
  for (int i = 0; i < 150; ++i) {
    text += QStringLiteral("entry %1\r\n").arg(i);
    expected << QStringLiteral("entry %1").arg(i);
  }
  text += "last";
  expected << "last";

  auto print = [&](const QString& name, QPrinter::PrintRange range) {
    const std::unique_ptr<ui::Printer> printer = ui::NewDevicePrinter();
    printer->Device().setOutputFormat(QPrinter::PdfFormat);
    printer->Device().setOutputFileName(dir.filePath(name));
    printer->Device().setPrintRange(range);  // a target set up for a selection gets everything
    return ui::PrintText(text, QFont("DejaVu Sans", 14), *printer);
  };
  for (const auto& [name, range] : {std::pair{"all.pdf", QPrinter::AllPages},
                                    std::pair{"asked-selection.pdf", QPrinter::Selection}}) {
    EXPECT_TRUE(print(name, range)) << name;
    EXPECT_GT(PdfPages(dir.filePath(name)), 2);
    EXPECT_EQ(testing::PdfLines(dir.filePath(name)), expected) << name;
  }
  // A file that cannot be written is a failure, not a print.
  EXPECT_FALSE(print("missing folder/lost.pdf", QPrinter::AllPages));
}

}  // namespace
}  // namespace numbrella::testing
