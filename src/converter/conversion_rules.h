// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion rules: one for each ordered pair of units of one category, found by
// the pair's conversion key (the source code's decimal text followed directly by the
// target code's).
#include "converter/catalogue.h"

#include <span>
#include <string>
#include <string_view>

namespace numbrella {

enum class RuleKind {
  Factor,               // y = x * factor
  Identity,             // factor 1
  CelsiusToFahrenheit,  // y = (9 / 5) * x + 32
  FahrenheitToCelsius,  // y = (x - 32) * (5 / 9)
};

struct ConversionRule {
  UnitCode source;
  UnitCode target;
  RuleKind kind;
  double factor;  // 1 for identity rules, 0 for the two formulas
};

// All 521 rules, category by category in code order, within a category source unit by
// source unit and target unit by target unit.
std::span<const ConversionRule> ConversionRules();

// The decimal text of the source code followed by that of the target code, with no
// separator: Inches to Feet gives "01", Cubic inches to Liters "62690".
std::string ConversionKey(UnitCode source, UnitCode target);

// The rule whose key equals `key`, or nullptr. The keys are distinct, so this is the
// rule a scan of ConversionRules() in order would stop at; the lookup takes constant
// time. Mixed keys are looked up by their text: 101 followed by 0 gives "1010", the
// Sq Inches identity.
const ConversionRule* FindRule(std::string_view key);

// y for input x under a rule; a null rule stands for the factor 0.
double ApplyRule(const ConversionRule* rule, double x);

}  // namespace numbrella
