#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace numbrella::ui {

namespace {

constexpr char kWindowProperty[] = "numbrellaAnnouncedAsWindow";

QAccessibleInterface* WindowInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->isWindow() || !widget->property(kWindowProperty).toBool()) {
    return nullptr;
  }
  return new QAccessibleWidget(widget, QAccessible::Window);
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
  const QString name = SpokenCaption(caption->text());
  caption->setBuddy(control);
  caption->setAccessibleName(name);
  control->setAccessibleName(name);
  if (auto* box = qobject_cast<QComboBox*>(control); box != nullptr && box->lineEdit() != nullptr) {
    box->lineEdit()->setAccessibleName(name);
  }
}

void LabelDisplay(QLabel* caption, QLabel* display) {
  caption->setBuddy(display);
  caption->setAccessibleName(SpokenCaption(caption->text()));
}

void AnnounceAsWindow(QWidget* window) {
  static const bool installed = [] {
    QAccessible::installFactory(&WindowInterface);
    return true;
  }();
  (void)installed;
  window->setProperty(kWindowProperty, true);
}

}  // namespace numbrella::ui
