// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rich-text box in a window of its own, with its change notifications counted, and
// what it draws read back from its layout.
#include "ui/RichTextBox.h"

#include "support/readable_text.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace numbrella::testing {

// A box in a shown window, with its change notifications counted.
struct Box {
  Box() {
    QObject::connect(&box, &ui::RichTextBox::Change, [this] { ++changes; });
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
  ui::RichTextBox box;
  int changes = 0;
};

// Two installed families that are surely different fonts.
inline QStringList TwoFamilies() {
  QStringList families = QFontDatabase::families();
  QStringList chosen;
  for (const QString& preferred :
       {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif"),
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
inline std::vector<Drawn> DrawnText(ui::RichTextBox& box) {
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
      Drawn piece{font.familyName(), font.pixelSize(), font.weight(), font.style(),
                  QString(text[i])};
      if (!newBlock && drawn.back().family == piece.family &&
          drawn.back().pixelSize == piece.pixelSize && drawn.back().weight == piece.weight &&
          drawn.back().style == piece.style) {
        drawn.back().text += text[i];
      } else {
        drawn.push_back(piece);
      }
      newBlock = false;
    }
  }
  return drawn;
}

// A shown box whose whole text is in the first of two installed faces, `faces`.
class FacedBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(faces.size(), 2);
    b.Show();
    ASSERT_TRUE(b.box.SetFontName(faces[0]));
  }

  const QStringList faces = TwoFamilies();
  Box b;
};

// The drawn pieces as (text, family) pairs, to compare them all at once.
inline std::vector<std::pair<std::string, std::string>> TextsAndFaces(
    const std::vector<Drawn>& drawn) {
  std::vector<std::pair<std::string, std::string>> pieces;
  for (const Drawn& piece : drawn) pieces.emplace_back(Str(piece.text), Str(piece.family));
  return pieces;
}

}  // namespace numbrella::testing
