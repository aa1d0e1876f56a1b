// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"
#include "common/pasted_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace numbrella {
namespace {

TEST(ReadLeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12abc", 12},
      {"1 000", 1000},
      {"1,5", 1},
      {"2e3", 2000},
      {"&H10", 16},
      {"&HFFFF", -1},
      {"&H10000", 65536},
      {"- 5", -5},
      {".5", 0.5},
      {".", 0},
      {"-", 0},
      {"1e", 1},
      {"", 0},
      {"abc", 0},
      {"  \t\n42", 42},
      {"+7", 7},
      {"1.2.3", 1.2},
      {"1D2", 100},
      {"1d-2", 0.01},
      {"3E+2x", 300},
      {"&h1f", 31},
      {"&O17", 15},
      {"&o177777", -1},
      {"&O8", 0},
      {"&HFFFFFFFF", -1},
      {"&H7FFFFFFF", 2147483647},
      {"&H8000", -32768},
      {"&X12", 0},
      {"&", 0},
      {"1 2 . 5", 12.5},
      {"1e 2", 100},
      {"1e-400", 0},
      {"0.1", 0.1},
      {"--5", 0},
      {"1\r2", 1},
      {"12.50000", 12.5},
      {"1E+15", 1e15},
      {"-0.25000", -0.25},
      {"& H10", 16},
      {"& h 1f", 31},
      {"&O200000", 65536},
      {"&H 10", 16},
  };
  for (const Case& c : cases) {
    std::optional<double> read = ReadLeadingNumber(c.text);
    ASSERT_TRUE(read.has_value()) << c.text;
    EXPECT_EQ(*read, c.value) << '"' << c.text << '"';
  }
}

