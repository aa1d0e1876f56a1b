// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/convert_value.h"

#include "common/number_text.h"
#include "converter/conversion_rules.h"

#include <algorithm>
#include <cmath>

namespace numbrella {

std::optional<std::string> ConvertValue(UnitCode source, UnitCode target, std::string_view input,
                                        int decimals) {
  // A key no rule matches leaves the factor 0: the output is a formatted 0.
  const ConversionRule* rule = FindRule(ConversionKey(source, target));
  std::optional<double> x = ReadLeadingNumber(input);
  if (!x) return std::nullopt;
  double y = ApplyRule(rule, *x);
  if (!std::isfinite(y)) return std::nullopt;
  return FixedDecimalsText(y, std::clamp(decimals, 0, kMaxDecimalPlaces));
}

}  // namespace numbrella
