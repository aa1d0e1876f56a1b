// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RichTextBox.h"

#include "support/pdf_text.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QMainWindow>
#include <QMimeData>
#include <QPrinter>
#include <QRawFont>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace numbrella {
namespace {

using ui::RichTextBox;

std::string Str(const QString& text) { return text.toStdString(); }

// A box in a shown window, with its change notifications counted.
struct Box {
  Box() {
    QObject::connect(&box, &RichTextBox::Change, [this] { ++changes; });
    box.resize(320, 120);
  }
  void Show() {
    box.show();
    box.activateWindow();
    box.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  }
  // The number of change notifications since the last call.
  int Changes() {
    int counted = changes;
    changes = 0;
    return counted;
  }
  void Select(int from, int to) {
    QTextCursor cursor(box.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
  }
  RichTextBox box;
  int changes = 0;
};

// Two installed families that are surely different fonts.
QStringList TwoFamilies() {
  QStringList families = QFontDatabase::families();
  QStringList chosen;
  for (const QString& preferred : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif"),
                                   QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Mono")}) {
    if (families.contains(preferred) && chosen.size() < 2) chosen.append(preferred);
  }
  for (const QString& family : families) {
    if (chosen.size() < 2 && !chosen.contains(family)) chosen.append(family);
  }
  return chosen;
}

// What the box draws: the pieces of laid-out text in reading order, each in one font
// (family, pixel size, weight, style), read character by character from the layout.
struct Drawn {
  QString family;
  double pixelSize;
  int weight;
  QFont::Style style;
  QString text;
};

// The box must be shown: a hidden box lays nothing out.
std::vector<Drawn> DrawnText(RichTextBox& box) {
  std::vector<Drawn> drawn;
  EXPECT_TRUE(box.isVisible());
  QTextDocument* document = box.document();
  document->documentLayout()->documentSize();  // finishes the layout
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    document->documentLayout()->blockBoundingRect(block);
    const QString text = block.text();
    bool newBlock = true;
    for (int i = 0; i < text.size(); ++i) {
      const QList<QGlyphRun> runs = block.layout()->glyphRuns(i, 1);
      if (runs.isEmpty()) continue;
      const QRawFont font = runs.front().rawFont();
      Drawn piece{font.familyName(), font.pixelSize(), font.weight(), font.style(), QString(text[i])};
      if (!newBlock && drawn.back().family == piece.family && drawn.back().pixelSize == piece.pixelSize &&
          drawn.back().weight == piece.weight && drawn.back().style == piece.style) {
        drawn.back().text += text[i];
      } else {
        drawn.push_back(piece);
      }
      newBlock = false;
    }
  }
  return drawn;
}

double PixelsFor(RichTextBox& box, double points) { return points * box.logicalDpiY() / 72.0; }

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

  // The text in UTF-8 is the same text, signature and other characters included.
  for (const QString& text : {QStringLiteral("\r\n\r\nx\r\n\r\n"), QStringLiteral("\uFEFFa\u2192\r\n\u00E9\u2028\U0001F600"),
                              QString()}) {
    b.box.SetText(text);
    EXPECT_EQ(b.box.Utf8Text(), b.box.Text().toStdString());
  }

  // A line separator stays what it was; the document's own frame markers cannot get in.
  const QString kept = QStringLiteral("p") + QChar(0x2028) + "q";
  b.box.SetText(kept);
  EXPECT_EQ(b.box.Text(), kept);
  b.box.SetText(QStringLiteral("f") + QChar(0xFDD0) + "g" + QChar(0xFDD1));
  EXPECT_EQ(b.box.Text(), QStringLiteral("f") + QChar::ReplacementCharacter + "g" + QChar::ReplacementCharacter);
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
  b.box.SetText("12  +  30  =  42");
  EXPECT_EQ(b.Changes(), 1);
  b.box.SetText("12  +  30  =  42");
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
  for (int i = 0; i < 3; ++i) b.box.AppendText(QStringLiteral("\r\n\r\n%1  +  1  =  %2").arg(i).arg(i + 1));
  EXPECT_EQ(Str(b.box.Text()), "\r\n\r\n0  +  1  =  1\r\n\r\n1  +  1  =  2\r\n\r\n2  +  1  =  3");
  EXPECT_EQ(b.Changes(), 3);
}

