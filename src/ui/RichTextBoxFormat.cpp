// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text box's font and colour: formats of the whole text, and the face of a
// selection.
#include "ui/RichTextBoxLines.h"

#include "ui/color_number.h"
#include "ui/readable_colours.h"
#include "ui/text.h"
#include "workboard/face_list.h"

#include <QColor>
#include <QFontDatabase>
#include <QPalette>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace numbrella::ui {

namespace {

// Larger sizes are no font a printer or a screen can show.
constexpr double kLargestPoints = 1638.0;

}  // namespace

std::optional<QString> RichTextBox::InstalledFamily(const QString& face) {
  if (face.isEmpty()) return std::nullopt;
  // The face list shows families by their plain names, which the font system takes
  // for a family of any foundry.
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    const QString plain = Q(PlainFamilyName(Utf8(family)));
    if (plain.compare(face, Qt::CaseInsensitive) == 0) return plain;
  }
  return std::nullopt;
}

bool RichTextBox::SetFontName(const QString& face) {
  const std::optional<QString> family = InstalledFamily(face);
  if (!family) return false;
  Quiet quiet(this);
  QFont whole = font();
  whole.setFamilies({*family});
  setFont(whole);
  if (HasOwnFaces()) {
    // Faces given to parts of the text give way to the face of the whole text.
    QTextCursor all(document());
    all.beginEditBlock();  // one step to undo
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    setCurrentCharFormat(QTextCharFormat());
    all.endEditBlock();
  }
  return true;
}

// Asked of the document itself rather than remembered: undoing the step above brings
// the faces back without telling the box.
bool RichTextBox::HasOwnFaces() const {
  if (currentCharFormat().hasProperty(QTextFormat::FontFamilies)) return true;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block.charFormat().hasProperty(QTextFormat::FontFamilies)) return true;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().hasProperty(QTextFormat::FontFamilies)) return true;
    }
  }
  return false;
}

bool RichTextBox::SetFontSize(double points) {
  if (!std::isfinite(points) || points <= 0.0 || points > kLargestPoints) return false;
  Quiet quiet(this);
  QFont whole = font();
  whole.setPointSizeF(points);
  setFont(whole);
  return true;
}

void RichTextBox::SetFontBold(bool on) {
  Quiet quiet(this);
  QFont whole = font();
  whole.setBold(on);
  setFont(whole);
}

void RichTextBox::SetFontItalic(bool on) {
  Quiet quiet(this);
  QFont whole = font();
  whole.setItalic(on);
  setFont(whole);
}

QFont RichTextBox::TextFont() const { return font(); }

bool RichTextBox::SetSelectionFontName(const QString& face) {
  const std::optional<QString> family = InstalledFamily(face);
  if (!family) return false;
  Quiet quiet(this);
  QTextCharFormat format;
  format.setFontFamilies(QStringList{*family});
  mergeCurrentCharFormat(format);
  return true;
}

void RichTextBox::SetBackColor(quint32 bgr) { FixBackground(this, ColorFromNumber(bgr)); }

quint32 RichTextBox::BackColor() const { return NumberFromColor(palette().color(QPalette::Base)); }

}  // namespace numbrella::ui
