// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace numbrella {

namespace {

bool IsSkippedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Converts a plain decimal text (sign, digits, optional point, optional "e" exponent)
// to the nearest double. nullopt when the value overflows; underflow gives 0 or the
// nearest subnormal.
std::optional<double> DecimalToDouble(const std::string& text) {
  double value = 0.0;
  auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec == std::errc()) return value;
  if (ec != std::errc::result_out_of_range) return 0.0;
  // Out of range: overflow or underflow. Decide by the decimal magnitude.
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long magnitude = 0;  // position of the first significant digit, 10^magnitude
  bool seenPoint = false;
  bool seenSignificant = false;
  long long integerDigits = 0;
  long long leadingFractionZeros = 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    char c = text[i];
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (!seenSignificant && c == '0') {
      if (seenPoint) ++leadingFractionZeros;
      continue;
    }
    if (!seenSignificant) seenSignificant = true;
    if (!seenPoint) ++integerDigits;
  }
  if (!seenSignificant) return negative ? -0.0 : 0.0;
  long long exponent = 0;
  if (i < text.size() && text[i] == 'e') {
    ++i;
    bool expNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
    for (; i < text.size(); ++i) {
      if (exponent < 100000000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (expNegative) exponent = -exponent;
  }
  magnitude = (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
  if (magnitude > 0) return std::nullopt;
  return negative ? -0.0 : 0.0;
}

std::optional<double> ReadRadixNumber(std::string_view text, std::size_t i, int radix) {
  std::uint64_t value = 0;
  bool tooLarge = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (IsSkippedBlank(c)) continue;
    int digit;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (radix == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (radix == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    if (digit >= radix) break;
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFull) tooLarge = true, value = 0xFFFFFFFFull + 1;
  }
  if (tooLarge) return std::nullopt;
  if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Decimal digits of a finite value rounded to 15 significant digits with halves away
// from zero. digits holds exactly 15 characters; the value is 0.d1d2...d15 x 10^point.
struct SignificantDigits {
  bool negative = false;
  bool zero = false;
  std::array<char, 15> digits{};
  int point = 0;  // number of digits before the decimal point (may be <= 0)
};

SignificantDigits RoundTo15(double value) {
  SignificantDigits out;
  out.negative = std::signbit(value);
  if (value == 0.0) {
    out.zero = true;
    out.digits.fill('0');
    return out;
  }
  double magnitude = std::fabs(value);
  // 17 significant digits, correctly rounded: d.dddddddddddddddde±x
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 16);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::array<char, 17> digits17{};
  digits17[0] = text[0];
  for (int k = 1; k < 17; ++k)
    digits17[static_cast<std::size_t>(k)] = text[static_cast<std::size_t>(k + 1)];
  int exponent = 0;
  std::size_t ePos = text.find('e');
  std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  bool roundUp;
  if (digits17[15] == '5' && digits17[16] == '0') {
    // Possibly an exact half: look at the exact expansion.
    char exact[1100];
    auto r =
        std::to_chars(exact, exact + sizeof exact, magnitude, std::chars_format::scientific, 800);
    std::string_view e(exact, static_cast<std::size_t>(r.ptr - exact));
    // e: d.ddd...; digit k (0-based) sits at index k for k == 0, k + 1 otherwise.
    int cmp = 0;  // compare the tail after 15 digits with one half
    char d15 = e[16];
    if (d15 > '5') {
      cmp = 1;
    } else if (d15 < '5') {
      cmp = -1;
    } else {
      std::size_t tailEnd = e.find('e');
      for (std::size_t k = 17; k < tailEnd; ++k) {
        if (e[k] != '0') {
          cmp = 1;
          break;
        }
      }
    }
    roundUp = cmp >= 0;
    for (int k = 0; k < 15; ++k)
      digits17[static_cast<std::size_t>(k)] = e[static_cast<std::size_t>(k == 0 ? 0 : k + 1)];
  } else {
    roundUp = digits17[15] >= '5';
  }
  std::copy_n(digits17.begin(), 15, out.digits.begin());
  out.point = exponent + 1;
  // Rounding up next to the largest double would write a text beyond the double
  // range, which no reader could take back: keep the digits there instead.
  static constexpr std::string_view kLargest15 = "179769313486231";
  if (roundUp && out.point == 309 && std::string_view(out.digits.data(), 15) >= kLargest15) {
    roundUp = false;
  }
  if (roundUp) {
    int k = 14;
    while (k >= 0 && out.digits[static_cast<std::size_t>(k)] == '9')
      out.digits[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++out.digits[static_cast<std::size_t>(k)];
    } else {
      out.digits.fill('0');
      out.digits[0] = '1';
      ++out.point;
    }
  }
  return out;
}

void AppendExponent(std::string& out, int exponent) {
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  int magnitude = std::abs(exponent);
  if (magnitude < 10) out += '0';
  char buffer[8];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
  out.append(buffer, r.ptr);
}

// The usual case: a number written without blanks inside it and with no "D"
// exponent, which from_chars can read straight from the text. False when the text
// needs the general reading (blanks that may continue the number, "+", "D", a value
// beyond the double's range).
bool ReadPlainDecimal(std::string_view text, std::size_t start, double& value) {
  std::size_t i = start;
  const std::size_t n = text.size();
  if (i < n && text[i] == '-') ++i;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < n; ++i) {
    if (IsDigit(text[i])) {
      seenDigit = true;
    } else if (text[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
    if (k < n && IsSkippedBlank(text[k])) return false;
    std::size_t digitsStart = k;
    while (k < n && IsDigit(text[k])) ++k;
    if (k > digitsStart) i = k;
  }
  if (i < n && (IsSkippedBlank(text[i]) || text[i] == 'd' || text[i] == 'D')) return false;
  auto [end, ec] =
      std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
  return ec == std::errc() && end == text.data() + i;
}

// A decimal number collected from a text in the form from_chars reads: optional "-",
// digits with at most one point, optional "e", sign and digits.
struct CollectedDecimal {
  std::string number;
  std::size_t end = 0;              // where the number stopped in the text
  bool bareExponentLetter = false;  // an E or D stood there without exponent digits
};

// Collects an optional sign, digits with at most one ".", and an optional exponent
// (E or D in either case, optional sign, digits) from text at i. With skipBlanks,
// blanks, tabs and line feeds are passed over wherever they stand. nullopt when no
// digit comes before the exponent.
std::optional<CollectedDecimal> CollectDecimal(std::string_view text, std::size_t i,
                                               bool skipBlanks) {
  const std::size_t n = text.size();
  auto skip = [&] {
    while (skipBlanks && i < n && IsSkippedBlank(text[i])) ++i;
  };
  CollectedDecimal out;
  out.number.reserve(n < 64 ? n + 4 : 64);
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out.number += '-';
    ++i;
  }
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (skipBlanks && IsSkippedBlank(c)) continue;
    if (IsDigit(c)) {
      seenDigit = true;
      out.number += c;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      out.number += c;
    } else {
      break;
    }
  }
  if (!seenDigit) return std::nullopt;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    skip();
    std::string exponent = "e";
    if (i < n && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
    bool expDigits = false;
    for (; i < n; ++i) {
      const char c = text[i];
      if (skipBlanks && IsSkippedBlank(c)) continue;
      if (!IsDigit(c)) break;
      expDigits = true;
      exponent += c;
    }
    if (expDigits) {
      out.number += exponent;
    } else {
      out.bareExponentLetter = true;
    }
  }
  out.end = i;
  return out;
}

}  // namespace

