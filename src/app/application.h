// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: the platform services and every window, each owned here and given only
// what it needs, the services and a way to show the window it opens. What is declared
// later goes first: the calculator, then the converter, then the reference windows,
// then the services they all use.
#include "app/real_services.h"
#include "app/recovery.h"
#include "calculator/frmNewCalculator1.h"
#include "converter/frmListBoxConverter.h"
#include "reference/frmInfo1.h"
#include "reference/frmSIBaseUnits1.h"
#include "reference/frmSIPrefixes1.h"
#include "ui/single_window.h"

#include <QString>

#include <memory>

namespace numbrella {

class Application {
 public:
  // With the real platform services, which it owns.
  Application();
  // With these real services, which it owns.
  explicit Application(std::unique_ptr<app::RealServices> real);
  // With the given services, which must outlive it.
  explicit Application(const ui::Services& services);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The calculator window, built when first asked for (its start-up sequence runs
  // then) and not shown by this.
  frmNewCalculator1& Calculator();
  // The one conversion calculator, shown: built when none is open, brought forward
  // when it is.
  frmListBoxConverter& ShowConverter();
  // The conversion calculator while it is open, or null.
  frmListBoxConverter* Converter() const;
  // One of the three reference windows, shown as the converter is.
  QWidget& ShowSIWindow(SIWindow window);

  // Keeps a recovery copy of the calculator's unsaved workboard in `folder`. Once the
  // event loop runs, the calculator first offers back the copies that calculators left
  // when they ended without a clean close.
  void KeepRecoveryCopies(const QString& folder);
  // Opens the record at `path` in the calculator once the event loop runs, after the
  // recovery copies have been offered back: call it after KeepRecoveryCopies.
  void OpenAtStart(const QString& path);
  // The calculator's copy, once KeepRecoveryCopies has run.
  app::RecoveryKeeper* Recovery() const { return recovery_.get(); }
  // Ends the program at once, asking nothing (a signal to end): the copy is written
  // first, so that the next start offers the unsaved work back.
  void EndNow();

 private:
  Application(std::unique_ptr<app::RealServices> real, const ui::Services* given);
  void OpenStartFile();

  std::unique_ptr<app::RealServices> real_;  // none when the services were given
  ui::Services services_;
  ui::SingleWindow<frmInfo1> info_;
  ui::SingleWindow<frmSIBaseUnits1> baseUnits_;
  ui::SingleWindow<frmSIPrefixes1> prefixes_;
  ui::SingleWindow<frmListBoxConverter> converter_;
  std::unique_ptr<frmNewCalculator1> calculator_;
  // After the calculator: it goes first, while the window it reads still stands.
  std::unique_ptr<app::RecoveryKeeper> recovery_;
  bool ending_ = false;
  bool offeringCopies_ = false;
  QString startFile_;  // "" when none is to be opened, or once it has been
};

}  // namespace numbrella
