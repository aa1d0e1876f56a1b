// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives modal dialogs as a user would: once a new modal widget is up, a step looks at
// it and answers it. A dialog that no step answers is rejected after a while, so a
// broken test fails instead of hanging.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace numbrella::testing {

// Steps still waiting when a test ends are dropped with it (see ModalWatchdog).
inline int& ModalGeneration() {
  static int generation = 0;
  return generation;
}

// Runs `step` once on the first modal widget other than `besides` that becomes
// active. Call it before the code that opens the dialog.
inline void WhenModalShown(std::function<void(QWidget*)> step, QWidget* besides = nullptr) {
  auto* timer = new QTimer;
  auto waited = std::make_shared<int>(0);
  QPointer<QWidget> previous(besides);
  const int generation = ModalGeneration();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout,
                   [timer, waited, previous, generation, step = std::move(step)] {
                     if (generation != ModalGeneration()) {
                       timer->stop();
                       timer->deleteLater();
                       return;
                     }
                     QWidget* modal = QApplication::activeModalWidget();
                     if (modal != nullptr && modal != previous.data() && modal->isVisible()) {
                       timer->stop();
                       timer->deleteLater();
                       step(modal);
                       return;
                     }
                     if (++*waited > 1000) {  // ten seconds
                       timer->stop();
                       timer->deleteLater();
                       ADD_FAILURE() << "no dialog came up";
                     }
                   });
  timer->start();
}

// Rejects whatever modal dialog is still up after `ms` milliseconds (a test whose step
// did not answer it), recording a failure. One lives as long as a test; steps that are
// still waiting when it goes are dropped.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int ms = 15000) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [] {
      while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ADD_FAILURE() << "a dialog was left open: " << dialog->metaObject()->className();
        dialog->reject();
        QApplication::processEvents();
      }
    });
    timer_.start(ms);
  }
  ~ModalWatchdog() { ++ModalGeneration(); }
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

 private:
  QTimer timer_;
};

}  // namespace numbrella::testing
