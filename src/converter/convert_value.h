// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion arithmetic: from a source unit, a target unit, the input text and a
// number of decimals to the output text.
#include "converter/catalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

// nullopt where a failure stops the computation (the input lies beyond the double
// range, or the result overflows); the caller then leaves the output as it was.
std::optional<std::string> ConvertValue(UnitCode source, UnitCode target, std::string_view input,
                                        int decimals);

}  // namespace numbrella
