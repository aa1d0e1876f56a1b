// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/convert_value.h"

#include "converter/catalogue.h"
#include "converter/conversion_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace numbrella {
namespace {

std::optional<std::string> Convert(UnitCode source, UnitCode target, std::string_view input,
                                   int decimals) {
  return ConvertValue(source, target, input, decimals);
}

const ConversionRule* RuleOf(UnitCode source, UnitCode target) {
  return FindRule(ConversionKey(source, target));
}

// The rule a plain scan in table order stops at.
const ConversionRule* ScanFor(std::string_view key) {
  for (const ConversionRule& rule : ConversionRules()) {
    if (ConversionKey(rule.source, rule.target) == key) return &rule;
  }
  return nullptr;
}

TEST(ConversionRules, OneRuleForEveryOrderedPairOfEachCategory) {
  auto rules = ConversionRules();
  ASSERT_EQ(rules.size(), 521u);
  std::map<RuleKind, int> kinds;
  for (const ConversionRule& rule : rules) ++kinds[rule.kind];
  EXPECT_EQ(kinds[RuleKind::Factor], 436);
  EXPECT_EQ(kinds[RuleKind::Identity], 83);
  EXPECT_EQ(kinds[RuleKind::CelsiusToFahrenheit], 1);
  EXPECT_EQ(kinds[RuleKind::FahrenheitToCelsius], 1);

  // Identity: every unit to itself, and Lux and Meter-candles both ways; nothing else.
  for (const ConversionRule& rule : rules) {
    bool luxPair =
        (rule.source == 102 && rule.target == 103) || (rule.source == 103 && rule.target == 102);
    EXPECT_EQ(rule.kind == RuleKind::Identity, rule.source == rule.target || luxPair)
        << rule.source << " -> " << rule.target;
    if (rule.kind == RuleKind::Identity) {
      EXPECT_EQ(rule.factor, 1.0);
    }
    if (rule.kind == RuleKind::Factor) {
      EXPECT_GT(rule.factor, 0.0) << rule.source << " -> " << rule.target;
      EXPECT_NE(rule.factor, 1.0) << rule.source << " -> " << rule.target;
    }
  }
  EXPECT_EQ(RuleOf(60, 61)->kind, RuleKind::CelsiusToFahrenheit);
  EXPECT_EQ(RuleOf(61, 60)->kind, RuleKind::FahrenheitToCelsius);

  // The rules come category by category in code order, each as its catalogue lists
  // its units, sources outside, targets inside.
  std::vector<const UnitCategory*> byCode;
  for (const UnitCategory& category : Categories()) byCode.push_back(&category);
  std::sort(byCode.begin(), byCode.end(), [](const UnitCategory* a, const UnitCategory* b) {
    return a->units.front().code < b->units.front().code;
  });
  std::size_t next = 0;
  for (const UnitCategory* category : byCode) {
    for (const Unit& from : category->units) {
      for (const Unit& into : category->units) {
        ASSERT_LT(next, rules.size());
        EXPECT_EQ(rules[next].source, from.code);
        EXPECT_EQ(rules[next].target, into.code);
        ++next;
      }
    }
  }
  EXPECT_EQ(next, rules.size());
}

TEST(ConversionRules, KeysJoinTheCodeTexts) {
  EXPECT_EQ(ConversionKey(0, 1), "01");
  EXPECT_EQ(ConversionKey(0, 0), "00");
  EXPECT_EQ(ConversionKey(1, 0), "10");
  EXPECT_EQ(ConversionKey(10, 11), "1011");
  EXPECT_EQ(ConversionKey(62, 690), "62690");
  EXPECT_EQ(ConversionKey(690, 62), "69062");
  EXPECT_EQ(ConversionKey(205, 205), "205205");
  EXPECT_EQ(ConversionKey(-1, 2), "-12");
  EXPECT_EQ(ConversionKey(INT_MIN, INT_MIN), "-2147483648-2147483648");

  std::set<std::string> keys;
  for (const ConversionRule& rule : ConversionRules()) {
    keys.insert(ConversionKey(rule.source, rule.target));
  }
  EXPECT_EQ(keys.size(), 521u);
}

TEST(ConversionRules, LookupFindsWhatAScanInOrderFinds) {
  std::vector<UnitCode> codes;
  for (const UnitCategory& category : Categories()) {
    for (const Unit& unit : category.units) codes.push_back(unit.code);
  }
  codes.push_back(-1);
  codes.push_back(8);
  codes.push_back(999);
  // Every pair of codes, within and across categories: mixed keys included.
  int found = 0;
  for (UnitCode a : codes) {
    for (UnitCode b : codes) {
      std::string key = ConversionKey(a, b);
      const ConversionRule* rule = FindRule(key);
      ASSERT_EQ(rule, ScanFor(key)) << key;
      if (rule) ++found;
    }
  }
  EXPECT_GT(found, 521);  // some mixed keys equal a key of a third category

  // Mixed keys that look like another category's key find that category's rule.
  const ConversionRule* sqInches = FindRule(ConversionKey(101, 0));
  ASSERT_NE(sqInches, nullptr);
  EXPECT_EQ(sqInches->source, 10);
  EXPECT_EQ(sqInches->target, 10);
  const ConversionRule* gallonsPerSecond = FindRule(ConversionKey(202, 0));
  ASSERT_NE(gallonsPerSecond, nullptr);
  EXPECT_EQ(gallonsPerSecond->source, 20);

  for (std::string_view key : {"", "0", "1", "010", "abc", "01 ", "6970", "9999999"}) {
    EXPECT_EQ(FindRule(key), nullptr) << key;
  }
}

TEST(ConversionRules, FactorsAreTheTableValues) {
  struct Sample {
    UnitCode source, target;
    double factor;
  };
  const std::vector<Sample> samples = {
      // Distance
      {0, 1, 1.0 / 12},
      {0, 3, 1.0 / 63360},
      {2, 3, 1.0 / 1760},
      {2, 7, 0.0009144},
      {1, 3, 0.00018939393939394},
      {3, 5, 160934.4},
      {6, 1, 3.28083989501313},
      {4, 3, 6.21371192237334e-07},
      {7, 0, 39370.0787401575},
      // Area
      {10, 11, 0.00694444444444445},
      {15, 17, 1e-10},
      {10, 14, 645.16},
      {13, 14, 2589988110000},
      {17, 10, 1550003100.0062},
      {11, 14, 92903.0400000003},
      {14, 13, 3.86102158592535e-13},
      // Flow Rate
      {22, 23, 60},
      {20, 22, 3.785411784},
      {22, 21, 15.8503231414889},
      {23, 20, 0.00440286753930248},
      // Power
      {27, 24, 1341.02209},
      {24, 25, 745.6998716},
      {25, 24, 0.00134102209},
      {25, 27, 1e-06},
      // Mass
      {31, 32, 0.0005},
      {30, 32, 3.125e-05},
      {30, 33, 28.34952312},
      {33, 30, 0.0352739619558018},
      {34, 30, 35.2739619558017},
      {33, 32, 1.10231131092439e-06},
      // Pressure
      {43, 41, 1e-05},
      {42, 43, 6894.757293},
      {40, 42, 0.0145037737733751},
      {43, 42, 0.000145037737733751},
      // Velocity
      {51, 53, 0.00508},
      {50, 52, 0.681818181663223},
      {53, 52, 2.236936292},
      {51, 54, 0.30480000000122},
      {55, 53, 0.277777777777778},
      // Volume
      {68, 69, 0.25},
      {62, 690, 0.016387064},
      {690, 62, 61.02374409},
      {66, 62, 61023.7440947323},
      {64, 65, 764554.858},
      {65, 63, 3.531466672e-05},
      {690, 69, 0.264172052358149},
      // Torque
      {71, 74, 0.084738793305178},
      {70, 74, 0.00706156610876481},
      {74, 71, 11.8009705},
      // Energy
      {80, 81, 251.995761099999},
      {84, 82, 23759999.9986125},
      {81, 86, 1.16299999994453e-06},
      {86, 82, 31862684.85},
      {85, 84, 3.72506136e-07},
      {82, 84, 4.208754209e-08},
      // Force
      {96, 90, 27801.3851},
      {92, 90, 980665},
      {91, 93, 9.80664999978778},
      {90, 96, 3.5969430889974e-05},
      {97, 91, 453.59237},
      // Light
      {103, 100, 0.02322576},
      {100, 103, 43.055641666839},
      {101, 102, 10.7639104167098},
      {100, 101, 4},
      // Computer Memory / Disk Capacity
      {201, 205, 1.0 / 1099511627776},
      {201, 202, 1.0 / 1024},
      {205, 202, 1073741824},
      {202, 201, 1024},
      {203, 205, 1.0 / 1048576},
  };
  for (const Sample& sample : samples) {
    const ConversionRule* rule = RuleOf(sample.source, sample.target);
    ASSERT_NE(rule, nullptr) << sample.source << " -> " << sample.target;
    EXPECT_EQ(rule->kind, RuleKind::Factor);
    EXPECT_EQ(rule->factor, sample.factor) << sample.source << " -> " << sample.target;
  }
}

TEST(ConversionRules, EntriesThatDisagreeWithTheirTableAreKept) {
  EXPECT_EQ(RuleOf(1, 6)->factor, 0.304800609601219);  // Feet to Meters
  EXPECT_EQ(RuleOf(1, 4)->factor, 304.8);
  EXPECT_EQ(RuleOf(1, 7)->factor, 0.0003048);
  EXPECT_EQ(RuleOf(6, 1)->factor, 3.28083989501313);
  EXPECT_EQ(RuleOf(30, 35)->factor, 2.83495e-05);  // Ounces(avdp) to Megagrams
  EXPECT_EQ(RuleOf(35, 30)->factor, 35273.96195);
  EXPECT_EQ(RuleOf(72, 74)->factor, 0.112984775301529);  // Inch pounds to Newton meters
  EXPECT_EQ(RuleOf(74, 72)->factor, 8.85075);
  EXPECT_EQ(RuleOf(73, 74)->factor, 1.35582000032261);
  EXPECT_EQ(RuleOf(1, 2)->factor, 0.333333333333334);    // Feet to Yards
  EXPECT_EQ(RuleOf(11, 12)->factor, 0.111111111111112);  // Sq Feet to Sq Yards
  EXPECT_EQ(RuleOf(52, 50)->factor, 1.466666667);        // Miles/hour to Feet/second
}

TEST(ConvertValue, FormatsTheProductToTheDecimalsAsked) {
  EXPECT_EQ(Convert(0, 1, "1", 14), "0.08333333333333");
  EXPECT_EQ(Convert(1, 0, "1", 0), "12");  // the reverse key "10"
  EXPECT_EQ(Convert(1, 6, "1000000", 2), "304800.61");
  EXPECT_EQ(Convert(6, 1, "1", 14), "3.28083989501313");
  EXPECT_EQ(Convert(11, 12, "9", 14), "1.00000000000001");
  EXPECT_EQ(Convert(1, 2, "3", 14), "1.00000000000000");
  EXPECT_EQ(Convert(201, 205, "1", 14), "0.00000000000091");
  EXPECT_EQ(Convert(10, 11, "144", 3), "1.000");
  EXPECT_EQ(Convert(62, 690, "1", 9), "0.016387064");
  EXPECT_EQ(Convert(690, 62, "1", 8), "61.02374409");
  EXPECT_EQ(Convert(0, 1, "-6", 1), "-0.5");
  for (int decimals : {0, 3, 14, 30}) {
    std::string expected = decimals == 0 ? "5" : "5." + std::string(decimals, '0');
    EXPECT_EQ(Convert(102, 103, "5", decimals), expected);
    EXPECT_EQ(Convert(103, 102, "5", decimals), expected);
  }
}

TEST(ConvertValue, TemperatureFormulasInTheirOrderOfOperations) {
  EXPECT_EQ(Convert(60, 61, "100", 2), "212.00");
  EXPECT_EQ(Convert(60, 61, "37", 14), "98.60000000000000");
  EXPECT_EQ(Convert(60, 61, "-40", 2), "-40.00");
  EXPECT_EQ(Convert(60, 61, "", 2), "32.00");
  EXPECT_EQ(Convert(61, 60, "0", 14), "-17.77777777777780");
  EXPECT_EQ(Convert(61, 60, "", 2), "-17.78");
  EXPECT_EQ(Convert(61, 60, "212", 2), "100.00");
  EXPECT_EQ(Convert(61, 60, "-40", 2), "-40.00");
  EXPECT_EQ(Convert(60, 60, "37", 1), "37.0");
  EXPECT_EQ(Convert(61, 61, "-459.67", 2), "-459.67");
}

TEST(ConvertValue, HalvesRoundAwayFromZero) {
  EXPECT_EQ(Convert(0, 0, "2.675", 2), "2.68");
  EXPECT_EQ(Convert(0, 0, "2.5", 0), "3");
  EXPECT_EQ(Convert(0, 0, "-2.5", 0), "-3");
  EXPECT_EQ(Convert(0, 0, "0.125", 2), "0.13");
}

TEST(ConvertValue, ReadsTheNumberAtTheStartOfTheInput) {
  EXPECT_EQ(Convert(0, 0, "1,5", 2), "1.00");
  EXPECT_EQ(Convert(0, 0, "1 000", 2), "1000.00");
  EXPECT_EQ(Convert(0, 0, "2e3", 2), "2000.00");
  EXPECT_EQ(Convert(0, 0, "&H10", 2), "16.00");
  EXPECT_EQ(Convert(0, 0, "abc", 2), "0.00");
  EXPECT_EQ(Convert(0, 0, "", 2), "0.00");
  EXPECT_EQ(Convert(0, 1, "12abc", 2), "1.00");
  EXPECT_EQ(Convert(0, 1, "-", 2), "0.00");
  // Non-numeric input converts 0, which for Fahrenheit to Celsius is below zero.
  EXPECT_EQ(Convert(61, 60, "x", 0), "-18");
  // A zero result is written without a minus sign.
  EXPECT_EQ(Convert(0, 1, "-0", 2), "0.00");
}

TEST(ConvertValue, KeysWithoutARuleGiveZero) {
  EXPECT_EQ(Convert(0, 10, "5", 2), "0.00");  // "010"
  EXPECT_EQ(Convert(690, 7, "5", 0), "0");    // "6907"
  EXPECT_EQ(Convert(-1, 0, "5", 1), "0.0");
  EXPECT_EQ(Convert(0, 10, "-5", 2), "0.00");  // no "-0.00"
  // A mixed key can equal another category's key: "1010" is the Sq Inches identity.
  EXPECT_EQ(Convert(101, 0, "5", 2), "5.00");
  EXPECT_EQ(Convert(202, 0, "7", 0), "7");
}

TEST(ConvertValue, OverflowAndOutOfRangeInputGiveNoText) {
  EXPECT_EQ(Convert(17, 14, "1e300", 14), std::nullopt);
  EXPECT_EQ(Convert(17, 14, "-1e300", 2), std::nullopt);
  EXPECT_EQ(Convert(0, 0, "1e400", 2), std::nullopt);
  EXPECT_EQ(Convert(0, 10, "1e400", 2), std::nullopt);  // read fails before any rule
  EXPECT_EQ(Convert(60, 61, "1.7e308", 2), std::nullopt);
  // Large but finite results are written out in full.
  auto big = Convert(14, 17, "1e300", 0);
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(big->size(), 289u);
  EXPECT_EQ(big->substr(0, 3), "100");
  EXPECT_EQ(Convert(0, 0, "1e-320", 2), "0.00");
}

TEST(ConvertValue, DecimalsOutsideTheListAreClamped) {
  EXPECT_EQ(Convert(0, 0, "2.5", -1), "3");
  EXPECT_EQ(Convert(0, 0, "2.5", INT_MIN), "3");
  EXPECT_EQ(Convert(0, 0, "1", 40), "1." + std::string(40, '0'));
  EXPECT_EQ(Convert(0, 0, "1", 41), "1." + std::string(40, '0'));
  EXPECT_EQ(Convert(0, 0, "1", INT_MAX), "1." + std::string(40, '0'));
  EXPECT_EQ(Convert(0, 1, "1", 35), "0.08333333333333330000000000000000000");
}

}  // namespace
}  // namespace numbrella
