// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_fit.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace numbrella::ui {

namespace {

// Before a window is first shown the window system has not told its title bar and
// borders; a usual title bar and thin borders are assumed until it has.
constexpr QMargins kAssumedFrame(2, 32, 2, 2);

QRect FreeArea(const QMainWindow& window) {
  QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

QRect ScreenArea(const QMainWindow& window) {
  QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry() : QRect();
}

// A Wayland client neither learns where its windows stand nor chooses it: the
// compositor places them. A move there would change nothing on the screen, only what
// Qt reports as the window's position.
bool PlacesItsOwnWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QMargins Frame(const QMainWindow& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  return frame.isNull() ? kAssumedFrame : frame;
}

}  // namespace

void FitToScreen(QMainWindow& window, QSize client) {
  const int menu = window.menuBar()->sizeHint().height();
  const QRect free = FreeArea(window);
  const QMargins frame = Frame(window);
  const QSize room(free.width() - frame.left() - frame.right(),
                   free.height() - frame.top() - frame.bottom() - menu);
  auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
  const bool fits =
      free.isEmpty() || (client.width() <= room.width() && client.height() <= room.height());
  if (!fits && scroller == nullptr) {
    QWidget* area = window.takeCentralWidget();
    scroller = new QScrollArea;
    scroller->setObjectName(area->objectName() + QStringLiteral("Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setBackgroundRole(QPalette::Window);
    scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls it holds
    scroller->setWidget(area);
    window.setCentralWidget(scroller);
  }
  QWidget* area = scroller != nullptr ? scroller->widget() : window.centralWidget();
  area->setFixedSize(client);
  QSize shown = client;
  if (scroller != nullptr) {
    // A scroll bar across one side takes room from the other.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
    const bool tall = client.height() > room.height();
    const bool wide = client.width() + (tall ? bar : 0) > room.width();
    shown = QSize(std::min(client.width() + (tall ? bar : 0), room.width()),
                  std::min(client.height() + (wide ? bar : 0), room.height()));
  }
  window.setFixedSize(shown.width(), shown.height() + menu);
}

void PlaceAtTopCentre(QMainWindow& window) {
  if (!PlacesItsOwnWindows()) return;
  window.move(window.x(), FreeArea(window).top());
  CentreAcrossScreen(window);
}

void CentreAcrossScreen(QMainWindow& window) {
  if (!PlacesItsOwnWindows()) return;
  const QRect screen = ScreenArea(window);
  const QRect free = FreeArea(window);
  const int width = window.frameGeometry().width();
  int x = screen.x() + screen.width() / 2 - width / 2;
  if (!free.isEmpty()) x = std::max(std::min(x, free.right() + 1 - width), free.left());
  window.move(x, window.y());
}

}  // namespace numbrella::ui
