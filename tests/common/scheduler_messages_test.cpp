// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler's answers as they come over its socket; the requests are proved by the
// real scheduler in the print-system tests.
#include "common/scheduler_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace numbrella {
namespace {

using State = SchedulerReply::State;

// An IPP answer with `status` and one printer group for each name.
std::string Answer(int status, const std::vector<std::string>& names) {
  std::string body = {
      2, 0, static_cast<char>(status >> 8), static_cast<char>(status & 0xFF), 0, 0, 0, 1, 0x01};
  auto put = [&body](char tag, const std::string& name, const std::string& value) {
    body += std::string{tag, 0, static_cast<char>(name.size())} + name;
    body += std::string{0, static_cast<char>(value.size())} + value;
  };
  put(0x47, "attributes-charset", "utf-8");
  for (const std::string& name : names) {
    body += '\x04';
    put(0x42, "printer-name", name);
    put(0x23, "printer-state", std::string{0, 0, 0, 3});
  }
  return body + '\x03';
}

TEST(SchedulerMessages, AnswersAreReadWholeOrNotAtAll) {
  const std::string two = Answer(0, {"Office", "Kitchen"});
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n";
  const std::string sized =
      head + "content-length: " + std::to_string(two.size()) + "\r\n\r\n" + two;
  SchedulerReply reply = ReadSchedulerReply(sized);
  EXPECT_EQ(reply.state, State::Answered);
  EXPECT_TRUE(reply.found);
  EXPECT_EQ(reply.printers, (std::vector<std::string>{"Office", "Kitchen"}));
  for (std::size_t cut : {std::size_t{10}, head.size() + 5, sized.size() - 1}) {
    EXPECT_EQ(ReadSchedulerReply(sized.substr(0, cut)).state, State::Incomplete) << cut;
  }
  char size[8];
  std::snprintf(size, sizeof size, "%zx", two.size() - 5);
  const std::string whole = head + "Transfer-Encoding: chunked\r\n\r\n5\r\n" + two.substr(0, 5) +
                            "\r\n" + size + "\r\n" + two.substr(5) + "\r\n0\r\n\r\n";
  EXPECT_EQ(ReadSchedulerReply(whole).printers, reply.printers);
  EXPECT_EQ(ReadSchedulerReply(whole.substr(0, whole.size() - 3)).state, State::Incomplete);

  const std::string none = Answer(0x0406, {});
  reply = ReadSchedulerReply(head + "Content-Length: " + std::to_string(none.size()) + "\r\n\r\n" +
                             none);
  EXPECT_EQ(reply.state, State::Answered);
  EXPECT_FALSE(reply.found) << "no default printer";

  for (const std::string& other :
       {std::string("HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n"),
        "HTTP/1.1 200 OK\r\n\r\n" + two,  // no length: read until closed
        head + "Content-Length: 9\r\n\r\n" + Answer(0x0500, {}).substr(0, 9),
        head + "Content-Length: 12\r\n\r\n" + two.substr(0, 12)}) {
    EXPECT_EQ(ReadSchedulerReply(other).state, State::Unreadable) << other;
  }
}

}  // namespace
}  // namespace numbrella
