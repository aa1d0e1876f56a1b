// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's texts "translated" into brackets while an object of this class lives, so
// that a test sees which pieces of a composed text went through the translation.
#include "common/translation.h"

#include <string>
#include <string_view>

namespace numbrella {

class BracketingTranslation {
 public:
  BracketingTranslation() { SetTextTranslator(&Bracketed); }
  ~BracketingTranslation() { SetTextTranslator(nullptr); }
  BracketingTranslation(const BracketingTranslation&) = delete;
  BracketingTranslation& operator=(const BracketingTranslation&) = delete;

 private:
  // Appended, not "[" + text: GCC 12 at -O3 takes the insertion in front of a string
  // for an overlapping copy (-Wrestrict).
  static std::string Bracketed(const char*, std::string_view text) {
    std::string bracketed(1, '[');
    bracketed.append(text).push_back(']');
    return bracketed;
  }
};

}  // namespace numbrella