std::optional<double> ReadLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && IsSkippedBlank(text[i])) ++i;
  };
  skip();
  if (double plain = 0; ReadPlainDecimal(text, i, plain)) return plain;
  if (i < text.size() && text[i] == '&') {
    ++i;
    skip();
    char kind = i < text.size() ? text[i] : '\0';
    if (kind == 'H' || kind == 'h') return ReadRadixNumber(text, i + 1, 16);
    if (kind == 'O' || kind == 'o') return ReadRadixNumber(text, i + 1, 8);
    return 0.0;
  }
  std::optional<CollectedDecimal> collected = CollectDecimal(text, i, true);
  if (!collected) return 0.0;
  return DecimalToDouble(collected->number);
}

std::optional<double> ReadStrictNumber(std::string_view text) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  std::string_view body = text.substr(begin, end - begin);
  std::optional<CollectedDecimal> collected = CollectDecimal(body, 0, false);
  if (!collected || collected->bareExponentLetter || collected->end != body.size()) {
    return std::nullopt;
  }
  return DecimalToDouble(collected->number);
}

std::string GeneralNumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  SignificantDigits d = RoundTo15(value);
  if (d.zero) return "0";
  int used = 15;
  while (used > 1 && d.digits[static_cast<std::size_t>(used - 1)] == '0') --used;
  std::string out;
  if (d.negative) out += '-';
  int exponent = d.point - 1;  // value = d1.d2... x 10^exponent
  if (exponent >= 15 || exponent < -4) {
    out += d.digits[0];
    if (used > 1) {
      out += '.';
      out.append(d.digits.data() + 1, static_cast<std::size_t>(used - 1));
    }
    AppendExponent(out, exponent);
    return out;
  }
  if (d.point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.point), '0');
    out.append(d.digits.data(), static_cast<std::size_t>(used));
    return out;
  }
  if (used <= d.point) {
    out.append(d.digits.data(), static_cast<std::size_t>(used));
    out.append(static_cast<std::size_t>(d.point - used), '0');
    return out;
  }
  out.append(d.digits.data(), static_cast<std::size_t>(d.point));
  out += '.';
  out.append(d.digits.data() + d.point, static_cast<std::size_t>(used - d.point));
  return out;
}

std::string FixedDecimalsText(double value, int places) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  places = std::clamp(places, 0, kMaxDecimalPlaces);
  SignificantDigits d = RoundTo15(value);
  // Digits of the value written out: integer part then `places` decimals, from the
  // 15 significant digits with zeros elsewhere, since the value holds no more.
  auto digitAt = [&](int index) -> char {  // index 0 = first significant digit
    if (d.zero || index < 0 || index >= 15) return '0';
    return d.digits[static_cast<std::size_t>(index)];
  };
  int integerDigits = std::max(d.point, 1);
  int total = integerDigits + places;
  // The first written digit corresponds to significant index (d.point - integerDigits).
  int firstIndex = d.point - integerDigits;
  std::string digits(static_cast<std::size_t>(total), '0');
  for (int k = 0; k < total; ++k) digits[static_cast<std::size_t>(k)] = digitAt(firstIndex + k);
  // Round half away from zero on the first dropped digit.
  if (digitAt(firstIndex + total) >= '5') {
    int k = total - 1;
    while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
      digits[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++digits[static_cast<std::size_t>(k)];
    } else {
      digits.insert(digits.begin(), '1');
      ++integerDigits;
    }
  }
  bool allZero = digits.find_first_not_of('0') == std::string::npos;
  std::string out;
  out.reserve(digits.size() + 2);
  if (d.negative && !allZero) out += '-';
  out.append(digits, 0, static_cast<std::size_t>(integerDigits));
  if (places > 0) {
    out += '.';
    out.append(digits, static_cast<std::size_t>(integerDigits), std::string::npos);
  }
  return out;
}

}  // namespace numbrella
