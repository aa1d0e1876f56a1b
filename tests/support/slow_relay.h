// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A relay in front of a print scheduler's socket that holds back every answer by a
// delay, as a server across a slow network does, and counts the requests.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace numbrella::testing {

namespace relay_detail {

inline int UnixSocket(const std::string& path, bool listening) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  const bool ready = listening ? ::bind(fd, where, sizeof(address)) == 0 && ::listen(fd, 16) == 0
                               : ::connect(fd, where, sizeof(address)) == 0;
  if (ready) return fd;
  ::close(fd);
  return -1;
}

inline bool WriteAll(int fd, const char* data, ssize_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written <= 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace relay_detail

// Passes each connection on to the scheduler, holding back the first part of every
// answer by the delay, and counts the requests.
class SlowRelay {
 public:
  SlowRelay(std::string path, std::string scheduler)
      : path_(std::move(path)), scheduler_(std::move(scheduler)) {
    listener_ = relay_detail::UnixSocket(path_, true);
    accepter_ = std::jthread([this](std::stop_token stop) { Accept(stop); });
  }
  ~SlowRelay() {
    accepter_ = {};
    ::close(listener_);
  }
  const std::string& Path() const { return path_; }
  void SetDelay(std::chrono::milliseconds delay) { delay_ = delay; }
  int Requests() const { return requests_; }

 private:
  void Accept(std::stop_token stop) {
    std::vector<std::jthread> relays;
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop.stop_requested()) {
      if (::poll(&waiting, 1, 50) <= 0) continue;
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      const int server = relay_detail::UnixSocket(scheduler_, false);
      relays.emplace_back([this, stop, client, server] { Relay(stop, client, server); });
    }
  }

  void Relay(std::stop_token stop, int client, int server) {
    bool awaited = false;  // a request went on since the scheduler last answered
    std::vector<char> buffer(1 << 16);
    pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    while (!stop.stop_requested() && server >= 0) {
      if (::poll(ends, 2, 50) <= 0) continue;
      if (ends[0].revents != 0) {
        const ssize_t size = ::read(client, buffer.data(), buffer.size());
        if (size <= 0) break;
        if (std::string_view(buffer.data(), static_cast<size_t>(size)).starts_with("POST ")) {
          ++requests_;
        }
        awaited = true;
        if (!relay_detail::WriteAll(server, buffer.data(), size)) break;
      }
      if (ends[1].revents != 0) {
        const ssize_t size = ::read(server, buffer.data(), buffer.size());
        if (size <= 0) break;
        if (awaited) std::this_thread::sleep_for(delay_.load());
        awaited = false;
        if (!relay_detail::WriteAll(client, buffer.data(), size)) break;
      }
    }
    ::close(client);
    if (server >= 0) ::close(server);
  }

  const std::string path_;
  const std::string scheduler_;
  std::atomic<std::chrono::milliseconds> delay_{std::chrono::milliseconds(0)};
  std::atomic<int> requests_{0};
  int listener_ = -1;
  std::jthread accepter_;
};

}  // namespace numbrella::testing
