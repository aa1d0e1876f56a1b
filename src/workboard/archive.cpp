// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/archive.h"

namespace numbrella {

std::string ArchiveEntry(int lineSpacing, const Calculation& calculation) {
  static constexpr std::string_view kGap = "  ";
  std::string entry;
  entry.reserve(static_cast<std::size_t>(lineSpacing) * 2 + calculation.operand1.size() +
                calculation.op.size() + calculation.operand2.size() + calculation.answer.size() +
                4 * kGap.size() + 1);
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

ArchivePlan PlanArchive(std::optional<int> lineSpacing, const Calculation& calculation) {
  ArchivePlan plan;
  if (!lineSpacing) {
    plan.step = ArchiveStep::NoLineSpacing;
    return plan;
  }
  if (*lineSpacing < 1 || *lineSpacing > 3) return plan;
  plan.step = ArchiveStep::Append;
  plan.entry = ArchiveEntry(*lineSpacing, calculation);
  return plan;
}

}  // namespace numbrella
