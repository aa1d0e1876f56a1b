// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window opened beside a folder of its own for the documents, its menu
// entries chosen as the user chooses them; a dialog the test did not script fails it.
#include "calculator/calculator_window.h"
#include "support/readable_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

namespace numbrella::testing {

// A file's bytes, and bytes written as a whole file.
inline QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll();
}

inline bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Runs `write` while files may grow to `bytes` only, with the signal that would end
// the program ignored: a write beyond fails as on a full disk.
template <typename Write>
void WithFilesLimitedTo(rlim_t bytes, Write write) {
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit small = before;
  small.rlim_cur = bytes;
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  write();
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, previous);
}

class Documents : public CalculatorWindowTest {
 protected:
  void SetUp() override {
    CalculatorWindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    Open();
  }
  void TearDown() override {
    EXPECT_EQ(fakes.dialogs.unscripted, 0) << "a dialog came up that the test did not expect";
    CalculatorWindowTest::TearDown();
  }

  QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
  QString Title() const { return window->windowTitle(); }
  QString TitleFor(const QString& path) const {
    return QStringLiteral("  Numbrella Calculator ") + path + QString(12, u' ') +
           "www.numbrella.example ";
  }
  const ShownMessage& LastMessage() const { return fakes.messages.shown.back(); }

  QTemporaryDir dir;
};

}  // namespace numbrella::testing
