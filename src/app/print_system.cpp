// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_system.h"

#include "common/scheduler_messages.h"

#include <QMetaObject>

#include <cups/cups.h>
#include <dlfcn.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace numbrella::app {

namespace {

// The library is opened rather than linked: linked, its dozen libraries (TLS,
// Kerberos, service discovery) would be loaded before the program's first line,
// where nothing else can be done meanwhile.
struct Cups {
  decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&::cupsFreeDests) freeDests = nullptr;
  decltype(&::ippNewRequest) newRequest = nullptr;
  decltype(&::ippAddString) addString = nullptr;
  decltype(&::cupsDoRequest) doRequest = nullptr;
  decltype(&::ippFindAttribute) findAttribute = nullptr;
  decltype(&::ippFindNextAttribute) findNextAttribute = nullptr;
  decltype(&::ippDelete) deleteMessage = nullptr;
  decltype(&::httpConnect2) connect = nullptr;
  decltype(&::httpSetTimeout) setTimeout = nullptr;
  decltype(&::httpClose) close = nullptr;
  decltype(&::cupsServer) server = nullptr;
  decltype(&::ippPort) port = nullptr;
  decltype(&::cupsEncryption) encryption = nullptr;

  bool Loaded() const { return deleteMessage != nullptr; }
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

Cups Load() {
  void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return {};
  Cups cups;
  const bool complete =
      Resolve(library, "cupsGetNamedDest", cups.getNamedDest) &&
      Resolve(library, "cupsFreeDests", cups.freeDests) &&
      Resolve(library, "ippNewRequest", cups.newRequest) &&
      Resolve(library, "ippAddString", cups.addString) &&
      Resolve(library, "cupsDoRequest", cups.doRequest) &&
      Resolve(library, "ippFindAttribute", cups.findAttribute) &&
      Resolve(library, "ippFindNextAttribute", cups.findNextAttribute) &&
      Resolve(library, "ippDelete", cups.deleteMessage) &&
      Resolve(library, "httpConnect2", cups.connect) &&
      Resolve(library, "httpSetTimeout", cups.setTimeout) &&
      Resolve(library, "httpClose", cups.close) && Resolve(library, "cupsServer", cups.server) &&
      Resolve(library, "ippPort", cups.port) && Resolve(library, "cupsEncryption", cups.encryption);
  if (!complete) return {};
  return cups;
}

// Loaded once; a question asked while the preloading thread is still at it waits for it.
const Cups& Library() {
  static const Cups cups = Load();
  return cups;
}

// A connection to the scheduler that gives up after kPrintSystemTimeout, connecting
// and waiting for answers included; the library's default connection would wait for
// minutes. A stop asked for ends the connecting and every wait at its next slice.
class Connection {
 public:
  Connection(const Cups& cups, std::stop_token stop)
      : cups_(cups),
        stop_(std::move(stop)),
        deadline_(std::chrono::steady_clock::now() + kPrintSystemTimeout),
        cancelOnStop_(stop_, Cancel{&cancel_}) {
    if (stop_.stop_requested()) return;
    const auto start = std::chrono::steady_clock::now();
    http_ = cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC, cups.encryption(), 1,
                         static_cast<int>(kPrintSystemTimeout.count()), &cancel_);
    // A server out of reach (behind a VPN that is down) lets the connection wait and
    // does not answer; one that refuses it at once is no scheduler at all.
    timedOut_ = http_ == nullptr &&
                std::chrono::steady_clock::now() - start >= kPrintSystemTimeout * 9 / 10;
    // Each wait for the server is cut into slices, after each of which KeepWaiting
    // says whether to go on.
    if (http_ != nullptr) cups.setTimeout(http_, kSlice.count(), &Connection::KeepWaiting, this);
  }
  ~Connection() {
    if (http_ != nullptr) cups_.close(http_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  http_t* get() const { return http_; }
  bool TimedOut() const { return timedOut_; }

 private:
  static constexpr std::chrono::duration<double> kSlice{0.1};

  // The library reads the flag between its waits for the connection, in slices of at
  // most a quarter of a second.
  struct Cancel {
    int* flag;
    void operator()() const { std::atomic_ref<int>(*flag).store(1); }
  };

  static int KeepWaiting(http_t* /*http*/, void* data) {
    const auto* connection = static_cast<const Connection*>(data);
    return !connection->stop_.stop_requested() &&
           std::chrono::steady_clock::now() < connection->deadline_;
  }

  const Cups& cups_;
  const std::stop_token stop_;
  const std::chrono::steady_clock::time_point deadline_;
  int cancel_ = 0;
  std::stop_callback<Cancel> cancelOnStop_;
  http_t* http_ = nullptr;
  bool timedOut_ = false;
};

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

// A socket this user may connect to, as the library would find it usable.
bool UsableSocket(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
         access(path.c_str(), R_OK) == 0;
}

// The socket of the scheduler on this machine, when the print library would ask it and
// nothing else: no server, default printer or instance chosen in the environment or in
// the library's files, even an empty one. Asked directly, it answers without the
// library's dozen libraries (TLS, Kerberos, service discovery) being loaded at start-up.
std::optional<std::string> LocalSchedulerSocket() {
  if (std::getenv("LPDEST") != nullptr || std::getenv("PRINTER") != nullptr) return std::nullopt;
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return std::nullopt;
  const char* root = std::getenv("CUPS_SERVERROOT");
  const std::string settings = root != nullptr && *root != '\0' ? root : "/etc/cups";
  for (const std::string& file :
       {settings + "/lpoptions", settings + "/client.conf", std::string(home) + "/.cups/lpoptions",
        std::string(home) + "/.cups/client.conf"}) {
    if (Exists(file)) return std::nullopt;
  }
  const char* server = std::getenv("CUPS_SERVER");
  std::string socket = server != nullptr && *server != '\0' ? server : "/run/cups/cups.sock";
  if (!UsableSocket(socket)) return std::nullopt;
  return socket;
}

// What one request to the scheduler's socket came to.
struct SocketReply {
  bool silent = false;                  // it took the request and gave no answer in time
  std::optional<SchedulerReply> reply;  // none: no scheduler took the connection
};

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

constexpr std::size_t kLongestAnswer = 1 << 20;

// Waits for the scheduler in slices of a tenth of a second, as the library does, so
// that a stop asked for ends it at once.
SocketReply AskSocket(const std::string& path, std::string_view request, std::stop_token stop) {
  SocketReply result;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) {
    result.reply = SchedulerReply{SchedulerReply::State::Unreadable, false, {}};
    return result;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (socket.get() < 0 ||
      connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    if (socket.get() >= 0 && errno == ECONNREFUSED) return result;  // no scheduler listens
    // A scheduler whose queue of connections is full takes none now: no answer.
    if (socket.get() >= 0 && errno == EAGAIN) {
      result.silent = true;
      return result;
    }
    result.reply = SchedulerReply{SchedulerReply::State::Unreadable, false, {}};
    return result;
  }
  const auto deadline = std::chrono::steady_clock::now() + kPrintSystemTimeout;
  std::string received;
  while (true) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (stop.stop_requested() || left.count() <= 0) {
      result.silent = true;
      return result;
    }
    pollfd ready{socket.get(), static_cast<short>(request.empty() ? POLLIN : POLLOUT), 0};
    const int polled = poll(&ready, 1, static_cast<int>(std::min<std::int64_t>(left.count(), 100)));
    if (polled <= 0) {
      if (polled < 0 && errno != EINTR) break;
      continue;
    }
    if (!request.empty()) {
      const ssize_t sent = send(socket.get(), request.data(), request.size(), MSG_NOSIGNAL);
      if (sent < 0 && errno != EAGAIN && errno != EINTR) break;
      request.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(sent, 0)));
      continue;
    }
    char buffer[4096];
    const ssize_t got = recv(socket.get(), buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    // Closed before a whole answer came, or more than any answer to these questions:
    // the library may make more of it.
    if (got <= 0 || received.size() > kLongestAnswer) break;
    received.append(buffer, static_cast<std::size_t>(got));
    SchedulerReply reply = ReadSchedulerReply(received);
    if (reply.state != SchedulerReply::State::Incomplete) {
      result.reply = std::move(reply);
      return result;
    }
  }
  result.reply = SchedulerReply{SchedulerReply::State::Unreadable, false, {}};
  return result;
}

