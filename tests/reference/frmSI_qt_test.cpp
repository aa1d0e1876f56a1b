// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "reference/frmInfo1.h"
#include "reference/frmSIBaseUnits1.h"
#include "reference/frmSIPrefixes1.h"
#include "reference/si_texts.h"
#include "support/fake_services.h"
#include "support/window_driver.h"
#include "ui/RichTextBox.h"

#include <QApplication>
#include <QColor>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace numbrella {
namespace {

// The open top-level windows with an object name, as the user sees them on screen.
std::vector<QWidget*> OpenWindows(const char* name) {
  std::vector<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) found.push_back(widget);
  }
  return found;
}

QWidget* OnlyWindow(const char* name) {
  std::vector<QWidget*> windows = OpenWindows(name);
  EXPECT_EQ(windows.size(), 1u) << name;
  return windows.empty() ? nullptr : windows.front();
}

// Lets the closed windows go as the event loop would.
void Settle() { QApplication::processEvents(); }

QString Label(QWidget* window, const QString& name) {
  return testing::WindowDriver::Find<QLabel>(window, name)->text();
}

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The reference windows as the converter's Info menu shows them.
class SIWindows : public ::testing::Test {
 protected:
  void ShowSIInfoWindow() { application.ShowSIWindow(SIWindow::Info); }
  void ShowSIBaseUnitsWindow() { application.ShowSIWindow(SIWindow::BaseUnits); }
  void ShowSIPrefixesWindow() { application.ShowSIWindow(SIWindow::Prefixes); }

  testing::FakeServices fakes;
  Application application{fakes.services()};
};

TEST_F(SIWindows, InfoWindowShowsTheWholeTextForReadingOnly) {
  ShowSIInfoWindow();
  QWidget* window = OnlyWindow("frmInfo1");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), " SI Info ");
  EXPECT_EQ(window->size(), QSize(539, 349));
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->isModal());

  auto* rtbInfo = window->findChild<ui::RichTextBox*>("rtbInfo");
  ASSERT_NE(rtbInfo, nullptr);
  EXPECT_EQ(rtbInfo->geometry(), QRect(5, 16, 529, 317));
  EXPECT_EQ(rtbInfo->Text(), Utf8(SIInfoText()));
  EXPECT_TRUE(rtbInfo->toPlainText().startsWith(QString(33, ' ') + "The International"));
  EXPECT_TRUE(rtbInfo->toPlainText().endsWith("carbon-12."));
  EXPECT_TRUE(rtbInfo->toPlainText().contains(QString::fromUtf8("0.01\u00B0C")));
  EXPECT_TRUE(rtbInfo->toPlainText().contains(QString::fromUtf8("2 \u00D7 10-7")));
  EXPECT_TRUE(rtbInfo->font().bold());
  EXPECT_DOUBLE_EQ(rtbInfo->font().pointSizeF(), 9.75);

  // Typing, deleting and pasting change nothing.
  rtbInfo->setFocus();
  QTest::keyClick(rtbInfo, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(rtbInfo, "typed");
  QTest::keyClick(rtbInfo, Qt::Key_Backspace);
  QTest::keyClick(rtbInfo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(rtbInfo, Qt::Key_Delete);
  QTest::keyClick(rtbInfo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(rtbInfo->Text(), Utf8(SIInfoText()));

  // The paragraphs wrap at the box's width; the rest is reached by scrolling down.
  QApplication::processEvents();
  EXPECT_GT(rtbInfo->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(rtbInfo->horizontalScrollBar()->maximum(), 0);
  rtbInfo->verticalScrollBar()->setValue(rtbInfo->verticalScrollBar()->maximum());
  EXPECT_EQ(rtbInfo->Text(), Utf8(SIInfoText()));
}

TEST_F(SIWindows, BaseUnitsWindowShowsSevenRowsUnderThreeHeadings) {
  ShowSIBaseUnitsWindow();
  QWidget* window = OnlyWindow("frmSIBaseUnits1");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), " SI Base Units ");
  EXPECT_EQ(window->size(), QSize(345, 213));

  EXPECT_EQ(Label(window, "Label1(0)"), "Name");
  EXPECT_EQ(Label(window, "Label1(1)"), "Symbol");
  EXPECT_EQ(Label(window, "Label1(2)"), "Quantity");
  // The rows' texts are the core's, whose columns its own test shows.
  const auto units = SIBaseUnits();
  ASSERT_EQ(units.size(), 7u);
  int previousTop = -1;
  for (int i = 0; i < static_cast<int>(units.size()); ++i) {
    QString name = QString("Label2(%1)").arg(i);
    EXPECT_EQ(Label(window, name), Utf8(SIBaseUnitRowText(units[i])));
    auto* label = window->findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr);
    EXPECT_GT(label->y(), previousTop);  // one below the other, in this order
    previousTop = label->y();
    EXPECT_EQ(label->x(), 12);
    EXPECT_TRUE(label->font().bold());
    EXPECT_FALSE(label->font().underline());
    EXPECT_TRUE(QFontInfo(label->font()).fixedPitch())
        << QFontInfo(label->font()).family().toStdString();
  }
  EXPECT_EQ(window->findChild<QLabel*>("Label2(0)")->y(), 48);
  EXPECT_EQ(window->findChild<QLabel*>("Label2(6)")->y(), 180);
  auto* heading = window->findChild<QLabel*>("Label1(2)");
  ASSERT_NE(heading, nullptr);
  EXPECT_TRUE(heading->font().bold());
  EXPECT_TRUE(heading->font().underline());
  EXPECT_EQ(heading->pos(), QPoint(180, 12));
  EXPECT_GE(heading->width(), 73);
  EXPECT_EQ(heading->height(), 17);
}

