// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/frmListBoxConverter.h"

#include "common/window_texts.h"
#include "converter/frmConverterArt.h"
#include "ui/accessibility.h"
#include "ui/menu_keys.h"
#include "ui/screen_fit.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <QAbstractItemView>
#include <QAnyStringView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QUtf8StringView>

namespace numbrella {

using ui::Q;

namespace {

// Whether a control shows `text` already; compared as it is, without a copy, since
// this runs for every control on every keystroke.
bool Shows(const QString& shown, const std::string& text) {
  return QAnyStringView::equal(shown,
                               QUtf8StringView(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

frmListBoxConverter::frmListBoxConverter(const ui::Services& services,
                                         std::function<void(SIWindow)> showSIWindow)
    : services_(services),
      showSIWindow_(std::move(showSIWindow)),
      menuKeys_(new ui::MenuKeys(this)) {
  setObjectName(QStringLiteral("frmListBoxConverter"));
  setWindowTitle(Q(ConverterModel::kCaption));
  // Spoken without its padding and the maker's address.
  setAccessibleName(tr("Conversion Calculator"));
  setWindowIcon(ConverterIcon());
  BuildControls();
  BuildMenus();
  MakeAccessible();
  ui::FitToScreen(*this, surface_->size());
  Form_Load();
}

frmListBoxConverter::~frmListBoxConverter() = default;

// ---- showing the model ----------------------------------------------------------------

// A screen reader says the output with its unit, by the caption that names it.
void frmListBoxConverter::NameOutput() {
  const QString name = ui::SpokenCaption(Label4->text()) + QStringLiteral(", ") + Label2->text();
  Label4->setAccessibleName(name);
  txtOut->setAccessibleName(name);
}

void frmListBoxConverter::ShowModel() {
  const ConverterModel& m = model_;
  if (!Shows(lblTitle->toolTip(), m.Description())) lblTitle->setToolTip(Q(m.Description()));
  auto show = [](QWidget* control, bool shown) {
    if (control->isHidden() == shown) control->setVisible(shown);
  };
  for (int c = 0; c < kCategoryCount; ++c) {
    show(leftLists_[c], c == m.Category());
    show(rightLists_[c], c == m.Category());
  }
  auto select = [](QListWidget* list, int index) {
    if (list->currentRow() == index) return;
    const QSignalBlocker quiet(list);
    list->setCurrentRow(index);
  };
  select(leftLists_[m.Category()], m.FromUnit());
  select(rightLists_[m.Category()], m.IntoUnit());

  const bool forward = m.Direction() == ConversionDirection::Forward;
  show(Image1, forward);
  show(Image2, !forward);
  auto write = [](QLineEdit* field, const std::string& text) {
    if (Shows(field->text(), text)) return;
    const QSignalBlocker quiet(field);
    field->setText(Q(text));
  };
  write(txtIn, m.Input());
  write(txtOut, m.Output());
  write(cmbDP->lineEdit(), m.DecimalText());
  auto caption = [](QLabel* label, const std::string& text) {
    if (Shows(label->text(), text)) return false;
    label->setText(Q(text));
    return true;
  };
  caption(lblTitle, m.Title());
  caption(Label1, m.SourceUnitName());
  if (caption(Label2, m.TargetUnitName())) NameOutput();
  const bool leftCaption = caption(Label6, m.FromHeading());
  const bool rightCaption = caption(Label7, m.IntoHeading());
  // The lists are named after the captions above them, which only the direction changes.
  if (leftCaption || rightCaption) NameLists();
}

// ---- start-up and the window background ----------------------------------------------

void frmListBoxConverter::Form_Load() {
  model_.Load();
  ShowModel();
}

void frmListBoxConverter::Form_Click() { Text1->setFocus(Qt::MouseFocusReason); }

void frmListBoxConverter::Form_MouseUp(Qt::MouseButton button, const QPoint& globalPosition) {
  if (button != Qt::RightButton) return;
  mnuLists->popup(globalPosition);
}

// ---- category commands and list selections ----------------------------------------------

void frmListBoxConverter::mnuCategory_Click(int category) {
  model_.ChooseCategory(category);
  ShowModel();
}

void frmListBoxConverter::lstFrom_Click(int category) {
  model_.SelectFromUnit(category, leftLists_[category]->currentRow());
  ShowModel();
}

void frmListBoxConverter::lstInto_Click(int category) {
  model_.SelectIntoUnit(category, rightLists_[category]->currentRow());
  ShowModel();
}

// ---- direction, input, decimal places ------------------------------------------------------

void frmListBoxConverter::Image1_Click() {
  model_.Reverse();
  ShowModel();
}

void frmListBoxConverter::Image2_Click() {
  model_.Reverse();
  ShowModel();
}

void frmListBoxConverter::txtIn_Change() {
  model_.InputChanged(ui::Utf8(txtIn->text()));
  ShowModel();
}

void frmListBoxConverter::txtIn_GotFocus() { TextSelected(); }

void frmListBoxConverter::txtOut_GotFocus() { TextSelected(); }

void frmListBoxConverter::TextSelected() {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != this) focused = focusWidget();
  if (auto* field = qobject_cast<QLineEdit*>(focused)) {
    field->setSelection(0, static_cast<int>(field->text().size()));
  }
}

void frmListBoxConverter::cmbDP_Click() {
  model_.ChooseDecimalPlaces(cmbDP->currentIndex());
  ShowModel();
}

// ---- swap and copy ----------------------------------------------------------------------------

void frmListBoxConverter::cmdSwap1_Click() { mnuSwap_Click(); }

void frmListBoxConverter::mnuSwap_Click() {
  model_.Swap();
  ShowModel();
}

void frmListBoxConverter::mnuSave_Click() { cmdCopy_Click(); }

void frmListBoxConverter::cmdCopy_Click() {
  services_.clipboard->Clear();
  if (std::optional<std::string> text = model_.CopyText()) {
    services_.clipboard->SetText(Q(*text));
  }
}

// ---- hidden reset and credit --------------------------------------------------------------

void frmListBoxConverter::Label1_DblClick() {
  model_.HiddenReset();
  ShowModel();
}

void frmListBoxConverter::Label2_Click() {
  const bool reset = model_.HiddenReset();
  ShowModel();
  if (reset) {
    const QString credit =
        ui::Translated(ConverterModel::kTextsContext, ConverterModel::kCreditText);
    services_.messages->Show(this, credit, ui::Translated(kWindowTextsContext, kProgramTitle),
                             ui::MessageButtons::Ok, ui::MessageIcon::None, ui::MessageAnswer::Ok);
  }
}

// ---- the reference windows ----------------------------------------------------------------

void frmListBoxConverter::mnuShowInfo_Click() { showSIWindow_(SIWindow::Info); }
void frmListBoxConverter::mnuSIBaseUnits_Click() { showSIWindow_(SIWindow::BaseUnits); }
void frmListBoxConverter::mnuPrefixes_Click() { showSIWindow_(SIWindow::Prefixes); }

// ---- events --------------------------------------------------------------------------------

bool frmListBoxConverter::eventFilter(QObject* watched, QEvent* event) {
  if (cmbDP != nullptr && watched == cmbDP->view() && event->type() == QEvent::Show) {
    // The box shows the number of places without choosing an item; its list opens
    // at that number all the same.
    const int shown = cmbDP->findText(cmbDP->currentText());
    if (shown >= 0) {
      const QModelIndex item = cmbDP->model()->index(shown, 0);
      cmbDP->view()->setCurrentIndex(item);
      cmbDP->view()->scrollTo(item, QAbstractItemView::PositionAtCenter);
    }
    return false;
  }
  if (cmbDP != nullptr && (watched == cmbDP || watched == cmbDP->lineEdit())) {
    // Typing into the text part of the decimal-places box chooses nothing: neither
    // Enter nor leaving the box takes a typed item text as the choice.
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    } else if (event->type() == QEvent::FocusOut) {
      QSignalBlocker quiet(cmbDP->lineEdit());
      watched->event(event);
      return true;
    }
  }
  switch (event->type()) {
    case QEvent::FocusIn: {
      auto* focus = static_cast<QFocusEvent*>(event);
      if (watched == txtIn || watched == txtOut) {
        auto handler = watched == txtIn ? &frmListBoxConverter::txtIn_GotFocus
                                        : &frmListBoxConverter::txtOut_GotFocus;
        (this->*handler)();
        // A click places the caret after the focus arrives: select once it has.
        if (focus->reason() == Qt::MouseFocusReason) {
          QTimer::singleShot(0, this, [this, handler] { (this->*handler)(); });
        }
      }
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (watched == surface_) {
        // Presses that reach the client area from a caption fall through here too.
        pressed_ = surface_->childAt(mouse->position().toPoint()) == nullptr ? surface_ : nullptr;
        return false;
      }
      if (watched == Image1 || watched == Image2 || watched == Label1 || watched == Label2) {
        if (mouse->button() != Qt::LeftButton) return true;
        if (event->type() == QEvent::MouseButtonDblClick) {
          pressed_ = nullptr;
          if (watched == Label1) Label1_DblClick();
          return true;
        }
        pressed_ = watched;
        return true;
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (watched == surface_) {
        const bool background = surface_->childAt(mouse->position().toPoint()) == nullptr;
        const bool clicked = pressed_ == surface_;
        pressed_ = nullptr;
        if (!background) return false;
        Form_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
        if (clicked && mouse->button() == Qt::LeftButton) Form_Click();
        return true;
      }
      if (watched == Image1 || watched == Image2 || watched == Label1 || watched == Label2) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool clicked = mouse->button() == Qt::LeftButton && pressed_ == watched &&
                             widget->rect().contains(mouse->position().toPoint());
        pressed_ = nullptr;
        if (!clicked) return true;
        if (watched == Image1) Image1_Click();
        if (watched == Image2) Image2_Click();
        if (watched == Label2) Label2_Click();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace numbrella
