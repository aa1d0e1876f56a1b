// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pasted_number.h"

#include <charconv>
#include <initializer_list>
#include <string>
#include <system_error>

namespace numbrella {

namespace {

constexpr std::string_view kMinusSign = "\u2212";
// Blanks that number settings group digits with, and that web pages put around numbers.
constexpr std::string_view kWideBlanks[] = {"\u00A0", "\u2009", "\u202F"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNarrowBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::size_t WideBlankAt(std::string_view text) {
  for (std::string_view blank : kWideBlanks) {
    if (text.starts_with(blank)) return blank.size();
  }
  return 0;
}

std::string_view Trimmed(std::string_view text) {
  for (;;) {
    if (!text.empty() && IsNarrowBlank(text.front())) {
      text.remove_prefix(1);
    } else if (const std::size_t wide = WideBlankAt(text)) {
      text.remove_prefix(wide);
    } else {
      break;
    }
  }
  for (;;) {
    if (!text.empty() && IsNarrowBlank(text.back())) {
      text.remove_suffix(1);
      continue;
    }
    bool cut = false;
    for (std::string_view blank : kWideBlanks) {
      if (!cut && text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        cut = true;
      }
    }
    if (!cut) break;
  }
  return text;
}

// `body` as the plain text from_chars reads ("-1234.5e-3"), when it is one number
// written with `decimal` and with its whole part perhaps grouped by threes with one of
// `groups`, the same throughout; nullopt otherwise.
std::optional<std::string> PlainNumber(std::string_view body, std::string_view decimal,
                                       std::initializer_list<std::string_view> groups) {
  std::string plain;
  std::size_t i = 0;
  const auto rest = [&] { return body.substr(i); };
  const auto sign = [&] {
    if (rest().starts_with('+')) {
      ++i;
    } else if (rest().starts_with('-')) {
      plain += '-';
      ++i;
    } else if (rest().starts_with(kMinusSign)) {
      plain += '-';
      i += kMinusSign.size();
    }
  };
  const auto digits = [&] {
    int count = 0;
    for (; i < body.size() && IsDigit(body[i]); ++i, ++count) plain += body[i];
    return count;
  };
  sign();
  int wholeDigits = 0;
  std::string_view grouping;  // the separator the number groups with, once seen
  for (;;) {
    const int group = digits();
    wholeDigits += group;
    std::string_view separator;
    for (std::string_view candidate : groups) {
      if (!candidate.empty() && candidate != decimal && rest().starts_with(candidate)) {
        separator = candidate;
      }
    }
    const bool groupEnds = !separator.empty() || !grouping.empty();
    if (groupEnds && (grouping.empty() ? group < 1 || group > 3 : group != 3)) {
      return std::nullopt;
    }
    if (separator.empty()) break;
    if (!grouping.empty() && separator != grouping) return std::nullopt;
    grouping = separator;
    i += separator.size();
  }
  int fractionDigits = 0;
  if (rest().starts_with(decimal)) {
    i += decimal.size();
    plain += '.';
    fractionDigits = digits();
  }
  if (wholeDigits + fractionDigits == 0) return std::nullopt;
  if (rest().starts_with('e') || rest().starts_with('E')) {
    ++i;
    plain += 'e';
    sign();
    if (digits() == 0) return std::nullopt;
  }
  if (i != body.size()) return std::nullopt;
  return plain;
}

PastedNumber ValueOf(const std::string& plain) {
  double value = 0.0;
  const char* end = plain.data() + plain.size();
  const auto [stop, error] = std::from_chars(plain.data(), end, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) return {.refusal = PasteRefusal::OutOfRange};
  if (error != std::errc() || stop != end) return {.refusal = PasteRefusal::NotANumber};
  // Some readers give 0 for a number too small for a double, without saying so: a
  // number that is not 0 must not become 0.
  const std::string_view mantissa = std::string_view(plain).substr(0, plain.find('e'));
  if (value == 0.0 && mantissa.find_first_of("123456789") != std::string_view::npos) {
    return {.refusal = PasteRefusal::OutOfRange};
  }
  return {.value = value, .refusal = std::nullopt};
}

// A text the program wrote: "." for decimals, no grouping.
std::optional<std::string> OwnPlainNumber(std::string_view body) {
  return PlainNumber(body, ".", {});
}

PastedNumber ReadOwnNumberFirst(std::string_view text, const NumberSettings& settings) {
  if (const std::optional<std::string> own = OwnPlainNumber(Trimmed(text))) return ValueOf(*own);
  return ReadPastedNumber(text, settings);
}

}  // namespace

PastedNumber ReadPastedNumber(std::string_view text, const NumberSettings& settings) {
  const std::string_view body = Trimmed(text);
  if (body.empty()) return {.refusal = PasteRefusal::NoText};
  std::optional<std::string> plain = PlainNumber(
      body, settings.decimal, {settings.grouping, kWideBlanks[0], kWideBlanks[1], kWideBlanks[2]});
  if (!plain) plain = OwnPlainNumber(body);
  if (!plain) return {.refusal = PasteRefusal::NotANumber};
  return ValueOf(*plain);
}

PastedNumber ReadWorkboardNumber(std::string_view selection, std::string_view caretLine,
                                 const NumberSettings& settings) {
  if (!Trimmed(selection).empty()) {
    const PastedNumber selected = ReadOwnNumberFirst(selection, settings);
    if (selected.refusal != PasteRefusal::NotANumber) return selected;
  }
  const std::size_t equals = caretLine.rfind('=');
  if (equals == std::string_view::npos) return {.refusal = PasteRefusal::NoAnswer};
  const PastedNumber answer = ReadOwnNumberFirst(caretLine.substr(equals + 1), settings);
  if (answer.refusal == PasteRefusal::NoText) return {.refusal = PasteRefusal::NoAnswer};
  return answer;
}

}  // namespace numbrella
