// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary texts to the number readers, the pasted-number reader among them,
// and arbitrary doubles to the two number texts. Nothing may crash, and every text
// written must read back within the rounding of the text.
#include "common/number_text.h"
#include "common/pasted_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A text of 15 significant digits is within half a unit of its fifteenth digit, that
// is within 5e-15 of the value, plus the rounding of reading the text back (a few
// units in the last place, which for subnormal values is all that is left).
bool WithinRounding(double original, double back) {
  if (original == back) return true;
  double magnitude = std::fabs(original);
  double slack = 4 * (std::nextafter(magnitude, INFINITY) - magnitude);
  return std::fabs(original - back) <= magnitude * 5e-15 * (1 + 1e-9) + slack;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::optional<double> leading = numbrella::ReadLeadingNumber(text);
  std::optional<double> strict = numbrella::ReadStrictNumber(text);
  if (strict) Require(leading.has_value() && (*leading == *strict || std::isnan(*strict)));
  // A pasted number is finite, and every general number text is taken back as pasted.
  for (const numbrella::NumberSettings& settings :
       {numbrella::NumberSettings{".", ","}, numbrella::NumberSettings{",", "."}}) {
    const numbrella::PastedNumber pasted = numbrella::ReadPastedNumber(text, settings);
    Require(pasted.refusal.has_value() || std::isfinite(pasted.value));
  }

  if (size >= sizeof(double) + 1) {
    double value;
    std::memcpy(&value, data, sizeof value);
    int places = data[sizeof value] % 41;
    if (std::isfinite(value)) {
      std::string general = numbrella::GeneralNumberText(value);
      std::optional<double> back = numbrella::ReadLeadingNumber(general);
      Require(back.has_value());
      Require(WithinRounding(value, *back));
      Require(numbrella::ReadStrictNumber(general) == back);
      Require(numbrella::ReadWorkboardNumber(general, "", {",", "."}).value == *back);

      std::string fixed = numbrella::FixedDecimalsText(value, places);
      Require(fixed.find('e') == std::string::npos && fixed.find('E') == std::string::npos);
      std::optional<double> fixedBack = numbrella::ReadLeadingNumber(fixed);
      Require(fixedBack.has_value());
      double unit = 0.5 * std::pow(10.0, -places);
      Require(WithinRounding(value, *fixedBack) ||
              std::fabs(value - *fixedBack) <= unit * (1 + 1e-9) + std::fabs(value) * 1e-14);
    }
  }
  return 0;
}