// Whatever font stands in for the table's fonts, no heading or row is cut off by its
// label or by the window's edge.
TEST_F(SIWindows, TableLabelsShowTheirWholeText) {
  ShowSIBaseUnitsWindow();
  ShowSIPrefixesWindow();
  for (const char* name : {"frmSIBaseUnits1", "frmSIPrefixes1"}) {
    QWidget* window = OnlyWindow(name);
    ASSERT_NE(window, nullptr);
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), std::string_view(name) == "frmSIBaseUnits1" ? 10 : 24);
    for (QLabel* label : labels) {
      SCOPED_TRACE(label->objectName().toStdString());
      const int advance = label->fontMetrics().horizontalAdvance(label->text());
      EXPECT_LE(advance, label->width());
      EXPECT_LE(label->x() + advance, window->width());
      EXPECT_LE(label->fontMetrics().height(), label->height() + 2);
    }
  }
}

TEST_F(SIWindows, PrefixesWindowListsTwentyPrefixesFromYottaToYocto) {
  ShowSIPrefixesWindow();
  QWidget* window = OnlyWindow("frmSIPrefixes1");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), " SI Prefixes ");
  EXPECT_EQ(window->size(), QSize(507, 505));
  EXPECT_EQ(Label(window, "Label2"), "Name");
  EXPECT_EQ(Label(window, "Label5"), "Symbol");
  EXPECT_EQ(Label(window, "Label3"), "Multiplying Factor");
  EXPECT_EQ(Label(window, "Label4"), "Scientific Notation");
  EXPECT_TRUE(window->findChild<QLabel*>("Label4")->font().underline());

  EXPECT_EQ(Label(window, "Label1(5)"),
            "kilo-     K   1 000                              (10E+03)");
  EXPECT_EQ(Label(window, "Label1(7)"),
            "deca-     da  10                                 (10E+01)");
  EXPECT_EQ(Label(window, "Label1(11)"),
            QString::fromUtf8("micro-    \u00B5   0.000 001                          (10E-06)"));

  // Read top to bottom, the rows run from yotta- down to yocto-.
  std::vector<QLabel*> rows;
  for (int i = 0; i < 20; ++i) {
    auto* label = window->findChild<QLabel*>(QString("Label1(%1)").arg(i));
    ASSERT_NE(label, nullptr) << i;
    rows.push_back(label);
  }
  std::sort(rows.begin(), rows.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
  const QStringList order = {"yotta-", "zetta-", "exa-",   "peta-", "tera-",  "giga-",  "mega-",
                             "kilo-",  "hecto-", "deca-",  "deci-", "centi-", "milli-", "micro-",
                             "nano-",  "pico-",  "femto-", "atto-", "zepto-", "yocto-"};
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(rows[std::size_t(i)]->text().startsWith(order[i])) << i;
    EXPECT_EQ(rows[std::size_t(i)]->text().size(), 57) << i;
    EXPECT_TRUE(QFontInfo(rows[std::size_t(i)]->font()).fixedPitch());
    if (i > 0) {
      EXPECT_GE(rows[std::size_t(i)]->y() - rows[std::size_t(i) - 1]->y(), 22);
    }
  }
  EXPECT_EQ(rows.front()->y(), 40);
  EXPECT_EQ(rows.back()->y(), 472);
  EXPECT_LE(rows.back()->geometry().bottom(), window->height());
}

