// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frmSIBaseUnits1.h"

#include "reference/si_texts.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "ui/text.h"
#include "ui/window_font.h"

#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPixmap>

#include <algorithm>
#include <span>

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

namespace {

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

// The widths suit the fonts the tables were laid out with; where a stand-in font runs
// wider, the label grows to the right rather than cut its text off.
void ShowWhole(QLabel* label) {
  const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
  label->resize(std::max(label->width(), needed), label->height());
}

}  // namespace

void FollowDesktop(QWidget& window, int widthTwips, int heightTwips) {
  window.setFixedSize(ui::Layout(window).Pixels(widthTwips, heightTwips));
  ui::FollowDesktop(window, [&window, widthTwips, heightTwips] {
    const ui::Layout layout(window);
    layout.PlaceAgain(window);
    window.setFixedSize(layout.Pixels(widthTwips, heightTwips));
    for (QLabel* label : window.findChildren<QLabel*>()) ShowWhole(label);
  });
}

void ShowAsHeading(QLabel* label) {
  label->setFont(HeadingFont());
  ShowWhole(label);
}

void ShowAsRow(QLabel* label, std::string_view text) {
  label->setText(ui::Q(text));
  label->setFont(RowFont());
  ShowWhole(label);
}

}  // namespace si_tables

frmSIBaseUnits1::frmSIBaseUnits1() : QWidget(nullptr) {
  using W = frmSIBaseUnits1;
  using ui::Keep;
  // The headings over the columns, then a row for each unit, 330 twips apart.
  // clang-format off
  static constexpr ui::ControlRow kLabels[] = {
      {Keep<&W::Label1, 0>, "Label1(0)", {180, 180, 675, 255}, QT_TR_NOOP("Name")},
      {Keep<&W::Label1, 1>, "Label1(1)", {1260, 180, 975, 255}, QT_TR_NOOP("Symbol")},
      {Keep<&W::Label1, 2>, "Label1(2)", {2700, 180, 1095, 255}, QT_TR_NOOP("Quantity")},
      {Keep<&W::Label2, 0>, "Label2(0)", {180, 720, 3735, 255}},
      {Keep<&W::Label2, 1>, "Label2(1)", {180, 1050, 3735, 255}},
      {Keep<&W::Label2, 2>, "Label2(2)", {180, 1380, 3735, 255}},
      {Keep<&W::Label2, 3>, "Label2(3)", {180, 1710, 5175, 255}},
      {Keep<&W::Label2, 4>, "Label2(4)", {180, 2040, 3915, 255}},
      {Keep<&W::Label2, 5>, "Label2(5)", {180, 2370, 4815, 255}},
      {Keep<&W::Label2, 6>, "Label2(6)", {180, 2700, 4755, 255}},
  };
  // clang-format on
  setObjectName("frmSIBaseUnits1");
  setWindowTitle(tr(" SI Base Units "));
  ui::AnnounceAsWindow(this);
  setWindowIcon(si_tables::RulersIcon());
  si_tables::FollowDesktop(*this, kClientWidth, kClientHeight);
  ui::Layout(*this).Create(this, kLabels);
  for (QLabel* heading : Label1) si_tables::ShowAsHeading(heading);
  const std::span<const SIBaseUnit> units = SIBaseUnits();
  for (std::size_t i = 0; i < Label2.size(); ++i) {
    si_tables::ShowAsRow(Label2[i], SIBaseUnitRowText(units[i]));
  }
}

}  // namespace numbrella