TEST(RichTextBoxTest, AppendingLeavesTheExistingTextAsItWas) {
  // The old text is not rebuilt: a face given to part of it stays, and a caret inside it
  // stays where it was.
  const QStringList faces = TwoFamilies();
  Box b;
  b.Show();
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  b.box.SetText("first line");
  b.Select(0, 5);
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  b.Select(2, 2);
  b.box.AppendText("\r\nsecond line");
  EXPECT_EQ(b.box.textCursor().position(), 2);
  std::vector<Drawn> drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(Str(drawn[0].text), "first");
  EXPECT_EQ(Str(drawn[0].family), Str(faces[1]));
  EXPECT_EQ(Str(drawn[1].text), " line");
  EXPECT_EQ(Str(drawn[1].family), Str(faces[0]));
  EXPECT_EQ(Str(drawn[2].text), "second line");
  EXPECT_EQ(Str(drawn[2].family), Str(faces[0]));
}

TEST(RichTextBoxTest, WholeTextFontAppliesToOldAndNewText) {
  const QStringList faces = TwoFamilies();
  Box b;
  b.Show();
  b.box.SetText("old entry");
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  ASSERT_TRUE(b.box.SetFontSize(10));
  b.box.SetFontBold(false);
  b.box.SetFontItalic(false);
  b.box.AppendText("\r\nappended");
  b.box.MoveCaretToEnd();
  QTest::keyClicks(&b.box, " typed");

  ASSERT_TRUE(b.box.SetFontName(faces[1]));
  ASSERT_TRUE(b.box.SetFontSize(24));
  b.box.SetFontBold(true);
  b.box.SetFontItalic(true);
  QTest::keyClicks(&b.box, " later");
  b.box.AppendText("\r\nlast");

  std::vector<Drawn> drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 3u);
  for (const Drawn& piece : drawn) {
    EXPECT_EQ(Str(piece.family), Str(faces[1])) << Str(piece.text);
    EXPECT_NEAR(piece.pixelSize, PixelsFor(b.box, 24), 1.0) << Str(piece.text);
    EXPECT_GE(piece.weight, QFont::Bold) << Str(piece.text);
    EXPECT_NE(piece.style, QFont::StyleNormal) << Str(piece.text);
  }
  const QFont font = b.box.TextFont();
  EXPECT_EQ(Str(font.family()), Str(faces[1]));
  EXPECT_DOUBLE_EQ(font.pointSizeF(), 24);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());

  // Unchecking bold makes all of it plain again; a fractional size is kept.
  b.box.SetFontBold(false);
  b.box.SetFontItalic(false);
  ASSERT_TRUE(b.box.SetFontSize(14.25));
  for (const Drawn& piece : DrawnText(b.box)) {
    EXPECT_LT(piece.weight, QFont::DemiBold) << Str(piece.text);
    EXPECT_EQ(piece.style, QFont::StyleNormal) << Str(piece.text);
    EXPECT_NEAR(piece.pixelSize, PixelsFor(b.box, 14.25), 1.0) << Str(piece.text);
  }
  EXPECT_DOUBLE_EQ(b.box.TextFont().pointSizeF(), 14.25);
}

