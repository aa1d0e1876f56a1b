// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <utility>

namespace numbrella {

Application::Application() : Application(std::make_unique<ui::RealServices>(), nullptr) {}

Application::Application(const ui::Services& services) : Application(nullptr, &services) {}

Application::Application(std::unique_ptr<ui::RealServices> real, const ui::Services* given)
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

}  // namespace numbrella