TEST(ReadLeadingNumber, BeyondTheDoubleRangeIsAFailure) {
  EXPECT_FALSE(ReadLeadingNumber("1e400").has_value());
  EXPECT_FALSE(ReadLeadingNumber("-1e309").has_value());
  EXPECT_FALSE(ReadLeadingNumber("&H100000000").has_value());
  EXPECT_FALSE(ReadLeadingNumber("&O40000000000").has_value());
  EXPECT_FALSE(ReadLeadingNumber("-" + std::string(320, '9')).has_value());
  EXPECT_FALSE(ReadLeadingNumber("1e99999999999999999999999").has_value());
  // Long but in range, and tiny values, read fine.
  EXPECT_EQ(ReadLeadingNumber("0." + std::string(500, '0') + "1"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(std::string(300, '0') + "7"), 7.0);
  EXPECT_EQ(ReadLeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(ReadLeadingNumber("4.9406564584124654e-324"),
            std::numeric_limits<double>::denorm_min());
}

TEST(ReadStrictNumber, AcceptsOnlyAWholeDecimalNumber) {
  EXPECT_EQ(ReadStrictNumber("2"), 2.0);
  EXPECT_EQ(ReadStrictNumber("  -1.5e3 "), -1500.0);
  EXPECT_EQ(ReadStrictNumber("144.00000000000000"), 144.0);
  EXPECT_EQ(ReadStrictNumber(".5"), 0.5);
  EXPECT_EQ(ReadStrictNumber("+3."), 3.0);
  EXPECT_EQ(ReadStrictNumber("1D2"), 100.0);
  EXPECT_EQ(ReadStrictNumber("-2.5d-1"), -0.25);
  for (const char* bad : {"", " ", "abc", "1,5", "1 000", "12abc", "1e", "1e+", ".", "-", "&H10",
                          "1.2.3", "--1", "1e400"}) {
    EXPECT_FALSE(ReadStrictNumber(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(GeneralNumberText, WritesAtMostFifteenSignificantDigits) {
  EXPECT_EQ(GeneralNumberText(0.0), "0");
  EXPECT_EQ(GeneralNumberText(-0.0), "0");
  EXPECT_EQ(GeneralNumberText(12.5), "12.5");
  EXPECT_EQ(GeneralNumberText(-12.5), "-12.5");
  EXPECT_EQ(GeneralNumberText(1234.5), "1234.5");
  EXPECT_EQ(GeneralNumberText(100), "100");
  EXPECT_EQ(GeneralNumberText(0.1), "0.1");
  EXPECT_EQ(GeneralNumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(GeneralNumberText(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(GeneralNumberText(0.0001), "0.0001");
  EXPECT_EQ(GeneralNumberText(0.00001), "1E-05");
  EXPECT_EQ(GeneralNumberText(0.000015), "1.5E-05");
  EXPECT_EQ(GeneralNumberText(1e15), "1E+15");
  EXPECT_EQ(GeneralNumberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(GeneralNumberText(9999999999999999.0), "1E+16");
  EXPECT_EQ(GeneralNumberText(999999999999999.5), "1E+15");  // rounds up into exponent form
  EXPECT_EQ(GeneralNumberText(-123456789012345678.0), "-1.23456789012346E+17");
  EXPECT_EQ(GeneralNumberText(1e300), "1E+300");
  EXPECT_EQ(GeneralNumberText(5e-324), "4.94065645841247E-324");
  EXPECT_EQ(GeneralNumberText(0.00694444444444), "0.00694444444444");
  EXPECT_EQ(GeneralNumberText(3.14159265), "3.14159265");
  // Next to the largest double the text stays within the double range.
  EXPECT_EQ(GeneralNumberText(-std::numeric_limits<double>::max()), "-1.79769313486231E+308");
  EXPECT_TRUE(ReadLeadingNumber(GeneralNumberText(std::numeric_limits<double>::max())));
  EXPECT_TRUE(ReadLeadingNumber(FixedDecimalsText(std::numeric_limits<double>::max(), 3)));
}

TEST(FixedDecimalsText, RoundsHalvesAwayFromZeroAfterFifteenDigits) {
  EXPECT_EQ(FixedDecimalsText(12.5, 5), "12.50000");
  EXPECT_EQ(FixedDecimalsText(-0.25, 5), "-0.25000");
  EXPECT_EQ(FixedDecimalsText(2.675, 2), "2.68");
  EXPECT_EQ(FixedDecimalsText(2.5, 0), "3");
  EXPECT_EQ(FixedDecimalsText(-2.5, 0), "-3");
  EXPECT_EQ(FixedDecimalsText(12, 0), "12");
  EXPECT_EQ(FixedDecimalsText(1e12, 2), "1000000000000.00");
  EXPECT_EQ(FixedDecimalsText(0.1, 40), "0." + std::string("1") + std::string(39, '0'));
  EXPECT_EQ(FixedDecimalsText(1e300, 2), "1" + std::string(300, '0') + ".00");
  EXPECT_EQ(FixedDecimalsText(-0.000001, 2), "0.00");
  EXPECT_EQ(FixedDecimalsText(-0.0, 3), "0.000");
  EXPECT_EQ(FixedDecimalsText(0.0, 0), "0");
  EXPECT_EQ(FixedDecimalsText(0.995, 2), "1.00");
  EXPECT_EQ(FixedDecimalsText(9.9999, 0), "10");
  EXPECT_EQ(FixedDecimalsText(-9.5, 0), "-10");
  EXPECT_EQ(FixedDecimalsText(1.0 / 12.0, 14), "0.08333333333333");
  EXPECT_EQ(FixedDecimalsText(98.60000000000001, 14), "98.60000000000000");
  EXPECT_EQ(FixedDecimalsText(-160.0 / 9.0, 14), "-17.77777777777780");
  EXPECT_EQ(FixedDecimalsText(std::sqrt(2.0), 5), "1.41421");
  // Digits past the fifteenth significant one are always 0.
  EXPECT_EQ(FixedDecimalsText(1.0 / 3.0, 20), "0.33333333333333300000");
  EXPECT_EQ(FixedDecimalsText(123456789012345678.0, 1), "123456789012346000.0");
  // An exact half at the sixteenth digit rounds away from zero.
  EXPECT_EQ(FixedDecimalsText(100000000000000.5, 1), "100000000000001.0");
  EXPECT_EQ(FixedDecimalsText(-100000000000000.5, 0), "-100000000000001");
  // Places outside 0..40 are held to that range.
  EXPECT_EQ(FixedDecimalsText(1.5, -3), "2");
  EXPECT_EQ(FixedDecimalsText(1.5, 99).size(), std::string("1.").size() + 40);
}

// ---------------------------------------------------------------------------
// An independent, slow reference: the exact decimal expansion of a double by
// big-integer arithmetic, then the rounding rules written out plainly.

struct Exact {
  bool negative = false;
  std::string digits;  // exact significant digits, no leading zeros ("" for zero)
  int point = 0;       // value = 0.digits x 10^point
};

// Little-endian base-10^9 big integer.
using Big = std::vector<std::uint32_t>;
void MulSmall(Big& n, std::uint64_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : n) {
    std::uint64_t v = limb * factor + carry;
    limb = static_cast<std::uint32_t>(v % 1000000000u);
    carry = v / 1000000000u;
  }
  while (carry) {
    n.push_back(static_cast<std::uint32_t>(carry % 1000000000u));
    carry /= 1000000000u;
  }
}
std::string BigToString(const Big& n) {
  std::string s = std::to_string(n.back());
  for (std::size_t i = n.size() - 1; i-- > 0;) {
    std::string part = std::to_string(n[i]);
    s += std::string(9 - part.size(), '0') + part;
  }
  return s;
}

Exact ExactExpansion(double value) {
  Exact e;
  e.negative = std::signbit(value);
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((1ull << 52) - 1);
  int exp2;
  if (biased == 0) {
    exp2 = -1074;
  } else {
    mantissa |= 1ull << 52;
    exp2 = biased - 1075;
  }
  if (mantissa == 0) return e;
  Big n{static_cast<std::uint32_t>(mantissa % 1000000000u),
        static_cast<std::uint32_t>(mantissa / 1000000000u % 1000000000u),
        static_cast<std::uint32_t>(mantissa / 1000000000000000000u)};
  while (n.size() > 1 && n.back() == 0) n.pop_back();
  int shift = 0;  // value = n x 10^shift
  if (exp2 >= 0) {
    for (int k = exp2; k > 0; k -= std::min(k, 30)) MulSmall(n, 1ull << std::min(k, 30));
  } else {
    for (int k = -exp2; k > 0; k -= std::min(k, 13)) {
      std::uint64_t f = 1;
      for (int j = 0; j < std::min(k, 13); ++j) f *= 5;
      MulSmall(n, f);
    }
    shift = exp2;
  }
  std::string s = BigToString(n);
  e.point = static_cast<int>(s.size()) + shift;
  while (!s.empty() && s.back() == '0') s.pop_back();
  e.digits = s;
  return e;
}

// Rounds the exact digits to 15 significant digits, halves away from zero, except
// where that would go beyond the largest double.
Exact Round15(Exact e) {
  if (e.digits.size() <= 15) return e;
  bool up = e.digits[15] >= '5';
  if (e.point == 309 && e.digits.compare(0, 15, "179769313486231") >= 0) up = false;
  e.digits.resize(15);
  if (up) {
    int k = 14;
    while (k >= 0 && e.digits[k] == '9') e.digits[k--] = '0';
    if (k < 0) {
      e.digits = "1" + e.digits;
      e.digits.resize(15);
      ++e.point;
    } else {
      ++e.digits[k];
    }
  }
  while (!e.digits.empty() && e.digits.back() == '0') e.digits.pop_back();
  return e;
}

std::string ReferenceFixed(double value, int places) {
  Exact e = Round15(ExactExpansion(value));
  // Write the value as a decimal string with many places, then round at `places`.
  // Build integer string of value x 10^(places+1).
  std::string scaled;  // digits of floor(|v| x 10^(places+1)) (exact at this point)
  int scale = places + 1;
  int integerLength = e.point + scale;  // number of digits of the scaled integer part
  for (int k = 0; k < integerLength; ++k) {
    scaled += k < static_cast<int>(e.digits.size()) ? e.digits[k] : '0';
  }
  if (scaled.empty()) scaled = "0";
  // Round half away from zero: add 5 to the last digit, then drop it.
  int last = static_cast<int>(scaled.size()) - 1;
  int carry = scaled[last] >= '5' ? 1 : 0;
  scaled.pop_back();
  for (int k = static_cast<int>(scaled.size()) - 1; k >= 0 && carry; --k) {
    if (scaled[k] == '9') {
      scaled[k] = '0';
    } else {
      ++scaled[k];
      carry = 0;
    }
  }
  if (carry) scaled = "1" + scaled;
  while (static_cast<int>(scaled.size()) < places + 1) scaled = "0" + scaled;
  std::string integer = scaled.substr(0, scaled.size() - places);
  std::string fraction = scaled.substr(scaled.size() - places);
  while (integer.size() > 1 && integer[0] == '0') integer.erase(0, 1);
  bool zero = (integer + fraction).find_first_not_of('0') == std::string::npos;
  std::string out = (e.negative && !zero) ? "-" : "";
  out += integer;
  if (places > 0) out += "." + fraction;
  return out;
}

std::string ReferenceGeneral(double value) {
  Exact e = Round15(ExactExpansion(value));
  if (e.digits.empty()) return "0";
  std::string out = e.negative ? "-" : "";
  int exponent = e.point - 1;
  if (exponent >= 15 || exponent < -4) {
    out += e.digits.substr(0, 1);
    if (e.digits.size() > 1) out += "." + e.digits.substr(1);
    std::string ex = std::to_string(std::abs(exponent));
    if (ex.size() < 2) ex = "0" + ex;
    return out + "E" + (exponent < 0 ? "-" : "+") + ex;
  }
  if (e.point <= 0) return out + "0." + std::string(-e.point, '0') + e.digits;
  if (static_cast<int>(e.digits.size()) <= e.point) {
    return out + e.digits + std::string(e.point - e.digits.size(), '0');
  }
  return out + e.digits.substr(0, e.point) + "." + e.digits.substr(e.point);
}

TEST(NumberTexts, AgreeWithAnExactReferenceOnRandomDoubles) {
  std::mt19937_64 random(20261208);
  int mismatches = 0;
  int checked = 0;
  auto check = [&](double v, int places) {
    if (!std::isfinite(v)) return;
    ++checked;
    std::string fixed = FixedDecimalsText(v, places);
    std::string fixedRef = ReferenceFixed(v, places);
    std::string general = GeneralNumberText(v);
    std::string generalRef = ReferenceGeneral(v);
    if (fixed != fixedRef || general != generalRef) {
      if (++mismatches <= 10) {
        ADD_FAILURE() << "value " << std::hexfloat << v << " places " << places << "\n fixed   "
                      << fixed << "\n ref     " << fixedRef << "\n general " << general
                      << "\n ref     " << generalRef;
      }
    }
  };
  for (int i = 0; i < 40000; ++i) {  // any bit pattern: the whole range, subnormals included
    std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    check(v, i % 41);
  }
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-20, 25);
  for (int i = 0; i < 40000; ++i) {  // magnitudes where the decimals matter
    check(unit(random) * std::pow(10.0, exponent(random)), i % 41);
  }
  std::uniform_int_distribution<std::int64_t> whole(-999999999999999, 999999999999999);
  std::uniform_int_distribution<int> scale(0, 17);
  for (int i = 0; i < 30000; ++i) {  // short decimals and halves, the rounding boundaries
    double v = static_cast<double>(whole(random)) / std::pow(10.0, scale(random));
    if (i % 3 == 0) v += 0.5 * std::pow(10.0, -scale(random));
    check(v, i % 41);
  }
  EXPECT_GE(checked, 100000);
  EXPECT_EQ(mismatches, 0);
}

TEST(NumberTexts, EveryWrittenTextReadsBackAsTheSameNumber) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    std::string general = GeneralNumberText(v);
    std::optional<double> back = ReadLeadingNumber(general);
    ASSERT_TRUE(back.has_value()) << general;
    EXPECT_EQ(GeneralNumberText(*back), general);
    std::optional<double> strict = ReadStrictNumber(general);
    ASSERT_TRUE(strict.has_value()) << general;
    EXPECT_EQ(*strict, *back);
    if (std::fabs(v) < 1e30) {
      std::string fixed = FixedDecimalsText(v, 5);
      std::optional<double> f = ReadLeadingNumber(fixed);
      ASSERT_TRUE(f.has_value());
      EXPECT_EQ(FixedDecimalsText(*f, 5), fixed);
    }
  }
}

// A pasted text read under English or German settings: the number as written, or why not.
std::string Pasted(const char* text, bool german) {
  const PastedNumber number =
      ReadPastedNumber(text, german ? NumberSettings{",", "."} : NumberSettings{});
  if (!number.refusal) return GeneralNumberText(number.value);
  const char* const why[] = {"empty", "no", "range"};
  return why[static_cast<int>(*number.refusal)];
}

TEST(ReadPastedNumber, TakesOneNumberAsTheUserWritesItAndRefusesAnythingElseWhole) {
  // clang-format off
  const struct { const char *text, *english, *german; } cases[] = {
      {" 1,234.56\r\n", "1234.56", "no"}, {"1.234,56", "no", "1234.56"}, {"1,5", "no", "1.5"},
      {"+7", "7", "7"}, {"\u22123,5", "no", "-3.5"}, {"1\u2009234\u00A0", "1234", "1234"},
      {"1\u202F234,5", "no", "1234.5"}, {"6.02e23", "6.02E+23", "6.02E+23"},
      {"1.234", "1.234", "1234"}, {"1E-5", "1E-05", "1E-05"}, {"-12.50000", "-12.5", "-12.5"},
      {"1e-300", "1E-300", "1E-300"}, {"OS: Linux Mint 17.2", "no", "no"}, {"12 34", "no", "no"},
      {"1\n2", "no", "no"}, {"12.03.2024", "no", "no"}, {"1,23,456", "no", "no"},
      {"$12", "no", "no"}, {"- 5", "no", "no"}, {"1e", "no", "no"}, {"1e999", "range", "range"},
      {"-1e-999", "range", "range"}, {" \r\n\u00A0", "empty", "empty"}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(Pasted(c.text, false), c.english) << c.text;
    EXPECT_EQ(Pasted(c.text, true), c.german) << c.text;
  }
}

// The selected number, else the caret line's answer, read first as the program writes it.
TEST(ReadWorkboardNumber, TakesTheSelectedNumberOrTheAnswerOfTheCaretLine) {
  const NumberSettings german{",", "."};
  EXPECT_EQ(ReadWorkboardNumber("+  0", "7  =  1.5  =  1.234 ", german).value, 1.234);
  EXPECT_EQ(ReadWorkboardNumber("2.500,5", "", german).value, 2500.5);
  EXPECT_EQ(ReadWorkboardNumber("", "Rent", german).refusal, PasteRefusal::NoAnswer);
}

}  // namespace
}  // namespace numbrella
