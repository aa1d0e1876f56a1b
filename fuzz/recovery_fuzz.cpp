// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the recovery copy's reader, which reads a file from disk at
// every start: whatever the bytes, it answers with a record or with none.
#include "workboard/recovery.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  numbrella::ReadRecovery(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
