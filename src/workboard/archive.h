// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workboard's record of each calculation: the entry that Archive appends after a
// successful evaluation, and how the line-spacing choice decides it.
#include <string>
#include <string_view>

namespace numbrella {

// The texts of one finished calculation, as the fields and labels show them.
struct Calculation {
  std::string_view operand1;
  std::string_view op;
  std::string_view operand2;
  std::string_view answer;
};

enum class ArchiveStep {
  ConversionFailure,  // the line-spacing text is not a number: the caller's failure
  NothingWritten,     // a number other than 1, 2 or 3: nothing is appended
  Append,             // append `entry`
};

struct ArchivePlan {
  ArchiveStep step = ArchiveStep::NothingWritten;
  std::string entry;
};

// The entry for a calculation: N line breaks ("\r\n", N the line spacing), operand 1,
// the operator, operand 2, "=" and the answer, separated by two blanks each.
std::string ArchiveEntry(int lineSpacing, const Calculation& calculation);

// What Archive does with the line-spacing box showing `lineSpacingText`.
ArchivePlan PlanArchive(std::string_view lineSpacingText, const Calculation& calculation);

}  // namespace numbrella