bool Answered(const SocketReply& asked) {
  return !asked.reply || asked.reply->state == SchedulerReply::State::Answered;
}

}  // namespace

int InstalledPrinterCount() { return CountQueues(nullptr); }

int CountQueues(bool* silent, std::stop_token stop) {
  if (const std::optional<std::string> socket = LocalSchedulerSocket()) {
    const SocketReply asked = AskSocket(*socket, QueueNamesRequest(), stop);
    if (Answered(asked)) {
      if (silent != nullptr) *silent = asked.silent;
      return asked.reply ? static_cast<int>(asked.reply->printers.size()) : 0;
    }
  }
  const Cups& cups = Library();
  if (!cups.Loaded()) return 0;
  // One request for the queues' names alone: the list of destinations would also
  // look for printers on the network, and wait for them.
  ipp_t* request = cups.newRequest(IPP_OP_CUPS_GET_PRINTERS);
  cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
  const Connection scheduler(cups, std::move(stop));
  if (scheduler.get() == nullptr) {
    if (silent != nullptr) *silent = scheduler.TimedOut();
    cups.deleteMessage(request);
    return 0;
  }
  ipp_t* response = cups.doRequest(scheduler.get(), request, "/");
  if (silent != nullptr) *silent = response == nullptr;
  if (response == nullptr) return 0;
  int count = 0;
  for (ipp_attribute_t* queue = cups.findAttribute(response, "printer-name", IPP_TAG_NAME);
       queue != nullptr; queue = cups.findNextAttribute(response, "printer-name", IPP_TAG_NAME)) {
    ++count;
  }
  cups.deleteMessage(response);
  return count;
}