TEST(RichTextBoxTest, RejectedFacesAndSizesChangeNothing) {
  const QStringList faces = TwoFamilies();
  Box b;
  b.Show();
  b.box.SetText("text");
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  ASSERT_TRUE(b.box.SetFontSize(12));
  for (const QString& face : {QString(), QStringLiteral("No Such Face At All"), QStringLiteral(" "),
                              QStringLiteral("What kind of a font face is that?")}) {
    EXPECT_FALSE(b.box.SetFontName(face)) << Str(face);
    EXPECT_FALSE(b.box.SetSelectionFontName(face)) << Str(face);
  }
  for (double points : {0.0, -1.0, 5000.0, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(b.box.SetFontSize(points)) << points;
  }
  EXPECT_EQ(Str(b.box.TextFont().family()), Str(faces[0]));
  EXPECT_DOUBLE_EQ(b.box.TextFont().pointSizeF(), 12);
  for (const Drawn& piece : DrawnText(b.box)) EXPECT_EQ(Str(piece.family), Str(faces[0]));

  // A face spelled in other letter case is the installed one.
  EXPECT_TRUE(b.box.SetFontName(faces[1].toUpper()));
  EXPECT_EQ(Str(b.box.TextFont().family()), Str(faces[1]));
  EXPECT_EQ(b.Changes(), 1);
}

TEST(RichTextBoxTest, SelectionFaceAppliesToTheSelectionOrTheInsertionPoint) {
  const QStringList faces = TwoFamilies();
  Box b;
  b.Show();
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  b.box.SetText("one two");
  b.Changes();
  b.Select(4, 7);
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  std::vector<Drawn> drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(Str(drawn[0].family), Str(faces[0]));
  EXPECT_EQ(Str(drawn[1].family), Str(faces[1]));
  EXPECT_EQ(Str(b.box.TextFont().family()), Str(faces[0])) << "the whole-text font stays";

  // The face of the whole text then covers the selection's face too; undoing that
  // brings the selection's face back, which is no change of the text.
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(Str(drawn[0].family), Str(faces[0]));
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(DrawnText(b.box).size(), 2u);
  EXPECT_EQ(Str(b.box.Text()), "one two");
  EXPECT_EQ(b.Changes(), 0);

  // Without a selection the face is for what is typed next at the caret.
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  b.box.MoveCaretToEnd();
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  QTest::keyClicks(&b.box, "3");
  drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(Str(drawn[1].family), Str(faces[1]));
  EXPECT_EQ(b.Changes(), 1);

  // A new whole text has the face of the whole text only.
  b.box.SetText("fresh");
  drawn = DrawnText(b.box);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(Str(drawn[0].family), Str(faces[0]));
}

TEST(RichTextBoxTest, BackColourNumberShowsAsThatColour) {
  Box b;
  b.box.SetText("on yellow");
  b.Show();
  b.box.SetBackColor(65535);
  EXPECT_EQ(b.box.BackColor(), 65535u);
  const QImage yellow = b.box.viewport()->grab().toImage();
  EXPECT_EQ(yellow.pixelColor(yellow.width() - 3, yellow.height() - 3), QColor(255, 255, 0));

  b.box.SetBackColor(0x00FF0000);  // blue in the lowest byte's opposite end
  EXPECT_EQ(b.box.BackColor(), 0x00FF0000u);
  const QImage blue = b.box.viewport()->grab().toImage();
  EXPECT_EQ(blue.pixelColor(blue.width() - 3, blue.height() - 3), QColor(0, 0, 255));
  EXPECT_EQ(b.Changes(), 1) << "only the text set at the start";
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
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                          pdf.count("/Type /Page>") + pdf.count("/Type /Page "));
}

// A line of some 20,000 characters, words of six letters, with a few characters
// outside the basic plane that must never be cut in two.
QString LongLine() {
  QString line;
  for (int i = 0; line.size() < 20000; ++i) {
    line += (i % 500 == 499) ? QString::fromUtf8("\xF0\x9F\x98\x80") : QString(QChar(u'a' + i % 26));
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
  b.box.SetText(text);
  EXPECT_EQ(b.Changes(), 1);
  EXPECT_GT(b.box.document()->blockCount(), 6);
  ExpectShortParagraphs(b.box);
  EXPECT_EQ(b.box.Text(), text);
  EXPECT_EQ(b.box.Utf8Text(), text.toStdString());
  b.box.SetText(text);
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
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(name));
    printer.setPrintRange(range);  // a target set up for a selection gets everything too
    EXPECT_TRUE(ui::PrintText(text, QFont("DejaVu Sans", 14), &printer)) << Str(name);
    EXPECT_GT(PdfPages(dir.filePath(name)), 2);
    EXPECT_EQ(testing::PdfLines(dir.filePath(name)), expected) << Str(name);
  };
  print("all.pdf", QPrinter::AllPages);
  print("asked-selection.pdf", QPrinter::Selection);
  EXPECT_FALSE(ui::PrintText(text, QFont(), nullptr));
}

}  // namespace
}  // namespace numbrella
