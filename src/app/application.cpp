// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace numbrella {

Application::Application() : Application(std::make_unique<app::RealServices>(), nullptr) {}

Application::Application(std::unique_ptr<app::RealServices> real)
    : Application(std::move(real), nullptr) {}

Application::Application(const ui::Services& services) : Application(nullptr, &services) {}

Application::Application(std::unique_ptr<app::RealServices> real, const ui::Services* given)
    : real_(std::move(real)),
      services_(given != nullptr ? *given : real_->services()),
      converter_([this] {
        return std::make_unique<frmListBoxConverter>(
            services_, [this](SIWindow window) { ShowSIWindow(window); });
      }) {}

Application::~Application() = default;

frmNewCalculator1& Application::Calculator() {
  if (calculator_ == nullptr) {
    calculator_ = std::make_unique<frmNewCalculator1>(services_, [this] { ShowConverter(); });
  }
  return *calculator_;
}

frmListBoxConverter& Application::ShowConverter() { return converter_.Show(); }

frmListBoxConverter* Application::Converter() const { return converter_.Open(); }

QWidget& Application::ShowSIWindow(SIWindow window) {
  switch (window) {
    case SIWindow::Info:
      return info_.Show();
    case SIWindow::BaseUnits:
      return baseUnits_.Show();
    case SIWindow::Prefixes:
      break;
  }
  return prefixes_.Show();
}

void Application::KeepRecoveryCopies(const QString& folder) {
  frmNewCalculator1& window = Calculator();
  recovery_ = std::make_unique<app::RecoveryKeeper>(
      folder, [&window] { return window.Document().UnsavedRecord(); });
  app::RecoveryKeeper* keeper = recovery_.get();
  keeper->Watch(window.Record());
  QObject::connect(&window, &frmNewCalculator1::ClosedCleanly, keeper,
                   &app::RecoveryKeeper::Discard);
  // Inside the event loop, so that a signal to end stops the questions too.
  QMetaObject::invokeMethod(
      keeper,
      [this, folder, keeper, &window] {
        offeringCopies_ = true;
        app::OfferLeftCopies(
            folder, keeper->Path(),
            [this, &window](const std::optional<RecoveryRecord>& copy, const QString& path) {
              if (ending_) return CopyFate::Keep;
              const CopyFate fate = window.OfferRecovery(copy, path);
              // A question the end cut short was not answered.
              return ending_ ? CopyFate::Keep : fate;
            });
        offeringCopies_ = false;
        OpenStartFile();
      },
      Qt::QueuedConnection);
}

void Application::OpenAtStart(const QString& path) {
  startFile_ = path;
  // Run by the recovery offer instead while that has its questions open.
  QMetaObject::invokeMethod(
      &Calculator(),
      [this] {
        if (!offeringCopies_) OpenStartFile();
      },
      Qt::QueuedConnection);
}

void Application::OpenStartFile() {
  const QString path = std::exchange(startFile_, QString());
  if (!path.isEmpty() && !ending_) Calculator().OpenFile(path);
}

void Application::EndNow() {
  ending_ = true;
  if (recovery_ != nullptr) recovery_->WriteNow();
  // Not quit(): that closes the windows, and closing asks the save question.
  QCoreApplication::exit(0);
}

}  // namespace numbrella
