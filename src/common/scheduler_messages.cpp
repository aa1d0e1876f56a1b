// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/scheduler_messages.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace numbrella {

namespace {

// Delimiter and value tags (RFC 8010, section 3.5).
enum Tag : unsigned char {
  kOperationGroup = 0x01,
  kEndOfAttributes = 0x03,
  kFirstValueTag = 0x10,
  kName = 0x42,
  kKeyword = 0x44,
  kCharset = 0x47,
  kNaturalLanguage = 0x48,
  kExtensionTag = 0x7F,
};

enum Operation : std::uint16_t { kGetDefault = 0x4001, kGetPrinters = 0x4002 };

constexpr std::size_t kNotFound = 0x0406;  // the status of an answer that names no queue

void PutShort(std::string& out, std::size_t value) {
  out += static_cast<char>(value >> 8 & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void PutAttribute(std::string& out, Tag tag, std::string_view name, std::string_view value) {
  out += static_cast<char>(tag);
  PutShort(out, name.size());
  out += name;
  PutShort(out, value.size());
  out += value;
}

std::string Request(Operation operation) {
  std::string body = {2, 0};  // IPP 2.0
  PutShort(body, operation);
  body += std::string{0, 0, 0, 1};  // request-id
  body += static_cast<char>(kOperationGroup);
  PutAttribute(body, kCharset, "attributes-charset", "utf-8");
  PutAttribute(body, kNaturalLanguage, "attributes-natural-language", "en");
  PutAttribute(body, kKeyword, "requested-attributes", "printer-name");
  body += static_cast<char>(kEndOfAttributes);
  return "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Type: application/ipp\r\n"
         "Content-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::optional<std::size_t> Number(std::string_view text, int base) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// The body of an HTTP message whose head ends before `body`: nullopt while incomplete,
// "" with `unreadable` set when the message cannot be read.
std::optional<std::string> Body(std::string_view head, std::string_view rest, bool& unreadable) {
  std::optional<std::size_t> length;
  bool chunked = false;
  for (std::size_t at = head.find("\r\n"); at != std::string_view::npos;) {
    const std::size_t next = head.find("\r\n", at + 2);
    const std::string_view line = head.substr(at + 2, next - at - 2);
    at = next;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (value.starts_with(' ')) value.remove_prefix(1);
    if (SameLetters(line.substr(0, colon), "Content-Length")) length = Number(value, 10);
    if (SameLetters(line.substr(0, colon), "Transfer-Encoding"))
      chunked = SameLetters(value, "chunked");
  }
  if (!chunked) {
    if (!length) {
      unreadable = true;
      return std::string();
    }
    if (rest.size() < *length) return std::nullopt;
    return std::string(rest.substr(0, *length));
  }
  std::string body;
  while (true) {
    const std::size_t lineEnd = rest.find("\r\n");
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view sizeText = rest.substr(0, rest.find_first_of(";\r"));
    const std::optional<std::size_t> size = Number(sizeText, 16);
    if (!size) {
      unreadable = true;
      return std::string();
    }
    rest.remove_prefix(lineEnd + 2);
    if (*size == 0) return body;  // trailers, if any, say nothing the reader needs
    if (*size > rest.size() || rest.size() - *size < 2) return std::nullopt;
    body += rest.substr(0, *size);
    rest.remove_prefix(*size + 2);
  }
}

std::size_t Short(std::string_view bytes, std::size_t at) {
  return static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) << 8 |
         static_cast<unsigned char>(bytes[at + 1]);
}

SchedulerReply ReadIpp(std::string_view body) {
  SchedulerReply reply;
  reply.state = SchedulerReply::State::Unreadable;
  if (body.size() < 9 || (body[0] != 1 && body[0] != 2)) return reply;
  const std::size_t status = Short(body, 2);
  if (status >= 0x0100 && status != kNotFound) return reply;
  std::size_t at = 8;
  while (at < body.size()) {
    const auto tag = static_cast<unsigned char>(body[at++]);
    if (tag == kEndOfAttributes) {
      reply.state = SchedulerReply::State::Answered;
      reply.found = status < 0x0100;
      return reply;
    }
    if (tag < kFirstValueTag) continue;  // the next group begins
    if (tag == kExtensionTag || body.size() - at < 2) return reply;
    const std::size_t nameLength = Short(body, at);
    if (body.size() - at < 4 + nameLength) return reply;
    const std::string_view name = body.substr(at + 2, nameLength);
    const std::size_t valueLength = Short(body, at + 2 + nameLength);
    at += 4 + nameLength;
    if (body.size() - at < valueLength) return reply;
    if (tag == kName && name == "printer-name") {
      reply.printers.emplace_back(body.substr(at, valueLength));
    }
    at += valueLength;
  }
  return reply;  // no end of the attributes
}

}  // namespace

std::string QueueNamesRequest() { return Request(kGetPrinters); }

std::string DefaultQueueRequest() { return Request(kGetDefault); }

SchedulerReply ReadSchedulerReply(std::string_view bytes) {
  const std::size_t headEnd = bytes.find("\r\n\r\n");
  if (headEnd == std::string_view::npos) return {};
  const std::string_view head = bytes.substr(0, headEnd + 2);
  SchedulerReply unreadable;
  unreadable.state = SchedulerReply::State::Unreadable;
  // "HTTP/1.1 200 OK": any other status (authentication, an upgrade to encryption) is
  // for the print library to deal with.
  if (!head.starts_with("HTTP/1.") || head.substr(8, 5) != " 200 ") return unreadable;
  bool broken = false;
  const std::optional<std::string> body = Body(head, bytes.substr(headEnd + 4), broken);
  if (broken) return unreadable;
  if (!body) return {};
  return ReadIpp(*body);
}

}  // namespace numbrella