std::optional<QString> DefaultDestinationName(std::stop_token stop) {
  if (const std::optional<std::string> socket = LocalSchedulerSocket()) {
    const SocketReply asked = AskSocket(*socket, DefaultQueueRequest(), stop);
    if (Answered(asked)) {
      if (!asked.reply || !asked.reply->found || asked.reply->printers.empty()) return std::nullopt;
      return QString::fromStdString(asked.reply->printers.front());
    }
  }
  const Cups& cups = Library();
  if (!cups.Loaded()) return std::nullopt;
  // The user's own default (environment, lpoptions) first, then the scheduler's: the
  // one the print dialog offers.
  const Connection scheduler(cups, std::move(stop));
  if (scheduler.get() == nullptr) return std::nullopt;
  cups_dest_t* destination = cups.getNamedDest(scheduler.get(), nullptr, nullptr);
  if (destination == nullptr) return std::nullopt;
  QString name = QString::fromLocal8Bit(destination->name);
  if (destination->instance != nullptr) {
    name += QLatin1Char('/') + QString::fromLocal8Bit(destination->instance);
  }
  cups.freeDests(1, destination);
  return name;
}

PrinterAnswers::PrinterAnswers() : asker_([this](std::stop_token stop) { Ask(stop); }) {}

PrinterAnswers::~PrinterAnswers() {
  asker_.request_stop();
  wake_.notify_all();
}

void PrinterAnswers::TellChanges(QObject* receiver, std::function<void()> changed) {
  const std::lock_guard lock(mutex_);
  receiver_ = receiver;
  changed_ = std::move(changed);
}

void PrinterAnswers::AskNow(std::function<void(bool answering)> then) {
  const std::lock_guard lock(mutex_);
  waiting_.push_back(std::move(then));
  wanted_ = true;
  wake_.notify_all();
}

std::optional<PrinterAnswers::Answer> PrinterAnswers::Latest() {
  const std::lock_guard lock(mutex_);
  if (std::chrono::steady_clock::now() - lastAsked_ >= std::chrono::seconds(1)) {
    wanted_ = true;
    wake_.notify_all();
  }
  return latest_;
}

bool PrinterAnswers::WaitForFirst(std::chrono::milliseconds grace) {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return latest_ || firstAsked_; });
  return wake_.wait_until(lock, *firstAsked_ + grace, [this] { return latest_.has_value(); });
}

void PrinterAnswers::Ask(std::stop_token stop) {
  // Loaded before the first request when it is going to be needed, so that the wait
  // for that request's answer does not count the loading.
  if (!LocalSchedulerSocket()) Library();
  while (true) {
    std::vector<std::function<void(bool)>> waiting;
    {
      std::unique_lock lock(mutex_);
      if (!wake_.wait(lock, stop, [this] { return wanted_; })) return;
      wanted_ = false;
      lastAsked_ = std::chrono::steady_clock::now();
      if (!firstAsked_) firstAsked_ = lastAsked_;
      waiting.swap(waiting_);
    }
    wake_.notify_all();
    Answer answer;
    answer.count = CountQueues(&answer.silent, stop);
    if (answer.count > 0) answer.defaultName = DefaultDestinationName(stop);
    // A request cut short by the end is no answer.
    if (stop.stop_requested()) return;
    {
      const std::lock_guard lock(mutex_);
      const bool differs = latest_ != answer;
      latest_ = std::move(answer);
      if (receiver_ != nullptr) {
        if (differs && changed_)
          QMetaObject::invokeMethod(receiver_, changed_, Qt::QueuedConnection);
        const bool answering = !latest_->silent;
        for (std::function<void(bool)>& then : waiting) {
          QMetaObject::invokeMethod(
              receiver_, [then = std::move(then), answering] { then(answering); },
              Qt::QueuedConnection);
        }
      }
    }
    wake_.notify_all();
  }
}

}  // namespace numbrella::app
