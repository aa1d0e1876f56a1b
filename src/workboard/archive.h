// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workboard's record of each calculation: the entry that Archive appends after a
// successful evaluation, and how the line-spacing choice decides it.
#include <optional>
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
  NoLineSpacing,   // nothing is chosen in the line-spacing box: the caller's failure
  NothingWritten,  // a spacing other than 1, 2 or 3: nothing is appended
  Append,          // append `entry`
};

struct ArchivePlan {
  ArchiveStep step = ArchiveStep::NothingWritten;
  std::string entry;
};

// The entry for a calculation: N line breaks ("\r\n", N the line spacing), operand 1,
// the operator, operand 2, "=" and the answer, separated by two blanks each.
std::string ArchiveEntry(int lineSpacing, const Calculation& calculation);

// What Archive does with `lineSpacing` chosen in the line-spacing box, none when
// nothing is chosen there.
ArchivePlan PlanArchive(std::optional<int> lineSpacing, const Calculation& calculation);

}  // namespace numbrella
