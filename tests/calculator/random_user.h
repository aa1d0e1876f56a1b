// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seeded random user of the calculator window and of the conversion calculator that
// it opens from the calculator's menu: presses and holds on the keys, clicks, lists
// and drop-downs, menu commands by mouse and by key, typing where typing is taken,
// window closes and reopenings. Every question and dialog is answered at random from
// answers scripted before each action.
#include "calculator/random_workboard_user.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace numbrella::testing {

class RandomUser : public WorkboardUser {
 public:
  RandomUser(std::uint64_t seed, ActionWatchdog& watchdog) : WorkboardUser(seed, watchdog) {}

  // One action, chosen at random, with its questions and dialogs scripted.
  void Act(long number) {
    record_ = {};
    watchdog_.Begin(number, "choosing");
    Script();
    const std::vector<Weighted>& actions =
        Converter() != nullptr ? withConverter_ : calculatorOnly_;
    int total = 0;
    for (const Weighted& a : actions) total += a.weight;
    int roll = dice_.Below(total);
    const auto start = std::chrono::steady_clock::now();
    const char* kind = "";
    for (const Weighted& a : actions) {
      if (roll < a.weight) {
        kind = a.name;
        (this->*a.action)();
        break;
      }
      roll -= a.weight;
    }
    Settle();
    if (scriptedOpen_ && fakes_.dialogs.openFiles.empty()) record_.opened.push_back(*scriptedOpen_);
    if (!calculator_->isVisible()) {
      // The calculator really closed: the program starts again, as its user would.
      EndProgram();
      OpenCalculator();
      record_.freshCalculator = true;
    }
    Tally& tally = tallies_[kind];
    ++tally.count;
    tally.seconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  // How often each kind of action came, and the time it took.
  struct Tally {
    long count = 0;
    double seconds = 0;
  };
  const std::map<std::string, Tally>& Tallies() const { return tallies_; }

 private:
  using Action = void (RandomUser::*)();
  struct Weighted {
    int weight;
    Action action;
    const char* name;
  };

  // The answers to whatever the next action asks: two rolls for questions, a file for
  // each file dialog, a colour, a print target.
  void Script() {
    messages_.shown.clear();
    messages_.unanswered.clear();
    messages_.rolls = {dice_.Below(6), dice_.Below(6)};
    FakeDialogs& dialogs = fakes_.dialogs;
    dialogs.unscripted = 0;
    scriptedOpen_ = files_.OpenChoice(dice_);
    dialogs.openFiles = {scriptedOpen_};
    dialogs.saveFiles = {files_.SaveChoice(dice_), files_.SaveChoice(dice_)};
    dialogs.colours = {dice_.Percent(20) ? std::nullopt
                                         : std::optional<QColor>(QColor::fromRgb(
                                               static_cast<QRgb>(dice_.Below(1 << 24))))};
    dialogs.printFiles = {files_.PrintChoice(dice_)};
  }

  // How often each action comes, out of the sum of the weights.
  const std::vector<Weighted> calculatorOnly_ = {
      {180, &RandomUser::Keypad, "Keypad"},
      {25, &RandomUser::Backspace, "Backspace"},
      {190, &RandomUser::Key, "Key"},
      {40, &RandomUser::Constants, "Constants"},
      {40, &RandomUser::ClickOperand, "ClickOperand"},
      {45, &RandomUser::ChooseInList, "ChooseInList"},
      {20, &RandomUser::TypeConstant, "TypeConstant"},
      {50, &RandomUser::EditWorkboard, "EditWorkboard"},
      {25, &RandomUser::EditMenu, "EditMenu"},
      {5, &RandomUser::ClipboardFromElsewhere, "ClipboardFromElsewhere"},
      {45, &RandomUser::DocumentCommand, "DocumentCommand"},
      {30, &RandomUser::ViewCommand, "ViewCommand"},
      {2, &RandomUser::Print, "Print"},
      {20, &RandomUser::Tabbing, "Tabbing"},
      {60, &RandomUser::TypeKeys, "TypeKeys"},
      {6, &RandomUser::ReaderPress, "ReaderPress"},
      {3, &RandomUser::PrinterChange, "PrinterChange"},
      {6, &RandomUser::CloseCalculator, "CloseCalculator"},
      {20, &RandomUser::ShowConverter, "ShowConverter"},
  };
  const std::vector<Weighted> withConverter_ = [this] {
    std::vector<Weighted> all = calculatorOnly_;
    all.back().weight = 2;  // showing it again only brings it forward
    all.insert(all.end(), {
                              {25, &RandomUser::Category, "Category"},
                              {50, &RandomUser::ClickUnit, "ClickUnit"},
                              {12, &RandomUser::ReverseDirection, "ReverseDirection"},
                              {45, &RandomUser::TypeInput, "TypeInput"},
                              {20, &RandomUser::DecimalPlaces, "DecimalPlaces"},
                              {20, &RandomUser::SwapOrCopy, "SwapOrCopy"},
                              {5, &RandomUser::Captions, "Captions"},
                              {3, &RandomUser::ReferenceWindow, "ReferenceWindow"},
                              {5, &RandomUser::CloseConverter, "CloseConverter"},
                          });
    return all;
  }();

  std::optional<QString> scriptedOpen_;
  std::map<std::string, Tally> tallies_;
};

}  // namespace numbrella::testing
