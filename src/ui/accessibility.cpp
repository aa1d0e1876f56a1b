// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegion>
#include <QScrollArea>
#include <QWidget>

namespace numbrella::ui {

namespace {

constexpr char kWindowProperty[] = "numbrellaAnnouncedAsWindow";
constexpr char kAnnouncerProperty[] = "numbrellaAnnouncer";
constexpr char kTypedIntoProperty[] = "numbrellaTypedInto";
constexpr char kNamedBoxProperty[] = "numbrellaNamedBox";

// A drop-down list as Qt presents it on Linux says its chosen item as its name, so a
// screen reader reads "14" where the user should hear "Size". This one is named by its
// caption and keeps the chosen item as its value, which it also offers as its read-only
// text: the bus carries no other value that is not a number. Its list and its text
// part are its children, as before.
class NamedComboBox final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name:
        return Box()->accessibleName().isEmpty() ? Value() : Box()->accessibleName();
      case QAccessible::Value:
        return Value();
      default:
        return QAccessibleWidget::text(kind);
    }
  }

  int childCount() const override { return Box()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1 && Box()->isEditable()) {
      return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    }
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() == Box()->view()) return 0;
    if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    // The text part of an editable list has the focus through the list itself.
    return Box()->isEditable() ? child(1) : nullptr;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (Box()->view()->isVisible()) {
      Box()->hidePopup();
    } else {
      Box()->showPopup();
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // The value as text that cannot be edited or selected here.
  QString text(int start, int end) const override { return Value().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
  QString Value() const {
    return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
  }
};

// A field that keys type into but that takes no editing: Qt says a read-only field is
// "read only", which is wrong for it. It is a text field, its value its text.
class TypedIntoField final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TypedIntoField(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = false;
    state.editable = true;
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Field()->text() : QAccessibleWidget::text(kind);
  }

  QString text(int start, int end) const override {
    return Field()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Field()->text().size()); }
  int cursorPosition() const override { return Field()->cursorPosition(); }
  void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QLineEdit* Field() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* OurInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (widget->isWindow() && widget->property(kWindowProperty).toBool()) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  // Only our own drop-downs: Qt's dialogs (files, printing) keep Qt's.
  if (auto* box = qobject_cast<QComboBox*>(widget);
      box != nullptr && box->property(kNamedBoxProperty).toBool()) {
    return new NamedComboBox(box);
  }
  if (auto* field = qobject_cast<QLineEdit*>(widget);
      field != nullptr && field->property(kTypedIntoProperty).toBool()) {
    return new TypedIntoField(field);
  }
  if (widget->property(kAnnouncerProperty).toBool()) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

// Marks `control` for an interface of ours. Qt keeps the interface it made first, maybe
// as the control was being laid out: that one goes.
void MarkForOurInterface(QWidget* control, const char* property) {
  InstallAccessibleInterfaces();
  control->setProperty(property, true);
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

// Where `widget` lies, in the coordinates of its window.
QRect InWindow(const QWidget* widget) {
  return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The scroll area whose view holds `widget`'s parent, if any: what lies outside that
// view is only scrolled away.
QScrollArea* ScrollingParent(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  auto* area = parent != nullptr ? qobject_cast<QScrollArea*>(parent->parentWidget()) : nullptr;
  return area != nullptr && area->viewport() == parent ? area : nullptr;
}

// A Tab stop as Qt takes it: one that takes the focus by Tab itself, not through another.
bool TakesTab(const QWidget* widget, const QWidget* window) {
  return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
         widget->focusProxy() == nullptr && widget->window() == window &&
         widget->isVisibleTo(window);
}

}  // namespace

QString SpokenCaption(const QString& caption) {
  QString spoken;
  spoken.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (++i >= caption.size()) break;
    }
    spoken += caption[i];
  }
  spoken = spoken.trimmed();
  if (spoken.endsWith(u':')) spoken.chop(1);
  return spoken.trimmed();
}

void NameAfter(QLabel* caption, QWidget* control) {
  InstallAccessibleInterfaces();
  const QString name = SpokenCaption(caption->text());
  caption->setBuddy(control);
  caption->setAccessibleName(name);
  control->setAccessibleName(name);
  if (auto* box = qobject_cast<QComboBox*>(control)) {
    MarkForOurInterface(box, kNamedBoxProperty);
    if (box->lineEdit() != nullptr) box->lineEdit()->setAccessibleName(name);
  }
}

void LabelDisplay(QLabel* caption, QLabel* display) {
  caption->setBuddy(display);
  caption->setAccessibleName(SpokenCaption(caption->text()));
}

void SetTabOrder(std::initializer_list<QWidget*> chain) {
  QWidget* before = nullptr;
  for (QWidget* control : chain) {
    if (before != nullptr) QWidget::setTabOrder(before, control);
    before = control;
  }
}

bool IsSeen(const QWidget* control) {
  if (!control->isVisible() || control->width() <= 0 || control->height() <= 0) return false;
  QRegion seen(InWindow(control));
  bool clipped = true;
  for (const QWidget* inner = control; !inner->isWindow(); inner = inner->parentWidget()) {
    const QWidget* parent = inner->parentWidget();
    if (ScrollingParent(inner) != nullptr) clipped = false;
    if (clipped) seen &= InWindow(parent);
    // Children later in the list are stacked above the earlier ones.
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(inner)) + 1; i < siblings.size();
         ++i) {
      const auto* above = qobject_cast<const QWidget*>(siblings[i]);
      if (above == nullptr || above->isWindow() || !above->isVisible()) continue;
      seen -= InWindow(above);
    }
    if (seen.isEmpty()) return false;
  }
  return true;
}

bool FocusNextSeen(QWidget* window, bool next) {
  QWidget* start = window->focusWidget();
  if (start == nullptr) start = window;
  QWidget* candidate = start;
  do {
    candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
    if (candidate != start && TakesTab(candidate, window) && IsSeen(candidate)) {
      candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      for (const QWidget* inner = candidate; !inner->isWindow(); inner = inner->parentWidget()) {
        if (QScrollArea* area = ScrollingParent(inner)) area->ensureWidgetVisible(candidate);
      }
      return true;
    }
  } while (candidate != start);
  return false;
}

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&OurInterface);
    return true;
  }();
  (void)installed;
}

void AnnounceAsWindow(QWidget* window) {
  InstallAccessibleInterfaces();
  window->setProperty(kWindowProperty, true);
  window->setAccessibleName(window->windowTitle().trimmed());
}

void DescribeByToolTip(QWidget* control) {
  // One filter for all the controls, made on first use and kept for the program's life.
  class ToolTipFilter final : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::ToolTipChange) {
        auto* widget = static_cast<QWidget*>(watched);
        widget->setAccessibleDescription(widget->toolTip().trimmed());
      }
      return false;
    }
  };
  static ToolTipFilter* const filter = new ToolTipFilter;
  control->installEventFilter(filter);
  control->setAccessibleDescription(control->toolTip().trimmed());
}

void SpeakAsTypedInto(QLineEdit* field) { MarkForOurInterface(field, kTypedIntoProperty); }

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  InstallAccessibleInterfaces();
  setProperty(kAnnouncerProperty, true);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 1, 1);
  lower();
  hide();
}

void Announcer::Announce(const QString& text) {
  // One way only: a screen reader that gets both says the text twice.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(this, text);
  QAccessible::updateAccessibility(&event);
#else
  setAccessibleName(text);
  hide();
  show();
#endif
}

}  // namespace numbrella::ui
