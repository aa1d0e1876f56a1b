// SPDX-License-Identifier: GPL-3.0-or-later
// Random use of the calculator and the conversion calculator: thousands of seeded
// random actions, and after every one of them the windows must still be sound: no
// crash, no hang, no box left open or question left unanswered, at most one operand
// current, the converter's captions naming its chosen units, unsaved work marked as
// such, every saved file holding the workboard's text, and the recovery copy holding
// the unsaved workboard, or gone when nothing is unsaved.
//
// NUMBRELLA_RANDOM_SEED and NUMBRELLA_RANDOM_ACTIONS choose the seed and the number of
// actions; a failure names the seed and the action that broke the windows.
#include "app/recovery.h"
#include "calculator/random_user.h"
#include "workboard/document_file.h"
#include "workboard/recovery.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#ifndef NUMBRELLA_RANDOM_DEFAULT_ACTIONS
#define NUMBRELLA_RANDOM_DEFAULT_ACTIONS 10000
#endif

namespace numbrella::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  std::uint64_t value = 0;
  if (text == nullptr) return fallback;
  const std::string_view digits(text);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size() ? value : fallback;
}

// A text in a failure message: its start, line breaks as \r and \n.
std::string Shown(const QString& text) {
  std::string shown = "\"";
  for (char c : Str(text.left(200))) {
    shown += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return shown + (text.size() > 200 ? "...\"" : "\"");
}

// What must hold after every action. Before() notes what the action starts from;
// After() names the first thing that no longer holds.
class Soundness {
 public:
  explicit Soundness(RandomUser& user) : user_(user) {}

  void Before() {
    textBefore_ = Workboard()->Text();
    encodingBefore_ = user_.Calculator()->Document().Encoding();
    stamps_ = user_.Files().Stamps();
  }

  std::optional<std::string> After() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      return std::string("a modal window was left open: ") + modal->metaObject()->className();
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
      return std::string("a pop-up was left open: ") + popup->metaObject()->className();
    }
    if (!user_.Messages().unanswered.empty()) {
      return "a question came up that no answer was scripted for: " +
             Shown(user_.Messages().unanswered.front());
    }
    if (user_.Fakes().dialogs.unscripted != 0) return "a dialog came up that was not scripted";
    if (auto broken = Worksheet()) return broken;
    if (auto broken = Converter()) return broken;
    if (auto broken = SavedFiles()) return broken;
    if (auto broken = RecoveryCopy()) return broken;
    return Document();
  }

 private:
  ui::RichTextBox* Workboard() const {
    return user_.Calculator()->findChild<ui::RichTextBox*>(QStringLiteral("txtArchive1"));
  }

  std::optional<std::string> Worksheet() const {
    const numbrella::Worksheet& sheet = user_.Calculator()->Sheet();
    if (sheet.Operand1Current() && sheet.Operand2Current()) return "both operands are current";
    for (const char* name : {"tmrNumbers", "tmrBackspace"}) {
      if (user_.Calculator()->findChild<QTimer*>(QLatin1String(name))->isActive()) {
        return std::string(name) + " still repeats after the key was released";
      }
    }
    return std::nullopt;
  }

  std::optional<std::string> Converter() const {
    frmListBoxConverter* converter = RandomUser::Converter();
    if (converter == nullptr) return std::nullopt;
    QListWidget* shown[2] = {nullptr, nullptr};
    for (QListWidget* list : converter->findChildren<QListWidget*>()) {
      if (list->isHidden()) continue;
      const int side = list->objectName().endsWith(QLatin1Char('1')) ? 0 : 1;
      if (shown[side] != nullptr) return "two unit lists are shown on one side";
      shown[side] = list;
    }
    if (shown[0] == nullptr || shown[1] == nullptr) return "a side shows no unit list";
    if (shown[0]->objectName().chopped(1) != shown[1]->objectName().chopped(1)) {
      return "the lists shown belong to two categories: " + Str(shown[0]->objectName()) + ", " +
             Str(shown[1]->objectName());
    }
    auto label = [converter](const char* name) {
      return converter->findChild<QLabel*>(QLatin1String(name))->text();
    };
    const bool forward = !converter->findChild<QWidget*>(QStringLiteral("Image1"))->isHidden();
    if (forward == !converter->findChild<QWidget*>(QStringLiteral("Image2"))->isHidden()) {
      return "both hands or neither are shown";
    }
    QListWidgetItem* from = shown[forward ? 0 : 1]->currentItem();
    QListWidgetItem* into = shown[forward ? 1 : 0]->currentItem();
    if (from == nullptr || into == nullptr) return "a unit list shown has no unit chosen";
    if (label("Label1") != from->text() || label("Label2") != into->text()) {
      return "the captions name " + Shown(label("Label1")) + " into " + Shown(label("Label2")) +
             " while the lists choose " + Shown(from->text()) + " into " + Shown(into->text());
    }
    const QString convert = QStringLiteral("Convert:");
    const QString intoCaption = QStringLiteral("Into:");
    if (label("Label6") != (forward ? convert : intoCaption) ||
        label("Label7") != (forward ? intoCaption : convert)) {
      return "the captions over the lists do not follow the direction";
    }
    return std::nullopt;
  }

  // A file that changed was saved by the program: it holds the workboard's text as it
  // was when the action began, and a line break, in the document's encoding.
  std::optional<std::string> SavedFiles() {
    saved_ = false;
    const std::map<QString, FileStamp> now = user_.Files().Stamps();
    for (const auto& [path, stamp] : now) {
      const auto before = stamps_.find(path);
      if (before != stamps_.end() && before->second == stamp) continue;
      saved_ = true;
      ++saves;
      const std::string expected = WriteDocument(Str(textBefore_), encodingBefore_).bytes;
      const QByteArray bytes = Scratch::Bytes(path);
      if (std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())) != expected) {
        return "the file " + Str(path) + " holds " + Shown(QString::fromLatin1(bytes)) +
               ", not the workboard's text " + Shown(textBefore_) + " and a line break";
      }
    }
    return std::nullopt;
  }

  // Once what a change made due is written (in at most two seconds; here at once),
  // the copy holds exactly the unsaved workboard, and there is none without one.
  std::optional<std::string> RecoveryCopy() const {
    app::RecoveryKeeper* keeper = user_.Recovery();
    keeper->Flush();
    const std::optional<RecoveryRecord> unsaved = user_.Calculator()->Document().UnsavedRecord();
    QFile file(keeper->Path());
    if (!file.open(QIODevice::ReadOnly)) {
      if (unsaved) return "the workboard holds unsaved work, but there is no recovery copy";
      return std::nullopt;
    }
    if (!unsaved) return "nothing is unsaved, but a recovery copy is left";
    const QByteArray bytes = file.readAll();
    const std::optional<RecoveryRecord> copy =
        ReadRecovery(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (copy != unsaved) {
      return "the recovery copy holds " +
             (copy ? Shown(QString::fromStdString(copy->text)) : "nothing readable") + " for " +
             Shown(QString::fromStdString(unsaved->fileName)) + ", not the unsaved " +
             Shown(QString::fromStdString(unsaved->text));
    }
    return std::nullopt;
  }

  // Unsaved work is marked: the workboard is changed whenever its text differs from
  // the text last saved or opened (or emptied by New and Clear Workboard).
  std::optional<std::string> Document() {
    const RandomUser::Record& last = user_.Last();
    frmNewCalculator1* calculator = user_.Calculator();
    const QString text = Workboard()->Text();
    const bool changed = calculator->Document().Changed();
    if (last.freshCalculator) {
      ++freshWindows;
      baseline_.clear();
      if (changed || !text.isEmpty()) return "a new calculator window starts with work";
      return std::nullopt;
    }
    if (saved_) baseline_ = textBefore_;
    if (changed && calculator->findChild<QWidget*>(QStringLiteral("Command4"))->isHidden()) {
      return "the workboard holds unsaved work, but the Clear Workboard button is hidden";
    }
    if (changed || text == baseline_) return std::nullopt;
    bool reset = last.mayEmptyWorkboard && text.isEmpty();
    for (const QString& path : last.opened) {
      if (!QFileInfo(path).isFile()) continue;  // nothing was opened
      const QByteArray bytes = Scratch::Bytes(path);
      const DocumentReading reading =
          ReadDocument(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
      reset = reset || (reading.document && reading.document->text == Str(text));
    }
    if (!reset) {
      return "the workboard reads " + Shown(text) + " but counts as unchanged since " +
             Shown(baseline_);
    }
    ++resets;
    baseline_ = text;
    return std::nullopt;
  }

 public:
  // What the run went through, for its summary.
  long saves = 0;         // files written
  long resets = 0;        // workboards opened from a file or emptied, unchanged since
  long freshWindows = 0;  // calculators closed and started anew

 private:
  RandomUser& user_;
  QString textBefore_;
  TextEncoding encodingBefore_ = TextEncoding::Utf8;
  std::map<QString, FileStamp> stamps_;
  bool saved_ = false;
  QString baseline_;
};

TEST(RandomUse, WindowsStaySoundUnderSeededRandomActions) {
  ASSERT_TRUE(InstallStandInFonts(
      {QStringLiteral("Arial Narrow"), QStringLiteral("Arial Rounded MT Bold")}));
  const std::uint64_t seed = Setting("NUMBRELLA_RANDOM_SEED", kDefaultSeed);
  const long actions =
      static_cast<long>(Setting("NUMBRELLA_RANDOM_ACTIONS", NUMBRELLA_RANDOM_DEFAULT_ACTIONS));
  std::printf(
      "random use: seed %llu, %ld actions (NUMBRELLA_RANDOM_SEED, NUMBRELLA_RANDOM_ACTIONS)\n",
      static_cast<unsigned long long>(seed), actions);
  // The program would end with its last window; here a new calculator takes its place.
  QApplication::setQuitOnLastWindowClosed(false);
  const auto start = std::chrono::steady_clock::now();

  ActionWatchdog watchdog(seed, std::chrono::seconds(30));
  RandomUser user(seed, watchdog);
  Soundness soundness(user);
  long done = 0;
  for (long number = 1; number <= actions; ++number) {
    soundness.Before();
    user.Act(number);
    const std::optional<std::string> broken = soundness.After();
    watchdog.End();
    if (broken) {
      ADD_FAILURE() << "random use broke at " << watchdog.Where() << "\n  " << *broken
                    << "\n  (again: NUMBRELLA_RANDOM_SEED=" << seed
                    << " NUMBRELLA_RANDOM_ACTIONS=" << number << ")";
      break;
    }
    done = number;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("random use: %ld actions in %.1f s\n", done, seconds);
  std::printf("  %ld files saved, %ld workboards opened or emptied, %ld calculators closed\n",
              soundness.saves, soundness.resets, soundness.freshWindows);
  for (const auto& [title, count] : user.Messages().byTitle) {
    std::printf("  %6ld boxes titled \"%s\"\n", count, Str(title).c_str());
  }
  for (const auto& [kind, tally] : user.Tallies()) {
    std::printf("  %-24s %6ld actions %6.1f s\n", kind.c_str(), tally.count, tally.seconds);
  }
}

}  // namespace
}  // namespace numbrella::testing
