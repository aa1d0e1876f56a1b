// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text box's fonts and colour: the font of the whole text, the face of a
// selection, and the faces and sizes it turns down.
#include "ui/RichTextBox.h"

#include "ui/rich_text_box.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace numbrella::testing {
namespace {

using ui::RichTextBox;

double PixelsFor(RichTextBox& box, double points) { return points * box.logicalDpiY() / 72.0; }

TEST_F(FacedBoxTest, WholeTextFontAppliesToOldAndNewText) {
  b.box.SetText("old entry");
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

TEST_F(FacedBoxTest, RejectedFacesAndSizesChangeNothing) {
  b.box.SetText("text");
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

TEST_F(FacedBoxTest, SelectionFaceAppliesToTheSelectionOrTheInsertionPoint) {
  b.box.SetText("one two");
  b.Changes();
  b.Select(4, 7);
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  using Pieces = std::vector<std::pair<std::string, std::string>>;
  const std::string first = Str(faces[0]);
  const std::string second = Str(faces[1]);
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"one ", first}, {"two", second}}));
  EXPECT_EQ(Str(b.box.TextFont().family()), first) << "the whole-text font stays";

  // The face of the whole text then covers the selection's face too; undoing that
  // brings the selection's face back, which is no change of the text.
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"one two", first}}));
  QTest::keyClick(&b.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"one ", first}, {"two", second}}));
  EXPECT_EQ(Str(b.box.Text()), "one two");
  EXPECT_EQ(b.Changes(), 0);

  // The face brought back by undo gives way again to the next face of the whole text;
  // without a selection the face is for what is typed next at the caret.
  ASSERT_TRUE(b.box.SetFontName(faces[0]));
  b.box.MoveCaretToEnd();
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  QTest::keyClicks(&b.box, "3");
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"one two", first}, {"3", second}}));
  EXPECT_EQ(b.Changes(), 1);

  // A new whole text has the face of the whole text only, also when the caret stands
  // after a face of its own at the end of a selection.
  b.box.SetText("fresh");
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"fresh", first}}));
  b.Select(0, 3);
  ASSERT_TRUE(b.box.SetSelectionFontName(faces[1]));
  b.Select(5, 3);
  b.box.SetText("again");
  EXPECT_EQ(TextsAndFaces(DrawnText(b.box)), (Pieces{{"again", first}}));
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

}  // namespace
}  // namespace numbrella::testing
