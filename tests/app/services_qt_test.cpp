// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_module.h"
#include "app/real_services.h"
#include "ui/RichTextBox.h"

#include "support/readable_text.h"
#include "ui/modal_helper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace numbrella {
namespace {

using testing::ModalWatchdog;
using testing::WhenModalShown;
using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

using testing::Str;

// What the user saw in a message box.
struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString defaultButton;
  QString shownText;  // the text of the label in the box
  Qt::TextFormat shownFormat = Qt::AutoText;
};

SeenBox Look(QMessageBox* box) {
  SeenBox seen;
  seen.text = box->text();
  seen.title = box->windowTitle();
  seen.icon = box->icon();
  for (QAbstractButton* button : box->buttons()) seen.buttons.append(button->text().remove(u'&'));
  seen.buttons.sort();
  if (box->defaultButton() != nullptr)
    seen.defaultButton = box->defaultButton()->text().remove(u'&');
  if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
    seen.shownText = label->text();
    seen.shownFormat = label->textFormat();
  }
  return seen;
}

// Shows a real box and answers it with `answer` once it is up; returns what was seen.
SeenBox ShowAndAnswer(MessageButtons buttons, MessageIcon icon, MessageAnswer defaultButton,
                      const QString& text, const QString& title,
                      const std::function<void(QMessageBox*)>& answer, MessageAnswer* result) {
  SeenBox seen;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = Look(box);
    answer(box);
  });
  const app::RealServices real;
  *result = real.services().messages->Show(nullptr, text, title, buttons, icon, defaultButton);
  return seen;
}

void Click(QMessageBox* box, QMessageBox::StandardButton which) {
  QAbstractButton* button = box->button(which);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(RealMessageBoxesTest, ShowTheGivenBoxAndReturnTheChosenButton) {
  ModalWatchdog watchdog;
  MessageAnswer answer = MessageAnswer::Ok;

  SeenBox seen = ShowAndAnswer(
      MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Yes,
      "Would you like to save this document?", "Save Your Work?",
      [](QMessageBox* box) { Click(box, QMessageBox::No); }, &answer);
  EXPECT_EQ(answer, MessageAnswer::No);
  EXPECT_EQ(Str(seen.text), "Would you like to save this document?");
  EXPECT_EQ(Str(seen.title), "Save Your Work?");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, QStringList({"Cancel", "No", "Yes"}));
  EXPECT_EQ(Str(seen.defaultButton), "Yes");

  seen = ShowAndAnswer(
      MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No, "Really?", "Are you sure?",
      [](QMessageBox* box) { Click(box, QMessageBox::Yes); }, &answer);
  EXPECT_EQ(answer, MessageAnswer::Yes);
  EXPECT_EQ(seen.buttons, QStringList({"No", "Yes"}));
  EXPECT_EQ(Str(seen.defaultButton), "No");

  // Enter takes the default button.
  ShowAndAnswer(
      MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Cancel, "Enter", "t",
      [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }, &answer);
  EXPECT_EQ(answer, MessageAnswer::Cancel);

  // A failure message: OK only, no icon, the blanks of the text kept as they are and no
  // markup read into it.
  seen = ShowAndAnswer(
      MessageButtons::Ok, MessageIcon::None, MessageAnswer::Ok,
      "            No printer or fax fonts", "Numbrella Calculator",
      [](QMessageBox* box) { Click(box, QMessageBox::Ok); }, &answer);
  EXPECT_EQ(answer, MessageAnswer::Ok);
  EXPECT_EQ(Str(seen.shownText), "            No printer or fax fonts");
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.buttons, QStringList({"OK"}));
  seen = ShowAndAnswer(
      MessageButtons::Ok, MessageIcon::None, MessageAnswer::Ok, "<b>C:\\a&b.txt</b>", "Error",
      [](QMessageBox* box) { Click(box, QMessageBox::Ok); }, &answer);
  EXPECT_EQ(Str(seen.shownText), "<b>C:\\a&b.txt</b>");
  EXPECT_EQ(seen.shownFormat, Qt::PlainText) << "shown as written, not as markup";
}

