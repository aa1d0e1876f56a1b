// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/conversion_rules.h"

#include <charconv>
#include <cstddef>
#include <functional>
#include <unordered_map>

namespace numbrella {
namespace {

struct KeyHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view key) const noexcept {
    return std::hash<std::string_view>{}(key);
  }
};

using RuleIndex = std::unordered_map<std::string, const ConversionRule*, KeyHash, std::equal_to<>>;

const RuleIndex& Index() {
  static const RuleIndex index = [] {
    RuleIndex built;
    const std::span<const ConversionRule> rules = ConversionRules();
    built.reserve(rules.size());
    // try_emplace keeps the first rule for a key, as a scan in order would find it.
    for (const ConversionRule& rule : rules) {
      built.try_emplace(ConversionKey(rule.source, rule.target), &rule);
    }
    return built;
  }();
  return index;
}

}  // namespace

std::string ConversionKey(UnitCode source, UnitCode target) {
  char buffer[24];
  char* end = std::to_chars(buffer, buffer + 12, source).ptr;
  end = std::to_chars(end, buffer + sizeof buffer, target).ptr;
  return std::string(buffer, end);
}

const ConversionRule* FindRule(std::string_view key) {
  const RuleIndex& index = Index();
  auto found = index.find(key);
  return found == index.end() ? nullptr : found->second;
}

double ApplyRule(const ConversionRule* rule, double x) {
  if (rule == nullptr) return x * 0.0;
  switch (rule->kind) {
    case RuleKind::Factor:
    case RuleKind::Identity:
      return x * rule->factor;
    case RuleKind::CelsiusToFahrenheit:
      return (9.0 / 5.0) * x + 32.0;
    case RuleKind::FahrenheitToCelsius:
      return (x - 32.0) * (5.0 / 9.0);
  }
  return x * 0.0;
}

}  // namespace numbrella