TEST_F(SIWindows, IconsShowADiscWithAnIAndCrossedRulers) {
  ShowSIInfoWindow();
  ShowSIBaseUnitsWindow();
  ShowSIPrefixesWindow();
  QWidget* info = OnlyWindow("frmInfo1");
  QWidget* units = OnlyWindow("frmSIBaseUnits1");
  QWidget* prefixes = OnlyWindow("frmSIPrefixes1");
  ASSERT_TRUE(info && units && prefixes);

  for (int size : {16, 32}) {
    SCOPED_TRACE(size);
    QImage disc = info->windowIcon().pixmap(size, size).toImage();
    ASSERT_EQ(disc.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(disc.pixel(0, 0)), 0);  // round: the corners are clear
    QColor stem = disc.pixelColor(size / 2, size * 5 / 8);
    EXPECT_GT(stem.lightness(), 200);  // the white letter
    QColor blue = disc.pixelColor(size / 4, size / 2);
    EXPECT_GT(blue.blue(), 100);
    EXPECT_LT(blue.red(), 60);
    EXPECT_LT(blue.green(), 60);

    QImage rulers = units->windowIcon().pixmap(size, size).toImage();
    ASSERT_EQ(rulers.size(), QSize(size, size));
    QColor crossing = rulers.pixelColor(size / 2, size / 2 + size / 16);
    EXPECT_GT(crossing.red(), 200);  // yellow
    EXPECT_GT(crossing.green(), 150);
    EXPECT_LT(crossing.blue(), 80);
    EXPECT_EQ(qAlpha(rulers.pixel(size / 2, 0)), 0);  // between the arms: clear
    EXPECT_EQ(prefixes->windowIcon().pixmap(size, size).toImage(), rulers);
  }
}

TEST_F(SIWindows, EachWindowExistsOnceAndClosesOnItsOwn) {
  ShowSIInfoWindow();
  ShowSIInfoWindow();
  ShowSIBaseUnitsWindow();
  ShowSIBaseUnitsWindow();
  ShowSIPrefixesWindow();
  ShowSIPrefixesWindow();
  Settle();
  EXPECT_EQ(OpenWindows("frmInfo1").size(), 1u);
  EXPECT_EQ(OpenWindows("frmSIBaseUnits1").size(), 1u);
  EXPECT_EQ(OpenWindows("frmSIPrefixes1").size(), 1u);

  // Closing the base units leaves the other two as they are.
  QWidget* info = OnlyWindow("frmInfo1");
  ASSERT_NE(info, nullptr);
  OnlyWindow("frmSIBaseUnits1")->close();
  Settle();
  EXPECT_TRUE(OpenWindows("frmSIBaseUnits1").empty());
  ASSERT_EQ(OpenWindows("frmInfo1").size(), 1u);
  EXPECT_EQ(OpenWindows("frmInfo1").front(), info);
  EXPECT_EQ(OpenWindows("frmSIPrefixes1").size(), 1u);
  // The closed window is gone, not merely hidden.
  int tables = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "frmSIBaseUnits1") ++tables;
  }
  EXPECT_EQ(tables, 0);

  // Showing it again builds it anew with its content.
  ShowSIBaseUnitsWindow();
  QWidget* again = OnlyWindow("frmSIBaseUnits1");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Label(again, "Label2(6)"), "Candela     cd       luminous intensity");

  // Showing a window that is open brings it forward as it is: a scrolled text stays.
  auto* rtbInfo = info->findChild<ui::RichTextBox*>("rtbInfo");
  ASSERT_NE(rtbInfo, nullptr);
  QApplication::processEvents();
  rtbInfo->verticalScrollBar()->setValue(rtbInfo->verticalScrollBar()->maximum());
  int scrolled = rtbInfo->verticalScrollBar()->value();
  info->showMinimized();
  ShowSIInfoWindow();
  EXPECT_FALSE(info->isMinimized());
  EXPECT_EQ(OpenWindows("frmInfo1").size(), 1u);
  EXPECT_EQ(rtbInfo->verticalScrollBar()->value(), scrolled);

  // The info window closed and shown again starts over.
  info->close();
  Settle();
  EXPECT_TRUE(OpenWindows("frmInfo1").empty());
  ShowSIInfoWindow();
  QWidget* fresh = OnlyWindow("frmInfo1");
  ASSERT_NE(fresh, nullptr);
  auto* freshText = fresh->findChild<ui::RichTextBox*>("rtbInfo");
  ASSERT_NE(freshText, nullptr);
  EXPECT_EQ(freshText->Text(), Utf8(SIInfoText()));
  EXPECT_EQ(OpenWindows("frmSIPrefixes1").size(), 1u);
}

}  // namespace
}  // namespace numbrella
