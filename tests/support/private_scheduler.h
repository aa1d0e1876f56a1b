// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print scheduler of the test's own: cupsd with its configuration, spool, cache,
// state and logs in one temporary folder, listening on a socket there and nowhere
// else. Start() points this process at it (CUPS_SERVER and friends), so it must run
// before anything in the process asks for printers; the folder goes with the object.
// The documents of submitted jobs stay in its spool.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace numbrella::testing {

namespace scheduler_detail {

inline bool WriteFile(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(text.toUtf8()) >= 0;
}

inline bool Accepts(const QString& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(socketPath);
  std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  ::close(fd);
  return connected;
}

}  // namespace scheduler_detail

class PrivateScheduler {
 public:
  // Starts it; on failure returns why.
  std::optional<QString> Start() {
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFile::exists(cupsd))
      return QStringLiteral("there is no %1 (package cups-daemon)").arg(cupsd);
    if (QStandardPaths::findExecutable("lpadmin").isEmpty()) {
      return QStringLiteral("there is no lpadmin (package cups-client)");
    }
    char pattern[] = "/tmp/numbrella-cups-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) return QStringLiteral("no temporary folder");
    root_ = QString::fromLocal8Bit(pattern);
    QDir dir(root_);
    for (const char* sub :
         {"conf", "spool", "spool/tmp", "cache", "state", "log", "client", "home"}) {
      if (!dir.mkpath(sub)) return QStringLiteral("cannot make %1").arg(dir.filePath(sub));
    }
    socket_ = dir.filePath("cups.sock");

    const QString conf =
        QStringLiteral(
            "Listen %1\n"
            "Browsing No\n"
            "BrowseLocalProtocols none\n"
            "DefaultAuthType None\n"
            "WebInterface No\n"
            "LogLevel warn\n"
            "PreserveJobFiles Yes\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
            "  </Limit>\n</Policy>\n")
            .arg(socket_);
    QString files = QStringLiteral(
                        "ServerRoot %1/conf\n"
                        "RequestRoot %1/spool\n"
                        "TempDir %1/spool/tmp\n"
                        "CacheDir %1/cache\n"
                        "StateDir %1/state\n"
                        "ErrorLog %1/log/error_log\n"
                        "AccessLog %1/log/access_log\n"
                        "PageLog %1/log/page_log\n"
                        "FileDevice Yes\n")
                        .arg(root_);
    if (::geteuid() != 0) {
      // Unprivileged, the scheduler runs its helpers as the user who started it.
      if (const passwd* user = ::getpwuid(::geteuid()))
        files += QStringLiteral("User %1\n").arg(user->pw_name);
      if (const group* grp = ::getgrgid(::getegid())) {
        files += QStringLiteral("Group %1\nSystemGroup %1\n").arg(grp->gr_name);
      }
    }
    if (!scheduler_detail::WriteFile(dir.filePath("conf/cupsd.conf"), conf) ||
        !scheduler_detail::WriteFile(dir.filePath("conf/cups-files.conf"), files)) {
      return QStringLiteral("cannot write the configuration");
    }

    cupsd_.setProgram(cupsd);
    cupsd_.setArguments(
        {"-f", "-c", dir.filePath("conf/cupsd.conf"), "-s", dir.filePath("conf/cups-files.conf")});
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start();
    if (!cupsd_.waitForStarted(5000))
      return QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
    for (int i = 0; i < 200 && !scheduler_detail::Accepts(socket_); ++i) {
      if (cupsd_.state() == QProcess::NotRunning) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!scheduler_detail::Accepts(socket_)) {
      QString why = QStringLiteral("cupsd does not answer on %1: ").arg(socket_);
      why += QString::fromLocal8Bit(cupsd_.readAll());
      QFile log(dir.filePath("log/error_log"));
      if (log.open(QIODevice::ReadOnly)) why += QString::fromLocal8Bit(log.readAll());
      return why;
    }

    // The process asks this scheduler and nothing else: no client configuration, no
    // personal default printer, no default from the environment.
    ::setenv("CUPS_SERVER", QFile::encodeName(socket_).constData(), 1);
    ::setenv("CUPS_SERVERROOT", QFile::encodeName(dir.filePath("client")).constData(), 1);
    ::setenv("HOME", QFile::encodeName(dir.filePath("home")).constData(), 1);
    ::unsetenv("LPDEST");
    ::unsetenv("PRINTER");
    return std::nullopt;
  }

  // The scheduler's process, to be stopped and let go on as a hung server would be.
  qint64 ProcessId() const { return cupsd_.processId(); }

  void Stop() {
    if (cupsd_.state() != QProcess::NotRunning) {
      cupsd_.terminate();
      if (!cupsd_.waitForFinished(10000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(5000);
      }
    }
  }

  ~PrivateScheduler() {
    Stop();
    if (!root_.isEmpty()) QDir(root_).removeRecursively();
  }

  // Runs lpadmin against this scheduler; returns its messages when it fails.
  std::optional<QString> Admin(const QStringList& arguments) {
    QProcess lpadmin;
    lpadmin.setProcessChannelMode(QProcess::MergedChannels);
    lpadmin.start("lpadmin", QStringList{"-h", socket_} + arguments);
    if (!lpadmin.waitForFinished(30000)) return QStringLiteral("lpadmin did not finish");
    if (lpadmin.exitStatus() != QProcess::NormalExit || lpadmin.exitCode() != 0) {
      return QString::fromLocal8Bit(lpadmin.readAll());
    }
    return std::nullopt;
  }

  // The documents of the jobs submitted so far, as the scheduler keeps them in its
  // spool (d<job>-<document>), oldest first.
  QStringList JobFiles() const {
    QDir spool(QDir(root_).filePath("spool"));
    QStringList files;
    for (const QString& name : spool.entryList({"d*"}, QDir::Files, QDir::Name)) {
      files << spool.filePath(name);
    }
    return files;
  }

  // Adds a queue that prints to nothing; raw if this scheduler still takes raw queues.
  std::optional<QString> AddQueue(const QString& name) {
    const QStringList queue{"-p", name, "-E", "-v", "file:///dev/null"};
    if (!Admin(queue + QStringList{"-m", "raw"})) return std::nullopt;
    return Admin(queue);
  }

 private:
  QString root_;
  QString socket_;
  QProcess cupsd_;
};

}  // namespace numbrella::testing