TEST(RealMessageBoxesTest, EscapeGivesNoOrCancel) {
  ModalWatchdog watchdog;
  MessageAnswer answer = MessageAnswer::Ok;
  auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
  ShowAndAnswer(MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes, "q", "t", escape,
                &answer);
  EXPECT_EQ(answer, MessageAnswer::No);
  ShowAndAnswer(MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Yes, "q", "t",
                escape, &answer);
  EXPECT_EQ(answer, MessageAnswer::Cancel);
  ShowAndAnswer(MessageButtons::Ok, MessageIcon::None, MessageAnswer::Ok, "q", "t", escape,
                &answer);
  EXPECT_EQ(answer, MessageAnswer::Ok);
  // A default button that the box does not have falls back to its first one.
  SeenBox seen = ShowAndAnswer(MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Cancel,
                               "q", "t", escape, &answer);
  EXPECT_EQ(Str(seen.defaultButton), "Yes");
  EXPECT_EQ(answer, MessageAnswer::No);
}

TEST(RealServicesTest, ClipboardFontsAndBeep) {
  const app::RealServices real;
  const ui::Services& services = real.services();
  ASSERT_NE(services.clipboard, nullptr);
  services.clipboard->SetText("42.00000");
  EXPECT_EQ(Str(services.clipboard->Text()), "42.00000");
  services.clipboard->SetText("a\r\nb");
  EXPECT_EQ(Str(services.clipboard->Text()), "a\r\nb");
  services.clipboard->Clear();
  EXPECT_EQ(Str(services.clipboard->Text()), "");
  EXPECT_EQ(services.clipboard->SelectionText(),
            QGuiApplication::clipboard()->text(QClipboard::Selection));

  const QStringList fonts = services.screenFonts->Families();
  EXPECT_FALSE(fonts.isEmpty());
  EXPECT_EQ(QStringList(fonts).removeDuplicates(), 0);
  ui::RichTextBox box;
  for (const QString& font : fonts) {
    EXPECT_FALSE(font.isEmpty());
    EXPECT_FALSE(font.endsWith(u']')) << "no foundry tags: " << Str(font);
    EXPECT_TRUE(box.SetFontName(font)) << "each family can be chosen: " << Str(font);
  }

  services.beeper->Beep();  // nothing to see; it must not disturb anything
}

TEST(PrintModuleTest, TheFirstModuleThereLoadsAndAMissingOneIsExplained) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString here = dir.filePath(app::kPrintModuleFile);
  const QString built = app::PrintModuleFiles().first();  // beside this test program

  // None anywhere: the system's reason names the last place looked in.
  const app::LoadedPrintModule none = app::LoadPrintModule({built + "-gone", here});
  EXPECT_EQ(none.module, nullptr);
  EXPECT_TRUE(none.error.contains(here)) << Str(none.error);

  // A folder in its place is passed over; the module found prints.
  ASSERT_TRUE(QDir().mkdir(here));
  const app::LoadedPrintModule found = app::LoadPrintModule({here, built});
  ASSERT_NE(found.module, nullptr) << Str(found.error);
  const std::unique_ptr<ui::Printer> printer = found.module->newPrinter();
  printer->Device().setOutputFormat(QPrinter::PdfFormat);
  printer->Device().setOutputFileName(dir.filePath("page.pdf"));
  EXPECT_TRUE(printer->Print("42", QFont()));
  EXPECT_EQ(Str(printer->Destination()), Str(dir.filePath("page.pdf")));

  // A broken module is the answer, not passed over for the next one.
  const QString broken = dir.filePath("broken.so");
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a library") > 0);
  file.close();
  const app::LoadedPrintModule refused = app::LoadPrintModule({broken, built});
  EXPECT_EQ(refused.module, nullptr);
  EXPECT_TRUE(refused.error.contains(broken)) << Str(refused.error);
}

}  // namespace
}  // namespace numbrella
