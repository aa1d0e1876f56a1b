// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frmSIBaseUnits1.h"

#include "reference/si_texts.h"
#include "ui/accessibility.h"
#include "ui/twips.h"
#include "ui/window_font.h"

#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPixmap>

#include <algorithm>

namespace numbrella {
namespace {

constexpr int kClientWidth = 5175;  // twips
constexpr int kClientHeight = 3195;

// One yellow ruler across the icon, turned by `angle` degrees, with its scale marks.
void DrawRuler(QPainter& painter, double size, double angle) {
  painter.save();
  painter.translate(size / 2.0, size / 2.0);
  painter.rotate(angle);
  const double length = size * 1.2;
  const double width = size * 0.28;
  const QRectF body(-length / 2.0, -width / 2.0, length, width);
  QPen outline(QColor(110, 80, 0));
  outline.setWidthF(std::max(1.0, size / 32.0));
  painter.setPen(outline);
  painter.setBrush(QColor(255, 210, 0));
  painter.drawRect(body);
  const int marks = size >= 32 ? 12 : 6;
  for (int i = 1; i < marks; ++i) {
    const double x = body.left() + i * length / marks;
    const double mark = (i % 2 == 0 ? 0.5 : 0.3) * width;
    painter.drawLine(QPointF(x, body.top()), QPointF(x, body.top() + mark));
  }
  painter.restore();
}

QPixmap RulersPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawRuler(painter, size, 45.0);
  DrawRuler(painter, size, -45.0);
  return pixmap;
}

}  // namespace

namespace si_tables {

QIcon RulersIcon() {
  QIcon icon;
  icon.addPixmap(RulersPixmap(32));
  icon.addPixmap(RulersPixmap(16));
  return icon;
}

QFont HeadingFont() {
  QFont font = ui::WindowFont(9.75, true);
  font.setUnderline(true);
  return font;
}

QFont RowFont() {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const SILabel& label) {
  auto* widget = new QLabel(parent);
  widget->setObjectName(QString::fromStdString(label.objectName));
  widget->setTextFormat(Qt::PlainText);
  widget->setText(QString::fromUtf8(label.text.data(), static_cast<qsizetype>(label.text.size())));
  widget->setFont(label.heading ? HeadingFont() : RowFont());
  // The widths suit the fonts the table was laid out with; where a stand-in font runs
  // wider, the label grows to the right rather than cut its text off.
  const int needed = widget->fontMetrics().horizontalAdvance(widget->text()) + 2;
  QRect place = ui::Px(ui::TwipsRect{label.left, label.top, label.width, label.height});
  place.setWidth(std::max(place.width(), needed));
  widget->setGeometry(place);
  return widget;
}

}  // namespace si_tables

frmSIBaseUnits1::frmSIBaseUnits1() : QWidget(nullptr) {
  setObjectName("frmSIBaseUnits1");
  setWindowTitle(tr(" SI Base Units "));
  ui::AnnounceAsWindow(this);
  setWindowIcon(si_tables::RulersIcon());
  setFixedSize(ui::Px(kClientWidth), ui::Px(kClientHeight));

  const std::vector<SILabel> labels = SIBaseUnitsLabels();
  for (std::size_t i = 0; i < Label1.size(); ++i) {
    Label1[i] = si_tables::MakeLabel(this, labels[i]);
  }
  for (std::size_t i = 0; i < Label2.size(); ++i) {
    Label2[i] = si_tables::MakeLabel(this, labels[Label1.size() + i]);
  }
}

}  // namespace numbrella
