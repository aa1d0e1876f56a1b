// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal places of the conversion calculator window, and the hidden reset of its
// input and places.
#include "converter/frmListBoxConverter.h"

#include "converter/converter_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>
#include <string>

namespace numbrella::testing {
namespace {

TEST_F(ConverterWindow, DecimalPlacesChangeWhenAnItemIsChosenOnly) {
  Choose("mnuDistance");
  ClickItem("lstDistance2", 1);
  ChooseDecimals("2");
  EXPECT_EQ(TextOf("txtOut"), "0.08");
  ChooseDecimals("2");
  EXPECT_EQ(TextOf("txtOut"), "0.08");
  ChooseDecimals("0");
  EXPECT_EQ(TextOf("txtOut"), "0");
  // Typing an item's text and leaving the box, by a click elsewhere, by Tab or by
  // Enter, chooses nothing.
  QComboBox* combo = Find<QComboBox>("cmbDP");
  auto typeIntoBox = [&](const char* text) {
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(combo->hasFocus() || combo->lineEdit()->hasFocus());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
    EXPECT_EQ(combo->currentText(), text);
  };
  typeIntoBox("20");
  QTest::mouseClick(Find("txtIn"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtOut"), "0");
  typeIntoBox("3");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_FALSE(combo->hasFocus());
  EXPECT_EQ(TextOf("txtOut"), "0");
  typeIntoBox("2");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::mouseClick(Find("txtIn"), Qt::LeftButton);
  EXPECT_EQ(combo->currentText(), "2");
  Type("5");
  EXPECT_EQ(TextOf("txtOut"), "0");
  ChooseDecimals("5");
  EXPECT_EQ(TextOf("txtOut"), "0.41667");
}

TEST_F(ConverterWindow, DecimalPlacesListOpensAtTheShownNumber) {
  QComboBox* combo = Find<QComboBox>("cmbDP");
  for (const char* places : {"14", "2", "15"}) {
    if (std::string(places) != "14") ChooseDecimals(places);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex current = view->currentIndex();
    EXPECT_EQ(current.data().toString(), places);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(current))) << places;
    combo->hidePopup();
    Reactivate();
  }
}

TEST_F(ConverterWindow, HiddenResetAndCredit) {
  ChooseDecimals("15");
  Type("Zederu Dizira");
  // A single click on the input's unit does nothing.
  QTest::mouseClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "Zederu Dizira");
  QTest::mouseDClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "");
  EXPECT_EQ(Find<QComboBox>("cmbDP")->currentText(), "14");
  EXPECT_EQ(TextOf("txtOut"), "0.00000000000000");
  EXPECT_TRUE(fake.messages.shown.empty());

  ChooseDecimals("15");
  Type("Zederu Dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "");
  EXPECT_EQ(TextOf("txtOut"), "0.00000000000000");
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Released to\r\nZederu Dizira");
  EXPECT_EQ(fake.messages.shown[0].title, "Numbrella Calculator");
  EXPECT_EQ(fake.messages.shown[0].buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(fake.messages.shown[0].icon, ui::MessageIcon::None);

  // Another letter case, other places, or a typed text that is no number: nothing.
  Type("zederu dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  Type("Zederu Dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);  // 14 places
  QComboBox* combo = Find<QComboBox>("cmbDP");
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), "fifteen");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  QTest::mouseDClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "Zederu Dizira");
  EXPECT_EQ(combo->currentText(), "fifteen");
  EXPECT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace numbrella::testing
