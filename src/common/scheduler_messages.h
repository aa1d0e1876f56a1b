// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two questions the windows put to a print scheduler on this machine, as the bytes
// that go over its socket (IPP over HTTP), and the reading of its answers: the names of
// its queues, and its default queue. Only what these two questions need is read; any
// other answer is unreadable, and the caller asks through the print library instead.
#include <string>
#include <string_view>
#include <vector>

namespace numbrella {

// CUPS-Get-Printers, asking for the queues' names alone.
std::string QueueNamesRequest();
// CUPS-Get-Default.
std::string DefaultQueueRequest();

struct SchedulerReply {
  enum class State {
    Incomplete,  // more bytes are to come
    Answered,
    Unreadable,
  };
  State state = State::Incomplete;
  bool found = false;                 // the request succeeded (false: no such queue)
  std::vector<std::string> printers;  // each printer-name the answer holds, in order
};

// Reads the bytes a scheduler has sent so far in answer to one of the requests above.
SchedulerReply ReadSchedulerReply(std::string_view bytes);

}  // namespace numbrella
