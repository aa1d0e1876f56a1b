// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frmInfo1.h"

#include "reference/frmSIBaseUnits1.h"
#include "reference/si_texts.h"
#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace numbrella {
namespace {

constexpr int kClientWidth = 8085;  // twips
constexpr int kClientHeight = 5235;

// A white lower-case i on a dark blue disc.
QPixmap InfoPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 139));
  painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  const double u = size / 32.0;
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(16.0 * u, 8.5 * u), 2.6 * u, 2.6 * u);  // the dot
  painter.drawRect(QRectF(13.75 * u, 13.0 * u, 4.5 * u, 12.0 * u));   // the stem
  painter.drawRect(QRectF(11.5 * u, 13.0 * u, 3.0 * u, 2.5 * u));     // the serif on top
  painter.drawRect(QRectF(11.5 * u, 23.5 * u, 9.0 * u, 2.5 * u));     // the foot
  return pixmap;
}

QIcon InfoIcon() {
  QIcon icon;
  icon.addPixmap(InfoPixmap(32));
  icon.addPixmap(InfoPixmap(16));
  return icon;
}

}  // namespace

frmInfo1::frmInfo1() : QWidget(nullptr) {
  static constexpr ui::ControlRow kText = {
      ui::Keep<&frmInfo1::rtbInfo>, "rtbInfo", {75, 240, 7935, 4755}};
  setObjectName("frmInfo1");
  setWindowTitle(tr(" SI Info "));
  ui::AnnounceAsWindow(this);
  setWindowIcon(InfoIcon());
  si_tables::FollowDesktop(*this, kClientWidth, kClientHeight);
  ui::Layout(*this).Create(this, kText);
  // Screen readers name the text after the window.
  rtbInfo->setAccessibleName(windowTitle().trimmed());
  QFont font("System");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(9.75);
  font.setBold(true);
  rtbInfo->setFont(font);
  // The text is for reading only: long paragraphs wrap at the box's width, and the
  // vertical scroll bar reaches the rest.
  rtbInfo->setReadOnly(true);
  rtbInfo->setLineWrapMode(QTextEdit::WidgetWidth);
  rtbInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rtbInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  rtbInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  Form_Load();
}

void frmInfo1::Form_Load() {
  rtbInfo->SetText(
      QString::fromUtf8(SIInfoText().data(), static_cast<qsizetype>(SIInfoText().size())));
}

}  // namespace numbrella
