// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a seeded random user needs besides its actions: its dice, message boxes that it
// answers at random, its hands on the mouse and the keyboard, and a scratch folder of
// documents for the file dialogs to return.
#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace numbrella::testing {

// Numbers drawn from a seed: the same ones on every run with that seed.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}
  int Below(int n) {
    return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<std::uint64_t>(n));
  }
  bool Percent(int percent) { return Below(100) < percent; }
  template <typename T>
  const T& Of(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  std::mt19937_64 engine_;
};

// Message boxes whose questions are answered by rolls the test scripts before each
// action: a roll picks one of the buttons the box offers. A question that finds no
// roll is an unanswered question; boxes with an OK button alone need none.
class RandomMessageBoxes : public ui::MessageBoxes {
 public:
  ui::MessageAnswer Show(QWidget*, const QString& text, const QString& title,
                         ui::MessageButtons buttons, ui::MessageIcon,
                         ui::MessageAnswer defaultButton) override {
    shown.push_back(title + QStringLiteral(": ") + text);
    ++byTitle[title];
    if (buttons == ui::MessageButtons::Ok) return ui::MessageAnswer::Ok;
    if (rolls.empty()) {
      unanswered.push_back(text);
      return defaultButton;
    }
    const int roll = rolls.front();
    rolls.pop_front();
    static constexpr ui::MessageAnswer kAnswers[] = {ui::MessageAnswer::Yes, ui::MessageAnswer::No,
                                                     ui::MessageAnswer::Cancel};
    return kAnswers[roll % (buttons == ui::MessageButtons::YesNo ? 2 : 3)];
  }

  std::deque<int> rolls;
  std::vector<QString> shown;       // since the test last emptied it
  std::vector<QString> unanswered;  // likewise
  std::map<QString, long> byTitle;  // every box of the run
};

// ---- hands ---------------------------------------------------------------------------

// Lets the events of the moment run, and the windows closed meanwhile go.
inline void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Brings `window` in front and makes it the active one, as a click on it does.
inline void Activate(QWidget* window) {
  if (QApplication::activeWindow() == window) return;
  QApplication::setActiveWindow(window);
  (void)QTest::qWaitForWindowActive(window, 2000);
}

// The control a user's pointer lands on at `at` inside `target`: whatever is in front
// there (an expanded workboard covers the keys under it).
inline QWidget* InFrontAt(QWidget* target, QPoint at, QPoint* local) {
  QWidget* window = target->window();
  const QPoint inWindow = target->mapTo(window, at);
  QWidget* hit = window->childAt(inWindow);
  if (hit == nullptr) hit = window;
  *local = hit->mapFrom(window, inWindow);
  return hit;
}

// A mouse button pressed where `target` is drawn, held `holdMs` milliseconds while time
// passes, and released. Returns what it landed on.
inline QWidget* PressWhere(QWidget* target, QPoint at, Qt::MouseButton button, int holdMs) {
  QPoint local;
  QWidget* hit = InFrontAt(target, at, &local);
  QPointer<QWidget> alive(hit);
  QTest::mousePress(hit, button, {}, local);
  if (holdMs > 0) QTest::qWait(holdMs);
  if (alive) QTest::mouseRelease(hit, button, {}, local);
  return hit;
}
inline QWidget* ClickWhere(QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
  return PressWhere(target, target->rect().center(), button, 0);
}

inline bool Covered(QWidget* control) {
  QPoint local;
  QWidget* hit = InFrontAt(control, control->rect().center(), &local);
  return hit != control && !control->isAncestorOf(hit);
}

// The keyboard's keys reach the control that has the focus in the active window.
inline QWidget* KeyTarget(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && focus->window() == window ? focus : window;
}

// ---- documents ------------------------------------------------------------------------

// How a file stood on disk: a save replaces it by another file (a new inode).
struct FileStamp {
  ino_t inode = 0;
  off_t size = 0;
  long long modified = 0;  // nanoseconds
  bool operator==(const FileStamp&) const = default;
};

// A scratch folder with documents of every kind the Open dialog may bring: UTF-8, a
// single-byte encoding, lone line feeds and carriage returns, no final line break,
// empty, binary, a folder; and names of files that do not exist yet.
class Scratch {
 public:
  Scratch() {
    Write("utf8.txt", "12  +  30  =  42\r\nnotes \xE2\x86\x92 kept\r\n");
    Write("cp1252.txt", "caf\xE9 \x80 5\r\n\x93quoted\x94\r\n");
    Write("lf.txt", "one\ntwo\n\nthree\n");
    Write("cr.txt", "a\rb\r");
    Write("nolinebreak.txt", "last line");
    Write("empty.txt", "");
    Write("bom.txt", "\xEF\xBB\xBFsigned\r\n");
    Write("binary.dat", QByteArray("12\0"
                                   "34",
                                   5));
    QDir(dir_.path()).mkpath(QStringLiteral("folder"));
  }

  QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QString Folder() const { return dir_.path(); }

  // What the Open dialog returns: an existing file or folder, now and then a file
  // gone since the dialog listed it, or Cancel.
  std::optional<QString> OpenChoice(Dice& dice) const {
    if (dice.Percent(15)) return std::nullopt;
    if (dice.Percent(3)) return Path(QStringLiteral("gone.txt"));
    std::vector<QString> existing;
    QDirIterator files(dir_.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      if (!path.endsWith(QLatin1String(".pdf"))) existing.push_back(path);
    }
    std::sort(existing.begin(), existing.end());  // the same choice for the same seed
    return dice.Of(existing);
  }

  // What the Save dialog returns: an existing or a new file, a folder, a file in a
  // folder that does not exist, or Cancel.
  std::optional<QString> SaveChoice(Dice& dice) const {
    if (dice.Percent(15)) return std::nullopt;
    static const std::vector<QString> kNames = {
        "utf8.txt", "cp1252.txt",      "lf.txt",           "nolinebreak.txt", "empty.txt",
        "day.txt",  "notes.txt",       "odd [*] name.txt", "spaced name.bat", "\u00FCn\u00EF.ini",
        "folder",   "missing/day.txt", "day.txt",          "notes.txt"};
    return Path(dice.Of(kNames));
  }

  // Where a print into a file goes: a PDF file here, one in a missing folder, or Cancel.
  std::optional<QString> PrintChoice(Dice& dice) const {
    if (dice.Percent(20)) return std::nullopt;
    return Path(dice.Percent(90) ? QStringLiteral("page.pdf") : QStringLiteral("missing/page.pdf"));
  }

  // Every file but the printed pages, with how it stands.
  std::map<QString, FileStamp> Stamps() const {
    std::map<QString, FileStamp> stamps;
    QDirIterator files(dir_.path(), QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      if (path.endsWith(QLatin1String(".pdf"))) continue;
      struct stat about {};
      if (::stat(QFile::encodeName(path).constData(), &about) != 0) continue;
      stamps[path] = {
          about.st_ino, about.st_size,
          static_cast<long long>(about.st_mtim.tv_sec) * 1000000000LL + about.st_mtim.tv_nsec};
    }
    return stamps;
  }

  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

 private:
  void Write(const char* name, const QByteArray& bytes) {
    QFile file(Path(QString::fromUtf8(name)));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
  }

  QTemporaryDir dir_;
};

}  // namespace numbrella::testing
