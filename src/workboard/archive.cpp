// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/archive.h"

#include "common/number_text.h"

#include <optional>

namespace numbrella {

std::string ArchiveEntry(int lineSpacing, const Calculation& calculation) {
  static constexpr std::string_view kGap = "  ";
  std::string entry;
  entry.reserve(static_cast<std::size_t>(lineSpacing) * 2 + calculation.operand1.size() +
                calculation.op.size() + calculation.operand2.size() +
                calculation.answer.size() + 4 * kGap.size() + 1);
  for (int i = 0; i < lineSpacing; ++i) entry += "\r\n";
  entry += calculation.operand1;
  entry += kGap;
  entry += calculation.op;
  entry += kGap;
  entry += calculation.operand2;
  entry += kGap;
  entry += '=';
  entry += kGap;
  entry += calculation.answer;
  return entry;
}

ArchivePlan PlanArchive(std::string_view lineSpacingText, const Calculation& calculation) {
  ArchivePlan plan;
  std::optional<double> spacing = ReadStrictNumber(lineSpacingText);
  if (!spacing) {
    plan.step = ArchiveStep::ConversionFailure;
    return plan;
  }
  if (*spacing != 1.0 && *spacing != 2.0 && *spacing != 3.0) return plan;
  plan.step = ArchiveStep::Append;
  plan.entry = ArchiveEntry(static_cast<int>(*spacing), calculation);
  return plan;
}

}  // namespace numbrella
